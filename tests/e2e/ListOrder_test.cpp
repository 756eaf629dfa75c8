// The order of the candidate lines when several keys are offered at once, and that each
// line keeps its own key even where the texts are equal.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/e2e/E2eSupport.h"

namespace {

using e2e::DialogUser;
using Lines = std::vector<std::string>;

class ListOrderTest : public ::testing::Test {
 protected:
  void SetUp() override {
    // The start offers "a" (run 1), then "b" (run 2), then the free slot "-x".
    WriteLexicon("main.dex", {{"a", "m", "ta", ""}, {"a", "x", "ta", ""}, {"a", "y", "ta", ""},
                              {"b", "n", "tb", ""}, {"b", "x", "ta", ""}});
    WriteRules("gu.dex", {"a;@0@;zA;", "b;@0@;zB;"});
    WritePatterns("change.dex", {{",-x;ta;;,", ""}, {",zA,", "A @0@"}, {",zB,", "B @0@"}});
    WriteEmptyDictionaries();
  }
  ScratchDir m_dir;
};

TEST_F(ListOrderTest, RunsInterleaveByPhraseAndEqualLinesKeepTheirKeys) {
  DialogUser user;
  // The free-slot line "-x;ta;;" sorts first. Run b reaches its "x" while it is at the
  // head, ahead of run a's "x": on equal phrases the head keeps its place, so b's comes
  // first.
  EXPECT_EQ(user.KeyedLines(), (Lines{"-x;ta;; | zz", "m;ta;; | a", "n;tb;; | b", "x;ta;; | b", "x;ta;; | a",
                                 "y;ta;; | a"}));
  const struct {
    int line;
    const char* translation;
  } cases[] = {{3, "B ta"}, {4, "A ta"}};
  for (const auto& c : cases) {
    user.Click(IDC_RESTART);
    EXPECT_TRUE(user.Select(c.line));
    user.Confirm();
    EXPECT_EQ(user.Translation(), c.translation) << "line " << c.line;
  }
}

}  // namespace
