#include "dict/Fields.h"

#include <cstring>

#include "dict/RecordKey.h"

std::string PlainField(const unsigned char* record, std::size_t offset, std::size_t width) {
  const unsigned char* field = record + offset;
  const void* nul = std::memchr(field, 0, width);
  std::size_t length = nul ? static_cast<const unsigned char*>(nul) - field : width;
  return std::string(reinterpret_cast<const char*>(field), length);
}

std::string ScrambledField(const unsigned char* record, std::size_t offset, std::size_t width) {
  const RecordKeyBytes& key = RecordKey();
  const unsigned char* field = record + offset;
  std::size_t length = 0;
  while (length < width && field[length] != key[length % kRecordKeyLength]) ++length;
  std::string text(length, '\0');
  for (std::size_t i = 0; i < length; ++i)
    text[i] = static_cast<char>(field[i] ^ key[i % kRecordKeyLength]);
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
