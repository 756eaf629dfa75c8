#include "engine/TemplateFill.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

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

// A fill longer than its limit is cut at the last character boundary within it: on every
// short text of ASCII letters and bytes of 0x80 and above (which begin a two-byte
// character, whatever follows), and on longer ones, against a walk over the characters
// from the start.
TEST_F(TemplateFillTest, AFillOverItsLimitIsCutAtACharacterBoundary) {
  auto cutByWalking = [](const std::string& text, std::size_t limit) {
    std::size_t end = 0;
    while (end < text.size()) {
      std::size_t next = end + (static_cast<unsigned char>(text[end]) >= 0x80 && end + 1 < text.size() ? 2 : 1);
      if (next > limit) break;
      end = next;
    }
    return text.substr(0, end);
  };
  std::vector<std::string> texts{""};
  for (std::size_t length = 1; length <= 8; ++length)
    for (std::size_t i = 0, n = texts.size(); i < n; ++i)
      if (texts[i].size() == length - 1)
        for (char c : {'a', 'B', '\xB0'}) texts.push_back(texts[i] + c);
  // Longer texts with long runs of high bytes, which the cut skips over a word at a time.
  std::mt19937 random(949);
  for (int round = 0; round < 2000; ++round) {
    std::string text(9 + random() % 40, '\xB0');
    for (char& c : text)
      if (random() % 8 == 0) c = 'a';
    texts.push_back(text);
  }
  for (const std::string& text : texts)
    for (std::size_t limit = 0; limit <= text.size(); ++limit)
      ASSERT_EQ(FillTemplate(text, m_records, 0, limit), cutByWalking(text, limit))
          << testing::PrintToString(text) << " cut to " << limit;
}
