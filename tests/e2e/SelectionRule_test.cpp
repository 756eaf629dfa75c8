// How writing the members to the controls moves the list selection: it selects the
// first line, from the top, that begins with the text of the line selected when the
// controls were last read, ignoring the case of ASCII letters.
#include <gtest/gtest.h>

#include <string>

#include "tests/e2e/E2eSupport.h"

namespace {

using e2e::DialogUser;

class SelectionRuleTest : public ::testing::Test {
 protected:
  void SetUp() override {
    // One key whose lines look alike; each confirm completes a sentence and offers the
    // same lines again.
    WriteLexicon("main.dex", {{"k", "AB", "X", ""},
                              {"k", "ab", "x", ""},
                              {"k", "ab", "x", "more"},
                              {"k", "b", K("가"), ""},
                              {"k", "b", K("가나"), ""}});
    WriteRules("gu.dex", {"k;@0@;zK;"});
    WritePatterns("change.dex", {{",zK,", "@0@"}, {",zK,zK,", "@0@ @1@"}, {",zK,zK,zK,", "@0@ @1@ @2@"}});
    WriteEmptyDictionaries();
  }
  ScratchDir m_dir;
};

TEST_F(SelectionRuleTest, ConfirmSelectsTheFirstLineThatBeginsLikeTheChosenOne) {
  const struct {
    int chosen;
    int selectedAfter;
  } cases[] = {
      {0, 0},  // "AB;X;;" itself
      {1, 0},  // "ab;x;;" begins "AB;X;;" without regard to case
      {2, 2},  // "ab;x;more;" only itself
      {4, 4},  // "b;가나;;" only itself: double-byte characters compare exactly
      {3, 3},
  };
  for (const auto& c : cases) {
    DialogUser user;
    ASSERT_EQ(user.KeyedLines().size(), 5u);
    EXPECT_TRUE(user.Select(c.chosen));
    user.Confirm();
    ASSERT_EQ(user.KeyedLines().size(), 5u) << "line " << c.chosen;
    EXPECT_EQ(user.Selected(), c.selectedAfter) << "line " << c.chosen;
  }
}

TEST_F(SelectionRuleTest, PickingALineStandsEvenWhenAnEarlierLineBeginsTheSame) {
  DialogUser user;
  EXPECT_TRUE(user.Select(0));
  user.Type(IDC_COLLECTED, "memo");  // reads the controls: the selected text is "AB;X;;"
  EXPECT_TRUE(user.Select(1));
  EXPECT_EQ(user.Selected(), 1);
  EXPECT_EQ(user.Text(IDC_SEARCH), "ab;x;;");
}

TEST_F(SelectionRuleTest, EditingTheCollectedTextMovesTheSelectionToTheFirstLookalike) {
  DialogUser user;
  EXPECT_TRUE(user.Select(1));
  user.Type(IDC_COLLECTED, "memo");
  EXPECT_EQ(user.Selected(), 0);
  EXPECT_TRUE(user.Select(2));
  user.Enter(IDC_COLLECTED);
  EXPECT_EQ(user.Selected(), 2);
}

}  // namespace
