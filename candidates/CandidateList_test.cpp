// The index tables, the candidate list builder and the list fill, on small dictionaries
// written record by record into a scratch directory; no dialog takes part.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <chrono>
#include <cstdio>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "candidates/CandidateList.h"
#include "dict/DexStamp.h"
#include "dict/MemoryDictionaries.h"
#include "engine/SentenceBuilder.h"
#include "dict/Records.h"
#include "tests/support/DexFixture.h"

namespace {

struct Line {
  std::string text;
  std::string key;
  bool operator==(const Line&) const = default;
};

std::ostream& operator<<(std::ostream& out, const Line& line) {
  return out << "{" << U(line.text) << " | " << U(line.key) << "}";
}

// Collects the lines that the candidate list hands out, as a list control would.
class CLineSink : public ICandidateSink {
 public:
  void ResetLines() override { m_lines.clear(); }
  void InsertLine(int nIndex, const std::string& strText) override {
    m_lines.insert(m_lines.begin() + nIndex, strText);
  }
  std::vector<std::string> m_lines;
};

// A candidate list and a sentence builder over the dictionaries of the scratch
// directory, loaded and built as when the program starts (Korean to English).
class CandidateListTest : public ::testing::Test {
 protected:
  void Open() {
    WriteEmptyDictionaries();
    m_list = std::make_unique<CCandidateList>();
    m_builder = std::make_unique<CSentenceBuilder>();
    m_list->LoadMainGroups();
    m_list->LoadGuFirstKeys();
    BuildFirst();
  }

  void BuildFirst() { m_list->Build(*m_builder, 0, 1, m_sink); }

  int LineCount() const { return static_cast<int>(m_sink.m_lines.size()); }

  std::vector<Line> Lines() const {
    std::vector<Line> lines;
    for (int i = 0; i < LineCount(); ++i) lines.push_back({m_sink.m_lines[i], m_list->m_strListKeys[i]});
    return lines;
  }

  // Sets the working records as a completion check would leave them and rebuilds.
  void BuildAfter(const std::vector<StepRecord>& work) {
    m_builder->m_nLast = static_cast<int>(work.size()) - 1;
    for (std::size_t i = 0; i < work.size(); ++i) m_builder->m_work[i] = work[i];
    m_list->Build(*m_builder, static_cast<int>(work.size()), 1, m_sink);
  }

  // Fills the list directly from lexicon runs {first, last} of main.dex.
  void FillRuns(const std::vector<std::pair<int, int>>& runs) {
    m_sink.ResetLines();
    m_list->m_nCandCodes = -1;
    m_list->m_nCandWork = static_cast<int>(runs.size());
    for (std::size_t j = 0; j < runs.size(); ++j) {
      CandRun& run = m_list->m_candWork[j + 1];
      run.nFirst = run.nCursor = runs[j].first;
      run.nLast = runs[j].second;
    }
    m_list->Fill(m_sink);
  }

