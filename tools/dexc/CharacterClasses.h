// Character classes of the particle dictionary source. One class token in a particle
// pattern stands for every character of its class; the compiler writes one record per
// character, with the same character put wherever the token appears in the
// replacement. This is how "{V}을(를)" | "{V}를" becomes one record per syllable.
//
//   {V}  Hangul syllables without a final consonant
//   {L}  Hangul syllables whose final consonant is ㄹ
//   {C}  Hangul syllables with any other final consonant
//   {DV} digits whose Sino-Korean reading ends without a final consonant: 2 4 5 9
//   {DL} digits whose reading ends in ㄹ: 1 7 8
//   {DC} the other digits: 0 3 6
#pragma once
#include <cstddef>
#include <string>
#include <vector>

enum class ParticleClass { kNone, kNoFinal, kFinalRieul, kOtherFinal, kDigitNoFinal,
                           kDigitRieul, kDigitOtherFinal };

// One "{...}" token found in a source text (UTF-8).
struct ClassToken {
  ParticleClass kind = ParticleClass::kNone;  // kNone: a name that is no class
  std::size_t nOffset = 0;                    // byte offset of "{"
  std::size_t nLength = 0;                    // bytes up to and including "}"
  std::string strText;                        // the token as written, e.g. "{V}"
};

// Every "{" + ASCII letters + "}" in text, in order. Other braces are plain text.
std::vector<ClassToken> FindClassTokens(const std::string& text);

// The characters of a class as code page 949 strings, in code point order.
const std::vector<std::string>& ClassMembers(ParticleClass kind);

// The stored width in bytes of each character of the class (2 for a syllable, 1 for a
// digit).
std::size_t ClassMemberWidth(ParticleClass kind);

// "{V}", "{L}", "{C}", "{DV}", "{DL}" and "{DC}" in one line, for messages.
const char* ClassTokenList();
