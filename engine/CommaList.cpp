#include "engine/CommaList.h"

#include <cstring>
#include <string.h>  // memrchr

// Commas are looked for with the C library's byte searches: the lists are read on every
// list build, and the searches are many times faster than a loop over the characters.
int CountItems(std::string list) {
  int count = 0;
  const char* end = list.data() + list.size();
  for (const char* at = list.data();
       (at = static_cast<const char*>(std::memchr(at, ',', static_cast<std::size_t>(end - at))));
       ++at)
    ++count;
  return count;
}

std::string FirstItems(std::string list, int n) {
  if (list.empty() || n == 0) return "";
  std::string result;
  int taken = 0;
  std::string::size_type from = 0;
  for (;;) {
    std::string::size_type comma = list.find(',', from);
    if (comma == std::string::npos) break;
    result.append(list, from, comma + 1 - from);
    if (++taken == n) break;
    from = comma + 1;
  }
  return result;
}

std::string LastItems(std::string list, int n) {
  if (list.empty() || n == 0) return "";
  std::string::size_type cut = list.size();  // the list is list[0, cut)
  std::string::size_type start = cut;        // the result is list[start, end)
  for (int j = 0;; ++j) {
    if (cut == 0) break;
    const void* found = memrchr(list.data(), ',', cut);
    if (!found) break;
    const auto comma = static_cast<std::string::size_type>(static_cast<const char*>(found) - list.data());
    start = comma;
    cut = comma;
    if (j == n) break;
  }
  std::string result = list.substr(start);
  if (!result.empty() && result[0] == ',') result.erase(0, 1);
  return result;
}
