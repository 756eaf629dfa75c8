// The text checks of the dictionary checker: leftovers and particles in finished texts.
#include "tools/lint/LintText.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

using ::testing::ElementsAre;
using ::testing::HasSubstr;
using ::testing::IsEmpty;

TEST(FindLeftovers, NamesEveryKindOfLeftover) {
  static const struct {
    const char* szText;
    std::vector<std::string> found;
  } cases[] = {
      {"I eat an apple.", {}},
      {"나는 사과를 먹는다.", {}},
      {"너는 사과를(정말) 먹는다", {}},  // a parenthesis without a particle pair
      {"Cheolsu reads @1@.", {"a leftover \"@\" (template reference)"}},
      {"x # y", {"a leftover \"#\" (correction marker)"}},
      {"나는~ 간다", {"a leftover \"~\" (attach mark)"}},
      {"I  eat", {"two spaces in a row"}},
      {"Three coffees , please.", {"a blank before a punctuation mark (an attach mark lost)"}},
      {"Thanks !", {"a blank before a punctuation mark (an attach mark lost)"}},
      {"커피 세 잔 주세요 .", {"a blank before a punctuation mark (an attach mark lost)"}},
      {"It is 1,000 won. Yes, it is.", {}},
      {"나는 책을(를) 읽는다", {"an unresolved particle pair \"을(를)\""}},
      {"나는 사과를(을) 먹는다", {"an unresolved particle pair \"를(을)\""}},
      {"길으로(로) 간다", {"an unresolved particle pair \"으로(로)\""}},
      {"학생이었(였)다 학생이었(였)다", {"an unresolved particle pair \"이었(였)\""}},
      {"@0@이(가)  좋다",
       {"a leftover \"@\" (template reference)", "two spaces in a row", "an unresolved particle pair \"이(가)\""}},
  };
  for (const auto& c : cases) EXPECT_EQ(FindLeftovers(c.szText), c.found) << c.szText;
}

class ParticleCheckTest : public ::testing::Test {
 protected:
  void SetUp() override {
    for (const char* text : {"책", "사과", "나", "학생", "의사", "길", "집", "고양이", "사", "물", "친구"})
      m_check.AddKnownText(text);
  }
  CParticleCheck m_check;
};

TEST_F(ParticleCheckTest, FormFitsTheFinalOfTheSyllableBefore) {
  static const struct {
    const char* szText;
    bool bRight;
  } cases[] = {
      {"책을 읽는다.", true},     {"책를 읽는다.", false},   // 책: final ㄱ
      {"사과를 먹는다", true},    {"사과을 먹는다", false},  // 사과: no final
      {"물을 마신다", true},      {"물를 마신다", false},    // 물: final ㄹ takes 을
      {"나는 간다", true},        {"나은 간다", false},     {"책은 좋다", true},
      {"책는 좋다", false},       {"책이 있다", true},      {"책가 있다", false},
      {"사과가 있다", true},      {"사과이 있다", false},   {"책과 사과", true},
      {"책와 사과", false},       {"사과와 책", true},      {"사과과 책", false},
      {"집으로 간다", true},      {"집로 간다", false},     {"사과로 만든다", true},
      {"사과으로 만든다", false}, {"길로 간다", true},      {"길으로 간다", false},  // final ㄹ takes 로
      {"책이나 사과", true},      {"사과이나 책", false},   {"친구랑 간다", true},
      {"책랑 간다", false},       {"친구야!", true},        {"책야!", false},
      {"책이에요.", true},        {"책예요.", false},       {"사과예요?", true},
      {"사과이에요?", false},     {"학생이었다.", true},    {"학생였다.", false},  // may go on after the particle
      {"의사였어요.", true},      {"의사이었어요.", false},
  };
  for (const auto& c : cases) {
    std::vector<std::string> problems = m_check.Check(c.szText);
    EXPECT_EQ(problems.empty(), c.bRight) << c.szText << (problems.empty() ? "" : ": " + problems[0]);
  }
}

