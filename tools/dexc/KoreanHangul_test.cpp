// Hangul syllable arithmetic and the strict UTF-8 decoder under it.
#include "tools/dexc/KoreanHangul.h"

#include <gtest/gtest.h>

using namespace hangul;

TEST(KoreanHangul, DecomposeAndCompose) {
  static const struct {
    char32_t syllable;
    int initial, medial, final;
  } cases[] = {
      {U'가', kInitialGiyeok, kMedialA, kFinalNone},
      {U'힣', kInitialHieuh, kMedialI, kFinalHieuh},
      {U'듣', kInitialDigeut, kMedialEu, kFinalDigeut},
      {U'돕', kInitialDigeut, kMedialO, kFinalBieup},
      {U'낫', kInitialNieun, kMedialA, kFinalSiot},
      {U'갛', kInitialGiyeok, kMedialA, kFinalHieuh},
      {U'르', kInitialRieul, kMedialEu, kFinalNone},
      {U'었', kInitialIeung, kMedialEo, kFinalSsangSiot},
      {U'돼', kInitialDigeut, kMedialWae, kFinalNone},
  };
  for (const auto& c : cases) {
    Syllable s = Decompose(c.syllable);
    EXPECT_EQ(s.nInitial, c.initial) << EncodeUtf8(c.syllable);
    EXPECT_EQ(s.nMedial, c.medial) << EncodeUtf8(c.syllable);
    EXPECT_EQ(s.nFinal, c.final) << EncodeUtf8(c.syllable);
    EXPECT_EQ(Compose(c.initial, c.medial, c.final), c.syllable) << EncodeUtf8(c.syllable);
  }
  EXPECT_EQ(WithFinal(U'사', kFinalRieul), U'살');
  EXPECT_EQ(WithFinal(U'살', kFinalNone), U'사');
  EXPECT_TRUE(IsSyllable(U'가'));
  EXPECT_TRUE(IsSyllable(U'힣'));
  EXPECT_FALSE(IsSyllable(U'ㄱ'));  // a compatibility jamo is no syllable
  EXPECT_FALSE(IsSyllable(U'A'));
  EXPECT_FALSE(IsSyllable(kSyllableLast + 1));
}

TEST(KoreanHangul, Utf8RoundTrip) {
  const std::string text = "가 A é 힣 \U0001F600";
  std::optional<std::u32string> decoded = DecodeUtf8(text);
  ASSERT_TRUE(decoded);
  EXPECT_EQ(*decoded, U"가 A é 힣 \U0001F600");
  EXPECT_EQ(EncodeUtf8(*decoded), text);
  EXPECT_EQ(DecodeUtf8(""), std::u32string());
}

TEST(KoreanHangul, MalformedUtf8IsRefused) {
  static const struct {
    const char* name;
    std::string bytes;
  } cases[] = {
      {"cut short", "\xEA\xB0"},
      {"lone continuation byte", "\x80"},
      {"bad continuation", "\xEA\x41\x80"},
      {"overlong slash", "\xC0\xAF"},
      {"overlong three bytes", "\xE0\x80\xAF"},
      {"surrogate", "\xED\xA0\x80"},
      {"beyond U+10FFFF", "\xF4\x90\x80\x80"},
      {"invalid lead byte", "\xFF"},
      {"code page 949 bytes", "\xB0\xA1"},
  };
  for (const auto& c : cases) EXPECT_EQ(DecodeUtf8(c.bytes), std::nullopt) << c.name;
}
