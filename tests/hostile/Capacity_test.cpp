// Dictionaries at and beyond every fixed capacity: key groups and result keys beyond
// their tables, lists with more runs, lines or free slots than fit, a particle file of
// 100,000 records, key lists at the longest a record can hold and beyond, template
// references outside the records, "@" inside substituted text, and a phrase rule that
// recreates its own pattern. Whatever does not fit is left out; nothing is written
// outside a table and nothing hangs.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "engine/SentenceBuilder.h"
#include "particles/ParticleCorrector.h"
#include "tests/hostile/HostileSupport.h"

namespace {

using hostile::Dialog;

// "k007" and the like: names that sort in number order.
std::string Numbered(const char* prefix, int n, int digits = 3) {
  char buffer[32];
  std::snprintf(buffer, sizeof buffer, "%s%0*d", prefix, digits, n);
  return buffer;
}

class CapacityTest : public ::testing::Test {
 protected:
  ScratchDir m_dir;
};

// ---- Index tables -----------------------------------------------------------------

TEST_F(CapacityTest, TheTwoHundredAndFirstKeyGroupIsNotStored) {
  std::vector<LexiconRecord> kor;
  for (int g = 0; g <= kMaxTableEntries; ++g) {
    kor.push_back({Numbered("k", g), "a", "t", ""});
    kor.push_back({Numbered("k", g), "b", "t", ""});
  }
  WriteLexicon("main.dex", kor);
  std::vector<LexiconRecord> eng;  // exactly 200 groups: all of them fit
  for (int g = 0; g < kMaxTableEntries; ++g) eng.push_back({Numbered("e", g), "x", "", ""});
  WriteLexicon("ekmain.dex", eng);
  // The list offers the keys of the 200th and the 201st group.
  WriteRules("gu.dex", {"k199;@0@;zA;", "k200;@0@;zA;"});
  WritePatterns("change.dex", {{",zA,", "@0@"}});
  WriteEmptyDictionaries();

  Dialog dialog;
  const CInterpreterDlg& d = dialog.Dlg();
  ASSERT_EQ(d.m_candidates.m_nMainKor, kMaxTableEntries - 1);
  EXPECT_EQ(d.m_candidates.m_mainKor[199].strKey, "k199");
  EXPECT_EQ(d.m_candidates.m_mainKor[199].nFirst, 398);
  EXPECT_EQ(d.m_candidates.m_mainKor[199].nLast, 399);  // not the end of the file
  ASSERT_EQ(d.m_candidates.m_nMainEng, kMaxTableEntries - 1);
  EXPECT_EQ(d.m_candidates.m_mainEng[199].nFirst, 199);
  EXPECT_EQ(d.m_candidates.m_mainEng[199].nLast, 199);
  // The 201st group has no lines: its key is dropped like a key without a group.
  EXPECT_EQ(dialog.KeyedLines(), (std::vector<std::string>{"a;t;; | k199", "b;t;; | k199"}));
  hostile::Workout(dialog, 11, 20);
}

TEST_F(CapacityTest, TheTwoHundredAndFirstResultKeyIsNotStored) {
  std::vector<std::string> rules;
  for (int i = 0; i <= kMaxTableEntries; ++i) rules.push_back(Numbered("k", i) + ";@0@;" + Numbered("z", i) + ";");
  // A rule for a stored result key, after the table has filled, still adds its first key.
  rules.push_back("x;@0@;z000;");
  WriteRules("gu.dex", rules);
  WritePatterns("change.dex", {{",z000,", "0"}, {",z199,", "199"}, {",z200,", "200"}});
  WriteLexicon("main.dex", {{"k000", "k000", "", ""}, {"k199", "k199", "", ""}, {"k200", "k200", "", ""},
                            {"x", "x", "", ""}});
  WriteEmptyDictionaries();

  Dialog dialog;
  const CInterpreterDlg& d = dialog.Dlg();
  ASSERT_EQ(d.m_candidates.m_nGuKor, kMaxTableEntries - 1);
  EXPECT_EQ(d.m_candidates.m_guKor[0].strFirstKeys, ",k000,x,");
  EXPECT_EQ(d.m_candidates.m_guKor[199].strResultKey, "z199");
  EXPECT_EQ(dialog.Lines(), (std::vector<std::string>{"k000;;;", "k199;;;", "x;;;"}));
  // Composing k200 by hand is not possible; k199 completes.
  ASSERT_TRUE(dialog.Pick("k199"));
  EXPECT_EQ(dialog.Translation(), "199");
}

// ---- One candidate list -----------------------------------------------------------

TEST_F(CapacityTest, AListKeepsTheFirstHundredLexiconRuns) {
  // 101 keys offered through one result key, in the order k000 .. k100; k100's phrase
  // would sort into the middle of the list. A free slot takes part as well.
  std::vector<std::string> rules;
  std::vector<LexiconRecord> lexicon;
  for (int i = 0; i <= kMaxLexiconRuns; ++i) {
    rules.push_back(Numbered("k", i) + ";@0@;zA;");
    lexicon.push_back({Numbered("k", i), i == kMaxLexiconRuns ? "p050x" : Numbered("p", i), "", ""});
  }
  WriteRules("gu.dex", rules);
  WriteLexicon("main.dex", lexicon);
  WritePatterns("change.dex", {{",-free,", "f"}, {",zA,", "a"}});
  WriteEmptyDictionaries();

  Dialog dialog;
  EXPECT_EQ(dialog.Dlg().m_candidates.m_nCandWork, kMaxLexiconRuns);
  std::vector<std::string> expected = {"-free | zz"};
  for (int i = 0; i < kMaxLexiconRuns; ++i) expected.push_back(Numbered("p", i) + ";;; | " + Numbered("k", i));
  EXPECT_EQ(dialog.KeyedLines(), expected);
  ASSERT_TRUE(dialog.Pick("p099"));
  EXPECT_EQ(dialog.Translation(), "A");
  EXPECT_EQ(dialog.Dlg().m_builder.m_steps[0].strKey, "k099");
}

TEST_F(CapacityTest, AListKeepsTheFirst8000LinesOfOneRun) {
  std::vector<LexiconRecord> lexicon;
  for (int i = 0; i <= kMaxListLines; ++i) lexicon.push_back({"n", Numbered("p", i, 4), "t", ""});
  WriteLexicon("main.dex", lexicon);
  WriteRules("gu.dex", {"n;@0@;zN;"});
  WritePatterns("change.dex", {{",zN,", "@0@!"}});
  WriteEmptyDictionaries();

  Dialog dialog;
  ASSERT_EQ(dialog.LineCount(), kMaxListLines);
  EXPECT_EQ(dialog.LineText(0), "p0000;t;;");
  EXPECT_EQ(dialog.LineText(kMaxListLines - 1), "p7999;t;;");
  EXPECT_EQ(dialog.Dlg().m_candidates.m_strListKeys[kMaxListLines - 1], "n");

  // Enter finds lines at both ends; a text after every line selects the last one.
  dialog.Type(IDC_SEARCH, "p7999;t;;");
  dialog.Enter(IDC_SEARCH);
  EXPECT_EQ(dialog.Selected(), kMaxListLines - 1);
  dialog.Type(IDC_SEARCH, "q");
  dialog.Enter(IDC_SEARCH);
  EXPECT_EQ(dialog.Selected(), kMaxListLines - 1);
  dialog.Type(IDC_SEARCH, "");
  dialog.Enter(IDC_SEARCH);
  EXPECT_EQ(dialog.Selected(), 0);

  ASSERT_TRUE(dialog.Select(kMaxListLines - 1));
  dialog.Confirm();
  EXPECT_EQ(dialog.Sentence(), "P7999");
  EXPECT_EQ(dialog.Translation(), "T!");
  EXPECT_TRUE(dialog.Messages().empty());
}

TEST_F(CapacityTest, AListKeepsTheFirst8000LinesOfInterleavedRuns) {
  // Two runs of 4001 lines that interleave: the first 8000 in phrase order are kept.
  std::vector<LexiconRecord> lexicon;
  for (int i = 0; i < 8002; i += 2) lexicon.push_back({"a", Numbered("p", i, 4), "", ""});
  for (int i = 1; i < 8002; i += 2) lexicon.push_back({"b", Numbered("p", i, 4), "", ""});
  WriteLexicon("main.dex", lexicon);
  WriteRules("gu.dex", {"a;@0@;zN;", "b;@0@;zN;"});
  WritePatterns("change.dex", {{",zN,", "@0@"}});
  WriteEmptyDictionaries();

  Dialog dialog;
  ASSERT_EQ(dialog.LineCount(), kMaxListLines);
  for (int i = 0; i < kMaxListLines; i += 997) {
    EXPECT_EQ(dialog.LineText(i), Numbered("p", i, 4) + ";;;") << "line " << i;
    EXPECT_EQ(dialog.Dlg().m_candidates.m_strListKeys[i], i % 2 ? "b" : "a") << "line " << i;
  }
  EXPECT_EQ(dialog.LineText(kMaxListLines - 1), "p7999;;;");
  hostile::Workout(dialog, 12, 12);
}

TEST_F(CapacityTest, AListKeepsTheFirstTwoHundredFreeSlots) {
  // 201 free slots from the sentence patterns, then one more from a phrase rule: only
  // the first 200 found have room.
  std::vector<PatternRecord> patterns;
  for (int i = 0; i <= kMaxTableEntries; ++i) patterns.push_back({"," + Numbered("-s", i) + ",", "s"});
  patterns.push_back({",zA,", "a"});
  WritePatterns("change.dex", patterns);
  WriteRules("gu.dex", {"-m;@0@;zA;"});
  WriteEmptyDictionaries();

  Dialog dialog;
  EXPECT_EQ(dialog.Dlg().m_candidates.m_nCandCodes, kMaxTableEntries - 1);
  std::vector<std::string> expected;
  for (int i = 0; i < kMaxTableEntries; ++i) expected.push_back(Numbered("-s", i) + " | zz");
  EXPECT_EQ(dialog.KeyedLines(), expected);
  ASSERT_TRUE(dialog.Pick("-s199"));
  EXPECT_EQ(dialog.Translation(), "S");
}

// ---- Particles --------------------------------------------------------------------

constexpr int kManyParticles = 100000;

TEST_F(CapacityTest, AParticleFileOfAHundredThousandDistinctPatterns) {
  std::string bytes;
  bytes.reserve(kManyParticles * kParticleRecordSize);
  for (int i = 0; i < kManyParticles; ++i) {
    ParticleBytes record = EncodeParticle({Numbered("p", i, 5), Numbered("R", i, 5)});
    bytes.append(reinterpret_cast<const char*>(record.data()), record.size());
  }
  WriteBytes("tosi.dex", bytes);
  CParticleCorrector corrector;
  std::string text = "x p04217 y p99999 p00000 p1";
  corrector.Correct(text);
  EXPECT_EQ(text, "x R04217 y R99999 R00000 p1");
}

TEST_F(CapacityTest, AHundredThousandRecordsOfOnePatternFillTheMatchTable) {
  // Every record matches every "a": a pass keeps the first 99 matches and the last
  // one found. The first three entries rewrite the three "a" one after the other.
  std::string bytes;
  bytes.reserve(kManyParticles * kParticleRecordSize);
  for (int i = 0; i < kManyParticles; ++i) {
    ParticleBytes record = EncodeParticle({"a", Numbered("r", i, 5)});
    bytes.append(reinterpret_cast<const char*>(record.data()), record.size());
  }
  WriteBytes("tosi.dex", bytes);
  CParticleCorrector corrector;
  std::string text = "a a a";
  corrector.Correct(text);
  EXPECT_EQ(text, "r00000 r00001 r00002");
  EXPECT_EQ(corrector.m_matches[99].strReplacement, "r99999");
  EXPECT_EQ(corrector.m_matches[99].nStart, 5);
}

TEST_F(CapacityTest, MoreThanAHundredMatchesInOnePassAreFinishedByTheNextPass) {
  WriteParticles("tosi.dex", {{"a", "b"}});
  CParticleCorrector corrector;
  std::string text(150, 'a');
  corrector.Correct(text);
  EXPECT_EQ(text, std::string(150, 'b'));
}

TEST_F(CapacityTest, AReplacementThatHoldsItsPatternGrowsAtMostAHundredTimesAPass) {
  // "a" becomes 136 "a": every pass finds every "a" again, but only the 100 entries of
  // the match table are applied, and the fifth pass is the last.
  WriteParticles("tosi.dex", {{"a", std::string(kPartReplacementWidth - 1, 'a')}});
  CParticleCorrector corrector;
  std::string text = "a";
  corrector.Correct(text);
  const std::size_t grown = kPartReplacementWidth - 2;  // bytes added by one replacement
  std::size_t expected = kPartReplacementWidth - 1;     // after the first pass
  for (int pass = 2; pass <= kMaxCorrectionPasses; ++pass) expected += kMaxParticleMatches * grown;
  EXPECT_EQ(text.size(), expected);
  EXPECT_EQ(text.find_first_not_of('a'), std::string::npos);
}

// ---- Key lists at the longest a record holds, and beyond --------------------------

class BuilderTest : public CapacityTest {
 protected:
  // Sets the committed steps {key, translation} as the dialog would and runs the check.
  bool Check(const std::vector<std::pair<std::string, std::string>>& steps) {
    const int n = static_cast<int>(steps.size());
    for (int i = 0; i < n; ++i) {
      StepRecord& step = m_builder.m_steps[i];
      step.strKey = steps[i].first;
      step.strPhrase = "p" + std::to_string(i);
      step.strTranslation = steps[i].second;
      step.nPrev = i - 1;
      step.nNext = i + 1 < n ? i + 1 : kChainEnd;
    }
    m_builder.m_nLast = n - 1;
    m_builder.m_bKoreanSource = 1;
    return m_builder.CheckSentence();
  }

