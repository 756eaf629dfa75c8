// dexc build: sources in, .dex files out, read back through dexc dump.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>

#include "dict/RecordKey.h"
#include "dict/RecordLayout.h"
#include "tests/support/DexFixture.h"
#include "tools/dexc/DexcTestSupport.h"

namespace fs = std::filesystem;
using ::testing::ElementsAre;
using ::testing::IsEmpty;

namespace {

const char* const kOutputs[] = {"main.dex",   "ekmain.dex",   "gu.dex", "ekgu.dex",
                                "change.dex", "ekchange.dex", "tosi.dex"};

int Build(std::string* err = nullptr) { return Dexc({"build", "src", "out"}, nullptr, err); }

std::vector<std::string> FilesIn(const std::string& folder) {
  std::vector<std::string> names;
  for (const auto& entry : fs::directory_iterator(folder))
    names.push_back(entry.path().filename().string());
  std::sort(names.begin(), names.end());
  return names;
}

}  // namespace

TEST(DexcBuild, LexiconGroupsAreGatheredAndSortedByPhrase) {
  ScratchDir dir;
  WriteSource("src/main.txt",
              "# fruit and food\n"
              "[n_food]\n"
              "사과 | apple | 과일\n"
              "김치 | kimchi\n"
              "\n"
              "[adj]\n"
              "빨간 | red\n"
              "[n_food]\n"
              "밥 | rice\n"
              "배 | pear\n"
              "배 | ship\n");
  WriteSource("src/main/20-more.txt", "[adj]\n매운 | spicy\n");
  WriteSource("src/main/10-drinks.txt", "[n_drink]\n물 | water\n");
  ASSERT_EQ(Build(), 0);
  // Groups in order of first appearance; phrases in code page 949 byte order, equal
  // phrases in source order.
  EXPECT_THAT(DumpLines("out/main.dex"),
              ElementsAre("n_food\t김치\tkimchi\t", "n_food\t밥\trice\t", "n_food\t배\tpear\t",
                          "n_food\t배\tship\t", "n_food\t사과\tapple\t과일", "adj\t매운\tspicy\t",
                          "adj\t빨간\tred\t", "n_drink\t물\twater\t"));
  EXPECT_EQ(ReadBytes("out/main.dex").size(), 8 * kLexiconRecordSize);
}

TEST(DexcBuild, EveryKindOfBothDirectionsIsStoredInItsOrder) {
  ScratchDir dir;
  WriteSource("src/ekmain.txt",
              "[n]\n"
              "apple | 사과 | fruit\n"
              "\"  spaced | out \" | \"a \\\"quoted\\\" \\\\ word\"\n");
  WriteSource("src/gu.txt",
              "n_food | @0@ | zNP\n"
              "adj, n_food | @0@ @1@ | zNP\n"
              "-name | @0@ | zWho\n");
  WriteSource("src/ekgu.txt", "n | @0@을(를) | zObj\n");
  WriteSource("src/change.txt",
              "zNP , zV | @0@ @1@.\n"
              "-name,zV | @0@ @1@!\n"
              "zNP | @0@\n"
              "zNP,zV,zNP | @2@ @0@ @1@\n");
  WriteSource("src/ekchange.txt", "zObj | @0@ 주세요\n");
  ASSERT_EQ(Build(), 0);
  EXPECT_THAT(DumpLines("out/ekmain.dex"),
              ElementsAre("n\t  spaced | out \ta \"quoted\" \\ word\t", "n\tapple\t사과\tfruit"));
  // Rules keep source order: it is their priority.
  EXPECT_THAT(DumpLines("out/gu.dex"),
              ElementsAre("n_food;@0@;zNP;", "adj,n_food;@0@ @1@;zNP;", "-name;@0@;zWho;"));
  EXPECT_THAT(DumpLines("out/ekgu.dex"), ElementsAre("n;@0@을(를);zObj;"));
  // Patterns sorted by stored key list; a list that begins another sorts first.
  EXPECT_THAT(DumpLines("out/change.dex"),
              ElementsAre(",-name,zV,\t@0@ @1@!", ",zNP,\t@0@", ",zNP,zV,\t@0@ @1@.",
                          ",zNP,zV,zNP,\t@2@ @0@ @1@"));
  EXPECT_THAT(DumpLines("out/ekchange.dex"), ElementsAre(",zObj,\t@0@ 주세요"));
  EXPECT_THAT(DumpLines("out/tosi.dex"), IsEmpty());
}

