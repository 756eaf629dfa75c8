// The phrasebook composer on small dictionaries (tools/lint/ComposerTestSupport.h):
// sentences that compose through picks, particle slots, typed words and a box that an
// earlier finished sentence capitalised; one that breaks, with where and what the list
// offered; sentences it cannot search; the bound.
#include "tools/lint/Composer.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "tests/support/DexFixture.h"
#include "tools/lint/ComposerTestSupport.h"

using ::testing::Contains;
using ::testing::ElementsAre;
using ::testing::HasSubstr;
using ::testing::IsEmpty;
using ::testing::StartsWith;
using ::testing::UnorderedElementsAreArray;

namespace {

class ComposerTest : public ::testing::Test {
 protected:
  void SetUp() override {
    std::string errors;
    ASSERT_TRUE(WriteComposerTestDictionaries(&errors)) << errors;
  }
  ScratchDir m_dir;
};

std::vector<std::string> Translations(const ComposeResult& result) {
  std::vector<std::string> translations;
  for (const ComposedReading& reading : result.readings)
    translations.push_back(reading.strTranslation);
  return translations;
}

}  // namespace

TEST_F(ComposerTest, ComposesThroughPicksParticleSlotsAndTypedWords) {
  static const struct {
    const char* szCase;
    bool bKoreanSource;
    const char* szSentence;
    std::vector<std::string> translations;  // every reading, the first one right
    std::vector<std::string> actions;       // of the right reading
  } cases[] = {
      {"picks, a particle slot after a consonant, two readings of 나는",
       true,
       "나는 책을 읽는다.",
       {"I read the book.", "You read the book."},
       {"pick \"나는;I;;\"", "pick \"책;the book;;\"", "pick \"-(을(를))\"",
        "pick \"읽는다;read;;\"", "pick \"-~.\""}},
      {"a particle slot after a vowel",
       true,
       "나는 사과를 먹었다.",
       {"I ate an apple.", "You ate an apple."},
       {"pick \"나는;I;;\"", "pick \"사과;an apple;;\"", "pick \"-(을(를))\"",
        "pick \"먹었다;ate;;\"", "pick \"-~.\""}},
      {"a word that the particle after it changes (저 and 이(가) are 제가)",
       true,
       "제가 책을 읽는다.",
       {"I read the book."},
       {"pick \"저;I;;\"", "pick \"-(이(가))\"", "pick \"책;the book;;\"", "pick \"-(을(를))\"",
        "pick \"읽는다;read;;\"", "pick \"-~.\""}},
      {"blanks and the first capital are forgiven",
       true,
       "  나는   책을 읽는다.  ",
       {"I read the book.", "You read the book."},
       {"pick \"나는;I;;\"", "pick \"책;the book;;\"", "pick \"-(을(를))\"",
        "pick \"읽는다;read;;\"", "pick \"-~.\""}},
      {"two words typed on a free-slot line, the first without the sentence's capital",
       false,
       "Zebra crossing.",
       {"횡단보도."},
       {"type \"zebra crossing.\" on \"-w000\""}},
      {"a box capitalised when an earlier sentence completed",
       false,
       "Hello Tom.",
       {"톰 씨, 안녕하세요."},
       {"pick \"hello;안녕;;\"", "pick \"Tom;톰;;\"", "pick \"-~.\""}},
  };
  for (const auto& c : cases) {
    CComposer composer(c.bKoreanSource);
    const ComposeResult result = composer.Compose(c.szSentence);
    ASSERT_TRUE(result.bComposed) << c.szCase << ": got as far as " << result.strReached;
    EXPECT_THAT(Translations(result), UnorderedElementsAreArray(c.translations)) << c.szCase;
    for (const ComposedReading& reading : result.readings) {
      if (reading.strTranslation == c.translations[0]) {
        EXPECT_EQ(reading.actions, c.actions) << c.szCase;
      }
    }
    EXPECT_FALSE(result.bBoundHit) << c.szCase;
    EXPECT_THAT(result.strProblem, IsEmpty()) << c.szCase;
  }
}

TEST_F(ComposerTest, StepsBackIntoAFreshDialogWhereTheBoxWasRebuiltPlain) {
  // Stepping back from "Hello Tom." shows "hello Tom": the search must not go on from it.
  CComposer composer(false);
  const ComposeResult result = composer.Compose("Hello Tom.");
  EXPECT_TRUE(result.bComposed);
  EXPECT_GT(result.nReplays, 0);
  // The same composer goes on with the next sentence from the first list.
  const ComposeResult again = composer.Compose("Hello Tom.");
  EXPECT_EQ(Translations(again), Translations(result));
  EXPECT_EQ(again.nNodes, result.nNodes);
}

