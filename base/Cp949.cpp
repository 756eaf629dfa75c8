#include "base/Cp949.h"

#include <iconv.h>

#include <cerrno>

namespace {

constexpr const char* kCodePage = "CP949";
constexpr const char* kReplacementUtf8 = "\xEF\xBF\xBD";  // U+FFFD

// One iconv conversion descriptor for one direction, reset before each use.
class Converter {
 public:
  Converter(const char* to, const char* from) : m_cd(iconv_open(to, from)) {}
  ~Converter() {
    if (m_cd != reinterpret_cast<iconv_t>(-1)) iconv_close(m_cd);
  }
  // Converts as much as possible; returns false at the first byte it cannot convert,
  // with *in advanced to that byte.
  bool Convert(const char** in, std::size_t* inLeft, std::string* out) {
    iconv(m_cd, nullptr, nullptr, nullptr, nullptr);
    char buffer[1024];
    while (*inLeft > 0) {
      char* to = buffer;
      std::size_t toLeft = sizeof buffer;
      std::size_t rc = iconv(m_cd, const_cast<char**>(in), inLeft, &to, &toLeft);
      out->append(buffer, static_cast<std::size_t>(to - buffer));
      if (rc == static_cast<std::size_t>(-1) && errno != E2BIG) return false;
    }
    return true;
  }

 private:
  iconv_t m_cd;
};

Converter& ToCp949() {
  thread_local Converter converter(kCodePage, "UTF-8");
  return converter;
}

Converter& FromCp949() {
  thread_local Converter converter("UTF-8", kCodePage);
  return converter;
}

// Length of the UTF-8 sequence that starts with byte b (1 for a stray byte).
std::size_t Utf8SequenceLength(unsigned char b) {
  if (b >= 0xF0 && b <= 0xF4) return 4;
  if (b >= 0xE0) return b <= 0xEF ? 3 : 1;
  if (b >= 0xC2) return 2;
  return 1;
}

// Length of the malformed or unconvertible UTF-8 character at `at` (at least 1 byte).
std::size_t BadUtf8Length(const char* at, std::size_t left) {
  std::size_t length = Utf8SequenceLength(static_cast<unsigned char>(*at));
  if (length > left) return 1;
  for (std::size_t i = 1; i < length; ++i)
    if ((static_cast<unsigned char>(at[i]) & 0xC0) != 0x80) return 1;
  return length;
}


}  // namespace

std::string Utf8ToCp949(std::string_view utf8) {
  std::string out;
  const char* in = utf8.data();
  std::size_t left = utf8.size();
  while (!ToCp949().Convert(&in, &left, &out)) {
    std::size_t skip = BadUtf8Length(in, left);
    out.push_back('?');
    in += skip;
    left -= skip;
  }
  return out;
}

bool TryUtf8ToCp949(std::string_view utf8, std::string* cp949, std::size_t* badOffset) {
  cp949->clear();
  const char* in = utf8.data();
  std::size_t left = utf8.size();
  if (ToCp949().Convert(&in, &left, cp949)) return true;
  if (badOffset) *badOffset = static_cast<std::size_t>(in - utf8.data());
  return false;
}

std::string Cp949ToUtf8(std::string_view cp949) {
  std::string out;
  const char* in = cp949.data();
  std::size_t left = cp949.size();
  while (!FromCp949().Convert(&in, &left, &out)) {
    // An invalid unit: a lead byte with its trail, or one byte.
    std::size_t skip = Cp949UnitLength(std::string_view(in, left), 0);
    out.append(kReplacementUtf8);
    in += skip;
    left -= skip;
  }
  return out;
}
