#include "engine/KeyRun.h"

#include <string>
#include <vector>

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

// The last place before the limit, against its plain definition: every item start
// where the run begins, on every short list of "a", "b" and ",".
TEST(KeyRun, TheLastPlaceAgreesWithItsDefinitionOnEveryShortList) {
  auto lastByDefinition = [](const std::string& list, const std::string& run, int limit) {
    int last = -1;
    int item = 0;
    for (std::size_t at = 0; at < list.size(); ++at) {
      bool itemStart = at == 0 || list[at - 1] == ',';
      if (itemStart && item < limit && list.compare(at, run.size(), run) == 0) last = item;
      if (list[at] == ',') ++item;
    }
    return last;
  };
  std::vector<std::string> lists{""};
  for (int length = 1; length <= 7; ++length)
    for (std::size_t i = 0, n = lists.size(); i < n; ++i)
      if (lists[i].size() == static_cast<std::size_t>(length - 1))
        for (char c : {'a', 'b', ','}) lists.push_back(lists[i] + c);
  for (const std::string& list : lists)
    for (const char* run : {"a,", "b,", "a,b,", "b,b,", ",", "a,,", "ab,"})
      for (int limit : {0, 1, 2, 3, 50})
        ASSERT_EQ(FindLastKeyRun(list, run, limit), lastByDefinition(list, run, limit))
            << "FindLastKeyRun(\"" << list << "\", \"" << run << "\", " << limit << ")";
}
