// The class tokens of Korean words and the check of a class against the spelling.
#include "tools/dexc/KoreanWord.h"

#include <gtest/gtest.h>

namespace {

KoreanWord Word(const char* form, KoreanClass cls = KoreanClass::kRegular,
                KoreanKind kind = KoreanKind::kVerb) {
  KoreanWord word;
  word.strDictionaryForm = form;
  word.eClass = cls;
  word.eKind = kind;
  return word;
}

}  // namespace

TEST(KoreanWord, ClassTokens) {
  static const struct {
    const char* token;
    KoreanClass cls;
    KoreanKind kind;
  } cases[] = {
      {"d", KoreanClass::kDigeut, KoreanKind::kVerb},
      {"b", KoreanClass::kBieup, KoreanKind::kVerb},
      {"s", KoreanClass::kSiot, KoreanKind::kVerb},
      {"reu", KoreanClass::kReu, KoreanKind::kVerb},
      {"h", KoreanClass::kHieuh, KoreanKind::kVerb},
      {"reo", KoreanClass::kReo, KoreanKind::kVerb},
      {"u", KoreanClass::kU, KoreanKind::kVerb},
      {"adj", KoreanClass::kRegular, KoreanKind::kAdjective},
      {"cop", KoreanClass::kRegular, KoreanKind::kCopula},
  };
  for (const auto& c : cases) {
    KoreanWord word;
    EXPECT_EQ(ApplyKoreanClassToken(c.token, &word), std::nullopt) << c.token;
    EXPECT_EQ(word.eClass, c.cls) << c.token;
    EXPECT_EQ(word.eKind, c.kind) << c.token;
  }
}

TEST(KoreanWord, TokenErrors) {
  KoreanWord word;
  EXPECT_EQ(ApplyKoreanClassToken("x", &word),
            "unknown word class 'x': expected one of d, b, s, reu, h, reo, u, adj, cop, split, "
            "whole, aux");
  EXPECT_EQ(ApplyKoreanClassToken("D", &word),  // tokens are lower case
            "unknown word class 'D': expected one of d, b, s, reu, h, reo, u, adj, cop, split, "
            "whole, aux");
  EXPECT_EQ(ApplyKoreanClassToken("", &word),
            "unknown word class '': expected one of d, b, s, reu, h, reo, u, adj, cop, split, "
            "whole, aux");

  ASSERT_EQ(ApplyKoreanClassToken("b", &word), std::nullopt);
  EXPECT_EQ(ApplyKoreanClassToken("b", &word), std::nullopt);  // repeating one is harmless
  EXPECT_EQ(ApplyKoreanClassToken("d", &word),
            "'d' cannot be combined with 'b': a word has one irregular class");
  EXPECT_EQ(word.eClass, KoreanClass::kBieup);

  ASSERT_EQ(ApplyKoreanClassToken("adj", &word), std::nullopt);  // 춥다 b adj
  EXPECT_EQ(ApplyKoreanClassToken("cop", &word),
            "'cop' cannot be combined with 'adj': a word is a verb, an adjective or the copula");

  ASSERT_EQ(ApplyKoreanClassToken("split", &word), std::nullopt);
  EXPECT_EQ(word.eNegation, KoreanNegation::kSplit);
  EXPECT_EQ(ApplyKoreanClassToken("whole", &word), "'whole' cannot be combined with 'split'");
  ASSERT_EQ(ApplyKoreanClassToken("aux", &word), std::nullopt);
  EXPECT_TRUE(word.bAuxiliary);
}

TEST(KoreanWord, ClassMustFitTheSpelling) {
  static const struct {
    const char* form;
    KoreanClass cls;
    const char* message;
  } cases[] = {
      {"가다", KoreanClass::kDigeut,
       "가다 is marked ㄷ-irregular (d), but its stem does not end in ㄷ (like 듣다, 걷다)"},
      {"먹다", KoreanClass::kBieup,
       "먹다 is marked ㅂ-irregular (b), but its stem does not end in ㅂ (like 돕다, 춥다)"},
      {"낮다", KoreanClass::kSiot,
       "낮다 is marked ㅅ-irregular (s), but its stem does not end in ㅅ (like 낫다, 짓다)"},
      {"마르다", KoreanClass::kRegular, nullptr},
      {"가다", KoreanClass::kReu,
       "가다 is marked 르-irregular (reu), but its stem does not end in 르 after a syllable "
       "without a final consonant (like 부르다, 모르다)"},
      {"르다", KoreanClass::kReu,
       "르다 is marked 르-irregular (reu), but its stem does not end in 르 after a syllable "
       "without a final consonant (like 부르다, 모르다)"},
      {"좋다", KoreanClass::kHieuh,
       "좋다 is marked ㅎ-irregular (h), but its stem does not end in ㅎ after ㅏ, ㅑ, ㅓ or ㅕ "
       "(like 빨갛다, 그렇다)"},
      {"받다", KoreanClass::kHieuh,
       "받다 is marked ㅎ-irregular (h), but its stem does not end in ㅎ after ㅏ, ㅑ, ㅓ or ㅕ "
       "(like 빨갛다, 그렇다)"},
      {"가다", KoreanClass::kReo,
       "가다 is marked 러-irregular (reo), but its stem does not end in 르 (like 이르다, 푸르다)"},
      {"주다", KoreanClass::kU, nullptr},  // spelled like 푸다; the author knows it is regular
      {"푼다", KoreanClass::kU,
       "푼다 is marked 우-irregular (u), but its stem does not end in ㅜ without a final "
       "consonant (like 푸다)"},
      {"듣다", KoreanClass::kDigeut, nullptr},
      {"돕다", KoreanClass::kBieup, nullptr},
      {"낫다", KoreanClass::kSiot, nullptr},
      {"부르다", KoreanClass::kReu, nullptr},
      {"빨갛다", KoreanClass::kHieuh, nullptr},
      {"하얗다", KoreanClass::kHieuh, nullptr},
      {"이르다", KoreanClass::kReo, nullptr},
      {"음악을 듣다", KoreanClass::kDigeut, nullptr},  // only the last word counts
      {"듣다 가다", KoreanClass::kDigeut,
       "듣다 가다 is marked ㄷ-irregular (d), but its stem does not end in ㄷ (like 듣다, 걷다)"},
  };
  for (const auto& c : cases) {
    std::optional<std::string> message = CheckKoreanWord(Word(c.form, c.cls));
    if (c.message)
      EXPECT_EQ(message, c.message) << c.form;
    else
      EXPECT_EQ(message, std::nullopt) << c.form;
  }
}

