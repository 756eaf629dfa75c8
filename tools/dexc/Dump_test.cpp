// dexc dump on files that no build wrote: damaged, truncated, random.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <random>

#include "dict/RecordLayout.h"
#include "dict/Records.h"
#include "tests/support/DexFixture.h"
#include "tools/dexc/Source.h"
#include "tools/dexc/DexcTestSupport.h"

using ::testing::ElementsAre;
using ::testing::IsEmpty;

TEST(DexcDump, RecordCountFollowsTheFileLength) {
  ScratchDir dir;
  static const struct {
    long length;
    std::size_t lines;
  } cases[] = {{350, 2}, {349, 1}, {174, 0}, {0, 0}};
  for (const auto& c : cases) {
    WriteLexicon("main.dex", {{"a", "p", "t", "n"}, {"b", "q", "u", ""}});
    Truncate("main.dex", c.length);
    EXPECT_EQ(DumpLines("main.dex").size(), c.lines) << c.length << " bytes";
  }
}

TEST(DexcDump, ScrambledFieldsAreShownPlain) {
  ScratchDir dir;
  WriteRules("ekgu.dex", {K("n;@0@을(를);zObj;"), "a,b;x"});
  WritePatterns("ekchange.dex", {{",zObj,", K("@0@ 주세요")}});
  EXPECT_THAT(DumpLines("ekgu.dex"), ElementsAre("n;@0@을(를);zObj;", "a,b;x"));
  EXPECT_THAT(DumpLines("ekchange.dex"), ElementsAre(",zObj,\t@0@ 주세요"));
}

TEST(DexcDump, FieldsWithoutTerminatorStayInsideTheirField) {
  ScratchDir dir;
  LexiconBytes record{};
  std::fill(record.begin(), record.end(), 'x');  // no terminator anywhere
  WriteBytes("main.dex", std::string(record.begin(), record.end()));
  std::vector<std::string> lines = DumpLines("main.dex");
  ASSERT_EQ(lines.size(), 1u);
  std::vector<std::string> fields;
  std::size_t start = 0;
  for (std::size_t tab; (tab = lines[0].find('\t', start)) != std::string::npos; start = tab + 1)
    fields.push_back(lines[0].substr(start, tab - start));
  fields.push_back(lines[0].substr(start));
  // Four fields; key, phrase and note are exactly as wide as their fields.
  ASSERT_EQ(fields.size(), 4u);
  EXPECT_EQ(fields[0], std::string(kLexKeyWidth, 'x'));
  EXPECT_EQ(fields[1], std::string(kLexPhraseWidth, 'x'));
  EXPECT_EQ(fields[3], std::string(kLexNoteWidth, 'x'));
}

TEST(DexcDump, InvalidCodePageAndControlBytesStayVisible) {
  ScratchDir dir;
  WriteParticles("tosi.dex", {{"\xFF\xFF" "a", "b\tc\nd"}});
  EXPECT_THAT(DumpLines("tosi.dex"), ElementsAre("\xEF\xBF\xBD\xEF\xBF\xBD" "a\tb\\x09c\\x0Ad"));
}

TEST(DexcDump, RandomBytesNeverCrashAndKeepOneLinePerRecord) {
  ScratchDir dir;
  std::mt19937 random(20240611);
  static const struct {
    const char* name;
    std::size_t recordSize;
    std::size_t tabs;
  } kinds[] = {{"main.dex", kLexiconRecordSize, 3},
               {"gu.dex", kRuleRecordSize, 0},
               {"change.dex", kPatternRecordSize, 1},
               {"tosi.dex", kParticleRecordSize, 1}};
  for (const auto& kind : kinds) {
    for (std::size_t length : {kind.recordSize * 7 + 13, std::size_t{5}, std::size_t{4096}}) {
      std::string bytes(length, '\0');
      for (char& b : bytes) b = static_cast<char>(random() & 0xFF);
      WriteBytes(kind.name, bytes);
      std::vector<std::string> lines = DumpLines(kind.name);
      EXPECT_EQ(lines.size(), length / kind.recordSize) << kind.name << " " << length;
      for (const std::string& line : lines) {
        EXPECT_TRUE(IsValidUtf8(line)) << kind.name;
        EXPECT_EQ(static_cast<std::size_t>(std::count(line.begin(), line.end(), '\t')),
                  kind.tabs)
            << kind.name;
      }
    }
  }
}

TEST(DexcDump, AFileThatCannotBeReadFailsWithItsReason) {
  ScratchDir dir;
  std::string out, err;
  EXPECT_EQ(Dexc({"dump", "missing/main.dex"}, &out, &err), 1);
  EXPECT_EQ(out, "");
  EXPECT_EQ(err, "dexc: cannot read missing/main.dex: No such file or directory\n");

  std::filesystem::create_directory("gu.dex");
  EXPECT_EQ(Dexc({"dump", "gu.dex"}, &out, &err), 1);
  EXPECT_EQ(err, "dexc: cannot read gu.dex: it is a directory\n");
}

TEST(DexcDump, KindComesFromTheBaseName) {
  ScratchDir dir;
  std::filesystem::create_directory("x");
  WriteParticles("x/tosi", {{"a", "b"}});
  WriteParticles("x/tosi.dex", {{"a", "b"}});
  EXPECT_THAT(DumpLines("x/tosi"), ElementsAre("a\tb"));
  EXPECT_THAT(DumpLines("x/tosi.dex"), ElementsAre("a\tb"));
  for (const char* name : {"x/other.dex", "x/tosi.dex.old", "x/main.txt", "x/"}) {
    std::string out, err;
    EXPECT_EQ(Dexc({"dump", name}, &out, &err), 2) << name;
    EXPECT_THAT(err, ::testing::StartsWith(std::string("dexc: cannot tell the kind of ") + name +
                                           " from its name;"));
    EXPECT_THAT(err, ::testing::HasSubstr("usage: dexc"));
    EXPECT_THAT(out, IsEmpty());
  }
}
