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
