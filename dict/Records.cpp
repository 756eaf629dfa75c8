#include "dict/Records.h"

#include "dict/Fields.h"

LexiconBytes EncodeLexicon(const LexiconRecord& record) {
  LexiconBytes bytes{};
  WritePlainField(bytes.data(), kLexKeyOffset, kLexKeyWidth, record.strKey);
  WritePlainField(bytes.data(), kLexPhraseOffset, kLexPhraseWidth, record.strPhrase);
  WriteScrambledField(bytes.data(), kLexTranslationOffset, kLexTranslationWidth,
                      record.strTranslation);
  WritePlainField(bytes.data(), kLexNoteOffset, kLexNoteWidth, record.strNote);
  return bytes;
}

RuleBytes EncodeRule(const RuleRecord& record) {
  RuleBytes bytes{};
  WriteScrambledField(bytes.data(), kRuleTextOffset, kRuleTextWidth, record.strText);
  return bytes;
}

PatternBytes EncodePattern(const PatternRecord& record) {
  PatternBytes bytes{};
  WritePlainField(bytes.data(), kPatKeyListOffset, kPatKeyListWidth, record.strKeyList);
  WriteScrambledField(bytes.data(), kPatTemplateOffset, kPatTemplateWidth, record.strTemplate);
  return bytes;
}

ParticleBytes EncodeParticle(const ParticleRecord& record) {
  ParticleBytes bytes{};
  WritePlainField(bytes.data(), kPartPatternOffset, kPartPatternWidth, record.szPattern);
  WritePlainField(bytes.data(), kPartReplacementOffset, kPartReplacementWidth,
                  record.szReplacement);
  return bytes;
}

LexiconRecord DecodeLexicon(const unsigned char* bytes) {
  return {PlainField(bytes, kLexKeyOffset, kLexKeyWidth),
          PlainField(bytes, kLexPhraseOffset, kLexPhraseWidth),
          ScrambledField(bytes, kLexTranslationOffset, kLexTranslationWidth),
          PlainField(bytes, kLexNoteOffset, kLexNoteWidth)};
}

RuleRecord DecodeRule(const unsigned char* bytes) {
  return {ScrambledField(bytes, kRuleTextOffset, kRuleTextWidth)};
}

PatternRecord DecodePattern(const unsigned char* bytes) {
  return {PlainField(bytes, kPatKeyListOffset, kPatKeyListWidth),
          ScrambledField(bytes, kPatTemplateOffset, kPatTemplateWidth)};
}

ParticleRecord DecodeParticle(const unsigned char* bytes) {
  return {PlainField(bytes, kPartPatternOffset, kPartPatternWidth),
          PlainField(bytes, kPartReplacementOffset, kPartReplacementWidth)};
}
