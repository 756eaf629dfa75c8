// The headless driver program: its command protocol, its state lines, and its exit
// statuses, run as a separate process in a scratch directory.
#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include <string>
#include <vector>

#include "tests/e2e/E2eSupport.h"

namespace {

using nlohmann::json;

class DriverTest : public ::testing::Test {
 protected:
  ScratchDir m_dir;
};

class DriverOnTestDictionaries : public DriverTest {
 protected:
  void SetUp() override { e2e::CopyTestDictionaries(); }
};

TEST_F(DriverOnTestDictionaries, ShowPrintsTheStateInTheFixedLayout) {
  e2e::DriverRun run = e2e::RunDriver("show\n");
  EXPECT_EQ(run.status, 0);
  ASSERT_EQ(run.lines.size(), 1u);
  EXPECT_EQ(run.lines[0],
            R"({"direction": 0, "captions": {"1006": "한단계 앞으로", "1014": "확인", "1016": "처음으로", )"
            R"("1023": "문장 추가"}, "enabled": {"1023": false}, "1003": "", "1004": "", "1020": "", )"
            R"("1028": "", "selected": -1, "lines": [{"text": "-안녕하세요", "key": "zz"}, )"
            R"({"text": "나는;I;주어;", "key": "subj"}, {"text": "너는;you;주어;", "key": "subj"}, )"
            R"({"text": "바나나;banana;과일;", "key": "n_food"}, {"text": "빵[밀가루];bread;;", "key": "n_food"}, )"
            R"({"text": "사과;apple;과일;", "key": "n_food"}, {"text": "우유;milk;;", "key": "n_food"}, )"
            R"({"text": "저는;I;높임;", "key": "subj"}], "messages": []})");
}

TEST_F(DriverOnTestDictionaries, SessionComposesTranslatesAndCollects) {
  e2e::DriverRun run = e2e::RunDriver(
      "# a comment, then a blank line\n"
      "\n"
      "select 2\n"
      "show\n"
      "click 1014\n"
      "click 1014\n"
      "show\n"
      "select 4\n"
      "click 1014\n"
      "select 0\n"
      "click 1014\n"
      "select 2\n"
      "click 1014\n"
      "show\n"
      "click 1023\n"
      "show\n"
      "click 1019\n"
      "type 1020 \"memo\\r\\n\"\n"
      "key 1020 enter\n"
      "type 1028 \"\\ud83d\\ude00 \\\"x\\\"\"\n"
      "show\n"
      "key escape\n"
      "show\n"
      "this line is never read\n");
  EXPECT_EQ(run.status, 0);
  ASSERT_EQ(run.lines.size(), 5u);
  std::vector<json> shows;
  for (const std::string& line : run.lines) shows.push_back(json::parse(line));

  EXPECT_EQ(shows[0]["1028"], "너는;you;주어;");
  EXPECT_EQ(shows[0]["selected"], 2);

  // The second confirm had no line selected.
  EXPECT_EQ(shows[1]["1003"], " 너는");
  EXPECT_EQ(shows[1]["messages"], json::array({e2e::kPickFromList}));
  EXPECT_EQ(shows[1]["lines"][4]["text"], "사과;apple;과일;");

  EXPECT_EQ(shows[2]["1003"], "너는 사과를 먹는다");
  EXPECT_EQ(shows[2]["1004"], "You eat apple.");
  EXPECT_EQ(shows[2]["enabled"]["1023"], true);
  EXPECT_EQ(shows[2]["lines"], json::array());
  EXPECT_EQ(shows[2]["messages"], json::array());  // emptied by the previous show

  EXPECT_EQ(shows[3]["1020"], "너는 사과를 먹는다\r\nYou eat apple.\r\n\r\n");
  EXPECT_EQ(shows[3]["1003"], "");
  EXPECT_EQ(shows[3]["enabled"]["1023"], false);

  EXPECT_EQ(shows[4]["direction"], 1);
  EXPECT_EQ(shows[4]["captions"], json::parse(R"({"1006": "One step Return", "1014": "OK",
                                                   "1016": "Restart", "1023": "Sentance add"})"));
  EXPECT_EQ(shows[4]["1020"], "memo\r\n\r\n");
  EXPECT_EQ(shows[4]["1028"], "? \"x\"");  // a character code page 949 cannot hold
  EXPECT_EQ(shows[4]["lines"][0]["key"], "e_subj");
}

TEST_F(DriverOnTestDictionaries, CommandsItCannotUnderstandEndWithAnErrorLine) {
  const struct {
    const char* input;
    const char* error;
  } cases[] = {
      {"frobnicate\n", "line 1: unknown command \"frobnicate\""},
      {"show\n# comment\n\nclick 1003\n",
       "line 4: click needs one control ID of 1006, 1014, 1016, 1017, 1019, 1023"},
      {"click\n", "line 1: click needs one control ID of 1006, 1014, 1016, 1017, 1019, 1023"},
      {"click 1014 1016\n", "line 1: click needs one control ID of 1006, 1014, 1016, 1017, 1019, 1023"},
      {"select 8\n", "line 1: select 8: the candidate list has 8 lines"},
      {"select -1\n", "line 1: select -1: the candidate list has 8 lines"},
      {"select two\n", "line 1: select needs one line number"},
      {"type 1013 \"x\"\n", "line 1: type needs one edit ID of 1003, 1004, 1020, 1028 and a JSON string"},
      {"type 1028 x\n", "line 1: type: TEXT is not a JSON string literal"},
      {"type 1028 \"open\n", "line 1: type: TEXT is not a JSON string literal"},
      {"type 1028 \"a\" \"b\"\n", "line 1: type: TEXT is not a JSON string literal"},
      {"type 1028 42\n", "line 1: type: TEXT is not a JSON string literal"},
      {"key 1028 up\n",
       "line 1: key needs \"escape\" or a control ID of 1003, 1004, 1006, 1013, 1014, 1016, 1017, "
       "1019, 1020, 1023, 1028 and \"enter\""},
      {"key 9999 enter\n",
       "line 1: key needs \"escape\" or a control ID of 1003, 1004, 1006, 1013, 1014, 1016, 1017, "
       "1019, 1020, 1023, 1028 and \"enter\""},
      {"show now\n", "line 1: show takes no arguments"},
  };
  for (const auto& c : cases) {
    e2e::DriverRun run = e2e::RunDriver(std::string(c.input) + "show\n");
    EXPECT_EQ(run.status, 2) << c.input;
    ASSERT_FALSE(run.lines.empty()) << c.input;
    EXPECT_EQ(json::parse(run.lines.back()), json({{"error", c.error}})) << c.input;
    EXPECT_EQ(run.lines.back().rfind("{\"error\": ", 0), 0u) << c.input;
  }
}

TEST_F(DriverOnTestDictionaries, ADictionaryMissingAtTheStartEndsWithStatus1AndNoOutput) {
  RemoveFile("ekgu.dex");
  e2e::DriverRun run = e2e::RunDriver("show\n");
  EXPECT_EQ(run.status, 1);
  EXPECT_TRUE(run.lines.empty());
}

TEST_F(DriverOnTestDictionaries, ADictionaryRemovedWhileRunningEndsWithStatus1AfterThePrintedLines) {
  e2e::DriverProcess driver;
  driver.Send("show");
  json first = json::parse(driver.ReadLine());
  EXPECT_EQ(first["lines"].size(), 8u);
  RemoveFile("tosi.dex");
  // The first correction opens the particle dictionary: the sentence completes here.
  for (const char* command : {"select 2", "click 1014", "select 4", "click 1014", "select 0", "click 1014",
                              "show", "select 2", "click 1014", "show"})
    driver.Send(command);
  json partial = json::parse(driver.ReadLine());
  EXPECT_EQ(partial["1003"], " 너는 사과을(를)");
  EXPECT_EQ(driver.ReadLine(), "");
  EXPECT_EQ(driver.Wait(), 1);
}

TEST_F(DriverOnTestDictionaries, HelpPrintsASummaryAndArgumentsAreRefused) {
  FILE* help = ::popen(("'" + e2e::DriverPath() + "' --help").c_str(), "r");
  ASSERT_NE(help, nullptr);
  std::string text;
  char buffer[512];
  for (std::size_t got; (got = std::fread(buffer, 1, sizeof buffer, help)) > 0;) text.append(buffer, got);
  int status = ::pclose(help);
  EXPECT_EQ(WEXITSTATUS(status), 0);
  for (const char* word : {"click ID", "select N", "type ID TEXT", "key ID enter", "key escape", "show"})
    EXPECT_NE(text.find(word), std::string::npos) << word;

  status = std::system(("'" + e2e::DriverPath() + "' --bogus </dev/null >/dev/null 2>&1").c_str());
  EXPECT_EQ(WEXITSTATUS(status), 2);
}

TEST_F(DriverTest, TextThatIsNotCodePage949IsShownAsReplacementCharacters) {
  WriteLexicon("main.dex", {{"k", "a\xFF" "b", "t", ""}});
  WriteRules("gu.dex", {"k;@0@;zK;"});
  WritePatterns("change.dex", {{",zK,", "@0@"}});
  WriteEmptyDictionaries();
  e2e::DriverRun run = e2e::RunDriver("show\n");
  ASSERT_EQ(run.status, 0);
  ASSERT_EQ(run.lines.size(), 1u);
  EXPECT_EQ(json::parse(run.lines[0])["lines"][0]["text"], "a\xEF\xBF\xBD" "b;t;;");
}

TEST_F(DriverOnTestDictionaries, EndOfInputEndsWithStatus0) {
  EXPECT_EQ(e2e::RunDriver("").status, 0);
  EXPECT_EQ(e2e::RunDriver("select 1\nclick 1014\n").status, 0);
  e2e::DriverRun run = e2e::RunDriver("show\r\nkey 1028 enter\r\nshow");  // CR LF, no final line end
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.lines.size(), 2u);
}

}  // namespace
