// Reading and writing the text fields of a dictionary record: plain NUL-terminated
// fields and fields scrambled with the record key. A reader never looks past the
// field's width, whether or not the terminator is there.
#pragma once
#include <cstddef>
#include <string>
#include <string_view>

// The text of a plain field: its bytes up to the first NUL or to the end of the field.
std::string PlainField(const unsigned char* record, std::size_t offset, std::size_t width);
// The same text where it lies in the record, without a copy (valid while the record is).
std::string_view PlainFieldView(const unsigned char* record, std::size_t offset, std::size_t width);

// The text of a scrambled field: each byte i is combined with key[i mod 8]; the text
// ends right before the first byte that becomes 0, or at the end of the field.
std::string ScrambledField(const unsigned char* record, std::size_t offset, std::size_t width);

// Writers (the dictionary compiler, tests, benchmarks). The text must be at most
// width - 1 bytes; the caller checks. The terminator is always stored, and the rest of
// the field is left as it was (zero in a freshly cleared record).
void WritePlainField(unsigned char* record, std::size_t offset, std::size_t width,
                     const std::string& text);
void WriteScrambledField(unsigned char* record, std::size_t offset, std::size_t width,
                         const std::string& text);