TEST_F(ComposerTest, ReportsWhereASentenceBreaks) {
  CComposer composer(true);
  const ComposeResult result = composer.Compose("나는 책을 먹지 않는다.");
  EXPECT_FALSE(result.bComposed);
  EXPECT_THAT(result.readings, IsEmpty());
  EXPECT_EQ(result.strReached, "나는 책을");
  // Either 나는 comes first: both lead there.
  EXPECT_THAT(result.reachedActions, ElementsAre(StartsWith("pick \"나는;"),
                                                 "pick \"책;the book;;\"", "pick \"-(을(를))\""));
  EXPECT_EQ(result.nOfferedLines, 3);
  EXPECT_THAT(result.firstLines, ElementsAre("먹는다;eat;;", "먹었다;ate;;", "읽는다;read;;"));
  // 먹 begins the rest of the sentence; 읽 does not.
  EXPECT_THAT(result.nearestLines, ElementsAre("먹는다;eat;;", "먹었다;ate;;"));
  EXPECT_FALSE(result.bBoundHit);
}

TEST_F(ComposerTest, TellsAMissingPatternFromAMissingWord) {
  CComposer composer(true);
  // 책 is in the lexicon, but no sentence begins with it (을 would attach to it).
  const ComposeResult pattern = composer.Compose("책을 읽는다.");
  EXPECT_EQ(pattern.strReached, "");
  EXPECT_THAT(pattern.notOffered, ElementsAre("책;the book; (key n_obj)"));
  EXPECT_THAT(pattern.nearestElsewhere, IsEmpty());
  // No phrase goes on with 읽고; 읽는다, which is not offered there, comes nearest.
  const ComposeResult word = composer.Compose("나는 읽고 싶다.");
  EXPECT_EQ(word.strReached, "나는");
  EXPECT_THAT(word.notOffered, IsEmpty());
  EXPECT_THAT(word.nearestElsewhere, ElementsAre("읽는다;read; (key v)"));
  // A phrase that stops inside a word, where nothing attaches to it, goes on with nothing.
  const ComposeResult inside = composer.Compose("사과나무를 읽는다.");
  EXPECT_THAT(inside.notOffered, IsEmpty());
  EXPECT_THAT(inside.nearestElsewhere, ElementsAre("사과;an apple; (key n_obj)"));
  // 책 stops inside 책장: the sentence breaks after 나는, where the list offers 책.
  const ComposeResult partial = composer.Compose("나는 책장을 읽는다.");
  EXPECT_EQ(partial.strReached, "나는");
  EXPECT_THAT(partial.nearestLines, ElementsAre("책;the book;;"));
  // Where the list itself offers the nearest lines, the dictionaries add nothing nearer.
  const ComposeResult form = composer.Compose("나는 책을 먹지 않는다.");
  EXPECT_THAT(form.notOffered, IsEmpty());
  EXPECT_THAT(form.nearestElsewhere, IsEmpty());
}

TEST_F(ComposerTest, SentencesItCannotSearch) {
  CComposer korean(true);
  const ComposeResult unknown = korean.Compose("너는 책을 읽는다.");
  EXPECT_FALSE(unknown.bComposed);
  EXPECT_EQ(unknown.strReached, "");
  EXPECT_THAT(unknown.firstLines, Contains("나는;I;;"));
  EXPECT_THAT(unknown.nearestLines, IsEmpty());

  const ComposeResult foreign = korean.Compose("나는 café를 읽는다.");
  EXPECT_FALSE(foreign.bComposed);
  EXPECT_THAT(foreign.strProblem, HasSubstr("cannot show"));
  EXPECT_EQ(foreign.nNodes, 0);
}

TEST_F(ComposerTest, StopsAtItsBound) {
  ComposeOptions options;
  options.nMaxNodes = 3;
  CComposer composer(true, options);
  const ComposeResult result = composer.Compose("나는 책을 읽는다.");
  EXPECT_FALSE(result.bComposed);
  EXPECT_TRUE(result.bBoundHit);
  EXPECT_EQ(result.nNodes, 3);
  EXPECT_EQ(result.strReached, "나는 책을");
  // After a search cut short, the next one starts from the first list all the same.
  options.nMaxNodes = 100;
  CComposer wide(true, options);
  EXPECT_TRUE(wide.Compose("나는 책을 읽는다.").bComposed);
  EXPECT_EQ(composer.Compose("나는").strReached, "나는");
}
