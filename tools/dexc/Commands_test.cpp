// The dexc command line: help, usage errors and exit statuses.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "tests/support/DexFixture.h"
#include "tools/dexc/DexcTestSupport.h"

using ::testing::HasSubstr;
using ::testing::StartsWith;

TEST(DexcCommands, HelpGoesToStandardOutput) {
  for (const char* flag : {"--help", "-h", "help"}) {
    std::string out, err;
    EXPECT_EQ(Dexc({flag}, &out, &err), 0) << flag;
    EXPECT_EQ(out, DexcUsage()) << flag;
    EXPECT_EQ(err, "") << flag;
  }
  EXPECT_THAT(DexcUsage(), HasSubstr("  build SRC_DIR OUT_DIR"));
  EXPECT_THAT(DexcUsage(), HasSubstr("  check SRC_DIR"));
  EXPECT_THAT(DexcUsage(), HasSubstr("  dump FILE"));
}

TEST(DexcCommands, UsageErrorsExitWithTwo) {
  static const struct {
    std::vector<std::string> args;
    const char* message;
  } cases[] = {
      {{}, "usage: dexc"},
      {{"compile", "a", "b"}, "dexc: unknown command \"compile\"\nusage: dexc"},
      {{"build", "src"}, "dexc: build takes SRC_DIR OUT_DIR\nusage: dexc"},
      {{"build", "a", "b", "c"}, "dexc: build takes SRC_DIR OUT_DIR\nusage: dexc"},
      {{"dump"}, "dexc: dump takes FILE\nusage: dexc"},
      {{"check"}, "dexc: check takes SRC_DIR\nusage: dexc"},
      {{"dump", "words.dex"}, "dexc: cannot tell the kind of words.dex from its name"},
  };
  for (const auto& c : cases) {
    ScratchDir dir;
    std::string out, err;
    EXPECT_EQ(Dexc(c.args, &out, &err), kUsageStatus) << ::testing::PrintToString(c.args);
    EXPECT_THAT(err, StartsWith(c.message)) << ::testing::PrintToString(c.args);
    EXPECT_EQ(out, "");
  }
}

TEST(DexcCommands, CheckReportsLikeBuildButWritesNothing) {
  ScratchDir dir;
  WriteSource("src/gu.txt", "a | x | zA\n");
  std::string err;
  EXPECT_EQ(Dexc({"check", "src"}, nullptr, &err), 0);
  EXPECT_EQ(err, "warning: src/gu.txt:1: key \"a\" is no key of the lexicon (main) and no result "
                 "key of a phrase rule\n");
  WriteSource("src/gu.txt", "a | x | A\n");
  EXPECT_EQ(Dexc({"check", "src"}, nullptr, &err), 1);
  EXPECT_EQ(err, "src/gu.txt:1: the result key \"A\" does not begin with \"z\"\n");
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator("."),
                          std::filesystem::directory_iterator()),
            1);  // only src
}

TEST(DexcCommands, FormsPrintsAWordOrChecksATable) {
  ScratchDir dir;
  WriteSource("grammar/irregular-verbs.txt", "go | went | gone\n");
  WriteSource("grammar/irregular-plurals.txt", "child | children\n");
  std::string out, err;
  EXPECT_EQ(Dexc({"forms", "--grammar", "grammar", "듣다", "d"}, &out, &err), 0) << err;
  EXPECT_THAT(out, StartsWith("듣다 (verb, ㄷ-irregular)\npresent: 들어요\n"));
  EXPECT_EQ(Dexc({"forms", "--grammar", "grammar", "go"}, &out, &err), 0) << err;
  EXPECT_THAT(out, HasSubstr("past: went\n"));
  EXPECT_EQ(Dexc({"forms", "--grammar", "grammar", "보다", "q"}, &out, &err), 1);
  EXPECT_THAT(err, StartsWith("dexc: unknown word class 'q'"));

  WriteSource("table.txt", "go | past | went\n듣다 d | past | 듣었어요\n크다 adj | please | -\n");
  EXPECT_EQ(Dexc({"forms", "--grammar", "grammar", "--check", "table.txt"}, &out, &err), 1);
  EXPECT_EQ(out, "table.txt:2: 듣다 d | past: expected 듣었어요, got 들었어요\n");
  WriteSource("table.txt", "go | past | went\n");
  EXPECT_EQ(Dexc({"forms", "--check", "table.txt", "--grammar", "grammar"}, &out, &err), 0);
  EXPECT_EQ(Dexc({"forms", "--grammar", "none", "go"}, &out, &err), 1);
  EXPECT_THAT(err, HasSubstr("none/irregular-verbs.txt: cannot be read"));
  EXPECT_EQ(Dexc({"forms", "--check"}, &out, &err), kUsageStatus);
  EXPECT_EQ(Dexc({"dump", "--grammar", "g", "main.dex"}, &out, &err), kUsageStatus);
  EXPECT_THAT(err, StartsWith("dexc: dump takes no --grammar option"));
}

TEST(DexcCommands, DiffListsTheRecordsThatDisappearAndAppear) {
  ScratchDir dir;
  WriteSource("a/main.txt", "[k]\n사과 | apple\n배 | pear\n배 | pear\n");
  WriteSource("b/main.txt", "[k]\n사과 | apple\n배 | pear\n귤 | tangerine\n");
  ASSERT_EQ(Dexc({"build", "a", "old"}), 0);
  ASSERT_EQ(Dexc({"build", "b", "new"}), 0);
  std::string out, err;
  EXPECT_EQ(Dexc({"diff", "old", "old"}, &out, &err), 0);
  EXPECT_EQ(out, "");
  EXPECT_EQ(Dexc({"diff", "old", "new"}, &out, &err), 1);
  EXPECT_EQ(out, "- main\tk\t배\tpear\t\n+ main\tk\t귤\ttangerine\t\n");  // one pear of two
  EXPECT_EQ(err, "main: 1 records gone, 1 new (3 before, 3 after)\n");
  EXPECT_EQ(Dexc({"diff", "old", "missing"}, &out, &err), 1);
  EXPECT_THAT(err, HasSubstr("missing/main.dex"));
}
