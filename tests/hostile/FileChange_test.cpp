// Dictionary files that change under the running program. Every reader opens its file
// afresh, so a file removed while the dialog runs ends the program with status 1 at the
// next action that reads it, a file cut short in place is read as what is left of it
// (no crash, and the program goes on), and a file edited between two actions is read as
// edited, even where the program keeps what it found in the file before.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <string>
#include <thread>
#include <vector>

#include "dict/DexFile.h"
#include "dict/DexStamp.h"
#include "dict/Fields.h"
#include "tests/hostile/HostileSupport.h"

namespace {

using hostile::Dialog;

class FileChangeTest : public ::testing::Test {
 protected:
  void SetUp() override { hostile::WriteSmallDictionaries(); }
  ScratchDir m_dir;
};

// ---- A file removed while the dialog runs ------------------------------------------

enum class Action { Restart, English, PickApple, ComposeSentence, EnglishPickI, OpenParenthesis };

void Do(Dialog& dialog, Action action) {
  switch (action) {
    case Action::Restart: dialog.Click(IDC_RESTART); break;
    case Action::English: dialog.Click(IDC_DIR_ENGLISH); break;
    case Action::PickApple: dialog.Pick("apple"); break;
    case Action::ComposeSentence:
      dialog.Pick("apple");
      dialog.Pick("eat");
      break;
    case Action::EnglishPickI:
      dialog.Click(IDC_DIR_ENGLISH);
      dialog.Pick("I");
      break;
    case Action::OpenParenthesis:  // a phrase that starts with "(" corrects the sentence box
      dialog.Select(0);
      dialog.Type(IDC_SEARCH, "(x;y;");
      dialog.Confirm();
      break;
  }
}

struct RemovedCase {
  const char* name;
  const char* file;
  Action action;  // the first action that reads the file
};
void PrintTo(const RemovedCase& c, std::ostream* out) { *out << c.name; }

class RemovedFileTest : public FileChangeTest, public ::testing::WithParamInterface<RemovedCase> {};

TEST_P(RemovedFileTest, EndsTheProgramWithStatusOneAtTheNextRead) {
  const RemovedCase& c = GetParam();
  Dialog dialog;
  RemoveFile(c.file);
  EXPECT_EXIT(Do(dialog, c.action), ::testing::ExitedWithCode(1), "");
}

INSTANTIATE_TEST_SUITE_P(
    EveryFile, RemovedFileTest,
    ::testing::Values(RemovedCase{"Lexicon", "main.dex", Action::Restart},
                      RemovedCase{"EnglishLexicon", "ekmain.dex", Action::English},
                      RemovedCase{"Rules", "gu.dex", Action::PickApple},
                      RemovedCase{"EnglishRules", "ekgu.dex", Action::EnglishPickI},
                      RemovedCase{"Patterns", "change.dex", Action::Restart},
                      RemovedCase{"EnglishPatterns", "ekchange.dex", Action::English},
                      RemovedCase{"ParticlesAtTheEnd", "tosi.dex", Action::ComposeSentence},
                      RemovedCase{"ParticlesForAParenthesis", "tosi.dex", Action::OpenParenthesis}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(FileChangeTest, AFileMissingAtStartEndsTheProgramWhenItIsFirstRead) {
  // The loaders and the first list read five files at start; the English patterns and
  // the particles are first read later.
  for (const char* file : {"main.dex", "ekmain.dex", "gu.dex", "ekgu.dex", "change.dex"}) {
    std::string kept = ReadBytes(file);
    RemoveFile(file);
    EXPECT_EXIT(Dialog(), ::testing::ExitedWithCode(1), "") << file;
    WriteBytes(file, kept);
  }
  RemoveFile("ekchange.dex");
  RemoveFile("tosi.dex");
  Dialog dialog;
  EXPECT_EQ(dialog.LineCount(), 2);
  ASSERT_TRUE(dialog.Pick("apple"));  // incomplete: nothing is corrected yet
  EXPECT_EXIT(dialog.Pick("eat"), ::testing::ExitedWithCode(1), "");
  EXPECT_EXIT(dialog.Click(IDC_DIR_ENGLISH), ::testing::ExitedWithCode(1), "");
}

// ---- A dictionary name that is not a regular file --------------------------------

struct NotAFileCase {
  const char* name;
  void (*make)(const char* file);
};
void PrintTo(const NotAFileCase& c, std::ostream* out) { *out << c.name; }

class NotAFileTest : public FileChangeTest, public ::testing::WithParamInterface<NotAFileCase> {};

TEST_P(NotAFileTest, CannotBeOpenedAsADictionaryAndEndsTheProgram) {
  // A name that leads to no regular file is a dictionary that cannot be opened: exit
  // status 1, at start and at any later reading. A named pipe must not be waited on
  // for a writer that never comes; the alarm only turns such a wait into a failure.
  const NotAFileCase& c = GetParam();
  RemoveFile("change.dex");
  c.make("change.dex");
  EXPECT_EXIT(
      {
        ::alarm(4);
        Dialog();
      },
      ::testing::ExitedWithCode(1), "");

  RemoveFile("change.dex");
  hostile::WriteSmallDictionaries();
  Dialog dialog;
  RemoveFile("gu.dex");
  c.make("gu.dex");
  EXPECT_EXIT(
      {
        ::alarm(4);
        dialog.Pick("apple");
      },
      ::testing::ExitedWithCode(1), "");
}

INSTANTIATE_TEST_SUITE_P(
    Kinds, NotAFileTest,
    ::testing::Values(
        NotAFileCase{"Directory", [](const char* file) { std::filesystem::create_directory(file); }},
        NotAFileCase{"NamedPipe", [](const char* file) { ::mkfifo(file, 0600); }},
        NotAFileCase{"DanglingLink", [](const char* file) { std::filesystem::create_symlink("nowhere", file); }},
        NotAFileCase{"LinkLoop", [](const char* file) { std::filesystem::create_symlink(file, file); }},
        NotAFileCase{"DeviceLink", [](const char* file) { std::filesystem::create_symlink("/dev/zero", file); }}),
    [](const auto& info) { return std::string(info.param.name); });

// ---- A file cut short in place ----------------------------------------------------

TEST_F(FileChangeTest, AnOpenFileCutShortReadsZerosInsteadOfFaulting) {
  // Twenty pages of records, so that the cut leaves whole pages of the reading's view
  // without a file behind them.
  std::vector<LexiconRecord> records(500, LexiconRecord{"n", "apple", "t", ""});
  WriteLexicon("main.dex", records);
  CDexFile file("main.dex");
  Truncate("main.dex", 0);
  unsigned char record[kLexiconRecordSize];
  for (long r : {0L, 250L, 499L}) {
    std::fill(std::begin(record), std::end(record), 0xAA);
    file.ReadRecord(r, kLexiconRecordSize, record);
    EXPECT_EQ(PlainField(record, kLexKeyOffset, kLexKeyWidth), "") << "record " << r;
    EXPECT_EQ(std::count(std::begin(record), std::end(record), 0), static_cast<long>(kLexiconRecordSize))
        << "record " << r;
  }
  // The file is read again as it now is.
  CDexFile again("main.dex");
  EXPECT_EQ(again.Size(), 0);
}

struct CutCase {
  const char* name;
  const char* file;
  long length;
};
void PrintTo(const CutCase& c, std::ostream* out) { *out << c.name; }

class CutFileTest : public FileChangeTest, public ::testing::WithParamInterface<CutCase> {};

TEST_P(CutFileTest, TheDialogGoesOn) {
  const CutCase& c = GetParam();
  Dialog dialog;
  ASSERT_TRUE(dialog.Pick("apple"));
  Truncate(c.file, c.length);
  dialog.Pick("eat");
  dialog.Click(IDC_STEP_BACK);
  dialog.Click(IDC_RESTART);
  dialog.Click(IDC_DIR_ENGLISH);
  dialog.Pick("I");
  dialog.Click(IDC_DIR_KOREAN);
  dialog.Messages();
  hostile::ExpectWithinCapacities(dialog, c.name);
  hostile::Workout(dialog, 21, 30);
}

INSTANTIATE_TEST_SUITE_P(
    EveryFile, CutFileTest,
    ::testing::Values(CutCase{"LexiconEmpty", "main.dex", 0}, CutCase{"LexiconHalfRecord", "main.dex", 87},
                      CutCase{"LexiconOneRecord", "main.dex", 175},
                      CutCase{"EnglishLexiconEmpty", "ekmain.dex", 0}, CutCase{"RulesEmpty", "gu.dex", 0},
                      CutCase{"RulesHalfRecord", "gu.dex", 300}, CutCase{"EnglishRulesEmpty", "ekgu.dex", 0},
                      CutCase{"PatternsEmpty", "change.dex", 0}, CutCase{"PatternsHalfRecord", "change.dex", 150},
                      CutCase{"EnglishPatternsEmpty", "ekchange.dex", 0}, CutCase{"ParticlesEmpty", "tosi.dex", 0},
                      CutCase{"ParticlesHalfRecord", "tosi.dex", 137}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(FileChangeTest, ALexiconCutShortListsOnlyTheRecordsItStillHolds) {
  // The group index was built from three records; the file now holds one. The lines
  // of the records that are gone are not shown (they would read as empty phrases with
  // a translation descrambled from zero bytes).
  Dialog dialog;
  Truncate("main.dex", 175);
  dialog.Click(IDC_RESTART);
  EXPECT_EQ(dialog.Lines(), std::vector<std::string>{"apple;t-apple;fruit;"});
  ASSERT_TRUE(dialog.Pick("apple"));
  EXPECT_EQ(dialog.Lines(), std::vector<std::string>{});
}

// ---- A file edited between two actions ---------------------------------------------

TEST_F(FileChangeTest, AnEditBetweenTwoActionsIsSeenAtTheNextAction) {
  // The first items of the sentence patterns are kept between actions once their file
  // has settled; an edit of the same size, within the same second, still shows at the
  // next action, in both directions, whether the file had settled or not.
  for (bool settled : {false, true}) {
    const std::string when = settled ? "settled" : "fresh";
    hostile::WriteSmallDictionaries();
    if (settled) {
      SetSettleMarginForTests(20'000'000);  // 20 ms
      std::this_thread::sleep_for(std::chrono::milliseconds(40));
    }
    Dialog dialog;
    ASSERT_EQ(dialog.Lines(), (std::vector<std::string>{"apple;t-apple;fruit;", "pear;t-pear;;"})) << when;
    WritePatterns("change.dex", {{",zV,zN,", "@0@ @1@."}});
    dialog.Click(IDC_RESTART);
    EXPECT_EQ(dialog.Lines(), (std::vector<std::string>{"eat;t-eat;;"})) << when;

    dialog.Click(IDC_DIR_ENGLISH);
    ASSERT_EQ(dialog.LineCount(), 1) << when;
    WritePatterns("ekchange.dex", {{",-word,", "@0@"}});
    dialog.Click(IDC_RESTART);
    EXPECT_EQ(dialog.Lines(), (std::vector<std::string>{"-word"})) << when;
    SetSettleMarginForTests(0);
  }
}

TEST_F(FileChangeTest, AnEditOfThePhraseRulesIsSeenAtTheNextAction) {
  // The phrase rules are kept between actions too; a rule edited in place (a file of
  // fixed records keeps its size) changes what the next composition renders.
  for (bool settled : {false, true}) {
    const std::string when = settled ? "settled" : "fresh";
    hostile::WriteSmallDictionaries();
    if (settled) {
      SetSettleMarginForTests(20'000'000);  // 20 ms
      std::this_thread::sleep_for(std::chrono::milliseconds(40));
    }
    Dialog dialog;
    ASSERT_TRUE(dialog.Pick("apple")) << when;
    ASSERT_TRUE(dialog.Pick("eat")) << when;
    EXPECT_EQ(dialog.Dlg().m_builder.m_strTranslation, "t-apple t-eat.") << when;

    WriteRules("gu.dex", {"n;@0@;zN;", "v;<@0@>;zV;"});
    dialog.Click(IDC_RESTART);
    ASSERT_TRUE(dialog.Pick("apple")) << when;
    ASSERT_TRUE(dialog.Pick("eat")) << when;
    EXPECT_EQ(dialog.Dlg().m_builder.m_strTranslation, "t-apple <t-eat>.") << when;
    SetSettleMarginForTests(0);
  }
}

}  // namespace
