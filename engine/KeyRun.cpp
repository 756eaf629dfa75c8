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
  if (list.empty() || run.empty()) return -1;
  // Every place where the run starts a whole item, in order, is a find; overlapping
  // places included, since each one starts at a different item. One pass over the list,
  // counting the items on the way, instead of a new count from the start per place.
  int last = -1;
  int item = 0;
  std::size_t counted = 0;
  for (std::size_t at = list.find(run); at != std::string_view::npos; at = list.find(run, at + 1)) {
    if (at != 0 && list[at - 1] != ',') continue;
    item += static_cast<int>(std::count(list.begin() + counted, list.begin() + at, ','));
    counted = at;
    if (item >= limit) break;
    last = item;
  }
  return last;
}
