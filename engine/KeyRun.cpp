#include "engine/KeyRun.h"

#include <cstring>

namespace {

// The number of "," in list[from, to), found by jumping from comma to comma.
int CommasIn(std::string_view list, std::size_t from, std::size_t to) {
  int commas = 0;
  const char* end = list.data() + to;
  for (const char* p = list.data() + from;
       (p = static_cast<const char*>(std::memchr(p, ',', static_cast<std::size_t>(end - p)))) != nullptr; ++p)
    ++commas;
  return commas;
}

}  // namespace

int FindKeyRun(std::string_view list, std::string_view run) {
  if (list.empty() || run.empty()) return 0;
  // A byte search finds the candidates quickly; one counts only where it starts an
  // item (at the very beginning or right after a ","). The first such place is also
  // the first in item order.
  for (std::size_t at = list.find(run); at != std::string_view::npos; at = list.find(run, at + 1)) {
    if (at == 0 || list[at - 1] == ',')
      return 1 + CommasIn(list, 0, at);
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
    item += CommasIn(list, counted, at);
    counted = at;
    if (item >= limit) break;
    last = item;
  }
  return last;
}
