#include "engine/TemplateFill.h"

#include <gtest/gtest.h>

#include "dict/Capacities.h"

TEST(TemplateFill, ReadsReferenceNumbersLikeAtoi) {
  static const struct {
    const char* text;
    long long expected;
  } cases[] = {
      {"0", 0},       {"12", 12},     {" 3", 3},     {"\t+4", 4},   {"-2", -2},
      {"", 0},        {"x", 0},       {"7x", 7},     {"- 1", 0},    {"1 2", 1},
      {"99999999999999999999999", 1'000'000'000'000LL},
      {"-99999999999999999999999", -1'000'000'000'000LL},
  };
  for (const auto& c : cases)
    EXPECT_EQ(ReferenceNumber(c.text), c.expected) << '"' << c.text << '"';
}

class TemplateFillTest : public testing::Test {
 protected:
  TemplateFillTest() {
    for (int i = 0; i < kMaxSteps; ++i) m_records[i].strTranslation = "t" + std::to_string(i);
  }
  std::string Fill(const char* templ, int base) { return FillTemplate(templ, m_records, base); }
  StepRecord m_records[kMaxSteps];
};

TEST_F(TemplateFillTest, ReplacesEveryReference) {
  static const struct {
    const char* templ;
    int base;
    const char* expected;
  } cases[] = {
      {"@0@ @1@.", 0, "t0 t1."},
      {"@1@ @0@", 1, "t2 t1"},             // counted from the base
      {"no reference", 0, "no reference"},
      {"", 3, ""},
      {"@@", 2, "t2"},                     // empty number reads as 0
      {"x@ 1@y", 0, "xt1y"},
      {"a@1", 4, "at41"},                  // a lone "@" stands for base + 0, the rest stays
      {"@1@@2@", 0, "t1t2"},
      {"@1@@", 5, "t6t5"},                 // the last "@" is lone
      {"@01@", 0, "t1"},
      {"@1x@", 0, "t1"},
      {"@49@", 0, "t49"},
  };
  for (const auto& c : cases)
    EXPECT_EQ(Fill(c.templ, c.base), c.expected) << '"' << c.templ << "\" base " << c.base;
}

TEST_F(TemplateFillTest, AReferenceOutsideTheRecordsGivesTheEmptyText) {
  static const struct {
    const char* templ;
    int base;
    const char* expected;
  } cases[] = {
      {"[@50@]", 0, "[]"},
      {"[@49@]", 1, "[]"},
      {"[@-1@]", 0, "[]"},
      {"[@-2@]", 1, "[]"},
      {"[@-1@]", 1, "[t0]"},
      {"[@99999999999999999999@]", 0, "[]"},
      {"[@-99999999999999999999@]", 49, "[]"},
      {"[@2147483647@]", 1, "[]"},         // no int overflow on base + n
  };
  for (const auto& c : cases)
    EXPECT_EQ(Fill(c.templ, c.base), c.expected) << '"' << c.templ << "\" base " << c.base;
}

TEST_F(TemplateFillTest, AnInsertedTranslationIsNotExpandedAgain) {
  // A translation that holds references of its own, even to itself, is inserted as it
  // is: the filling ends and gives the text once.
  m_records[0].strTranslation = "@0@";
  m_records[1].strTranslation = "a@1@b@";
  m_records[2].strTranslation = "@";
  EXPECT_EQ(Fill("<@0@>", 0), "<@0@>");
  EXPECT_EQ(Fill("@1@|@2@|@3@", 0), "a@1@b@|@|t3");
  EXPECT_EQ(Fill("@0@@0@", 0), "@0@@0@");
  EXPECT_EQ(Fill("x@", 2), "x@");  // lone "@" inserting a lone "@"
}
