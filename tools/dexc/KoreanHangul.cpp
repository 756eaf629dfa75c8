#include "tools/dexc/KoreanHangul.h"

namespace hangul {

namespace {

constexpr char32_t kMaxCodePoint = 0x10FFFF;
constexpr char32_t kSurrogateFirst = 0xD800;
constexpr char32_t kSurrogateLast = 0xDFFF;
constexpr unsigned char kContinuationMask = 0xC0;
constexpr unsigned char kContinuationTag = 0x80;

// The length of the sequence a lead byte opens and the payload bits it carries; 0 for a
// byte that cannot begin a sequence.
int SequenceLength(unsigned char lead, char32_t* bits) {
  if (lead < 0x80) {
    *bits = lead;
    return 1;
  }
  if ((lead & 0xE0) == 0xC0) {
    *bits = lead & 0x1F;
    return 2;
  }
  if ((lead & 0xF0) == 0xE0) {
    *bits = lead & 0x0F;
    return 3;
  }
  if ((lead & 0xF8) == 0xF0) {
    *bits = lead & 0x07;
    return 4;
  }
  return 0;
}

// The smallest code point each length may encode; anything below is an overlong form.
char32_t SmallestFor(int length) {
  switch (length) {
    case 2:
      return 0x80;
    case 3:
      return 0x800;
    case 4:
      return 0x10000;
    default:
      return 0;
  }
}

}  // namespace

bool IsSyllable(char32_t c) { return c >= kSyllableBase && c <= kSyllableLast; }

Syllable Decompose(char32_t c) {
  int index = static_cast<int>(c - kSyllableBase);
  Syllable s;
  s.nFinal = index % kFinalCount;
  s.nMedial = (index / kFinalCount) % kMedialCount;
  s.nInitial = index / (kFinalCount * kMedialCount);
  return s;
}

char32_t Compose(const Syllable& s) {
  return kSyllableBase +
         static_cast<char32_t>((s.nInitial * kMedialCount + s.nMedial) * kFinalCount + s.nFinal);
}

char32_t Compose(int initial, int medial, int final) {
  return Compose(Syllable{initial, medial, final});
}

char32_t WithFinal(char32_t c, int final) {
  Syllable s = Decompose(c);
  s.nFinal = final;
  return Compose(s);
}

int FinalOf(char32_t c) { return Decompose(c).nFinal; }
int MedialOf(char32_t c) { return Decompose(c).nMedial; }

std::optional<std::u32string> DecodeUtf8(const std::string& text) {
  std::u32string out;
  std::size_t i = 0;
  while (i < text.size()) {
    char32_t c = 0;
    int length = SequenceLength(static_cast<unsigned char>(text[i]), &c);
    if (length == 0 || i + length > text.size()) return std::nullopt;
    for (int k = 1; k < length; ++k) {
      auto byte = static_cast<unsigned char>(text[i + k]);
      if ((byte & kContinuationMask) != kContinuationTag) return std::nullopt;
      c = (c << 6) | (byte & 0x3F);
    }
    if (c < SmallestFor(length) || c > kMaxCodePoint ||
        (c >= kSurrogateFirst && c <= kSurrogateLast))
      return std::nullopt;
    out.push_back(c);
    i += length;
  }
  return out;
}

std::string EncodeUtf8(char32_t c) {
  std::string out;
  if (c < 0x80) {
    out.push_back(static_cast<char>(c));
  } else if (c < 0x800) {
    out.push_back(static_cast<char>(0xC0 | (c >> 6)));
    out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
  } else if (c < 0x10000) {
    out.push_back(static_cast<char>(0xE0 | (c >> 12)));
    out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
  } else {
    out.push_back(static_cast<char>(0xF0 | (c >> 18)));
    out.push_back(static_cast<char>(0x80 | ((c >> 12) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
  }
  return out;
}

std::string EncodeUtf8(const std::u32string& text) {
  std::string out;
  for (char32_t c : text) out += EncodeUtf8(c);
  return out;
}

}  // namespace hangul
