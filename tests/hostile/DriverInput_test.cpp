// Hostile input through the headless driver's session (in-process): characters that
// code page 949 cannot hold, NUL and huge texts typed into the dialog, malformed
// command lines, and dictionaries full of bytes that are not valid code page 949. The
// driver keeps its protocol: valid JSON state lines, exit status 2 for a line it
// cannot understand, 0 otherwise.
#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "tests/hostile/HostileSupport.h"
#include "tools/script/ScriptSession.h"

namespace {

using nlohmann::json;

struct DriverRun {
  int status = -1;
  std::vector<std::string> lines;
};

DriverRun RunScript(const std::string& script) {
  CScriptSession session;
  std::istringstream in(script);
  std::ostringstream out;
  DriverRun run;
  run.status = session.Run(in, out);
  std::istringstream printed(out.str());
  for (std::string line; std::getline(printed, line);) run.lines.push_back(line);
  return run;
}

class DriverInputTest : public ::testing::Test {
 protected:
  void SetUp() override {
    WritePatterns("change.dex", {{",-slot,", "S"}});
    WriteEmptyDictionaries();
  }
  ScratchDir m_dir;
};

// ---- Typed texts -------------------------------------------------------------------

struct TypedCase {
  const char* name;
  std::string jsonText;  // the TEXT of `type 1028 TEXT`, a JSON string literal
  std::string search;    // the search box afterwards, UTF-8
  std::string sentence;  // the sentence box after confirming the free-slot line, UTF-8
};
void PrintTo(const TypedCase& c, std::ostream* out) { *out << c.name; }

class DriverTypedTest : public DriverInputTest, public ::testing::WithParamInterface<TypedCase> {};

TEST_P(DriverTypedTest, ReachesTheDialogAsCodePage949) {
  const TypedCase& c = GetParam();
  DriverRun run = RunScript("select 0\ntype 1028 " + c.jsonText + "\nshow\nclick 1014\nshow\n");
  ASSERT_EQ(run.status, kScriptDone);
  ASSERT_EQ(run.lines.size(), 2u);
  json typed = json::parse(run.lines[0]);
  json confirmed = json::parse(run.lines[1]);
  EXPECT_EQ(typed["1028"], c.search);
  EXPECT_EQ(confirmed["1003"], c.sentence);
  EXPECT_EQ(confirmed["messages"], json::array());
}

INSTANTIATE_TEST_SUITE_P(
    Texts, DriverTypedTest,
    ::testing::Values(
        // One "?" per character that code page 949 cannot hold (an emoji given as a
        // surrogate pair, Thai, e with acute); Hangul and the euro sign pass.
        TypedCase{"Unholdable", R"("-\ud83d\ude00\u0e01x\u00e9")", "-??x?", " ??x?"},
        TypedCase{"UnholdableAsUtf8", "\"-😀ก\"", "-??", " ??"},
        TypedCase{"Holdable", R"("-\uac00\u20ac")", "-가€", " 가€"},
        TypedCase{"UnholdableFirstCharacter", R"("\ud83d\ude00abc")", "?abc", " abc"},
        // NUL is an ordinary byte of the typed text.
        TypedCase{"Nul", R"("-a\u0000b")", std::string("-a\0b", 4), std::string(" a\0b", 4)},
        TypedCase{"LineBreaks", R"("-a\r\nb")", "-a\r\nb", " a\r\nb"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(DriverInputTest, AHundredKilobyteCommandLine) {
  std::string word(100 * 1024, 'w');
  for (std::size_t i = 0; i < word.size(); i += 7) word[i] = ' ';
  DriverRun run = RunScript("select 0\ntype 1028 \"-" + word + "\"\nclick 1014\nshow\nkey 1028 enter\nshow\n");
  ASSERT_EQ(run.status, kScriptDone);
  ASSERT_EQ(run.lines.size(), 2u);
  EXPECT_TRUE(json::parse(run.lines[0])["1003"] == " " + word);
  EXPECT_EQ(json::parse(run.lines[1])["selected"], -1);
}

// ---- Command lines the driver cannot understand -------------------------------------

struct BadLineCase {
  const char* name;
  std::string line;
};
void PrintTo(const BadLineCase& c, std::ostream* out) { *out << c.name; }

class DriverBadLineTest : public DriverInputTest, public ::testing::WithParamInterface<BadLineCase> {};

TEST_P(DriverBadLineTest, EndsWithStatusTwoAfterOneErrorLine) {
  const BadLineCase& c = GetParam();
  DriverRun run = RunScript("show\n" + c.line + "\nshow\n");
  EXPECT_EQ(run.status, kScriptBadCommand);
  ASSERT_EQ(run.lines.size(), 2u);  // the state line before it stays printed
  json error = json::parse(run.lines[1]);
  ASSERT_TRUE(error.contains("error"));
  EXPECT_EQ(error["error"].get<std::string>().rfind("line 2: ", 0), 0u) << error.dump();
}

INSTANTIATE_TEST_SUITE_P(
    Lines, DriverBadLineTest,
    ::testing::Values(BadLineCase{"InvalidUtf8InText", "type 1028 \"\xFF\xFE\""},
                      BadLineCase{"LoneSurrogate", R"(type 1028 "\ud800")"},
                      BadLineCase{"UnterminatedText", R"(type 1028 "abc)"},
                      BadLineCase{"TextNotAString", "type 1028 42"},
                      BadLineCase{"TextFollowedByMore", R"(type 1028 "a" "b")"},
                      BadLineCase{"SelectOutsideTheList", "select 1"},
                      BadLineCase{"SelectNegative", "select -1"},
                      BadLineCase{"SelectTooLargeANumber", "select 99999999999999999999"},
                      BadLineCase{"ClickUnknownControl", "click 1013"},
                      BadLineCase{"ClickWithExtraWord", "click 1014 twice"},
                      BadLineCase{"KeyWithoutEnter", "key 1028"},
                      BadLineCase{"NulInCommand", std::string("sh\0ow", 5)},
                      BadLineCase{"UnknownCommand", "\xED\x95\x9C"}),
    [](const auto& info) { return std::string(info.param.name); });

// ---- Dictionaries whose texts are not valid code page 949 ----------------------------

TEST_F(DriverInputTest, StateLinesStayValidJsonWhateverTheDictionariesHold) {
  // Every text field full of random bytes (no NUL), so that lines, keys and the
  // rendered sentence carry bytes that code page 949 does not define.
  std::mt19937 random(99);
  // Noise for a rule's template holds no separator, so that the rule keeps its shape.
  auto noise = [&](std::size_t size, bool separators) {
    std::string text(size, 'x');
    for (char& b : text) {
      do {
        b = static_cast<char>(1 + random() % 255);
      } while (!separators && (b == ';' || b == ','));
    }
    return text;
  };
  std::vector<std::string> lexicon;
  for (int i = 0; i < 20; ++i)
    lexicon.push_back(hostile::RawLexicon("n", noise(kLexPhraseWidth, true), noise(kLexTranslationWidth, true),
                                          noise(kLexNoteWidth, true)));
  WriteBytes("main.dex", hostile::Joined(lexicon));
  WriteRules("gu.dex", {"n;" + noise(40, false) + ";zN;"});
  WriteBytes("change.dex", hostile::RawPattern(",zN,", "@0@" + noise(100, true)));

  std::string script;
  for (int i = 0; i < 20; ++i) script += "select " + std::to_string(i % 3) + "\nshow\nclick 1014\nshow\nclick 1023\n";
  DriverRun run = RunScript(script);
  EXPECT_EQ(run.status, kScriptDone);
  ASSERT_EQ(run.lines.size(), 40u);
  for (std::size_t i = 0; i < run.lines.size(); i += 2) {
    json picked = json::parse(run.lines[i], nullptr, false);
    json confirmed = json::parse(run.lines[i + 1], nullptr, false);
    ASSERT_FALSE(picked.is_discarded()) << "line " << i;
    ASSERT_FALSE(confirmed.is_discarded()) << "line " << i + 1;
    EXPECT_EQ(picked["lines"].size(), 20u) << "line " << i;
    EXPECT_EQ(confirmed["enabled"]["1023"], true) << "line " << i + 1;  // every pick completes
  }
}

}  // namespace