  ScratchDir m_dir;
  CLineSink m_sink;
  std::unique_ptr<CCandidateList> m_list;
  std::unique_ptr<CSentenceBuilder> m_builder;
};

// A working step; a result key stands for the keys in `group` (never empty after a check).
StepRecord Step(const std::string& key, const std::string& phrase = "p", const std::string& group = "g,") {
  StepRecord step;
  step.strKey = key;
  step.strPhrase = phrase;
  step.strGroup = group;
  return step;
}

LexiconRecord Lex(const std::string& key, const std::string& phrase, const std::string& translation = "t",
                  const std::string& note = "n") {
  return {key, phrase, translation, note};
}

// ---- Lexicon group index ----------------------------------------------------------

TEST_F(CandidateListTest, LexiconGroupsFollowKeyRunsInFileOrder) {
  WriteLexicon("main.dex", {Lex("", "e"), Lex("a", "1"), Lex("a", "2"), Lex("b", "3"), Lex("a", "4"),
                            Lex("", "5"), Lex("", "6")});
  WriteLexicon("ekmain.dex", {Lex("x", "1"), Lex("x", "2"), Lex("x", "3")});
  Open();
  // A leading empty key belongs to no group; an empty key after another starts one;
  // a key that comes back later gets a second group.
  ASSERT_EQ(m_list->m_nMainKor, 3);
  const struct {
    const char* key;
    int first, last;
  } expected[] = {{"a", 1, 2}, {"b", 3, 3}, {"a", 4, 4}, {"", 5, 6}};
  for (int g = 0; g < 4; ++g) {
    EXPECT_EQ(m_list->m_mainKor[g].strKey, expected[g].key) << "group " << g;
    EXPECT_EQ(m_list->m_mainKor[g].nFirst, expected[g].first) << "group " << g;
    EXPECT_EQ(m_list->m_mainKor[g].nLast, expected[g].last) << "group " << g;
  }
  ASSERT_EQ(m_list->m_nMainEng, 0);
  EXPECT_EQ(m_list->m_mainEng[0].nFirst, 0);
  EXPECT_EQ(m_list->m_mainEng[0].nLast, 2);
}

TEST_F(CandidateListTest, LexiconGroupsIgnoreAPartialLastRecord) {
  WriteLexicon("main.dex", {Lex("a", "1"), Lex("b", "2")});
  Truncate("main.dex", 349);
  Open();
  ASSERT_EQ(m_list->m_nMainKor, 0);
  EXPECT_EQ(m_list->m_mainKor[0].nLast, 0);
  EXPECT_EQ(m_list->m_nMainEng, -1);
}

TEST_F(CandidateListTest, LexiconGroupsBeyondTheTableAreNotStored) {
  std::vector<LexiconRecord> records;
  for (int k = 0; k <= kMaxTableEntries; ++k) {
    records.push_back(Lex("k" + std::to_string(k), "p1"));
    records.push_back(Lex("k" + std::to_string(k), "p2"));
  }
  WriteLexicon("main.dex", records);
  Open();
  ASSERT_EQ(m_list->m_nMainKor, kMaxTableEntries - 1);
  const MainGroup& last = m_list->m_mainKor[kMaxTableEntries - 1];
  EXPECT_EQ(last.strKey, "k199");
  EXPECT_EQ(last.nFirst, 398);
  EXPECT_EQ(last.nLast, 399);  // ends where the dropped group begins
}

// ---- First keys of the phrase rules -----------------------------------------------

TEST_F(CandidateListTest, FirstKeysGatherPerResultKeyInFileOrder) {
  WriteRules("gu.dex", {"b,c;@0@;zA;", "d;@0@;zB;", "b,e;@0@;zA;", "f,b;@0@;zA;", "g,h;@0@;",
                        "d,x;@0@ y;zB;"});
  WriteRules("ekgu.dex", {"e1;@0@;zE;"});
  Open();
  ASSERT_EQ(m_list->m_nGuKor, 2);
  const struct {
    const char* result;
    const char* firstKeys;
  } expected[] = {{"zA", ",b,f,"}, {"zB", ",d,"}, {"", ",g,"}};
  for (int e = 0; e < 3; ++e) {
    EXPECT_EQ(m_list->m_guKor[e].strResultKey, expected[e].result) << "entry " << e;
    EXPECT_EQ(m_list->m_guKor[e].strFirstKeys, expected[e].firstKeys) << "entry " << e;
  }
  ASSERT_EQ(m_list->m_nGuEng, 0);
  EXPECT_EQ(m_list->m_guEng[0].strFirstKeys, ",e1,");
}

TEST_F(CandidateListTest, ResultKeysBeyondTheTableAreNotStoredButStoredOnesStillGrow) {
  std::vector<std::string> rules;
  for (int k = 0; k <= kMaxTableEntries; ++k) rules.push_back("a" + std::to_string(k) + ";@0@;z" + std::to_string(k) + ";");
  rules.push_back("late;@0@;z0;");
  WriteRules("gu.dex", rules);
  Open();
  ASSERT_EQ(m_list->m_nGuKor, kMaxTableEntries - 1);
  EXPECT_EQ(m_list->m_guKor[kMaxTableEntries - 1].strResultKey, "z199");
  EXPECT_EQ(m_list->m_guKor[0].strFirstKeys, ",a0,late,");
}

// ---- List fill ----------------------------------------------------------------------

TEST_F(CandidateListTest, OneRunGivesItsRecordsInFileOrder) {
  WriteLexicon("main.dex", {Lex("x", "zero"), Lex("k", "b", "tb", "nb"), Lex("k", "a", "ta", ""),
                            Lex("k", "c", "tc", "nc")});
  Open();
  FillRuns({{1, 3}});
  // The fill trusts the file's order within a run; an empty note ends in ";;".
  EXPECT_EQ(Lines(), (std::vector<Line>{{"b;tb;nb;", "k"}, {"a;ta;;", "k"}, {"c;tc;nc;", "k"}}));
}

TEST_F(CandidateListTest, RunsMergeInPhraseOrder) {
  const struct {
    const char* name;
    std::vector<LexiconRecord> records;
    std::vector<std::pair<int, int>> runs;
    std::vector<std::string> expected;  // "phrase/key"
  } cases[] = {
      {"interleaving runs",
       {Lex("a", "b"), Lex("a", "d"), Lex("a", "f"), Lex("c", "a"), Lex("c", "c"), Lex("c", "e")},
       {{0, 2}, {3, 5}},
       {"a/c", "b/a", "c/c", "d/a", "e/c", "f/a"}},
      {"an inserted run goes before an equal phrase",
       {Lex("a", "x"), Lex("a", "y"), Lex("c", "x")},
       {{0, 1}, {2, 2}},
       {"x/c", "x/a", "y/a"}},
      {"the head keeps its place on an equal phrase",
       {Lex("a", "a"), Lex("a", "x"), Lex("c", "x")},
       {{0, 1}, {2, 2}},
       {"a/a", "x/a", "x/c"}},
      {"double-byte phrases compare as units",
       {Lex("a", K("가")), Lex("a", K("하")), Lex("c", "z"), Lex("c", K("나"))},
       {{0, 1}, {2, 3}},
       {"z/c", U(K("가")) + "/a", U(K("나")) + "/c", U(K("하")) + "/a"}},
      {"three runs",
       {Lex("a", "m"), Lex("b", "a"), Lex("b", "n"), Lex("c", "b"), Lex("c", "z")},
       {{0, 0}, {1, 2}, {3, 4}},
       {"a/b", "b/c", "m/a", "n/b", "z/c"}},
  };
  for (const auto& c : cases) {
    WriteLexicon("main.dex", c.records);
    Open();
    FillRuns(c.runs);
    std::vector<std::string> got;
    for (const Line& line : Lines()) got.push_back(U(line.text.substr(0, line.text.find(';'))) + "/" + line.key);
    EXPECT_EQ(got, c.expected) << c.name;
  }
}

TEST_F(CandidateListTest, FreeSlotLinesMergeWithRunsAndKeepTheirMarkers) {
  WriteLexicon("main.dex", {Lex("k", "a"), Lex("k", "z")});
  Open();
  m_sink.ResetLines();
  m_list->m_candCodes[0] = {"-b", "zz"};
  m_list->m_candCodes[1] = {"-a", "mz"};
  m_list->m_nCandCodes = 1;
  m_list->m_nCandWork = 1;
  m_list->m_candWork[1].nFirst = m_list->m_candWork[1].nCursor = 0;
  m_list->m_candWork[1].nLast = 1;
  m_list->Fill(m_sink);
  // Free-slot lines come in stored order, each placed against the lexicon run.
  EXPECT_EQ(Lines(), (std::vector<Line>{{"-b", "zz"}, {"-a", "mz"}, {"a;t;n;", "k"}, {"z;t;n;", "k"}}));
}

TEST_F(CandidateListTest, OnlyFreeSlotsStillOpenTheLexicon) {
  WriteLexicon("main.dex", {Lex("k", "a")});
  Open();
  m_sink.ResetLines();
  m_list->m_candCodes[0] = {"-x", "zz"};
  m_list->m_nCandCodes = 0;
  m_list->m_nCandWork = 0;
  m_list->Fill(m_sink);
  EXPECT_EQ(Lines(), (std::vector<Line>{{"-x", "zz"}}));
  RemoveFile("main.dex");
  EXPECT_EXIT(m_list->Fill(m_sink), ::testing::ExitedWithCode(1), "");
}

TEST_F(CandidateListTest, ALexiconShortenedSinceTheStartListsOnlyTheRecordsItHolds) {
  WriteLexicon("main.dex", {Lex("a", "b"), Lex("a", "d"), Lex("a", "f"), Lex("c", "a"), Lex("c", "c")});
  Open();
  Truncate("main.dex", 2 * 175 + 100);
  FillRuns({{0, 2}, {3, 4}});
  EXPECT_EQ(Lines(), (std::vector<Line>{{"b;t;n;", "a"}, {"d;t;n;", "a"}}));
  Truncate("main.dex", 0);
  FillRuns({{0, 2}, {3, 4}});
  EXPECT_EQ(Lines(), std::vector<Line>{});
}

TEST_F(CandidateListTest, FillStopsAtTheKeyTableSize) {
  std::vector<LexiconRecord> records(kMaxListLines + 1, Lex("k", "p"));
  WriteLexicon("main.dex", records);
  Open();
  FillRuns({{0, kMaxListLines}});
  EXPECT_EQ(LineCount(), kMaxListLines);
}

// ---- List construction --------------------------------------------------------------

TEST_F(CandidateListTest, StartListOffersFreeSlotsOnceAndTheFirstKeysOfResultKeys) {
  WriteLexicon("main.dex", {Lex("n", "b"), Lex("v", "a"), Lex("lex", "never")});
  WriteRules("gu.dex", {"n,v;@0@;zR;", "v;@0@;zR;"});
  WritePatterns("change.dex", {{",-slot,a,", ""}, {",-slot,b,", ""}, {",lex,zR,", ""}, {",zR,", ""},
                               {",zR,lex,", ""}, {",zUnknown,", ""}});
  Open();
  // "lex" is a lexicon key in first position: it offers nothing. "zUnknown" has no rule.
  EXPECT_EQ(Lines(), (std::vector<Line>{{"-slot", "zz"}, {"a;t;n;", "v"}, {"b;t;n;", "n"}}));
}

TEST_F(CandidateListTest, NothingOfferedLeavesTheListEmptyWithoutReadingTheLexicon) {
  WritePatterns("change.dex", {{",lex,", ""}});
  Open();
  EXPECT_EQ(LineCount(), 0);
  RemoveFile("main.dex");
  BuildFirst();  // would end the program if it opened the lexicon
  EXPECT_EQ(LineCount(), 0);
}

TEST_F(CandidateListTest, PatternContinuationOffersEachNextItemOnce) {
  WriteLexicon("main.dex", {Lex("b1", "b"), Lex("c1", "c"), Lex("m1", "m")});
  WriteRules("gu.dex", {"b1;@0@;zB;", "c1;@0@;zC;", "m1;@0@;zM;"});
  WritePatterns("change.dex", {{",zA,", ""},
                               {",zA,-free,", ""},
                               {",zA,zB,", ""},
                               {",zA,zB,x,", ""},
                               {",zA,zB,y,", ""},
                               {",zA,zC,", ""},
                               {",zM,", ""},
                               {",zX,mz,zM,zB,", ""},
                               {",zZ,zB,", ""}});
  Open();
  const struct {
    const char* name;
    std::vector<StepRecord> work;
    std::vector<Line> expected;
  } cases[] = {
      {"next items of the run, repeated ones once",
       {Step("zA")},
       {{"-free", "zz"}, {"b;t;n;", "b1"}, {"c;t;n;", "c1"}}},
      {"a pattern equal to the chain offers nothing; lexicon items offer nothing",
       {Step("zA"), Step("zB")},
       {}},
      {"no pattern begins with the chain", {Step("zQ")}, {}},
      {"a free-slot step stands as - and its phrase", {Step("zz", "x")}, {}},
      {"an mz step stands as mz", {Step("zX"), Step("mz", "typed"), Step("zM")}, {{"b;t;n;", "b1"}}},
  };
  for (const auto& c : cases) {
    BuildAfter(c.work);
    EXPECT_EQ(Lines(), c.expected) << c.name;
  }
}

TEST_F(CandidateListTest, FreeSlotsAndRunsBeyondTheirTablesAreDropped) {
  std::vector<PatternRecord> patterns;
  char name[8];
  for (int k = 0; k <= kMaxTableEntries; ++k) {
    std::snprintf(name, sizeof name, "%03d", k);
    patterns.push_back({std::string(",-s") + name + ",", ""});
  }
  WritePatterns("change.dex", patterns);
  Open();
  std::vector<Line> lines = Lines();
  ASSERT_EQ(lines.size(), static_cast<std::size_t>(kMaxTableEntries));
  EXPECT_EQ(lines.back().text, "-s199");

  std::vector<LexiconRecord> records;
  std::vector<std::string> rules;
  for (int k = 0; k <= kMaxLexiconRuns; ++k) {
    std::snprintf(name, sizeof name, "%03d", k);
    records.push_back(Lex(std::string("k") + name, std::string("p") + name));
    rules.push_back(std::string("k") + name + ";@0@;zR;");
  }
  WriteLexicon("main.dex", records);
  WriteRules("gu.dex", rules);
  WritePatterns("change.dex", {{",zR,", ""}});
  Open();
  lines = Lines();
  ASSERT_EQ(m_list->m_nCandWork, kMaxLexiconRuns);
  ASSERT_EQ(lines.size(), static_cast<std::size_t>(kMaxLexiconRuns));
  EXPECT_EQ(lines.back().key, "k099");
}

TEST_F(CandidateListTest, PhraseAndGroupContinuationAskTheRulesWithTheirChains) {
  // Rules beginning with the phrase's keys offer their next key when a pattern can take
  // the rule's result after the head.
  WriteLexicon("main.dex", {Lex("a", "pa"), Lex("b", "pb"), Lex("c", "pc"), Lex("d", "pd")});
  WriteRules("gu.dex", {"a,b;@0@;zAB;", "a,-w,c;@0@;zAC;", "x,y,d;@0@;zXD;", "a,b,c;@0@;zNo;"});
  WritePatterns("change.dex", {{",zH,zAB,", ""}, {",zH,zAC,", ""}, {",zXD,", ""}});
  Open();
  const struct {
    const char* name;
    std::vector<StepRecord> work;
    std::vector<Line> expected;
  } cases[] = {
      {"phrase continuation after a result key", {Step("zH"), Step("a")}, {{"-w", "mz"}, {"pb;t;n;", "b"}}},
      {"a typed word in the tail", {Step("zH"), Step("a"), Step("mz", "w")}, {{"pc;t;n;", "c"}}},
      {"a typed word that is not the slot's", {Step("zH"), Step("a"), Step("mz", "v")}, {}},
      {"group continuation from the keys a result stands for",
       {Step("zXY", "p", "x,y,")},
       {{"pd;t;n;", "d"}}},
  };
  for (const auto& c : cases) {
    BuildAfter(c.work);
    EXPECT_EQ(Lines(), c.expected) << c.name;
  }
}

// ---- The first items of the patterns, kept between builds ----------------------------

// change.dex changes between two first lists, in one of the ways an editor or a copy
// changes a file; the second list shows the change whether the first items were kept
// (the file had settled) or read again (the change came within the same moment).
struct PatternEdit {
  const char* name;
  void (*edit)();
};
void PrintTo(const PatternEdit& e, std::ostream* out) { *out << e.name; }

void SetModifiedTime(const char* file, const struct stat& before) {
  struct timespec times[2] = {{0, UTIME_OMIT}, before.st_mtim};
  ::utimensat(AT_FDCWD, file, times, 0);
}

const PatternEdit kPatternEdits[] = {
    {"RewrittenInPlaceSameSize", [] { WritePatterns("change.dex", {{",zB,", ""}}); }},
    {"RewrittenWithTheOldModificationTime",
     [] {
       struct stat before {};
       ::stat("change.dex", &before);
       WritePatterns("change.dex", {{",zB,", ""}});
       SetModifiedTime("change.dex", before);
     }},
    {"RenamedOver",
     [] {
       WritePatterns("change.new", {{",zB,", ""}});
       std::rename("change.new", "change.dex");
     }},
    {"Grown", [] { WritePatterns("change.dex", {{",zB,", ""}, {",zB,x,", ""}}); }},
};

class PatternStartsTest : public CandidateListTest, public ::testing::WithParamInterface<PatternEdit> {
 protected:
  void SetUp() override {
    WriteLexicon("main.dex", {Lex("a", "a"), Lex("b", "b")});
    WriteRules("gu.dex", {"a;@0@;zA;", "b;@0@;zB;"});
    WritePatterns("change.dex", {{",zA,", ""}});
  }
  void TearDown() override { SetSettleMarginForTests(0); }