TEST(KoreanWord, NotADictionaryForm) {
  for (const char* form : {"", "다", "가", "가요", "TV다", "가 ", "\xEA\xB0", "\xC0\xAF다"}) {
    EXPECT_EQ(CheckKoreanWord(Word(form)),
              "'" + std::string(form) +
                  "' is not a Korean dictionary form: its last word must be Hangul syllables "
                  "ending in 다 (like 가다, 음악을 듣다)")
        << form;
  }
  EXPECT_EQ(CheckKoreanWord(Word("TV를 보다")), std::nullopt);  // earlier words may be anything
}

TEST(KoreanWord, CopulaAndHonorific) {
  EXPECT_EQ(CheckKoreanWord(Word("학생이다", KoreanClass::kRegular, KoreanKind::kCopula)),
            std::nullopt);
  EXPECT_EQ(CheckKoreanWord(Word("이다", KoreanClass::kRegular, KoreanKind::kCopula)),
            "이다 is marked as the copula (cop), but it is not a noun followed by 이다 "
            "(like 학생이다, 의사이다)");
  EXPECT_EQ(CheckKoreanWord(Word("가다", KoreanClass::kRegular, KoreanKind::kCopula)),
            "가다 is marked as the copula (cop), but it is not a noun followed by 이다 "
            "(like 학생이다, 의사이다)");
  EXPECT_EQ(CheckKoreanWord(Word("학생이다", KoreanClass::kDigeut, KoreanKind::kCopula)),
            "학생이다 is marked as the copula (cop), which has no irregular class");

  KoreanWord eat = Word("먹다");
  eat.strHonorific = "드시다";
  EXPECT_EQ(CheckKoreanWord(eat), std::nullopt);
  eat.strHonorific = "먹으다";
  EXPECT_EQ(CheckKoreanWord(eat),
            "먹다: the honorific form 먹으다 must end in 시다 (like 드시다, 주무시다)");
  eat.strHonorific = "시다";  // the honorific needs a stem before 시
  EXPECT_EQ(CheckKoreanWord(eat),
            "먹다: the honorific form 시다 must end in 시다 (like 드시다, 주무시다)");
  KoreanWord copula = Word("학생이다", KoreanClass::kRegular, KoreanKind::kCopula);
  copula.strHonorific = "학생이시다";
  EXPECT_EQ(CheckKoreanWord(copula), "학생이다: the copula makes its own honorific (이시다)");
}

TEST(KoreanWord, NegationTokensFitTheSpelling) {
  KoreanWord word = Word("샤워하다");
  word.eNegation = KoreanNegation::kSplit;
  EXPECT_EQ(CheckKoreanWord(word), std::nullopt);
  word.strDictionaryForm = "걱정되다";
  EXPECT_EQ(CheckKoreanWord(word), std::nullopt);
  for (const char* form : {"가다", "하다"}) {
    word.strDictionaryForm = form;
    EXPECT_EQ(CheckKoreanWord(word),
              std::string(form) +
                  " is marked split (안 between a noun and 하다 or 되다), but it "
                  "does not end in 하다 or 되다 after a noun (like 샤워하다, 걱정되다)");
  }
  KoreanWord aux = Word("입어 보다");
  aux.bAuxiliary = true;
  EXPECT_EQ(CheckKoreanWord(aux), std::nullopt);
  aux.strDictionaryForm = "보다";
  EXPECT_EQ(CheckKoreanWord(aux),
            "보다 is marked aux (an auxiliary verb after the main verb), but it has no word "
            "before the last (like 입어 보다, 보여 주다)");
}

TEST(KoreanWord, Kinds) {
  EXPECT_FALSE(BehavesAsAdjective(Word("가다")));
  EXPECT_TRUE(BehavesAsAdjective(Word("크다", KoreanClass::kRegular, KoreanKind::kAdjective)));
  EXPECT_TRUE(BehavesAsAdjective(Word("빨갛다", KoreanClass::kHieuh)));  // every ㅎ-irregular
  EXPECT_TRUE(BehavesAsAdjective(Word("아니다")));
  EXPECT_FALSE(BehavesAsAdjective(Word("학생이다", KoreanClass::kRegular, KoreanKind::kCopula)));
}
