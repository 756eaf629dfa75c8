#include "engine/SlotItem.h"

#include <algorithm>

std::string FreeSlotItem(const std::string& phrase) {
  std::string item = "-" + phrase;
  std::replace(item.begin(), item.end(), ',', kTypedCommaStandIn);
  return item;
}
