// Korean conjugation beyond the expected-forms table (FormsTable_test.cpp runs that):
// ending names, bad input, and a sweep of every syllable through every ending.
#include "tools/dexc/KoreanConjugation.h"

#include <gtest/gtest.h>

#include <vector>

#include "tools/dexc/KoreanHangul.h"

namespace {

KoreanWord Word(const std::string& form, KoreanClass cls = KoreanClass::kRegular,
                KoreanKind kind = KoreanKind::kVerb) {
  KoreanWord word;
  word.strDictionaryForm = form;
  word.eClass = cls;
  word.eKind = kind;
  return word;
}

// Hangul syllables and the spaces between words, nothing else.
bool IsCleanHangul(const std::string& text) {
  std::optional<std::u32string> decoded = hangul::DecodeUtf8(text);
  if (!decoded || decoded->empty()) return false;
  for (char32_t c : *decoded)
    if (!hangul::IsSyllable(c) && c != U' ') return false;
  return true;
}

}  // namespace

TEST(KoreanConjugation, EndingNamesRoundTrip) {
  for (KoreanEnding ending : AllKoreanEndings()) {
    std::string name = KoreanEndingName(ending);
    EXPECT_EQ(KoreanEndingFromName(name), ending) << name;
  }
  EXPECT_EQ(KoreanEndingFromName("Present"), std::nullopt);
  EXPECT_EQ(KoreanEndingFromName("present, honorific"), std::nullopt);  // the report's suffix
  EXPECT_FALSE(HasHonorificVariant(KoreanEnding::kPlease));
  EXPECT_FALSE(HasHonorificVariant(KoreanEnding::kPleaseForMe));
  EXPECT_TRUE(HasHonorificVariant(KoreanEnding::kPleaseDont));
}

TEST(KoreanConjugation, BadWordsHaveNoForms) {
  const KoreanWord bad[] = {
      Word(""),
      Word("다"),
      Word("가요"),
      Word("\xFF\xFE다"),
      Word("가다", KoreanClass::kDigeut),
      Word("이다", KoreanClass::kRegular, KoreanKind::kCopula),
  };
  for (const KoreanWord& word : bad)
    for (KoreanEnding ending : AllKoreanEndings())
      for (bool honorific : {false, true})
        EXPECT_EQ(ConjugateKorean(word, ending, honorific), std::nullopt)
            << word.strDictionaryForm << " " << KoreanEndingName(ending);
}

TEST(KoreanConjugation, BadHonorificFormIsRefusedNotUsed) {
  KoreanWord eat = Word("먹다");
  eat.strHonorific = "드시";  // no 다
  EXPECT_EQ(ConjugateKorean(eat, KoreanEnding::kPresent, true), std::nullopt);
  EXPECT_EQ(ConjugateKorean(eat, KoreanEnding::kPresent, false), std::nullopt);
}

TEST(KoreanConjugation, PhraseHonorificReplacesTheWholePhrase) {
  KoreanWord meal = Word("밥을 먹다");
  meal.strHonorific = "진지를 잡수시다";
  EXPECT_EQ(ConjugateKorean(meal, KoreanEnding::kPresent, true), "진지를 잡수세요");
  EXPECT_EQ(ConjugateKorean(meal, KoreanEnding::kPresent, false), "밥을 먹어요");
  EXPECT_EQ(ConjugateKorean(meal, KoreanEnding::kPlease, false), "진지를 잡수세요");
}

// Every medial and final, after the initials that matter to the rules (ㅇ for vowel
// syllables, ㄹ for 르, ㅎ for 하), as the last syllable of one- and two-syllable stems,
// in every class it fits, through every ending: whatever comes out is clean Hangul text
// (no syllable arithmetic ran out of range).
TEST(KoreanConjugation, EveryMedialAndFinalGivesCleanText) {
  const KoreanClass classes[] = {
      KoreanClass::kRegular, KoreanClass::kDigeut, KoreanClass::kBieup, KoreanClass::kSiot,
      KoreanClass::kReu,     KoreanClass::kHieuh,  KoreanClass::kReo,   KoreanClass::kU,
  };
  std::vector<std::string> forms;
  for (int initial : {hangul::kInitialIeung, hangul::kInitialRieul, hangul::kInitialHieuh})
    for (int medial = 0; medial < hangul::kMedialCount; ++medial)
      for (int final = 0; final < hangul::kFinalCount; ++final)
        for (const char* before : {"", "가"})
          forms.push_back(before + hangul::EncodeUtf8(hangul::Compose(initial, medial, final)) +
                          "다");
  int made = 0;
  for (const std::string& form : forms) {
    for (KoreanClass cls : classes) {
      KoreanWord word = Word(form, cls);
      if (CheckKoreanWord(word)) continue;
      for (KoreanEnding ending : AllKoreanEndings()) {
        for (bool honorific : {false, true}) {
          std::optional<std::string> result = ConjugateKorean(word, ending, honorific);
          if (!result) continue;
          ++made;
          ASSERT_TRUE(IsCleanHangul(*result))
              << form << " " << KoreanClassName(cls) << " " << KoreanEndingName(ending);
        }
      }
    }
  }
  EXPECT_GT(made, 0);
}
