#include "tools/lint/SameGround.h"

#include <algorithm>
#include <string>

namespace {

// Whether `sentence` is the reference or a variant of `pair`.
bool Accepts(const PhrasebookPair& pair, const std::string& sentence) {
  return pair.strReference == sentence ||
         std::find(pair.variants.begin(), pair.variants.end(), sentence) != pair.variants.end();
}

bool Mirror(const PhrasebookPair& korean, const PhrasebookPair& english) {
  return Accepts(korean, english.strSource) && Accepts(english, korean.strSource);
}

// Where a direction fails: how far it got and why it stopped there.
std::string WhereItBreaks(const PhrasebookOutcome& outcome) {
  const ComposeResult& result = outcome.result;
  if (!result.strProblem.empty()) return "cannot be searched: " + result.strProblem;
  if (result.bComposed) {
    const std::string& shown = result.readings.at(std::max(outcome.nChosen, 0)).strTranslation;
    return "composed, but translated \"" + shown + "\"";
  }
  std::string where = "breaks after \"" + result.strReached + "\"";
  if (!result.notOffered.empty())
    where += ": the list does not offer " + result.notOffered.front();
  else
    where += ": no word or form goes on";
  return where;
}

void PrintOneSided(const PhrasebookOutcome& right, const PhrasebookOutcome& wrong,
                   std::ostream& out) {
  out << "  " << right.pair.strSource << "  <->  " << wrong.pair.strSource << "\n"
      << "    " << WhereItBreaks(wrong) << "\n";
}

}  // namespace

SameGroundReport CompareDirections(const PhrasebookRunResult& koreanSource,
                                   const PhrasebookRunResult& englishSource) {
  SameGroundReport report;
  std::vector<bool> englishMirrored(englishSource.outcomes.size(), false);
  for (const PhrasebookOutcome& korean : koreanSource.outcomes) {
    const PhrasebookOutcome* english = nullptr;
    for (std::size_t i = 0; i < englishSource.outcomes.size() && !english; ++i) {
      if (!Mirror(korean.pair, englishSource.outcomes[i].pair)) continue;
      english = &englishSource.outcomes[i];
      englishMirrored[i] = true;
    }
    if (!english) {
      ++report.nKoreanAlone;
      continue;
    }
    report.mirrored.push_back({&korean, english});
    const bool k = korean.Right(), e = english->Right();
    ++(k && e ? report.nBoth : k ? report.nKoreanOnly : e ? report.nEnglishOnly : report.nNeither);
  }
  report.nEnglishAlone = static_cast<int>(std::count(englishMirrored.begin(), englishMirrored.end(), false));
  return report;
}

void PrintSameGroundReport(const SameGroundReport& report, std::ostream& out) {
  out << "mirrored pairs " << report.mirrored.size() << ": right both ways " << report.nBoth
      << ", composing Korean only " << report.nKoreanOnly << ", composing English only "
      << report.nEnglishOnly << ", neither " << report.nNeither << "\n"
      << "without a mirror: " << report.nKoreanAlone << " Korean-source, " << report.nEnglishAlone
      << " English-source pair(s)\n";
  out << "right composing Korean only (the English direction does not cover them):\n";
  for (const MirroredOutcomes& m : report.mirrored)
    if (m.pKorean->Right() && !m.pEnglish->Right()) PrintOneSided(*m.pKorean, *m.pEnglish, out);
  out << "right composing English only (the Korean direction does not cover them):\n";
  for (const MirroredOutcomes& m : report.mirrored)
    if (m.pEnglish->Right() && !m.pKorean->Right()) PrintOneSided(*m.pEnglish, *m.pKorean, out);
}