  // Lets the files settle, as a dictionary installed a while ago has.
  static void Settle() {
    SetSettleMarginForTests(20'000'000);  // 20 ms
    std::this_thread::sleep_for(std::chrono::milliseconds(40));
  }
  const CPatternStarts& KoreanStarts() const { return m_list->m_patternStarts[1]; }
};

TEST_P(PatternStartsTest, AnEditBetweenTwoFirstListsIsSeen) {
  for (bool settled : {false, true}) {
    SetUp();
    if (settled) Settle();
    Open();
    ASSERT_EQ(Lines(), (std::vector<Line>{{"a;t;n;", "a"}})) << (settled ? "settled" : "fresh");
    GetParam().edit();
    BuildFirst();
    EXPECT_EQ(Lines(), (std::vector<Line>{{"b;t;n;", "b"}})) << (settled ? "settled" : "fresh");
    EXPECT_EQ(KoreanStarts().PassCount(), 2) << (settled ? "settled" : "fresh");
  }
}

INSTANTIATE_TEST_SUITE_P(Edits, PatternStartsTest, ::testing::ValuesIn(kPatternEdits),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(PatternStartsTest, ASettledFileIsReadOnceAFreshOneOnEveryBuild) {
  Open();
  BuildFirst();
  EXPECT_EQ(KoreanStarts().PassCount(), 2) << "fresh: a change could still hide in its times";
  Settle();
  BuildFirst();
  BuildFirst();
  BuildFirst();
  EXPECT_EQ(KoreanStarts().PassCount(), 3) << "settled: read once more, then kept";
  EXPECT_EQ(Lines(), (std::vector<Line>{{"a;t;n;", "a"}}));
  // Each direction keeps its own.
  m_list->Build(*m_builder, 0, 0, m_sink);
  EXPECT_EQ(m_list->m_patternStarts[0].PassCount(), 1);
  EXPECT_EQ(KoreanStarts().PassCount(), 3);
}

TEST_F(PatternStartsTest, TheOtherDirectionIsReadAheadOnlyFromASettledFile) {
  Open();
  const CPatternStarts& english = m_list->m_patternStarts[0];
  m_list->PrepareFirstList(0);
  EXPECT_EQ(english.PassCount(), 0) << "fresh: what it read would not be trusted";
  Settle();
  RemoveFile("ekchange.dex");
  m_list->PrepareFirstList(0);  // must not end the program
  EXPECT_EQ(english.PassCount(), 0) << "missing";
  WritePatterns("ekchange.dex", {{",zA,", ""}});
  Settle();
  m_list->PrepareFirstList(0);
  EXPECT_EQ(english.PassCount(), 1) << "settled";
  m_list->Build(*m_builder, 0, 0, m_sink);
  EXPECT_EQ(english.PassCount(), 1) << "the first English list takes what was read ahead";
}

TEST_F(PatternStartsTest, AFileRemovedAfterBeingKeptStillEndsTheProgram) {
  Settle();
  Open();
  RemoveFile("change.dex");
  EXPECT_EXIT(BuildFirst(), ::testing::ExitedWithCode(1), "");
}

TEST_F(PatternStartsTest, AnInMemoryDictionaryPutAgainIsSeen) {
  UseMemoryDictionaries(true);
  for (const char* name : {"ekmain.dex", "ekgu.dex", "ekchange.dex", "tosi.dex"}) PutMemoryDictionary(name, "");
  PutMemoryDictionary("main.dex", ReadBytes("main.dex"));
  PutMemoryDictionary("gu.dex", ReadBytes("gu.dex"));
  PutMemoryDictionary("change.dex", ReadBytes("change.dex"));
  RemoveFile("change.dex");  // nothing is read from the disk
  m_list = std::make_unique<CCandidateList>();
  m_builder = std::make_unique<CSentenceBuilder>();
  m_list->LoadMainGroups();
  m_list->LoadGuFirstKeys();
  BuildFirst();
  BuildFirst();
  EXPECT_EQ(KoreanStarts().PassCount(), 1) << "an unchanged version is kept";
  EXPECT_EQ(Lines(), (std::vector<Line>{{"a;t;n;", "a"}}));
  WritePatterns("change.dex", {{",zB,", ""}});
  PutMemoryDictionary("change.dex", ReadBytes("change.dex"));
  BuildFirst();
  EXPECT_EQ(Lines(), (std::vector<Line>{{"b;t;n;", "b"}}));
  UseMemoryDictionaries(false);
}

}  // namespace
