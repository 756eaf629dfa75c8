// Whether the two directions cover the same ground: the pairs of the Korean-to-English
// phrasebook that mirror a pair of the English-to-Korean one (each source sentence is an
// accepted translation of the other), with what each direction made of its sentence.
// daolsae-lint --same-ground prints it; a pair composed right in one direction only is
// ground the other direction does not cover.
#pragma once
#include <ostream>
#include <vector>

#include "tools/lint/PhrasebookRun.h"

// Points into the two runs compared, which must outlive it.
struct MirroredOutcomes {
  const PhrasebookOutcome* pKorean;   // composing the Korean sentence
  const PhrasebookOutcome* pEnglish;  // composing the English one
};

struct SameGroundReport {
  std::vector<MirroredOutcomes> mirrored;  // in the order of the Korean phrasebook
  int nBoth = 0;          // right in both directions
  int nKoreanOnly = 0;    // right composing Korean only
  int nEnglishOnly = 0;   // right composing English only
  int nNeither = 0;
  int nKoreanAlone = 0;   // Korean pairs with no mirror
  int nEnglishAlone = 0;  // English pairs with no mirror
};

// Pairs each Korean-source outcome with the first English-source outcome that mirrors it.
SameGroundReport CompareDirections(const PhrasebookRunResult& koreanSource,
                                   const PhrasebookRunResult& englishSource);

// The counts, then every mirrored pair that is right in one direction only, with where
// the other direction breaks.
void PrintSameGroundReport(const SameGroundReport& report, std::ostream& out);
