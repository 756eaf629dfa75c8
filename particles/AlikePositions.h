// Positions of a correction pass whose walks are known before they are made: in a run of
// one repeated character, every position far enough from the run's end reads the same
// bytes as its neighbour and so finds the same. Used only by the particle corrector.
#pragma once
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string_view>
#include <vector>

namespace alike {

// The first byte at or after `from` that differs from the byte `period` before it (the
// text's size when none does). Eight bytes are compared at a time.
inline std::size_t PeriodEndAhead(std::string_view text, std::size_t from, std::size_t period) {
  const char* bytes = text.data();
  std::size_t x = from;
  for (std::uint64_t here = 0, back = 0; x + sizeof here <= text.size(); x += sizeof here) {
    std::memcpy(&here, bytes + x, sizeof here);
    std::memcpy(&back, bytes + x - period, sizeof back);
    if (here != back) break;
  }
  while (x < text.size() && bytes[x] == bytes[x - period]) ++x;
  return x;
}

// The lowest byte from which on every byte below `to` equals the byte `period` after it
// (`to` itself when the byte just below differs).
inline std::size_t PeriodStartBehind(std::string_view text, std::size_t to, std::size_t period) {
  const char* bytes = text.data();
  std::size_t x = to;
  for (std::uint64_t here = 0, ahead = 0; x >= sizeof here; x -= sizeof here) {
    std::memcpy(&here, bytes + x - sizeof here, sizeof here);
    std::memcpy(&ahead, bytes + x - sizeof here + period, sizeof ahead);
    if (here != ahead) break;
  }
  while (x > 0 && bytes[x - 1] == bytes[x - 1 + period]) --x;
  return x;
}

// A walk from position j (1-based; `starts` holds each character's first byte and then
// the text's size) found nothing and depended on its first `reach` bytes only. How many
// of the positions after j, up to `last`, would walk the same way: those whose text
// agrees with j's over `reach` bytes because the character at j repeats.
inline int AlikeAhead(std::string_view text, const std::vector<std::size_t>& starts, int j,
                      int last, std::size_t reach) {
  const std::size_t begin = starts[static_cast<std::size_t>(j) - 1];
  const std::size_t period = starts[static_cast<std::size_t>(j)] - begin;
  if (period == 0 || begin + period + reach > text.size()) return 0;
  const std::size_t end = PeriodEndAhead(text, begin + period, period);
  if (end < begin + period + reach) return 0;
  std::size_t count = (end - reach - begin) / period;
  if (count > static_cast<std::size_t>(last - j)) count = static_cast<std::size_t>(last - j);
  // Characters have one or two bytes, so `count` characters over `count` periods of
  // bytes are all of the repeated character's length and begin where its copies do.
  if (starts[static_cast<std::size_t>(j) - 1 + count] != begin + count * period) return 0;
  return static_cast<int>(count);
}

// The same going back from position j, down to (not including) position `floor`: the
// positions before j whose text agrees with j's over `reach` bytes because the
// character before j repeats.
inline int AlikeBehind(std::string_view text, const std::vector<std::size_t>& starts, int j,
                       int floor, std::size_t reach) {
  if (j < 2 || j - 1 <= floor) return 0;
  const std::size_t begin = starts[static_cast<std::size_t>(j) - 1];
  const std::size_t period = begin - starts[static_cast<std::size_t>(j) - 2];
  if (period == 0 || reach < period || begin + reach > text.size()) return 0;
  const std::size_t from = PeriodStartBehind(text, begin + reach - period, period);
  if (from > begin - period) return 0;
  std::size_t count = (begin - from) / period;
  if (count > static_cast<std::size_t>(j - 1 - floor)) count = static_cast<std::size_t>(j - 1 - floor);
  // Where the characters before j start depends on the text before them: a character
  // at the run's left edge may take the run's first byte as its second, and is no copy.
  while (count > 0 && starts[static_cast<std::size_t>(j) - 1 - count] != begin - count * period)
    --count;
  return static_cast<int>(count);
}

}  // namespace alike
