#include "engine/CommaList.h"

#include <gtest/gtest.h>


TEST(CommaList, CountFirstAndLastItemsOfEveryListShape) {
  static const struct {
    const char* op;
    const char* list;
    int n;
    const char* expected;
  } cases[] = {
      {"Count", "", 0, "0"},          {"Count", "a,b,c,", 0, "3"},
      {"Count", "a,b", 0, "1"},       {"Count", ",,", 0, "2"},
      {"First", "a,b,c,", 2, "a,b,"}, {"First", "a,b,c,", 5, "a,b,c,"},
      {"First", "a,b,c", 5, "a,b,"},  {"First", "a,b,c,", 0, ""},
      {"First", "", 3, ""},           {"First", "a,b,c,", -1, "a,b,c,"},
      {"Last", "a,b,c,", 1, "c,"},    {"Last", "a,b,c,", 2, "b,c,"},
      {"Last", "a,b,c,", 3, "b,c,"},  {"Last", "a,", 1, ""},
      {"Last", "a,b,c,", 0, ""},      {"Last", "a,b,c,", -1, "b,c,"},
      {"Last", "a,b,c", 1, "b,c"},    {"Last", "", 2, ""},
  };
  for (const auto& c : cases) {
    std::string op = c.op;
    std::string got = op == "Count"   ? std::to_string(CountItems(c.list))
                      : op == "First" ? FirstItems(c.list, c.n)
                                      : LastItems(c.list, c.n);
    EXPECT_EQ(got, c.expected) << op << "(\"" << c.list << "\", " << c.n << ")";
  }
}
