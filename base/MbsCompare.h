// Byte order of code page 949 texts: unsigned bytes, which orders a double-byte character
// as one unit. The order of the sorted dictionaries, of the candidate list's merge and of
// the search in the list; every comparison of dictionary text goes through it.
#pragma once
#include <string_view>

// -1, 0 or 1 as a sorts before, equal to or after b.
inline int MbsCompare(std::string_view a, std::string_view b) {
  // std::string_view compares its characters as unsigned bytes.
  const int result = a.compare(b);
  return result < 0 ? -1 : (result > 0 ? 1 : 0);
}
