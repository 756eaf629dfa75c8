#include "engine/SlotItem.h"

#include <cstring>

void AppendFreeSlotItem(std::string& list, const std::string& phrase) {
  list += '-';
  const std::size_t from = list.size();
  list += phrase;
  // The commas are found with the C library's byte search: key lists are rebuilt after
  // every merge, and a typed word seldom holds one.
  char* const end = list.data() + list.size();
  for (char* at = list.data() + from;
       (at = static_cast<char*>(std::memchr(at, ',', static_cast<std::size_t>(end - at))));)
    *at++ = kTypedCommaStandIn;
}

std::string FreeSlotItem(const std::string& phrase) {
  std::string item;
  AppendFreeSlotItem(item, phrase);
  return item;
}
