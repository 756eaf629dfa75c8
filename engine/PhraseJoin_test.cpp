#include "engine/PhraseJoin.h"

#include <gtest/gtest.h>

#include <vector>

TEST(PhraseJoin, JoinsAsTheSentenceBoxShowsPhrases) {
  static const struct {
    std::vector<const char*> phrases;
    const char* expected;
  } cases[] = {
      {{"p0", "p1", "p2"}, "p0 p1 p2"},
      {{"p0", "~p1", "(p2)"}, "p0p1(p2)"},     // "~" and "(" attach without a blank
      {{"p3[x]", "p4"}, "p3 p4"},              // text from "[" on is dropped
      {{"[x]", "p5"}, "p5"},                   // a first "[x]" adds nothing
      {{"p5", "[x]", "p6"}, "p5  p6"},         // elsewhere it adds a lone blank
      {{"~p7"}, "p7"},
      {{"(p8)", "p9"}, "(p8) p9"},
      {{"  p0", "p1"}, "p0 p1"},               // leading white space removed
      {{"\t\r\n\v\fp0"}, "p0"},
      {{"p0 ", "~"}, "p0 "},                   // only the start is trimmed
      {{"~(p0", "x[(y"}, "(p0 x"},
      {{""}, ""},
  };
  for (const auto& c : cases) {
    std::vector<StepRecord> records(c.phrases.size());
    std::string shown;
    for (std::size_t i = 0; i < c.phrases.size(); ++i) {
      records[i].strPhrase = c.phrases[i];
      shown += std::string("\"") + c.phrases[i] + "\" ";
    }
    EXPECT_EQ(JoinPhrases(records.data(), 0, static_cast<int>(records.size()) - 1), c.expected)
        << shown;
  }
}

TEST(PhraseJoin, JoinsOnlyTheGivenRange) {
  StepRecord records[4];
  const char* phrases[] = {"p0", "p1", "~p2", "p3"};
  for (int i = 0; i < 4; ++i) records[i].strPhrase = phrases[i];
  EXPECT_EQ(JoinPhrases(records, 1, 2), "p1p2");
  EXPECT_EQ(JoinPhrases(records, 2, 2), "p2");
  EXPECT_EQ(JoinPhrases(records, 3, 2), "");
}