TEST_F(ParticleCheckTest, DigitsAreReadInSinoKorean) {
  static const struct {
    const char* szText;
    bool bRight;
  } cases[] = {
      {"0을", true},  {"0를", false},                                        // 영
      {"1을", true},  {"1로", true},      {"1으로", false},                  // 일: final ㄹ
      {"2를", true},  {"2을", false},                                        // 이
      {"3을", true},  {"3으로", true},    {"3로", false},                    // 삼
      {"4를", true},  {"5를", true},      {"6을", true},    {"6를", false},  // 사 오 육
      {"7과", true},  {"8은", true},      {"9가", true},    {"9이", false},  // 칠 팔 구
      {"10을", true}, {"2024년을", true},                                    // 년 is no known word
  };
  for (const auto& c : cases) EXPECT_EQ(m_check.Check(c.szText).empty(), c.bRight) << c.szText;
}

TEST_F(ParticleCheckTest, OnlyKnownStemsAreChecked) {
  // 사과 is a known word although it splits into the known 사 and 과: only the forms that
  // hardly end another word are checked inside a known word.
  EXPECT_THAT(m_check.Check("사과 고양이 먹는 아이"), IsEmpty());
  // 가을 (autumn) is not 가 + 을, even where 가 (go) is a known word.
  m_check.AddKnownText("잘 가!");
  m_check.AddKnownText("가을");
  m_check.AddKnownText("더 나은 방법");  // 나 (I) is a known word, 나은 (better) too
  EXPECT_THAT(m_check.Check("가을이 왔다, 가을. 더 나은 방법"), IsEmpty());
  // 먹 is no known word, so 먹는 is not taken for a particle after it.
  EXPECT_THAT(m_check.Check("먹는다 작가"), IsEmpty());
  // An unknown stem is left alone, even with a form that does not fit it.
  EXPECT_THAT(m_check.Check("연필를 샀다"), IsEmpty());
  // An unresolved pair is a leftover, not a wrong particle.
  EXPECT_THAT(m_check.Check("사과을(를) 먹는다"), IsEmpty());
  // A word of English is never a stem.
  EXPECT_THAT(m_check.Check("TV를 본다"), IsEmpty());
}

TEST_F(ParticleCheckTest, ParticleInsideAKnownWordIsStillCaught) {
  m_check.AddKnownText("책를 읽다");  // a phrase that holds a wrong particle itself
  EXPECT_TRUE(m_check.IsKnownWord("책를"));
  EXPECT_THAT(m_check.Check("나는 책를 읽다."),
              ElementsAre("particle \"를\" does not fit \"책\" (final ㄱ) in \"책를\": it should be \"을\""));
}

TEST_F(ParticleCheckTest, CountsTheParticlesItChecked) {
  int checked = 0;
  m_check.Check("나는 책을 읽고 사과를 먹는다. 책를", &checked);
  EXPECT_EQ(checked, 4);  // 나는, 책을, 사과를, 책를
}

TEST_F(ParticleCheckTest, MessageNamesTheDigitReading) {
  EXPECT_THAT(m_check.Check("2을"),
              ElementsAre("particle \"을\" does not fit \"2\" (read 이, no final consonant) in \"2을\": it should be "
                          "\"를\""));
}

TEST(ParticleCheckKnownWords, TakesTheWordsThatShow) {
  CParticleCheck check;
  check.AddKnownText("빵[밀가루]");                 // the hint never shows
  check.AddKnownText("@0@은(는) #좋은 @1@을(를)");  // references, markers and pairs are no words
  check.AddKnownText("~을(를)");
  check.AddKnownText("(정말) 빨간 사과");
  for (const char* word : {"빵", "좋은", "정말", "빨간", "사과"}) EXPECT_TRUE(check.IsKnownWord(word)) << word;
  for (const char* word : {"밀가루", "0", "1", "@0@은", "을", "를", "은", "는", "#좋은"})
    EXPECT_FALSE(check.IsKnownWord(word)) << word;
}
