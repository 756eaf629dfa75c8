#include "dict/RecordKey.h"

namespace {
// The eight bytes of the record key, in field order.
constexpr unsigned char kKey0 = 0x3B;
constexpr unsigned char kKey1 = 0xA7;
constexpr unsigned char kKey2 = 0x5E;
constexpr unsigned char kKey3 = 0xC1;
constexpr unsigned char kKey4 = 0x92;
constexpr unsigned char kKey5 = 0x6D;
constexpr unsigned char kKey6 = 0xF4;
constexpr unsigned char kKey7 = 0x18;
}  // namespace

const RecordKeyBytes& RecordKey() {
  static const RecordKeyBytes key = {kKey0, kKey1, kKey2, kKey3, kKey4, kKey5, kKey6, kKey7};
  return key;
}
