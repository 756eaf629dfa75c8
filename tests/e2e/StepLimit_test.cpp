// The step limit: a dictionary whose one phrase rule is longer than any composition can
// be keeps offering the same key, so the user can confirm until the records run out.
#include <gtest/gtest.h>

#include <string>

#include "tests/e2e/E2eSupport.h"

namespace {

using e2e::DialogUser;

class StepLimitTest : public ::testing::Test {
 protected:
  void SetUp() override {
    std::string pattern;
    for (int i = 0; i < 60; ++i) pattern += i ? ",w" : "w";
    WriteLexicon("main.dex", {{"w", "a", "ta", ""}, {"w", "c", "tc", ""}});
    WriteRules("gu.dex", {pattern + ";@0@;zX;"});
    WritePatterns("change.dex", {{",zX,", "done"}});
    WriteEmptyDictionaries();
  }

  // Picks line `line` and confirms; returns the messages shown.
  std::vector<std::string> Step(DialogUser& user, int line) {
    EXPECT_TRUE(user.Select(line));
    user.Confirm();
    return user.Messages();
  }

  ScratchDir m_dir;
};

TEST_F(StepLimitTest, TheFiftiethConfirmGivesUpTwoStepsAndTheNextRefillsRecord48) {
  DialogUser user;
  std::string shown;
  for (int n = 1; n <= 49; ++n) {
    ASSERT_TRUE(Step(user, 0).empty()) << "confirm " << n;
    shown += " a";
  }
  EXPECT_EQ(user.Dlg().m_nSteps, 49);

  EXPECT_EQ(Step(user, 0), std::vector<std::string>{e2e::kTooLong});
  shown += " a";
  EXPECT_EQ(user.Dlg().m_nSteps, 48);
  EXPECT_EQ(user.Sentence(), shown);  // the box still shows the steps given up
  EXPECT_EQ(user.KeyedLines(), (std::vector<std::string>{"a;ta;; | w", "c;tc;; | w"}));

  EXPECT_TRUE(Step(user, 1).empty());
  const CSentenceBuilder& builder = user.Dlg().m_builder;
  EXPECT_EQ(user.Dlg().m_nSteps, 49);
  EXPECT_EQ(builder.m_steps[48].strPhrase, "c");
  EXPECT_EQ(builder.m_steps[49].strPhrase, "a");
  EXPECT_EQ(builder.m_steps[47].nNext, 48);
  EXPECT_EQ(builder.m_steps[48].nPrev, 47);
  EXPECT_EQ(builder.m_steps[48].nNext, kChainEnd);
  EXPECT_EQ(user.Sentence(), shown + " c");

  EXPECT_EQ(Step(user, 1), std::vector<std::string>{e2e::kTooLong});
  EXPECT_EQ(user.Dlg().m_nSteps, 48);
  EXPECT_EQ(builder.m_steps[49].strPhrase, "c");

  // Stepping back from the limit re-renders the kept records only.
  user.Click(IDC_STEP_BACK);
  EXPECT_EQ(user.Dlg().m_nSteps, 47);
  std::string kept;
  for (int i = 0; i < 47; ++i) kept += " a";
  EXPECT_EQ(user.Sentence(), kept);
}

}  // namespace
