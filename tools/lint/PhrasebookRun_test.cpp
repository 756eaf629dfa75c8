// A phrasebook run on the composer's test dictionaries: how translations are judged and
// reported (reference, variant, a wrong reading beside a right one, only wrong ones), the
// summary line, and the command with its baseline gate and exit status.
#include "tools/lint/PhrasebookRun.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <sstream>

#include "tests/support/DexFixture.h"
#include "tools/lint/ComposerTestSupport.h"
#include "tools/lint/PhrasebookCommand.h"

using ::testing::ElementsAre;
using ::testing::HasSubstr;
using ::testing::Not;

namespace {

const char* const kBook =
    "## reading\n"
    "나는 책을 읽는다. => I read the book. | I am reading the book.\n"
    "나는 사과를 먹었다. => I have eaten an apple. | I ate an apple.\n"
    "나는 사과를 먹는다. => I am eating an apple.\n"
    "나는 책을 먹지 않는다. => I do not eat the book.\n";

class PhrasebookRunTest : public ::testing::Test {
 protected:
  void SetUp() override {
    std::string errors;
    ASSERT_TRUE(WriteComposerTestDictionaries(&errors)) << errors;
    WriteSource("ko-en-test.txt", kBook);
  }
  // Runs the command with a baseline of `baseline` lines (none when empty); the status.
  int Command(const std::string& baseline, std::string* out, const std::string& writeTo = "") {
    PhrasebookCommand command;
    command.strFile = "ko-en-test.txt";
    if (!baseline.empty()) {
      WriteSource("baseline.txt", baseline);
      command.strBaseline = "baseline.txt";
    }
    command.strWriteBaseline = writeTo;
    std::ostringstream o, e;
    const int status = RunPhrasebookCommand(command, m_dir.Path(), o, e);
    *out = o.str() + e.str();
    return status;
  }
  ScratchDir m_dir;
};

PhrasebookRunResult RunBook() {
  std::istringstream in(kBook);
  return RunPhrasebook(ReadPhrasebook(in, "ko-en-test.txt"), "ko-en-test.txt", true);
}

}  // namespace

TEST_F(PhrasebookRunTest, JudgesEveryReadingAndPrefersARightOne) {
  const PhrasebookRunResult run = RunBook();
  ASSERT_EQ(run.outcomes.size(), 4u);
  static const struct {
    const char* szCase;
    bool bComposed;
    int nAccepted;
    const char* szChosen;
  } cases[] = {
      {"the reference, with a wrong reading beside it", true, 0, "I read the book."},
      {"a variant", true, 1, "I ate an apple."},
      {"only wrong readings", true, -1, nullptr},
      {"does not compose", false, -1, nullptr},
  };
  for (std::size_t i = 0; i < std::size(cases); ++i) {
    const auto& c = cases[i];
    const PhrasebookOutcome& o = run.outcomes[i];
    EXPECT_EQ(o.result.bComposed, c.bComposed) << c.szCase;
    EXPECT_EQ(o.nAccepted, c.nAccepted) << c.szCase;
    if (c.szChosen) {
      EXPECT_EQ(o.result.readings[static_cast<std::size_t>(o.nChosen)].strTranslation, c.szChosen)
          << c.szCase;
    }
  }
  EXPECT_EQ(PhrasebookSummaryLine(run), "composed 3 of 4, translation right 2 of 3");

  std::ostringstream out;
  PrintPhrasebookReport(run, out);
  const std::string report = out.str();
  EXPECT_THAT(report, HasSubstr("ko-en-test.txt:2: [reading] 나는 책을 읽는다.\n"
                                "  composed, translation right (the reference): I read the book.\n"
                                "    pick \"나는;I;;\"\n"));
  EXPECT_THAT(report, HasSubstr("  another reading, WRONG: \"You read the book.\"\n"));
  EXPECT_THAT(report, HasSubstr("  composed, translation right (variant 1): I ate an apple.\n"));
  EXPECT_THAT(report, HasSubstr("eat an apple.\"; the reference is \"I am eating an apple.\"\n"));
  EXPECT_THAT(report, HasSubstr("  composed, translation WRONG: \""));
  EXPECT_THAT(report, HasSubstr("  NOT composed; the box got as far as \"나는 책을\"\n"));
  EXPECT_THAT(report, HasSubstr("    the list there offers 3 line(s)\n"));
  EXPECT_THAT(
      report,
      HasSubstr(
          "    why: nothing in the dictionaries goes on there (a word or a form is missing)\n"));
  EXPECT_THAT(
      report,
      HasSubstr("not composed: 0 where the dictionaries hold what goes on but the list does not "
                "offer it, 1 where they hold nothing that goes on\n"));
  EXPECT_THAT(report, HasSubstr("\ncomposed 3 of 4, translation right 2 of 3\n"));
}