TEST(DexcBuild, ScrambledFieldsAreStoredScrambled) {
  ScratchDir dir;
  WriteSource("src/main.txt", "[k]\np | tr\n");
  WriteSource("src/gu.txt", "a,b | x | zA\n");
  WriteSource("src/change.txt", "zA | t\n");
  ASSERT_EQ(Build(), 0);
  const RecordKeyBytes& key = RecordKey();
  std::string lexicon = ReadBytes("out/main.dex");
  EXPECT_EQ(lexicon.substr(0, 2), std::string("k\0", 2));  // the key is plain
  EXPECT_EQ(static_cast<unsigned char>(lexicon[kLexTranslationOffset]), 't' ^ key[0]);
  EXPECT_EQ(static_cast<unsigned char>(lexicon[kLexTranslationOffset + 1]), 'r' ^ key[1]);
  EXPECT_EQ(static_cast<unsigned char>(lexicon[kLexTranslationOffset + 2]), key[2]);
  std::string rules = ReadBytes("out/gu.dex");
  EXPECT_EQ(static_cast<unsigned char>(rules[0]), 'a' ^ key[0]);
  EXPECT_EQ(static_cast<unsigned char>(rules[7]), 'A' ^ key[7]);  // "a,b;x;zA;"
  EXPECT_EQ(static_cast<unsigned char>(rules[8]), ';' ^ key[0]);
  std::string patterns = ReadBytes("out/change.dex");
  EXPECT_EQ(patterns.substr(0, 5), std::string(",zA,\0", 5));
  EXPECT_EQ(static_cast<unsigned char>(patterns[kPatTemplateOffset]), 't' ^ key[0]);
}

TEST(DexcBuild, ParticleClassesExpandAndRecordsSortByPattern) {
  ScratchDir dir;
  WriteSource("src/tosi.txt",
              "\"{DV}은(는)\" | \"{DV}는\"\n"
              "\"{DL}은(는)\" | \"{DL}은\"\n"
              "\"{DC}은(는)\" | \"{DC}은\"\n"
              "\" #\" | \"\"\n"
              "\" #\" | \"#\"\n");
  ASSERT_EQ(Build(), 0);
  EXPECT_THAT(DumpLines("out/tosi.dex"),
              ElementsAre(" #\t", " #\t#", "0은(는)\t0은", "1은(는)\t1은", "2은(는)\t2는",
                          "3은(는)\t3은", "4은(는)\t4는", "5은(는)\t5는", "6은(는)\t6은",
                          "7은(는)\t7은", "8은(는)\t8은", "9은(는)\t9는"));
}

TEST(DexcBuild, SyllableClassPutsTheSameSyllableInTheReplacement) {
  ScratchDir dir;
  WriteSource("src/tosi.txt", "\"{L}으로(로)\" | \"{L}로 {L}\"\n");
  ASSERT_EQ(Build(), 0);
  std::vector<std::string> lines = DumpLines("out/tosi.dex");
  EXPECT_EQ(lines.size(), 399u);  // 19 initials x 21 medials, all with final ㄹ
  EXPECT_THAT(lines, ::testing::Contains("갈으로(로)\t갈로 갈"));
  EXPECT_THAT(lines, ::testing::Contains("햴으로(로)\t햴로 햴"));  // beyond the 2350 common ones
  EXPECT_THAT(lines, ::testing::Not(::testing::Contains("가으로(로)\t가로 가")));
  EXPECT_TRUE(std::is_sorted(lines.begin(), lines.end(), [](const std::string& a,
                                                           const std::string& b) {
    return K(a) < K(b);
  }));
}

TEST(DexcBuild, EmptySourceDirectoryGivesSevenEmptyFiles) {
  ScratchDir dir;
  fs::create_directory("src");
  WriteSource("src/CMakeLists.txt", "# not a dictionary\n");
  std::string err;
  ASSERT_EQ(Build(&err), 0);
  EXPECT_EQ(err, "");
  for (const char* name : kOutputs) EXPECT_EQ(ReadBytes(std::string("out/") + name), "") << name;
  // Only the seven files: no temporary file is left behind.
  EXPECT_EQ(FilesIn("out").size(), 7u);
}

