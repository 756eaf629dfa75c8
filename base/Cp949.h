// Conversion between the program's code page 949 byte strings and UTF-8, through the C
// library's iconv ("CP949", the full Unified Hangul Code), and the rules that tell where
// a character of such a string ends. The one place where text changes encoding: the
// control backends, the headless driver and the compiler use it.
#pragma once
#include <cstddef>
#include <string>
#include <string_view>

// The byte classes of code page 949: a double-byte character is a lead byte followed by
// a trail byte. Used wherever text is walked character by character.
inline bool IsCp949LeadByte(unsigned char b) { return b >= 0x81 && b <= 0xFE; }
inline bool IsCp949TrailByte(unsigned char b) {
  return (b >= 0x41 && b <= 0x5A) || (b >= 0x61 && b <= 0x7A) || (b >= 0x81 && b <= 0xFE);
}

// Bytes of the character at text[pos] as a converter pairs them: a lead byte followed by
// any byte from 0x41 up is one character, every other byte stands alone. Used where text
// is measured as the user sees it.
inline std::size_t Cp949UnitLength(std::string_view text, std::size_t pos) {
  const auto b = static_cast<unsigned char>(text[pos]);
  if (IsCp949LeadByte(b) && pos + 1 < text.size() && static_cast<unsigned char>(text[pos + 1]) >= 0x41)
    return 2;
  return 1;
}

// Bytes of the character at text[pos] by the simpler rule of the particle corrector and
// the template fill: a byte of 0x80 or above begins a two-byte character (one byte when
// it is the last byte of the text).
inline constexpr unsigned char kDoubleByteMin = 0x80;
inline std::size_t HighBitCharLength(std::string_view text, std::size_t pos) {
  return static_cast<unsigned char>(text[pos]) >= kDoubleByteMin && pos + 1 < text.size() ? 2 : 1;
}

// UTF-8 to code page 949 for text typed by the user: every character that code page 949
// cannot hold (and every malformed UTF-8 sequence) becomes one "?".
std::string Utf8ToCp949(std::string_view utf8);

// UTF-8 to code page 949 for dictionary sources: false, with the byte offset of the
// first character that cannot be converted in *badOffset, when any cannot.
bool TryUtf8ToCp949(std::string_view utf8, std::string* cp949, std::size_t* badOffset);

// Code page 949 to UTF-8: every byte sequence that is not valid code page 949 becomes
// U+FFFD.
std::string Cp949ToUtf8(std::string_view cp949);
