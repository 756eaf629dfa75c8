// Hangul syllable arithmetic for the conjugator: UTF-8 text to code points and back, and
// a precomposed syllable taken apart into initial, medial and final and put together
// again (syllable = base + (initial * 21 + medial) * 28 + final).
#pragma once
#include <optional>
#include <string>

namespace hangul {

constexpr char32_t kSyllableBase = 0xAC00;
constexpr char32_t kSyllableLast = 0xD7A3;
constexpr int kMedialCount = 21;
constexpr int kFinalCount = 28;

// Initial consonants, in code order.
enum Initial : int {
  kInitialGiyeok = 0, kInitialSsangGiyeok = 1, kInitialNieun = 2, kInitialDigeut = 3,
  kInitialSsangDigeut = 4, kInitialRieul = 5, kInitialMieum = 6, kInitialBieup = 7,
  kInitialSsangBieup = 8, kInitialSiot = 9, kInitialSsangSiot = 10, kInitialIeung = 11,
  kInitialJieut = 12, kInitialSsangJieut = 13, kInitialChieut = 14, kInitialKhieukh = 15,
  kInitialThieuth = 16, kInitialPhieuph = 17, kInitialHieuh = 18,
};

// Medial vowels, in code order.
enum Medial : int {
  kMedialA = 0, kMedialAe = 1, kMedialYa = 2, kMedialYae = 3, kMedialEo = 4, kMedialE = 5,
  kMedialYeo = 6, kMedialYe = 7, kMedialO = 8, kMedialWa = 9, kMedialWae = 10, kMedialOe = 11,
  kMedialYo = 12, kMedialU = 13, kMedialWeo = 14, kMedialWe = 15, kMedialWi = 16,
  kMedialYu = 17, kMedialEu = 18, kMedialUi = 19, kMedialI = 20,
};

// Final consonants, in code order; 0 is "no final".
enum Final : int {
  kFinalNone = 0, kFinalGiyeok = 1, kFinalSsangGiyeok = 2, kFinalGiyeokSiot = 3,
  kFinalNieun = 4, kFinalNieunJieut = 5, kFinalNieunHieuh = 6, kFinalDigeut = 7,
  kFinalRieul = 8, kFinalRieulGiyeok = 9, kFinalRieulMieum = 10, kFinalRieulBieup = 11,
  kFinalRieulSiot = 12, kFinalRieulThieuth = 13, kFinalRieulPhieuph = 14,
  kFinalRieulHieuh = 15, kFinalMieum = 16, kFinalBieup = 17, kFinalBieupSiot = 18,
  kFinalSiot = 19, kFinalSsangSiot = 20, kFinalIeung = 21, kFinalJieut = 22,
  kFinalChieut = 23, kFinalKhieukh = 24, kFinalThieuth = 25, kFinalPhieuph = 26,
  kFinalHieuh = 27,
};

struct Syllable {
  int nInitial = 0;
  int nMedial = 0;
  int nFinal = kFinalNone;
};

bool IsSyllable(char32_t c);
// The parts of a precomposed syllable; the caller checks IsSyllable first.
Syllable Decompose(char32_t c);
char32_t Compose(const Syllable& s);
char32_t Compose(int initial, int medial, int final = kFinalNone);

// The syllable with its final consonant replaced (kFinalNone removes it).
char32_t WithFinal(char32_t c, int final);
int FinalOf(char32_t c);
int MedialOf(char32_t c);

// Strict UTF-8 decoding: nothing for malformed input, overlong forms, surrogates or code
// points beyond U+10FFFF, so that a bad source line never turns into a wrong form.
std::optional<std::u32string> DecodeUtf8(const std::string& text);
std::string EncodeUtf8(const std::u32string& text);
std::string EncodeUtf8(char32_t c);

}  // namespace hangul
