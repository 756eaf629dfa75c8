// Dictionaries at the program's capacities, written with the record writers: a
// 100,000-record tosi.dex of syllable + particle-pair entries, 10,000 phrase rules,
// 200,000 sentence patterns and a lexicon of 200 key groups, in both directions.
// Used by the benchmarks, and by fuzz seeds and tests that want large, realistic data.
// Deterministic: the same options always write the same bytes.
//
// The data form one small language per direction. Lexicon keys name 200 groups of 80
// phrases; phrase rules turn runs of lexicon keys into result keys; sentence patterns
// are sequences of result keys and free slots. The 20 start result keys ("zS..") are
// produced by rules whose first keys are exactly the first 100 groups, so the first
// candidate list holds 100 runs x 80 = 8000 lines. One 20-step composition (the
// sample) is guaranteed to be a complete sentence.
#pragma once
#include <string>
#include <vector>

struct CapacityOptions {
  int nParticles = 100000;  // tosi.dex records
  int nRules = 10000;       // phrase rules per direction
  int nPatterns = 200000;   // sentence patterns per direction
  int nGroups = 200;        // lexicon key groups per direction
  int nGroupRecords = 80;   // records per group
  int nStartGroups = 100;   // groups that the first candidate list offers
};

// One step of the sample composition (code page 949 texts).
struct CapacityStep {
  std::string strPhrase, strKey, strTranslation, strNote;
  // The list line the step is picked from: phrase;translation;note;
  std::string Line() const { return strPhrase + ";" + strTranslation + ";" + strNote + ";"; }
};

// A composition of 20 steps that the capacity dictionaries of one direction complete,
// and the phrase-expansion question that its last phrase asks after its first step.
struct CapacitySample {
  std::vector<CapacityStep> steps;      // 20 steps, composing order
  std::vector<int> groupSizes;          // how the phrase rules group the steps
  std::string strKeyList;               // the sentence pattern the steps collapse to
  std::string strContinuationTail;      // keys of the last phrase's first step: "k,"
  std::string strContinuationHead;      // result keys of the phrases before it
};

struct CapacityWorld {
  CapacitySample korean;   // main/gu/change
  CapacitySample english;  // ekmain/ekgu/ekchange
  std::string strParticleSentence;  // 100-character Korean text with particle pairs
};

// Describes the data without writing anything (cheap: no rules or patterns are built).
CapacityWorld DescribeCapacityDictionaries(const CapacityOptions& options = {});

// Writes main, ekmain, gu, ekgu, change, ekchange and tosi .dex into `dir` (created if
// needed), replacing what is there.
CapacityWorld WriteCapacityDictionaries(const std::string& dir,
                                        const CapacityOptions& options = {});

// Writes the dictionaries only when `dir` does not already hold this version of them
// (a stamp file records the version and options).
CapacityWorld EnsureCapacityDictionaries(const std::string& dir,
                                         const CapacityOptions& options = {});
