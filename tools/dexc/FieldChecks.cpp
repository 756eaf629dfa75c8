#include "tools/dexc/FieldChecks.h"

#include <cstdio>
#include <vector>

#include "base/Cp949.h"

namespace {

constexpr char kReferenceMark = '@';

// The UTF-8 character that starts at `offset`, and its code point as "U+XXXX".
std::string CharacterAt(const std::string& utf8, std::size_t offset, std::string* codePoint) {
  unsigned char lead = static_cast<unsigned char>(utf8[offset]);
  std::size_t length = lead < 0x80 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
  if (offset + length > utf8.size()) length = utf8.size() - offset;
  unsigned int value = length == 1 ? lead : lead & (0x7F >> length);
  for (std::size_t k = 1; k < length; ++k)
    value = (value << 6) | (static_cast<unsigned char>(utf8[offset + k]) & 0x3F);
  char buffer[16];
  std::snprintf(buffer, sizeof buffer, "U+%04X", value);
  *codePoint = buffer;
  return utf8.substr(offset, length);
}

bool IsControl(unsigned char c) { return c < 0x20 || c == 0x7F; }

bool IsDigits(const std::string& text) {
  if (text.empty()) return false;
  for (char c : text)
    if (c < '0' || c > '9') return false;
  return true;
}

std::string ItemCount(std::size_t count) {
  return std::to_string(count) + (count == 1 ? " item" : " items");
}

}  // namespace

bool ConvertField(CDiagnostics& diag, const SourceLocation& where, const std::string& fieldName,
                  const std::string& utf8, std::string* cp949) {
  for (char c : utf8) {
    if (IsControl(static_cast<unsigned char>(c))) {
      char code[8];
      std::snprintf(code, sizeof code, "U+%04X", static_cast<unsigned char>(c));
      diag.Error(where, "the " + fieldName + " holds a control character (" + code +
                            "), such as a tab; write it without");
      return false;
    }
  }
  std::size_t badOffset = 0;
  if (TryUtf8ToCp949(utf8, cp949, &badOffset)) return true;
  std::string codePoint;
  std::string character = CharacterAt(utf8, badOffset, &codePoint);
  diag.Error(where, "the " + fieldName + " holds " + Quoted(character) + " (" + codePoint +
                        "), which code page 949 cannot store");
  return false;
}

bool CheckWidth(CDiagnostics& diag, const SourceLocation& where, const std::string& fieldName,
                std::size_t bytes, std::size_t width) {
  if (bytes + 1 <= width) return true;
  diag.Error(where, "the " + fieldName + " is too long: " + std::to_string(bytes) +
                        " bytes in code page 949, at most " + std::to_string(width - 1) + " fit");
  return false;
}

bool ConvertAndFit(CDiagnostics& diag, const SourceLocation& where, const std::string& fieldName,
                   const std::string& utf8, std::size_t width, std::string* cp949) {
  return ConvertField(diag, where, fieldName, utf8, cp949) &&
         CheckWidth(diag, where, fieldName, cp949->size(), width);
}

bool CheckNoChar(CDiagnostics& diag, const SourceLocation& where, const std::string& fieldName,
                 const std::string& text, char c, const std::string& why) {
  if (text.find(c) == std::string::npos) return true;
  diag.Error(where, "the " + fieldName + " holds " + Quoted(std::string(1, c)) + ", " + why);
  return false;
}

bool CheckReferences(CDiagnostics& diag, const SourceLocation& where, const std::string& text,
                     std::size_t itemCount, const std::string& itemsName) {
  bool ok = true;
  std::size_t pos = 0;
  for (;;) {
    std::size_t open = text.find(kReferenceMark, pos);
    if (open == std::string::npos) return ok;
    std::size_t close = text.find(kReferenceMark, open + 1);
    if (close == std::string::npos) {
      diag.Error(where, "the template holds an \"@\" without a closing \"@\"; a reference is "
                        "written @0@, @1@, ...");
      return false;
    }
    std::string inner = text.substr(open + 1, close - open - 1);
    std::string reference = text.substr(open, close - open + 1);
    if (!IsDigits(inner)) {
      diag.Error(where, "the template holds " + Quoted(reference) +
                            ", but between two \"@\" there must be an item number");
      ok = false;
    } else if (inner.size() > 4 || std::stoul(inner) >= itemCount) {
      std::string range = itemCount == 0   ? ""
                          : itemCount == 1 ? " (@0@)"
                                           : " (@0@ to @" + std::to_string(itemCount - 1) + "@)";
      diag.Error(where, "the template refers to " + reference + ", but the " + itemsName +
                            " has only " + ItemCount(itemCount) + range);
      ok = false;
    }
    pos = close + 1;
  }
}

std::vector<std::string> SplitItems(const std::string& field) {
  std::vector<std::string> items;
  std::size_t start = 0;
  for (;;) {
    std::size_t comma = field.find(',', start);
    std::string item = field.substr(start, comma == std::string::npos ? std::string::npos
                                                                      : comma - start);
    std::size_t first = item.find_first_not_of(" \t");
    std::size_t last = item.find_last_not_of(" \t");
    items.push_back(first == std::string::npos ? "" : item.substr(first, last - first + 1));
    if (comma == std::string::npos) return items;
    start = comma + 1;
  }
}
