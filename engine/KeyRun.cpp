#include "engine/KeyRun.h"

#include <algorithm>

int FindKeyRun(std::string_view list, std::string_view run) {
  if (list.empty() || run.empty()) return 0;
  // A byte search finds the candidates quickly; one counts only where it starts an
  // item (at the very beginning or right after a ","). The first such place is also
  // the first in item order.
  for (std::size_t at = list.find(run); at != std::string_view::npos; at = list.find(run, at + 1)) {
    if (at == 0 || list[at - 1] == ',')
      return 1 + static_cast<int>(std::count(list.begin(), list.begin() + at, ','));
  }
  return 0;
}

int FindLastKeyRun(std::string_view list, std::string_view run, int limit) {
  int start = -1;
  std::string_view remaining = list;
  for (;;) {
    int position = FindKeyRun(remaining, run);
    if (position == 0 || start + position >= limit) break;
    start += position;
    // Go on with the items after the found place's first item.
    for (int skipped = 0; skipped < position; ++skipped) {
      std::size_t comma = remaining.find(',');
      remaining.remove_prefix(comma == std::string_view::npos ? remaining.size() : comma + 1);
    }
  }
  return start;
}
