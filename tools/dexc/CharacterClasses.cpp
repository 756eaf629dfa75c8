#include "tools/dexc/CharacterClasses.h"

#include "base/Cp949.h"

namespace {

// Hangul syllable arithmetic: syllable = base + (initial * 21 + medial) * 28 + final.
constexpr unsigned int kSyllableBase = 0xAC00;
constexpr unsigned int kSyllableCount = 11172;
constexpr unsigned int kFinalCount = 28;
constexpr unsigned int kFinalNone = 0;
constexpr unsigned int kFinalRieul = 8;

constexpr std::size_t kSyllableWidth = 2;  // every syllable is one double-byte character
constexpr std::size_t kDigitWidth = 1;

struct ClassName {
  const char* name;
  ParticleClass kind;
};
constexpr ClassName kClassNames[] = {
    {"V", ParticleClass::kNoFinal},        {"L", ParticleClass::kFinalRieul},
    {"C", ParticleClass::kOtherFinal},     {"DV", ParticleClass::kDigitNoFinal},
    {"DL", ParticleClass::kDigitRieul},    {"DC", ParticleClass::kDigitOtherFinal},
};

bool IsAsciiLetter(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }

std::string Utf8Of(unsigned int codePoint) {
  std::string out;
  out.push_back(static_cast<char>(0xE0 | (codePoint >> 12)));
  out.push_back(static_cast<char>(0x80 | ((codePoint >> 6) & 0x3F)));
  out.push_back(static_cast<char>(0x80 | (codePoint & 0x3F)));
  return out;
}

bool InClass(ParticleClass kind, unsigned int final) {
  switch (kind) {
    case ParticleClass::kNoFinal: return final == kFinalNone;
    case ParticleClass::kFinalRieul: return final == kFinalRieul;
    case ParticleClass::kOtherFinal: return final != kFinalNone && final != kFinalRieul;
    default: return false;
  }
}

std::vector<std::string> Syllables(ParticleClass kind) {
  std::vector<std::string> members;
  for (unsigned int index = 0; index < kSyllableCount; ++index) {
    if (!InClass(kind, index % kFinalCount)) continue;
    std::string cp949;
    if (TryUtf8ToCp949(Utf8Of(kSyllableBase + index), &cp949, nullptr))
      members.push_back(cp949);
  }
  return members;
}

std::vector<std::string> Digits(const char* digits) {
  std::vector<std::string> members;
  for (const char* d = digits; *d; ++d) members.emplace_back(1, *d);
  return members;
}

}  // namespace

std::vector<ClassToken> FindClassTokens(const std::string& text) {
  std::vector<ClassToken> tokens;
  std::size_t pos = 0;
  while ((pos = text.find('{', pos)) != std::string::npos) {
    std::size_t end = pos + 1;
    while (end < text.size() && IsAsciiLetter(text[end])) ++end;
    if (end == pos + 1 || end >= text.size() || text[end] != '}') {
      ++pos;
      continue;
    }
    ClassToken token;
    token.nOffset = pos;
    token.nLength = end + 1 - pos;
    token.strText = text.substr(pos, token.nLength);
    std::string name = text.substr(pos + 1, end - pos - 1);
    for (const ClassName& known : kClassNames)
      if (name == known.name) token.kind = known.kind;
    tokens.push_back(token);
    pos = end + 1;
  }
  return tokens;
}

const std::vector<std::string>& ClassMembers(ParticleClass kind) {
  static const std::vector<std::string> none;
  static const std::vector<std::string> noFinal = Syllables(ParticleClass::kNoFinal);
  static const std::vector<std::string> finalRieul = Syllables(ParticleClass::kFinalRieul);
  static const std::vector<std::string> otherFinal = Syllables(ParticleClass::kOtherFinal);
  static const std::vector<std::string> digitNoFinal = Digits("2459");
  static const std::vector<std::string> digitRieul = Digits("178");
  static const std::vector<std::string> digitOtherFinal = Digits("036");
  switch (kind) {
    case ParticleClass::kNoFinal: return noFinal;
    case ParticleClass::kFinalRieul: return finalRieul;
    case ParticleClass::kOtherFinal: return otherFinal;
    case ParticleClass::kDigitNoFinal: return digitNoFinal;
    case ParticleClass::kDigitRieul: return digitRieul;
    case ParticleClass::kDigitOtherFinal: return digitOtherFinal;
    case ParticleClass::kNone: break;
  }
  return none;
}

std::size_t ClassMemberWidth(ParticleClass kind) {
  switch (kind) {
    case ParticleClass::kNoFinal:
    case ParticleClass::kFinalRieul:
    case ParticleClass::kOtherFinal: return kSyllableWidth;
    case ParticleClass::kNone: return 0;
    default: return kDigitWidth;
  }
}

const char* ClassTokenList() { return "{V}, {L}, {C}, {DV}, {DL} and {DC}"; }
