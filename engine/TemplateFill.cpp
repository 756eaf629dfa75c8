#include "engine/TemplateFill.h"

#include <cstdint>
#include <cstring>

#include "base/Cp949.h"

namespace {
constexpr long long kNumberCeiling = 1'000'000'000'000LL;

// Cuts text to at most `limit` bytes without splitting a double-byte character.
// Right after a byte below 0x80 a character always begins (that byte is a character of
// its own or the second byte of one). From the last such place before the limit up to
// the limit every byte is 0x80 or above, and the text goes on past the limit, so the
// characters there are pairs: the cut falls an even number of bytes after that place.
void CutAtCharacter(std::string& text, std::size_t limit) {
  if (text.size() <= limit) return;
  std::size_t start = limit;
  constexpr std::uint64_t kHighBits = 0x8080808080808080ull;
  for (std::uint64_t word; start >= sizeof word; start -= sizeof word) {
    std::memcpy(&word, text.data() + start - sizeof word, sizeof word);
    if ((word & kHighBits) != kHighBits) break;
  }
  while (start > 0 && static_cast<unsigned char>(text[start - 1]) >= 0x80) --start;
  text.resize(start + ((limit - start) & ~std::size_t{1}));
}

bool IsBlank(char c) {
  return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}
}  // namespace

long long ReferenceNumber(std::string_view text) {
  std::size_t i = 0;
  while (i < text.size() && IsBlank(text[i])) ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
  long long value = 0;
  for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i)
    if (value < kNumberCeiling) value = value * 10 + (text[i] - '0');
  if (value > kNumberCeiling) value = kNumberCeiling;
  return negative ? -value : value;
}

std::string FillTemplate(std::string_view templ, std::span<const StepRecord> records, int base,
                         std::size_t limit) {
  // Replacing the first "@" pair and searching again from the beginning would expand a
  // translation that itself holds "@" again and again, without end. Going on after the
  // inserted text gives the same result for every translation without "@", and ends.
  std::string filled;
  std::size_t from = 0;
  for (;;) {
    std::size_t open = templ.find('@', from);
    if (open == std::string_view::npos) break;
    filled.append(templ.substr(from, open - from));
    std::size_t close = templ.find('@', open + 1);
    std::string_view number;
    if (close == std::string_view::npos) {
      from = open + 1;  // a lone "@": no number, the rest is the tail
    } else {
      number = templ.substr(open + 1, close - open - 1);
      from = close + 1;
    }
    long long index = base + ReferenceNumber(number);
    if (index >= 0 && index < static_cast<long long>(records.size()))
      filled += records[static_cast<std::size_t>(index)].strTranslation;
    if (filled.size() > limit) break;
  }
  if (filled.size() <= limit) filled.append(templ.substr(from));
  if (filled.size() > limit) CutAtCharacter(filled, limit);
  return filled;
}
