// The four dictionary record kinds as plain values, with their encoding into and
// decoding from fixed-size record bytes (scrambled fields scrambled). Used by the
// compiler, the dump command, tests and benchmarks; readers may decode single fields
// with dict/Fields.h instead.
#pragma once
#include <array>
#include <string>

#include "dict/RecordLayout.h"

struct LexiconRecord {
  std::string strKey, strPhrase, strTranslation, strNote;
};
struct RuleRecord {
  std::string strText;  // "pattern;template;result key;"
};
struct PatternRecord {
  std::string strKeyList;   // ",a,b,c,"
  std::string strTemplate;
};
struct ParticleRecord {
  std::string szPattern, szReplacement;
};

using LexiconBytes = std::array<unsigned char, kLexiconRecordSize>;
using RuleBytes = std::array<unsigned char, kRuleRecordSize>;
using PatternBytes = std::array<unsigned char, kPatternRecordSize>;
using ParticleBytes = std::array<unsigned char, kParticleRecordSize>;

// Encoders cut a text that is too long for its field to width - 1 bytes; the compiler
// refuses such texts before it gets here.
LexiconBytes EncodeLexicon(const LexiconRecord& record);
RuleBytes EncodeRule(const RuleRecord& record);
PatternBytes EncodePattern(const PatternRecord& record);
ParticleBytes EncodeParticle(const ParticleRecord& record);

LexiconRecord DecodeLexicon(const unsigned char* bytes);
RuleRecord DecodeRule(const unsigned char* bytes);
PatternRecord DecodePattern(const unsigned char* bytes);
ParticleRecord DecodeParticle(const unsigned char* bytes);