  CSentenceBuilder m_builder;
};

TEST_F(BuilderTest, AKeyListOf149BytesMatchesAndOneByteMoreNeverDoes) {
  const std::string k36(36, 'a');
  const std::string k37(37, 'a');
  const std::string fits = "," + k36 + "," + k36 + "," + k36 + "," + k36 + ",";  // 149 bytes
  const std::string over = "," + k36 + "," + k36 + "," + k36 + "," + k37 + ",";  // 150 bytes
  ASSERT_EQ(fits.size(), kPatKeyListWidth - 1);
  ASSERT_EQ(over.size(), kPatKeyListWidth);
  WriteBytes("change.dex", hostile::Joined({hostile::RawPattern(fits, "fits"), hostile::RawPattern(over, "over")}));
  WriteEmptyDictionaries();

  EXPECT_TRUE(Check({{k36, ""}, {k36, ""}, {k36, ""}, {k36, ""}}));
  EXPECT_EQ(m_builder.m_strTranslation, "fits");
  EXPECT_FALSE(Check({{k36, ""}, {k36, ""}, {k36, ""}, {k37, ""}}));
  EXPECT_FALSE(Check({{std::string(100000, 'a'), ""}}));
  EXPECT_EQ(m_builder.m_strTranslation, "fits");  // a false check leaves the pair alone
}

TEST_F(CapacityTest, ATypedWordThatMakesTheLongestKeyListCompletes) {
  const std::string word(146, 'q');
  WritePatterns("change.dex", {{",-" + word + ",", "done"}});
  WriteEmptyDictionaries();
  Dialog dialog;
  ASSERT_EQ(dialog.Lines(), std::vector<std::string>{"-" + word});
  dialog.Select(0);
  dialog.Confirm();
  EXPECT_TRUE(dialog.AddEnabled());
  EXPECT_EQ(dialog.Sentence(), "Q" + word.substr(1));
  EXPECT_EQ(dialog.Translation(), "Done");
}

TEST_F(BuilderTest, PhraseExpansionReadsAKeyListWithoutTerminatorToItsWidth) {
  // The rule a,b produces a result key of 148 bytes; the only sentence pattern is that
  // key alone, stored as 150 bytes without a terminator. Read to its width, the key
  // list begins with the result key, as the start scan and the pattern continuation
  // read it too: "b" is offered. An empty tail matches no rule.
  const std::string resultKey(kPatKeyListWidth - 2, 'z');
  WriteRules("gu.dex", {"a,b;@0@ @1@;" + resultKey + ";"});
  WriteBytes("change.dex", hostile::RawPattern("," + resultKey + ",", "t"));
  WriteEmptyDictionaries();
  EXPECT_EQ(m_builder.GetContinuationKeys("a,", ""), ",b,");
  EXPECT_EQ(m_builder.GetContinuationKeys("a,", "h,"), ",");
  EXPECT_EQ(m_builder.GetContinuationKeys("", ""), ",");
}

// ---- Templates --------------------------------------------------------------------

TEST_F(BuilderTest, SentenceReferencesOutsideTheRecordsAreEmpty) {
  // References below 0, at 50 and beyond, and numbers too large for any integer give
  // the empty text; references to records past the chain read those records as they
  // stand (empty in a fresh builder). A lone "@" stands for record 0.
  WritePatterns("change.dex", {{",a,b,",
                                "[@-1@][@50@][@49@][@2@][@99999999999999999999@][@-99999999999999999999@]"
                                "[@ 1@][@+1@][@x@][@0@][@1@]end@"}});
  WriteEmptyDictionaries();
  ASSERT_TRUE(Check({{"a", "t0"}, {"b", "t1"}}));
  EXPECT_EQ(m_builder.m_strTranslation, "[][][][][][][t1][t1][t0][t0][t1]endt0");
}

TEST_F(BuilderTest, RuleReferencesCountFromTheRunAndStayWithinTheRecords) {
  // The run b,c starts at record 1: @-1@ is record 0, @-2@ lies before the records,
  // @49@ after them.
  WriteRules("gu.dex", {"b,c;{@-2@|@-1@|@0@|@1@|@2@|@48@|@49@};zX;"});
  WritePatterns("change.dex", {{",a,zX,", "@1@"}});
  WriteEmptyDictionaries();
  ASSERT_TRUE(Check({{"a", "t0"}, {"b", "t1"}, {"c", "t2"}}));
  EXPECT_EQ(m_builder.m_strTranslation, "{|t0|t1|t2|||}");
}

TEST_F(BuilderTest, AnAtSignInASubstitutedTextIsNotExpandedAgain) {
  // Expanded again and again from the start, "x@" in front of "@0@" would never end.
  WriteRules("gu.dex", {"c;<@0@>;zC;"});
  WritePatterns("change.dex", {{",a,b,zC,", "@0@@0@|@1@|@2@"}});
  WriteEmptyDictionaries();
  ASSERT_TRUE(Check({{"a", "x@"}, {"b", "@0@"}, {"c", "@1@@"}}));
  EXPECT_EQ(m_builder.m_strTranslation, "x@x@|@0@|<@1@@>");
}

TEST_F(CapacityTest, AnAtSignInALexiconTranslationEndsThroughTheDialog) {
  WriteLexicon("main.dex", {{"n", "apple", "@0@", ""}, {"n", "pear", "@", ""}});
  WriteRules("gu.dex", {"n;@0@ @0@;zN;"});
  WritePatterns("change.dex", {{",zN,", "<@0@>"}});
  WriteEmptyDictionaries();
  Dialog dialog;
  ASSERT_TRUE(dialog.Pick("apple"));
  EXPECT_EQ(dialog.Translation(), "<@0@ @0@>");
  dialog.Click(IDC_RESTART);
  ASSERT_TRUE(dialog.Pick("pear"));
  EXPECT_EQ(dialog.Translation(), "<@ @>");
}

// ---- A rule that recreates its own pattern ------------------------------------------

struct RecreatingCase {
  const char* name;
  const char* rule;
  std::vector<std::pair<std::string, std::string>> steps;  // {key, translation}
  std::vector<std::string> work;                             // key and translation after the check
};
void PrintTo(const RecreatingCase& c, std::ostream* out) { *out << c.name; }

class RecreatingRuleTest : public BuilderTest, public ::testing::WithParamInterface<RecreatingCase> {};

TEST_P(RecreatingRuleTest, IsAppliedOnceAtEachPlace) {
  const RecreatingCase& c = GetParam();
  WriteRules("gu.dex", {c.rule});
  WriteEmptyDictionaries();
  EXPECT_FALSE(Check(c.steps));
  std::vector<std::string> work;
  for (int i = 0; i <= m_builder.m_nLast; ++i)
    work.push_back(m_builder.m_work[i].strKey + "=" + m_builder.m_work[i].strTranslation);
  EXPECT_EQ(work, c.work);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, RecreatingRuleTest,
    ::testing::Values(
        RecreatingCase{"ResultKeyIsItsItem", "a;[@0@];a;", {{"a", "t0"}}, {"a=[t0]"}},
        RecreatingCase{"SeveralPlaces", "a;[@0@];a;", {{"a", "t0"}, {"b", "t1"}, {"a", "t2"}},
                       {"a=[t0]", "b=t1", "a=[t2]"}},
        // A typed word: the merged step keeps the marker "zz" and the same phrase.
        RecreatingCase{"TypedWordMarker", "-p0;<@0@>;zz;", {{"zz", ""}}, {"zz=<>"}},
        // A text without any ";" has the empty pattern, which an empty key matches.
        RecreatingCase{"EmptyPatternAndEmptyKey", "nothing", {{"", "t0"}}, {"="}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(CapacityTest, ARecreatingRuleThroughTheDialogLetsTheSentenceComplete) {
  WriteLexicon("main.dex", {{"a", "word", "w", ""}});
  WriteRules("gu.dex", {"a;(@0@);a;", "a;@0@;zA;"});
  WritePatterns("change.dex", {{",zA,", "@0@."}});
  WriteEmptyDictionaries();
  Dialog dialog;
  ASSERT_TRUE(dialog.Pick("word"));
  EXPECT_EQ(dialog.Sentence(), "Word");
  EXPECT_EQ(dialog.Translation(), "(w).");
}

}  // namespace
