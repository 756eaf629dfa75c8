#include "dict/Fields.h"

#include <algorithm>
#include <cstdint>
#include <cstring>

#include "dict/RecordKey.h"
#include "dict/RecordLayout.h"

std::string_view PlainFieldView(const unsigned char* record, std::size_t offset, std::size_t width) {
  const char* field = reinterpret_cast<const char*>(record + offset);
  const void* nul = std::memchr(field, 0, width);
  return std::string_view(field, nul ? static_cast<std::size_t>(static_cast<const char*>(nul) - field) : width);
}

std::string PlainField(const unsigned char* record, std::size_t offset, std::size_t width) {
  return std::string(PlainFieldView(record, offset, width));
}

std::string ScrambledField(const unsigned char* record, std::size_t offset, std::size_t width) {
  // The key is eight bytes long, so the field is unscrambled eight bytes at a time into
  // a buffer as wide as the widest scrambled field; the text ends at the first 0.
  static_assert(kRecordKeyLength == sizeof(std::uint64_t));
  constexpr std::size_t kWidest = std::max({kLexTranslationWidth, kRuleTextWidth, kPatTemplateWidth});
  const RecordKeyBytes& key = RecordKey();
  std::uint64_t keyWord;
  std::memcpy(&keyWord, key.data(), sizeof keyWord);
  const unsigned char* field = record + offset;
  char plain[kWidest];
  const std::size_t bytes = std::min(width, kWidest);
  std::size_t i = 0;
  for (; i + sizeof keyWord <= bytes; i += sizeof keyWord) {
    std::uint64_t word;
    std::memcpy(&word, field + i, sizeof word);
    word ^= keyWord;
    std::memcpy(plain + i, &word, sizeof word);
  }
  for (; i < bytes; ++i) plain[i] = static_cast<char>(field[i] ^ key[i % kRecordKeyLength]);
  const void* nul = std::memchr(plain, 0, bytes);
  if (nul || width <= kWidest)
    return std::string(plain, nul ? static_cast<const char*>(nul) - plain : bytes);
  // A field wider than any the layouts define: the rest byte by byte.
  std::string text(plain, bytes);
  for (i = bytes; i < width && field[i] != key[i % kRecordKeyLength]; ++i)
    text.push_back(static_cast<char>(field[i] ^ key[i % kRecordKeyLength]));
  return text;
}

void WritePlainField(unsigned char* record, std::size_t offset, std::size_t width,
                     const std::string& text) {
  std::size_t length = text.size() < width ? text.size() : width - 1;
  std::memcpy(record + offset, text.data(), length);
  record[offset + length] = 0;
}

void WriteScrambledField(unsigned char* record, std::size_t offset, std::size_t width,
                         const std::string& text) {
  const RecordKeyBytes& key = RecordKey();
  std::size_t length = text.size() < width ? text.size() : width - 1;
  for (std::size_t i = 0; i <= length; ++i) {
    unsigned char plain = i < length ? static_cast<unsigned char>(text[i]) : 0;
    record[offset + i] = plain ^ key[i % kRecordKeyLength];
  }
}
