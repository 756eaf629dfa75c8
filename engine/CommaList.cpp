#include "engine/CommaList.h"

int CountItems(std::string list) {
  int count = 0;
  for (char c : list) count += (c == ',');
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
    std::string::size_type comma = list.rfind(',', cut - 1);
    if (comma == std::string::npos) break;
    start = comma;
    cut = comma;
    if (j == n) break;
  }
  std::string result = list.substr(start);
  if (!result.empty() && result[0] == ',') result.erase(0, 1);
  return result;
}
