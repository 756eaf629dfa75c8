#include "tools/lint/SameGround.h"

#include <gtest/gtest.h>

#include <sstream>

namespace {

PhrasebookOutcome Outcome(const char* source, const char* reference,
                          std::vector<std::string> variants, bool right) {
  PhrasebookOutcome outcome;
  outcome.pair.strSource = source;
  outcome.pair.strReference = reference;
  outcome.pair.variants = std::move(variants);
  if (right) {
    outcome.result.bComposed = true;
    outcome.result.readings.push_back({{}, reference});
    outcome.nChosen = 0;
    outcome.nAccepted = 0;
  }
  return outcome;
}

}  // namespace

// Pairs mirror each other through references or variants; a pair right in one direction
// only is listed with where the other one breaks; pairs without a mirror are counted.
TEST(SameGround, MirroredPairsAreComparedBothWays) {
  PhrasebookRunResult korean, english;
  korean.outcomes = {
      Outcome("안녕하세요.", "Hello.", {}, true),
      Outcome("물 주세요.", "Water, please.", {"Some water, please."}, true),
      Outcome("감사합니다.", "Thank you.", {}, true),
      Outcome("배고파요.", "I'm hungry.", {}, false),
  };
  english.outcomes = {
      Outcome("Hello.", "안녕하세요.", {}, true),
      Outcome("Some water, please.", "물 좀 주세요.", {"물 주세요."}, false),
      Outcome("Thanks.", "고마워요.", {}, true),
      Outcome("I'm hungry.", "배고파요.", {}, true),
  };
  english.outcomes[1].result.strReached = "Some water";
  english.outcomes[1].result.notOffered = {"please"};

  const SameGroundReport report = CompareDirections(korean, english);
  ASSERT_EQ(report.mirrored.size(), 3u);
  EXPECT_EQ(report.nBoth, 1);
  EXPECT_EQ(report.nKoreanOnly, 1);
  EXPECT_EQ(report.nEnglishOnly, 1);
  EXPECT_EQ(report.nNeither, 0);
  EXPECT_EQ(report.nKoreanAlone, 1);
  EXPECT_EQ(report.nEnglishAlone, 1);

  std::ostringstream out;
  PrintSameGroundReport(report, out);
  const std::string text = out.str();
  EXPECT_NE(text.find("mirrored pairs 3: right both ways 1, composing Korean only 1, "
                      "composing English only 1, neither 0"),
            std::string::npos)
      << text;
  EXPECT_NE(text.find("물 주세요.  <->  Some water, please.\n"
                      "    breaks after \"Some water\": the list does not offer please"),
            std::string::npos)
      << text;
  EXPECT_NE(text.find("I'm hungry.  <->  배고파요.\n    breaks after \"\": no word or form goes on"),
            std::string::npos)
      << text;
}
