// The character classes of particle patterns.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <set>

#include "tests/support/DexFixture.h"
#include "tools/dexc/CharacterClasses.h"

using ::testing::ElementsAre;

TEST(DexcCharacterClasses, SyllablesSplitByFinalConsonant) {
  const auto& none = ClassMembers(ParticleClass::kNoFinal);
  const auto& rieul = ClassMembers(ParticleClass::kFinalRieul);
  const auto& other = ClassMembers(ParticleClass::kOtherFinal);
  // 19 x 21 syllables per final consonant; 27 finals besides "none", one of them ㄹ.
  EXPECT_EQ(none.size(), 399u);
  EXPECT_EQ(rieul.size(), 399u);
  EXPECT_EQ(other.size(), 399u * 26);
  std::set<std::string> all(none.begin(), none.end());
  all.insert(rieul.begin(), rieul.end());
  all.insert(other.begin(), other.end());
  EXPECT_EQ(all.size(), 11172u);  // every syllable once, in exactly one class

  static const struct {
    const char* syllable;
    ParticleClass kind;
  } cases[] = {
      {"가", ParticleClass::kNoFinal},    {"해", ParticleClass::kNoFinal},
      {"힣", ParticleClass::kOtherFinal}, {"갈", ParticleClass::kFinalRieul},
      {"물", ParticleClass::kFinalRieul}, {"밝", ParticleClass::kOtherFinal},  // ㄺ is not ㄹ
      {"각", ParticleClass::kOtherFinal}, {"똠", ParticleClass::kOtherFinal},
      {"밥", ParticleClass::kOtherFinal}, {"쀼", ParticleClass::kNoFinal},
  };
  for (const auto& c : cases) {
    const auto& members = ClassMembers(c.kind);
    EXPECT_NE(std::find(members.begin(), members.end(), K(c.syllable)), members.end())
        << c.syllable;
  }
}

TEST(DexcCharacterClasses, DigitsSplitByTheFinalOfTheirReading) {
  EXPECT_THAT(ClassMembers(ParticleClass::kDigitNoFinal), ElementsAre("2", "4", "5", "9"));
  EXPECT_THAT(ClassMembers(ParticleClass::kDigitRieul), ElementsAre("1", "7", "8"));
  EXPECT_THAT(ClassMembers(ParticleClass::kDigitOtherFinal), ElementsAre("0", "3", "6"));
  EXPECT_EQ(ClassMemberWidth(ParticleClass::kDigitRieul), 1u);
  EXPECT_EQ(ClassMemberWidth(ParticleClass::kNoFinal), 2u);
}

TEST(DexcCharacterClasses, BracedLetterNamesAreTokensAndUnknownNamesAreKept) {
  std::vector<ClassToken> tokens = FindClassTokens("{V}을 {DL}{x} {} {1} {A");
  ASSERT_EQ(tokens.size(), 3u);
  EXPECT_EQ(tokens[0].kind, ParticleClass::kNoFinal);
  EXPECT_EQ(tokens[0].nOffset, 0u);
  EXPECT_EQ(tokens[0].nLength, 3u);
  EXPECT_EQ(tokens[1].kind, ParticleClass::kDigitRieul);
  EXPECT_EQ(tokens[1].strText, "{DL}");
  EXPECT_EQ(tokens[2].kind, ParticleClass::kNone);  // a name that is no class
  EXPECT_EQ(tokens[2].strText, "{x}");
}
