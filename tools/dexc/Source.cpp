#include "tools/dexc/Source.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>

namespace fs = std::filesystem;

namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
constexpr char kSeparator = '|';
constexpr char kQuote = '"';
constexpr char kEscape = '\\';
constexpr char kComment = '#';
constexpr const char* kSourceExtension = ".txt";

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

std::string_view Trim(std::string_view text) {
  while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
  while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
  return text;
}

// A "[key]" line: after trimming it starts with "[" and ends with "]".
bool IsHeader(std::string_view trimmed) {
  return trimmed.size() >= 2 && trimmed.front() == '[' && trimmed.back() == ']';
}

}  // namespace

bool SplitFields(std::string_view line, std::vector<std::string>* fields, std::string* error) {
  fields->clear();
  std::size_t pos = 0;
  const std::size_t n = line.size();
  for (;;) {
    while (pos < n && IsBlank(line[pos])) ++pos;
    std::string field;
    if (pos < n && line[pos] == kQuote) {
      ++pos;
      bool closed = false;
      while (pos < n) {
        char c = line[pos];
        if (c == kEscape && pos + 1 < n && (line[pos + 1] == kQuote || line[pos + 1] == kEscape)) {
          field.push_back(line[pos + 1]);
          pos += 2;
        } else if (c == kQuote) {
          closed = true;
          ++pos;
          break;
        } else {
          field.push_back(c);
          ++pos;
        }
      }
      if (!closed) {
        *error = "a field that opens with a double quote has no closing quote";
        return false;
      }
      while (pos < n && IsBlank(line[pos])) ++pos;
      if (pos < n && line[pos] != kSeparator) {
        *error = "text after the closing quote of field " + std::to_string(fields->size() + 1) +
                 "; put the whole field inside the quotes";
        return false;
      }
    } else {
      std::size_t end = line.find(kSeparator, pos);
      if (end == std::string_view::npos) end = n;
      field = std::string(Trim(line.substr(pos, end - pos)));
      pos = end;
    }
    fields->push_back(std::move(field));
    if (pos >= n) return true;
    ++pos;  // the separator
  }
}

bool IsValidUtf8(std::string_view text) {
  std::size_t i = 0;
  while (i < text.size()) {
    unsigned char b = static_cast<unsigned char>(text[i]);
    std::size_t length;
    unsigned int codePoint;
    if (b < 0x80) {
      ++i;
      continue;
    } else if (b >= 0xC2 && b <= 0xDF) {
      length = 2;
      codePoint = b & 0x1F;
    } else if (b >= 0xE0 && b <= 0xEF) {
      length = 3;
      codePoint = b & 0x0F;
    } else if (b >= 0xF0 && b <= 0xF4) {
      length = 4;
      codePoint = b & 0x07;
    } else {
      return false;
    }
    if (i + length > text.size()) return false;
    for (std::size_t k = 1; k < length; ++k) {
      unsigned char c = static_cast<unsigned char>(text[i + k]);
      if ((c & 0xC0) != 0x80) return false;
      codePoint = (codePoint << 6) | (c & 0x3F);
    }
    if ((length == 3 && codePoint < 0x800) || (length == 4 && codePoint < 0x10000) ||
        codePoint > 0x10FFFF || (codePoint >= 0xD800 && codePoint <= 0xDFFF))
      return false;
    i += length;
  }
  return true;
}

std::vector<SourceLine> ReadSourceText(const std::string& file, std::string_view text,
                                       CDiagnostics& diag) {
  std::vector<SourceLine> lines;
  if (text.substr(0, kByteOrderMark.size()) == kByteOrderMark)
    text.remove_prefix(kByteOrderMark.size());
  int number = 0;
  while (!text.empty()) {
    std::size_t end = text.find('\n');
    std::string_view raw = text.substr(0, end);
    text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
    ++number;
    if (!raw.empty() && raw.back() == '\r') raw.remove_suffix(1);

    SourceLocation where{file, number};
    std::string_view trimmed = Trim(raw);
    if (trimmed.empty() || trimmed.front() == kComment) continue;
    if (!IsValidUtf8(raw)) {
      diag.Error(where, "the line is not valid UTF-8 text; save the file as UTF-8");
      continue;
    }
    SourceLine line;
    line.where = where;
    if (IsHeader(trimmed)) {
      line.bHeader = true;
      line.strHeaderKey = std::string(Trim(trimmed.substr(1, trimmed.size() - 2)));
    } else {
      std::string error;
      if (!SplitFields(raw, &line.fields, &error)) {
        diag.Error(where, error);
        continue;
      }
    }
    lines.push_back(std::move(line));
  }
  return lines;
}

std::vector<SourceLine> ReadSourceFile(const std::string& file, CDiagnostics& diag) {
  diag.NoteFile(file);
  std::ifstream in(file, std::ios::binary);
  if (!in) {
    diag.FileError(file, std::string("cannot read the file (") + std::strerror(errno) + ")");
    return {};
  }
  std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  if (in.bad()) {
    diag.FileError(file, "cannot read the file");
    return {};
  }
  return ReadSourceText(file, text, diag);
}

std::vector<std::string> SourceFilesOf(const std::string& srcDir, const std::string& name) {
  std::vector<std::string> files;
  std::error_code ignored;
  fs::path base(srcDir);
  fs::path single = base / (name + kSourceExtension);
  if (fs::is_regular_file(single, ignored)) files.push_back(single.string());

  fs::path folder = base / name;
  if (!fs::is_directory(folder, ignored)) return files;
  std::vector<std::string> names;
  for (const fs::directory_entry& entry : fs::directory_iterator(folder, ignored)) {
    std::string fileName = entry.path().filename().string();
    if (entry.path().extension() == kSourceExtension && entry.is_regular_file(ignored))
      names.push_back(fileName);
  }
  std::sort(names.begin(), names.end());
  for (const std::string& fileName : names) files.push_back((folder / fileName).string());
  return files;
}