TEST_F(PhrasebookRunTest, BaselineGate) {
  std::string out;
  // Everything of the baseline still composes.
  EXPECT_EQ(Command("# composed before\n나는 책을 읽는다.\n\n나는 사과를 먹었다.\n", &out), 0)
      << out;
  EXPECT_THAT(out, HasSubstr("OK: 0 of the 2 sentence(s) of the baseline no longer compose\n"));

  // A sentence that no longer composes, and one the phrasebook lost, each named.
  EXPECT_EQ(Command("나는 책을 읽는다.\n나는 책을 먹지 않는다.\n나는 물을 마신다.\n", &out),
            kPhrasebookFailStatus);
  EXPECT_THAT(out, HasSubstr("REGRESSION: 나는 책을 먹지 않는다. (no longer composes)\n"));
  EXPECT_THAT(out,
              HasSubstr("REGRESSION: 나는 물을 마신다. (the phrasebook no longer holds it)\n"));
  EXPECT_THAT(out, Not(HasSubstr("REGRESSION: 나는 책을 읽는다.")));
  EXPECT_THAT(out, HasSubstr("FAILED: 2 of the 3 sentence(s) of the baseline no longer compose\n"));

  // A sentence lost because the search stopped at its bound says so.
  PhrasebookCommand narrow;
  narrow.strFile = "ko-en-test.txt";
  narrow.strBaseline = "baseline.txt";
  narrow.options.nMaxNodes = 3;
  WriteSource("baseline.txt", "나는 책을 읽는다.\n");
  std::ostringstream no, ne;
  EXPECT_EQ(RunPhrasebookCommand(narrow, m_dir.Path(), no, ne), kPhrasebookFailStatus);
  EXPECT_THAT(
      no.str(),
      HasSubstr("REGRESSION: 나는 책을 읽는다. (no longer composes within the search's bound)\n"));

  // Writing the baseline lists what composes now; checked against it, the run passes.
  EXPECT_EQ(Command("", &out, "written.txt"), 0) << out;
  std::vector<std::string> written;
  std::string error;
  ASSERT_TRUE(ReadBaseline("written.txt", &written, &error)) << error;
  EXPECT_THAT(written,
              ElementsAre("나는 책을 읽는다.", "나는 사과를 먹었다.", "나는 사과를 먹는다."));
  PhrasebookCommand again;
  again.strFile = "ko-en-test.txt";
  again.strBaseline = "written.txt";
  std::ostringstream o, e;
  EXPECT_EQ(RunPhrasebookCommand(again, m_dir.Path(), o, e), 0) << o.str() << e.str();
}

TEST_F(PhrasebookRunTest, CommandFailsOnWhatItCannotRead) {
  std::string out;
  PhrasebookCommand command;
  std::ostringstream o, e;
  command.strFile = "ko-en-test.txt";
  command.strBaseline = "missing-baseline.txt";
  EXPECT_EQ(RunPhrasebookCommand(command, m_dir.Path(), o, e), kPhrasebookFailStatus);
  EXPECT_THAT(e.str(), HasSubstr("missing-baseline.txt: cannot be read"));

  WriteSource("phrases.txt", kBook);
  command = PhrasebookCommand();
  command.strFile = "phrases.txt";
  EXPECT_EQ(RunPhrasebookCommand(command, m_dir.Path(), o, e), kPhrasebookUsageStatus);
  command.bKoreanSource = true;  // --direction ko
  EXPECT_EQ(RunPhrasebookCommand(command, m_dir.Path(), o, e), 0);

  WriteSource("ko-en-bad.txt", "안녕하세요.\n");
  command = PhrasebookCommand();
  command.strFile = "ko-en-bad.txt";
  EXPECT_EQ(RunPhrasebookCommand(command, m_dir.Path(), o, e), kPhrasebookFailStatus);
  EXPECT_THAT(e.str(), HasSubstr("ko-en-bad.txt:1: no \"=>\""));
}
