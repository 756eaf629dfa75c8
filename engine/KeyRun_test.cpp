#include "engine/KeyRun.h"

#include <gtest/gtest.h>

TEST(KeyRun, FindsTheFirstPlaceWhereTheItemsLineUp) {
  static const struct {
    const char* list;
    const char* run;
    int expected;
  } cases[] = {
      {"a,b,c,", "a,", 1},
      {"a,b,c,", "b,c,", 2},
      {"a,b,c,", "c,", 3},
      {"a,b,c,", "a,c,", 0},         // not one after the other
      {"ab,b,", "b,", 2},            // "b," inside "ab," is no whole item
      {"xa,b,a,b,", "a,b,", 3},      // the first whole-item place, not the first bytes
      {"a,b,b,b,", "b,b,", 2},
      {"a,bc,", "b,", 0},
      {"a,b,", "a,b,c,", 0},         // longer than the list
      {"", "a,", 0},
      {"a,", "", 0},
      {"a,,b,", ",", 2},             // an empty item
      {"-abc,b,", "-abc,", 1},       // typed-word item
  };
  for (const auto& c : cases)
    EXPECT_EQ(FindKeyRun(c.list, c.run), c.expected)
        << "FindKeyRun(\"" << c.list << "\", \"" << c.run << "\")";
}

TEST(KeyRun, FindsTheLastPlaceIncludingOverlapsAndBeforeALimit) {
  static const struct {
    const char* list;
    const char* run;
    int limit;
    int expected;
  } cases[] = {
      {"a,b,b,b,", "b,b,", 50, 2},   // overlapping places at 1 and 2: the last is 2
      {"a,b,c,", "b,c,", 50, 1},
      {"a,b,a,b,", "a,b,", 50, 2},
      {"a,b,a,b,", "a,", 50, 2},
      {"a,b,a,b,", "a,", 2, 0},      // places from item 2 on are not looked at
      {"a,b,a,b,", "a,", 0, -1},
      {"a,b,c,", "d,", 50, -1},
      {"b,b,b,b,", "b,", 3, 2},
      {"", "b,", 50, -1},
  };
  for (const auto& c : cases)
    EXPECT_EQ(FindLastKeyRun(c.list, c.run, c.limit), c.expected)
        << "FindLastKeyRun(\"" << c.list << "\", \"" << c.run << "\", " << c.limit << ")";
}
