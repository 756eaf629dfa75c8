#include "dict/DexStamp.h"

#include <time.h>

namespace {

constexpr long long kNsPerSecond = 1'000'000'000LL;
long long g_nSettleMarginNs = kDefaultSettleMarginNs;

long long Nanoseconds(const struct timespec& time) {
  return static_cast<long long>(time.tv_sec) * kNsPerSecond + time.tv_nsec;
}

long long ClockNs() {
  struct timespec now {};
  ::clock_gettime(CLOCK_REALTIME, &now);
  return Nanoseconds(now);
}

}  // namespace

bool DexStamp::SameFields(const DexStamp& other) const {
  return nDevice == other.nDevice && nInode == other.nInode && nSize == other.nSize &&
         nModifiedNs == other.nModifiedNs && nChangedNs == other.nChangedNs &&
         nVersion == other.nVersion;
}

DexStamp StampOfFile(const struct stat& info) {
  DexStamp stamp;
  stamp.nDevice = static_cast<unsigned long long>(info.st_dev);
  stamp.nInode = static_cast<unsigned long long>(info.st_ino);
  stamp.nSize = static_cast<long long>(info.st_size);
  stamp.nModifiedNs = Nanoseconds(info.st_mtim);
  stamp.nChangedNs = Nanoseconds(info.st_ctim);
  // Every write, and every change of the modification time, stamps ctime with the file
  // system's clock, which may lag the real clock by a tick and round to its resolution.
  // Only when ctime lies further back than that will every later change show as a later
  // ctime. (The modification time alone cannot tell: a program may set it back.)
  stamp.bSettled = stamp.nChangedNs < ClockNs() - g_nSettleMarginNs;
  return stamp;
}

DexStamp StampOfVersion(unsigned long long nVersion, long long nSize) {
  DexStamp stamp;
  stamp.nSize = nSize;
  stamp.nVersion = nVersion;
  stamp.bSettled = true;
  return stamp;
}

bool KeptIndexStillHolds(const DexStamp& kept, const DexStamp& now) {
  return kept.bSettled && kept.SameFields(now);
}

void SetSettleMarginForTests(long long nMarginNs) {
  g_nSettleMarginNs = nMarginNs > 0 ? nMarginNs : kDefaultSettleMarginNs;
}
