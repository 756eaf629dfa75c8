// The stamp of a dictionary's content: which changes it tells, and when it cannot be
// trusted to tell them.
#include "dict/DexStamp.h"

#include <gtest/gtest.h>
#include <fcntl.h>
#include <sys/stat.h>

#include <chrono>
#include <thread>

#include "dict/DexFile.h"
#include "tests/support/DexFixture.h"

namespace {

TEST(DexStamp, AKeptIndexHoldsOnlyForTheSameSettledFields) {
  DexStamp kept;
  kept.nDevice = 1;
  kept.nInode = 2;
  kept.nSize = 300;
  kept.nModifiedNs = 1'000'000'123;
  kept.nChangedNs = 1'000'000'456;
  kept.bSettled = true;
  static const struct {
    const char* name;
    void (*change)(DexStamp&);
    bool holds;
  } cases[] = {
      {"unchanged", [](DexStamp&) {}, true},
      {"other device", [](DexStamp& s) { ++s.nDevice; }, false},
      {"other inode (renamed over)", [](DexStamp& s) { ++s.nInode; }, false},
      {"other size", [](DexStamp& s) { ++s.nSize; }, false},
      {"modified a nanosecond later", [](DexStamp& s) { ++s.nModifiedNs; }, false},
      {"changed a nanosecond later", [](DexStamp& s) { ++s.nChangedNs; }, false},
      {"other in-memory version", [](DexStamp& s) { ++s.nVersion; }, false},
  };
  for (const auto& c : cases) {
    DexStamp now = kept;
    c.change(now);
    EXPECT_EQ(KeptIndexStillHolds(kept, now), c.holds) << c.name;
  }
  // The same fields, but taken when a change could still have kept them all the same:
  // the index is not trusted.
  DexStamp racy = kept;
  racy.bSettled = false;
  EXPECT_FALSE(KeptIndexStillHolds(racy, kept));
}

TEST(DexStamp, AFileSettlesOnceItsChangeTimeLiesFurtherBackThanTheMargin) {
  ScratchDir dir;
  WriteBytes("f.dex", "abc");
  EXPECT_FALSE(CDexFile("f.dex").Stamp().bSettled) << "just written";

  SetSettleMarginForTests(20'000'000);  // 20 ms
  std::this_thread::sleep_for(std::chrono::milliseconds(40));
  const DexStamp settled = CDexFile("f.dex").Stamp();
  EXPECT_TRUE(settled.bSettled);

  // A rewrite of the same size, with the modification time set back as it was: the
  // change time still tells, to the nanosecond.
  WriteBytes("f.dex", "xyz");
  struct timespec times[2] = {{0, UTIME_OMIT}, {settled.nModifiedNs / 1'000'000'000LL,
                                                settled.nModifiedNs % 1'000'000'000LL}};
  ASSERT_EQ(::utimensat(AT_FDCWD, "f.dex", times, 0), 0);
  const DexStamp rewritten = CDexFile("f.dex").Stamp();
  EXPECT_EQ(rewritten.nModifiedNs, settled.nModifiedNs);
  EXPECT_FALSE(KeptIndexStillHolds(settled, rewritten));
  EXPECT_FALSE(rewritten.bSettled);
  SetSettleMarginForTests(0);
}

}  // namespace
