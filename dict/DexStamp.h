// What tells one content of a dictionary from another without reading it: device,
// inode, size and the two change times of a file (to the nanosecond), or the version of
// an in-memory dictionary. CDexFile takes it when it opens; an index kept between
// actions (candidates/PatternStarts.h) is used again only while the stamp stays equal.
#pragma once
#include <sys/stat.h>

struct DexStamp {
  unsigned long long nDevice = 0;
  unsigned long long nInode = 0;
  long long nSize = -1;
  long long nModifiedNs = 0;        // st_mtim; a program may set it back
  long long nChangedNs = 0;         // st_ctim; every write sets it to the clock's time
  unsigned long long nVersion = 0;  // in-memory dictionaries only
  // False when a later change might leave every field above as it is: the file's ctime
  // was too close to the clock when the stamp was taken (a change within the same tick
  // of the file system's clock gets the same times), or lies in the future. An index
  // built from such a content is not trusted at the next action.
  bool bSettled = false;

  // Same content, as far as the fields tell (bSettled is not compared).
  bool SameFields(const DexStamp& other) const;
};

// The stamp of an open file from its fstat, taken now.
DexStamp StampOfFile(const struct stat& info);
// The stamp of an in-memory dictionary: its version tells every change.
DexStamp StampOfVersion(unsigned long long nVersion, long long nSize);

// True when an index built from the content stamped `kept` may stand for the content
// stamped `now`: the same fields, and `kept` was settled.
bool KeptIndexStillHolds(const DexStamp& kept, const DexStamp& now);

// How long before the clock a file's times must lie for its stamp to be settled. Covers
// file systems that keep times in whole seconds or two and a clock tick of lag. Tests
// shorten it to reach the settled case without waiting; 0 restores the default.
inline constexpr long long kDefaultSettleMarginNs = 3'000'000'000LL;
void SetSettleMarginForTests(long long nMarginNs);
