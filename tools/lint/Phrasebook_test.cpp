// Reading a phrasebook (pairs, themes, variants, the errors of a bad line), the direction
// its file name tells, and the fair comparison of shown texts.
#include "tools/lint/Phrasebook.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <sstream>

#include "tools/lint/ShownText.h"

using ::testing::ElementsAre;
using ::testing::IsEmpty;

namespace {

Phrasebook Read(const std::string& text) {
  std::istringstream in(text);
  return ReadPhrasebook(in, "book.txt");
}

}  // namespace

TEST(Phrasebook, ReadsPairsWithThemesAndVariants) {
  const Phrasebook book = Read(
      "\xEF\xBB\xBF# a comment\r\n"
      "안녕하세요. => Hello.\r\n"
      "\n"
      "## greetings\n"
      "  # an indented comment\n"
      "고마워요. => Thanks. | Thank you.|Thank you so much.\n"
      "## food\n"
      "물 주세요. =>Water, please.\n");
  EXPECT_THAT(book.errors, IsEmpty());
  ASSERT_EQ(book.pairs.size(), 3u);
  EXPECT_EQ(book.pairs[0].nLine, 2);
  EXPECT_EQ(book.pairs[0].strTheme, "");
  EXPECT_EQ(book.pairs[0].strSource, "안녕하세요.");
  EXPECT_EQ(book.pairs[0].strReference, "Hello.");
  EXPECT_THAT(book.pairs[0].variants, IsEmpty());
  EXPECT_EQ(book.pairs[1].nLine, 6);
  EXPECT_EQ(book.pairs[1].strTheme, "greetings");
  EXPECT_EQ(book.pairs[1].strReference, "Thanks.");
  EXPECT_THAT(book.pairs[1].variants, ElementsAre("Thank you.", "Thank you so much."));
  EXPECT_EQ(book.pairs[2].strTheme, "food");
  EXPECT_EQ(book.pairs[2].strReference, "Water, please.");
}

TEST(Phrasebook, ReportsEachBadLineAndLeavesItOut) {
  const Phrasebook book = Read(
      "안녕하세요. Hello.\n"
      "네. => Yes. => Yes!\n"
      " => Hello.\n"
      "고마워요. => Thanks. | \n"
      "안녕. =>\n"
      "안녕하세요. => Hi.\n"
      "물. => Water.\n"
      "물. => Water!\n");
  EXPECT_THAT(
      book.errors,
      ElementsAre("book.txt:1: no \"=>\" between the source sentence and its translation",
                  "book.txt:2: more than one \"=>\"", "book.txt:3: the source sentence is empty",
                  "book.txt:4: a translation is empty", "book.txt:5: a translation is empty",
                  "book.txt:8: the source sentence \"물.\" was already given at line 7"));
  ASSERT_EQ(book.pairs.size(), 2u);
  EXPECT_EQ(book.pairs[0].strReference, "Hi.");
  EXPECT_EQ(book.pairs[1].strReference, "Water.");
}

TEST(Phrasebook, UnreadableFileIsAnError) {
  const Phrasebook book = ReadPhrasebookFile("/nonexistent/ko-en.txt");
  EXPECT_THAT(book.pairs, IsEmpty());
  EXPECT_THAT(book.errors, ElementsAre("/nonexistent/ko-en.txt: cannot be read"));
}

TEST(Phrasebook, DirectionFromFileName) {
  EXPECT_EQ(DirectionFromFileName("tests/phrasebook/ko-en.txt"), true);
  EXPECT_EQ(DirectionFromFileName("ko-en-extra.txt"), true);
  EXPECT_EQ(DirectionFromFileName("/a/en-ko.txt"), false);
  EXPECT_EQ(DirectionFromFileName("ko-en/other.txt"), std::nullopt);  // only the name counts
  EXPECT_EQ(DirectionFromFileName("phrases.txt"), std::nullopt);
}

TEST(ShownText, ForgivesBlanksAndTheFirstCapitalOnly) {
  static const struct {
    const char* szShown;
    const char* szNormalised;
  } cases[] = {
      {"  i  like\tmovies.  ", "I like movies."},
      {"저는   영화를 좋아해요.", "저는 영화를 좋아해요."},
      {"hello, Tom.", "Hello, Tom."},
      {"I Like", "I Like"},  // a capital elsewhere stays
      {"   ", ""},
  };
  for (const auto& c : cases) EXPECT_EQ(NormaliseShown(c.szShown), c.szNormalised) << c.szShown;

  EXPECT_TRUE(BeginsTarget(NormaliseShown(" i like"), NormaliseShown("I like movies.")));
  EXPECT_TRUE(BeginsTarget("", "I like movies."));
  EXPECT_FALSE(BeginsTarget(NormaliseShown("I liked"), NormaliseShown("I like movies.")));

  const std::vector<std::string> variants = {"Thank you.", "Thanks a lot."};
  EXPECT_EQ(AcceptedIndex(" thanks.", "Thanks.", variants), 0);
  EXPECT_EQ(AcceptedIndex("Thanks  a lot.", "Thanks.", variants), 2);
  EXPECT_EQ(AcceptedIndex("Thanks", "Thanks.", variants), -1);      // the stop counts
  EXPECT_EQ(AcceptedIndex("Thank You.", "Thanks.", variants), -1);  // so does a capital inside

  EXPECT_EQ(FirstWords("  네, 잘  지냈어요.", 1), "네,");
  EXPECT_EQ(FirstWords("  네, 잘  지냈어요.", 2), "네, 잘");
  EXPECT_EQ(FirstWords("네, 잘 지냈어요.", 5), "네, 잘 지냈어요.");
  EXPECT_EQ(FirstWords("", 1), "");
}