TEST(DexcBuild, AnErrorWritesNothing) {
  ScratchDir dir;
  WriteSource("src/main.txt", "[k]\np | t\n");
  WriteSource("src/gu.txt", "a | x | A\n");
  // A fresh output directory is not even created.
  std::string err;
  EXPECT_EQ(Build(&err), 1);
  EXPECT_EQ(err, "src/gu.txt:1: the result key \"A\" does not begin with \"z\"\n");
  EXPECT_FALSE(fs::exists("out"));

  // Files of an earlier build stay byte for byte, and nothing else appears.
  for (const char* name : kOutputs) WriteSource(std::string("out/") + name, "old");
  EXPECT_EQ(Build(), 1);
  for (const char* name : kOutputs) EXPECT_EQ(ReadBytes(std::string("out/") + name), "old") << name;
  EXPECT_EQ(FilesIn("out").size(), 7u);
}

TEST(DexcBuild, ASuccessfulBuildReplacesEveryFile) {
  ScratchDir dir;
  for (const char* name : kOutputs) WriteSource(std::string("out/") + name, "old");
  WriteSource("src/main.txt", "[k]\np | t\n");
  ASSERT_EQ(Build(), 0);
  EXPECT_THAT(DumpLines("out/main.dex"), ElementsAre("k\tp\tt\t"));
  EXPECT_EQ(ReadBytes("out/gu.dex"), "");
  EXPECT_EQ(FilesIn("out").size(), 7u);
}

TEST(DexcBuild, AnOutputDirectoryThatCannotBeMadeFailsTheBuild) {
  ScratchDir dir;
  fs::create_directory("src");
  WriteSource("out", "a file where the directory should be");
  std::string err;
  EXPECT_EQ(Build(&err), 1);
  EXPECT_THAT(err, ::testing::StartsWith("out: cannot create the output directory"));
}

TEST(DexcBuild, AMissingSourceDirectoryFailsAndWritesNothing) {
  ScratchDir dir;
  std::string err;
  EXPECT_EQ(Dexc({"build", "nowhere", "out"}, nullptr, &err), 1);
  EXPECT_EQ(err, "nowhere: no such directory\n");
  EXPECT_FALSE(fs::exists("out"));
}

TEST(DexcBuild, SourceFilesAreReadInOrderAndNamedAsGiven) {
  ScratchDir dir;
  WriteSource("src/gu.txt", "a | x | z1\n");
  WriteSource("src/gu/b.txt", "b | x | z3\n");
  WriteSource("src/gu/a.txt", "c | x | z2\n");
  WriteSource("src/gu/notes.md", "d | x | z4\n");
  WriteSource("src/gu/deeper/c.txt", "e | x | z5\n");
  ASSERT_EQ(Dexc({"build", "src/", "out"}), 0);
  EXPECT_THAT(DumpLines("out/gu.dex"), ElementsAre("a;x;z1;", "c;x;z2;", "b;x;z3;"));

  WriteSource("src/gu/a.txt", "c | x | Z\n");
  std::string err;
  EXPECT_EQ(Dexc({"build", "./src", "out"}, nullptr, &err), 1);
  EXPECT_EQ(err, "./src/gu/a.txt:1: the result key \"Z\" does not begin with \"z\"\n");
}

TEST(DexcBuild, ByteOrderMarkLineEndsCommentsAndQuotesAreReadAsText) {
  ScratchDir dir;
  // Byte order mark, CRLF line ends, comments and blank lines, "#" and "|" in quotes.
  WriteSource("src/main.txt",
              "\xEF\xBB\xBF# comment\r\n"
              "[k]\r\n"
              "   # indented comment\r\n"
              "\t\r\n"
              "\"#1\" | \"a|b\"\r\n"
              "p\t|\tt\t|\tn   \r\n");
  ASSERT_EQ(Build(), 0);
  EXPECT_THAT(DumpLines("out/main.dex"), ElementsAre("k\t#1\ta|b\t", "k\tp\tt\tn"));
}

TEST(DexcBuild, StrayFileNamesAreWarnedAbout) {
  ScratchDir dir;
  WriteSource("src/mian.txt", "[k]\np | t\n");
  WriteSource("src/CMakeLists.txt", "");
  std::string err;
  ASSERT_EQ(Build(&err), 0);
  EXPECT_EQ(err, "warning: src/mian.txt: no dictionary has this name, so the file is not read; "
                 "the names are main, ekmain, gu, ekgu, change, ekchange and tosi\n");
}
