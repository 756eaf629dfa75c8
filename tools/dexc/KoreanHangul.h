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
  kInitialGiyeok = 0,       // ㄱ
  kInitialSsangGiyeok = 1,  // ㄲ
  kInitialNieun = 2,        // ㄴ
  kInitialDigeut = 3,       // ㄷ
  kInitialSsangDigeut = 4,  // ㄸ
  kInitialRieul = 5,        // ㄹ
  kInitialMieum = 6,        // ㅁ
  kInitialBieup = 7,        // ㅂ
  kInitialSsangBieup = 8,   // ㅃ
  kInitialSiot = 9,         // ㅅ
  kInitialSsangSiot = 10,   // ㅆ
  kInitialIeung = 11,       // ㅇ
  kInitialJieut = 12,       // ㅈ
  kInitialSsangJieut = 13,  // ㅉ
  kInitialChieut = 14,      // ㅊ
  kInitialKhieukh = 15,     // ㅋ
  kInitialThieuth = 16,     // ㅌ
  kInitialPhieuph = 17,     // ㅍ
  kInitialHieuh = 18,       // ㅎ
};

// Medial vowels, in code order.
enum Medial : int {
  kMedialA = 0,     // ㅏ
  kMedialAe = 1,    // ㅐ
  kMedialYa = 2,    // ㅑ
  kMedialYae = 3,   // ㅒ
  kMedialEo = 4,    // ㅓ
  kMedialE = 5,     // ㅔ
  kMedialYeo = 6,   // ㅕ
  kMedialYe = 7,    // ㅖ
  kMedialO = 8,     // ㅗ
  kMedialWa = 9,    // ㅘ
  kMedialWae = 10,  // ㅙ
  kMedialOe = 11,   // ㅚ
  kMedialYo = 12,   // ㅛ
  kMedialU = 13,    // ㅜ
  kMedialWeo = 14,  // ㅝ
  kMedialWe = 15,   // ㅞ
  kMedialWi = 16,   // ㅟ
  kMedialYu = 17,   // ㅠ
  kMedialEu = 18,   // ㅡ
  kMedialUi = 19,   // ㅢ
  kMedialI = 20,    // ㅣ
};

// Final consonants, in code order; 0 is "no final".
enum Final : int {
  kFinalNone = 0,           // none
  kFinalGiyeok = 1,         // ㄱ
  kFinalSsangGiyeok = 2,    // ㄲ
  kFinalGiyeokSiot = 3,     // ㄳ
  kFinalNieun = 4,          // ㄴ
  kFinalNieunJieut = 5,     // ㄵ
  kFinalNieunHieuh = 6,     // ㄶ
  kFinalDigeut = 7,         // ㄷ
  kFinalRieul = 8,          // ㄹ
  kFinalRieulGiyeok = 9,    // ㄺ
  kFinalRieulMieum = 10,    // ㄻ
  kFinalRieulBieup = 11,    // ㄼ
  kFinalRieulSiot = 12,     // ㄽ
  kFinalRieulThieuth = 13,  // ㄾ
  kFinalRieulPhieuph = 14,  // ㄿ
  kFinalRieulHieuh = 15,    // ㅀ
  kFinalMieum = 16,         // ㅁ
  kFinalBieup = 17,         // ㅂ
  kFinalBieupSiot = 18,     // ㅄ
  kFinalSiot = 19,          // ㅅ
  kFinalSsangSiot = 20,     // ㅆ
  kFinalIeung = 21,         // ㅇ
  kFinalJieut = 22,         // ㅈ
  kFinalChieut = 23,        // ㅊ
  kFinalKhieukh = 24,       // ㅋ
  kFinalThieuth = 25,       // ㅌ
  kFinalPhieuph = 26,       // ㅍ
  kFinalHieuh = 27,         // ㅎ
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
