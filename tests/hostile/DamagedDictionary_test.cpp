// Damaged dictionaries: files cut in the middle of a record, fields that fill their
// whole width without a terminator, records out of order, empty files and random
// bytes. Every reader must stay within the records of the file and within each field,
// and the dialog must go on working on whatever the files hold.
#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "particles/ParticleCorrector.h"
#include "tests/hostile/HostileSupport.h"

namespace {

using hostile::Dialog;

class DamagedDictionaryTest : public ::testing::Test {
 protected:
  ScratchDir m_dir;
};

// ---- The small set works, so that each damage below shows its own effect --------

TEST_F(DamagedDictionaryTest, TheUndamagedSetComposesItsSentence) {
  hostile::WriteSmallDictionaries();
  Dialog dialog;
  EXPECT_EQ(dialog.KeyedLines(), (std::vector<std::string>{"apple;t-apple;fruit; | n", "pear;t-pear;; | n"}));
  ASSERT_TRUE(dialog.Pick("apple"));
  EXPECT_EQ(dialog.KeyedLines(), (std::vector<std::string>{"eat;t-eat;; | v"}));
  ASSERT_TRUE(dialog.Pick("eat"));
  EXPECT_EQ(dialog.Sentence(), "Apple eat");
  EXPECT_EQ(dialog.Translation(), "T-apple t-eats.");
  EXPECT_TRUE(dialog.Messages().empty());
}

// ---- Partial records: the bytes of an incomplete last record are never read -------

struct CutCase {
  const char* name;
  const char* file;
  long length;
  std::vector<std::string> firstList;  // lines of the first list
  std::vector<std::string> afterApple;  // lines after confirming "apple" (if offered)
  const char* translation;              // after "apple eat", "" when it cannot be composed
};
void PrintTo(const CutCase& c, std::ostream* out) { *out << c.name; }

class PartialRecordTest : public DamagedDictionaryTest, public ::testing::WithParamInterface<CutCase> {};

TEST_P(PartialRecordTest, AnIncompleteLastRecordIsNotThere) {
  const CutCase& c = GetParam();
  hostile::WriteSmallDictionaries();
  Truncate(c.file, c.length);
  Dialog dialog;
  EXPECT_EQ(dialog.Lines(), c.firstList);
  if (dialog.Pick("apple")) {
    EXPECT_EQ(dialog.Lines(), c.afterApple);
    dialog.Pick("eat");
  }
  EXPECT_EQ(dialog.Translation(), c.translation);
  EXPECT_TRUE(dialog.Messages().empty());
  hostile::Workout(dialog, 1);
}

const std::vector<std::string> kFirst = {"apple;t-apple;fruit;", "pear;t-pear;;"};
const std::vector<std::string> kEat = {"eat;t-eat;;"};
const std::vector<std::string> kNone = {};

INSTANTIATE_TEST_SUITE_P(
    EveryKind, PartialRecordTest,
    ::testing::Values(
        // Lexicon: 174 bytes hold no record; 2 records and 174 bytes hold 2 ("eat" is lost).
        CutCase{"LexiconUnderOneRecord", "main.dex", 174, kNone, kNone, ""},
        CutCase{"LexiconLastRecordCut", "main.dex", 2 * 175 + 174, kFirst, kNone, ""},
        CutCase{"LexiconLastRecordOneByte", "main.dex", 2 * 175 + 1, kFirst, kNone, ""},
        // Phrase rules: without the rule v -> zV, "eat" is never offered.
        CutCase{"RulesUnderOneRecord", "gu.dex", 199, kNone, kNone, ""},
        CutCase{"RulesLastRecordCut", "gu.dex", 200 + 199, kFirst, kNone, ""},
        // Sentence patterns: without the one pattern nothing is offered at all.
        CutCase{"PatternsUnderOneRecord", "change.dex", 299, kNone, kNone, ""},
        CutCase{"PatternsOneByte", "change.dex", 1, kNone, kNone, ""},
        // Particles: the one record is cut, so "t-eat." stays as it is.
        CutCase{"ParticlesUnderOneRecord", "tosi.dex", 273, kFirst, kEat, "T-apple t-eat."},
        CutCase{"ParticlesKeyOnly", "tosi.dex", 7, kFirst, kEat, "T-apple t-eat."}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(DamagedDictionaryTest, APartialParticleRecordIsNeverMatched) {
  // Record 1 is cut one byte short: its pattern and replacement are complete in the
  // file, but the record is not, so it does not exist.
  WriteParticles("tosi.dex", {{"a", "A"}, {"b", "B"}});
  Truncate("tosi.dex", 2 * 274 - 1);
  CParticleCorrector corrector;
  std::string text = "a b";
  corrector.Correct(text);
  EXPECT_EQ(text, "A b");
}

// ---- Fields without a terminator: each is read to its width and no further -------

TEST_F(DamagedDictionaryTest, LexiconFieldsThatFillTheirWidthAreReadToTheirWidth) {
  const std::string key(kLexKeyWidth, 'K');
  const std::string phrase(kLexPhraseWidth, 'P');
  const std::string translation(kLexTranslationWidth, 'T');
  const std::string note(kLexNoteWidth, 'N');
  // The full record first, then one with each field full on its own.
  WriteBytes("main.dex", hostile::Joined({hostile::RawLexicon(key, phrase, translation, note),
                                          hostile::RawLexicon(key, "b" + phrase.substr(1), "t", "n"),
                                          hostile::RawLexicon(key, "c", translation, "n"),
                                          hostile::RawLexicon(key, "d", "t", note)}));
  WriteRules("gu.dex", {key + ";@0@;zK;"});
  WritePatterns("change.dex", {{",zK,", "<@0@>"}});
  WriteEmptyDictionaries();

  Dialog dialog;
  ASSERT_EQ(dialog.Dlg().m_candidates.m_nMainKor, 0);
  EXPECT_EQ(dialog.Dlg().m_candidates.m_mainKor[0].strKey, key);
  EXPECT_EQ(dialog.KeyedLines(),
            (std::vector<std::string>{phrase + ";" + translation + ";" + note + "; | " + key,
                                      "b" + phrase.substr(1) + ";t;n; | " + key,
                                      "c;" + translation + ";n; | " + key, "d;t;" + note + "; | " + key}));
  ASSERT_TRUE(dialog.Pick(phrase));
  EXPECT_EQ(dialog.Sentence(), phrase);
  EXPECT_EQ(dialog.Translation(), "<" + translation + ">");
}

TEST_F(DamagedDictionaryTest, ARuleThatFillsAllTwoHundredBytesIsReadToItsEnd) {
  // Both rules fill the record: the first has text after its third ";", the second
  // ends its result key at the last byte, without the third ";" (its key is empty).
  const std::string first = "n;" + std::string(190, 'T') + ";zN;";
  const std::string filled = first + std::string(kRuleRecordSize - first.size(), 'x');
  const std::string noThird = "v;@0@;z" + std::string(kRuleRecordSize - 7, 'V');
  ASSERT_EQ(filled.size(), kRuleRecordSize);
  WriteBytes("gu.dex", hostile::Joined({hostile::RawRule(filled), hostile::RawRule(noThird)}));
  WriteLexicon("main.dex", {{"n", "apple", "t", ""}, {"v", "eat", "t", ""}});
  WritePatterns("change.dex", {{",zN,", "@0@"}});
  WriteEmptyDictionaries();

  Dialog dialog;
  ASSERT_EQ(dialog.Dlg().m_candidates.m_nGuKor, 1);
  EXPECT_EQ(dialog.Dlg().m_candidates.m_guKor[0].strResultKey, "zN");
  EXPECT_EQ(dialog.Dlg().m_candidates.m_guKor[0].strFirstKeys, ",n,");
  EXPECT_EQ(dialog.Dlg().m_candidates.m_guKor[1].strResultKey, "");
  EXPECT_EQ(dialog.Dlg().m_candidates.m_guKor[1].strFirstKeys, ",v,");
  ASSERT_TRUE(dialog.Pick("apple"));
  EXPECT_EQ(dialog.Translation(), std::string(190, 'T'));
}

TEST_F(DamagedDictionaryTest, SentencePatternFieldsThatFillTheirWidthAreReadToTheirWidth) {
  // Record 0: a key list of 150 bytes without a terminator, whose last item ends at
  // the field's end; record 1: a template of 150 bytes without a terminator.
  const std::string fullKeys = ",zN," + std::string(kPatKeyListWidth - 5, 'w') + ",";
  const std::string fullTemplate = "@0@ @1@" + std::string(kPatTemplateWidth - 7, 'T');
  ASSERT_EQ(fullKeys.size(), kPatKeyListWidth);
  WriteBytes("change.dex", hostile::Joined({hostile::RawPattern(fullKeys, "never"),
                                            hostile::RawPattern(",zN,zV,", fullTemplate)}));
  WriteLexicon("main.dex", {{"n", "apple", "ta", ""}, {"v", "eat", "te", ""}});
  WriteRules("gu.dex", {"n;@0@;zN;", "v;@0@;zV;"});
  WriteEmptyDictionaries();

  Dialog dialog;
  ASSERT_TRUE(dialog.Pick("apple"));
  // The long item "www..." is no result key and offers nothing; zV offers "eat".
  EXPECT_EQ(dialog.Lines(), std::vector<std::string>{"eat;te;;"});
  ASSERT_TRUE(dialog.Pick("eat"));
  EXPECT_EQ(dialog.Translation(), "Ta te" + std::string(kPatTemplateWidth - 7, 'T'));
}

TEST_F(DamagedDictionaryTest, AKeyListWithoutTerminatorIsNeverACompleteSentence) {
  // The stored key list is ",-" + 147 bytes + "," = 150 bytes, no terminator. A typed
  // word that spells it exactly gives a search key of 150 bytes, longer than any
  // stored key list can be: the sentence stays incomplete.
  const std::string word(147, 'q');
  WriteBytes("change.dex", hostile::RawPattern(",-" + word + ",", "done"));
  WriteEmptyDictionaries();
  Dialog dialog;
  ASSERT_EQ(dialog.Lines(), std::vector<std::string>{"-" + word});
  dialog.Select(0);
  dialog.Confirm();
  EXPECT_FALSE(dialog.AddEnabled());
  EXPECT_EQ(dialog.Sentence(), " " + word);
  EXPECT_TRUE(dialog.Messages().empty());
}

TEST_F(DamagedDictionaryTest, ParticleFieldsThatFillTheirWidthAreReadToTheirWidth) {
  // Record 1's pattern would be what a reader running past record 0's replacement saw.
  const std::string pattern(kPartPatternWidth, 'a');
  const std::string replacement(kPartReplacementWidth, 'b');
  WriteBytes("tosi.dex", hostile::Joined({hostile::RawParticle(pattern, replacement),
                                          hostile::RawParticle("c", "d")}));
  CParticleCorrector corrector;
  std::string text = pattern + "a";
  corrector.Correct(text);
  // Two equal-length matches at 1 and 2: the first occurrence is replaced, the second
  // no longer occurs.
  EXPECT_EQ(text, replacement + "a");
  text = "c";
  corrector.Correct(text);
  EXPECT_EQ(text, "d");
}

// ---- Records out of order ---------------------------------------------------------

TEST_F(DamagedDictionaryTest, ALexiconGroupBrokenUpOffersOnlyItsFirstRun) {
  WriteLexicon("main.dex", {{"n", "apple", "t1", ""}, {"x", "xylophone", "t2", ""}, {"n", "banana", "t3", ""}});
  WriteRules("gu.dex", {"n;@0@;zN;"});
  WritePatterns("change.dex", {{",zN,", "@0@"}});
  WriteEmptyDictionaries();
  Dialog dialog;
  ASSERT_EQ(dialog.Dlg().m_candidates.m_nMainKor, 2);
  EXPECT_EQ(dialog.Lines(), std::vector<std::string>{"apple;t1;;"});
}

TEST_F(DamagedDictionaryTest, PhrasesOutOfOrderInAGroupAreListedOnceEach) {
  // Two groups whose phrases run backwards: the merge still ends, and every record
  // gives exactly one line.
  WriteLexicon("main.dex", {{"n", "pear", "", ""}, {"n", "lime", "", ""}, {"n", "apple", "", ""},
                            {"m", "zucchini", "", ""}, {"m", "kiwi", "", ""}, {"m", "banana", "", ""}});
  WriteRules("gu.dex", {"n;@0@;zA;", "m;@0@;zA;"});
  WritePatterns("change.dex", {{",zA,", "@0@"}});
  WriteEmptyDictionaries();
  Dialog dialog;
  std::vector<std::string> lines = dialog.Lines();
  std::sort(lines.begin(), lines.end());
  EXPECT_EQ(lines, (std::vector<std::string>{"apple;;;", "banana;;;", "kiwi;;;", "lime;;;", "pear;;;",
                                             "zucchini;;;"}));
  hostile::Workout(dialog, 2);
}

TEST_F(DamagedDictionaryTest, SentencePatternsOutOfOrderEndEverySearch) {
  // Descending order: the start scan offers each first item where it changes, and the
  // bisections end at some record without error.
  WritePatterns("change.dex", {{",zV,", "v"}, {",zN,zV,zV,", "nvv"}, {",zN,zV,", "nv"}, {",zN,", "n"},
                               {",-b,", "b"}, {",-a,", "a"}, {",-b,", "b2"}});
  WriteLexicon("main.dex", {{"n", "apple", "ta", ""}, {"v", "eat", "te", ""}});
  WriteRules("gu.dex", {"n;@0@;zN;", "v;@0@;zV;"});
  WriteEmptyDictionaries();
  Dialog dialog;
  EXPECT_EQ(dialog.KeyedLines(), (std::vector<std::string>{"-b | zz", "-a | zz", "-b | zz", "apple;ta;; | n",
                                                           "eat;te;; | v"}));
  for (unsigned seed = 0; seed < 4; ++seed) hostile::Workout(dialog, seed);
}

TEST_F(DamagedDictionaryTest, ParticlesOutOfOrderMissMatchesWithoutError) {
  // Bisection over ["b", "a"]: "a" sorts before record 0 and is never found; "b" is.
  WriteParticles("tosi.dex", {{"b", "B"}, {"a", "A"}});
  CParticleCorrector corrector;
  std::string text = "a b";
  corrector.Correct(text);
  EXPECT_EQ(text, "a B");
}

// ---- Empty files and random bytes ------------------------------------------------

TEST_F(DamagedDictionaryTest, EmptyFilesGiveAnEmptyListAndTheProgramGoesOn) {
  WriteEmptyDictionaries();
  Dialog dialog;
  const CInterpreterDlg& d = dialog.Dlg();
  EXPECT_EQ(d.m_candidates.m_nMainKor, -1);
  EXPECT_EQ(d.m_candidates.m_nMainEng, -1);
  EXPECT_EQ(d.m_candidates.m_nGuKor, -1);
  EXPECT_EQ(d.m_candidates.m_nGuEng, -1);
  EXPECT_EQ(dialog.LineCount(), 0);
  dialog.Type(IDC_SEARCH, "x;y;");
  dialog.Enter(IDC_SEARCH);
  EXPECT_EQ(dialog.Selected(), -1);
  dialog.Confirm();
  EXPECT_EQ(dialog.Messages(), std::vector<std::string>{hostile::kPickFromList});
  EXPECT_EQ(d.m_nSteps, 0);
  hostile::Workout(dialog, 3);
}

// Random bytes of random length in every file: lengths around whole records, so that
// most files hold several records of noise and a partial one.
void WriteRandomFiles(std::mt19937& random) {
  const struct {
    const char* file;
    std::size_t recordSize;
  } files[] = {{"main.dex", kLexiconRecordSize},   {"ekmain.dex", kLexiconRecordSize},
               {"gu.dex", kRuleRecordSize},        {"ekgu.dex", kRuleRecordSize},
               {"change.dex", kPatternRecordSize}, {"ekchange.dex", kPatternRecordSize},
               {"tosi.dex", kParticleRecordSize}};
  for (const auto& f : files) {
    std::size_t length = (random() % 12) * f.recordSize + random() % f.recordSize;
    std::string bytes(length, '\0');
    for (char& b : bytes) b = static_cast<char>(random());
    WriteBytes(f.file, bytes);
  }
}

TEST_F(DamagedDictionaryTest, RandomBytesInEveryFile) {
  std::mt19937 random(20240611);
  for (unsigned seed = 0; seed < 12; ++seed) {
    WriteRandomFiles(random);
    Dialog dialog;
    hostile::ExpectWithinCapacities(dialog, "start, seed " + std::to_string(seed));
    hostile::Workout(dialog, seed, 30);
    if (HasFailure()) return;
  }
}

// Random records built from a few keys and markers, so that rules, patterns and
// groups actually meet: random order, random lengths up to full width without a
// terminator, "@" references out of range, empty items, free slots, result keys.
std::string RandomText(std::mt19937& random, std::size_t width) {
  static const char* const pieces[] = {"a", "b", "zA", "zB", "-x", "-", "mz", "zz", "",
                                       ",", ";", "@", "@0@", "@1@", "@-3@", "@77@", "#", "~", "(", "["};
  std::string text;
  std::size_t target = random() % 6 == 0 ? width : random() % (width / 3 + 1);
  while (text.size() < target) text += pieces[random() % (sizeof pieces / sizeof *pieces)];
  text.resize(std::min(text.size(), width));
  return text;
}

std::string RandomKeyList(std::mt19937& random) {
  static const char* const items[] = {"zA", "zB", "-x", "-", "a", "mz", ""};
  std::string list = ",";
  int count = 1 + static_cast<int>(random() % 4);
  for (int i = 0; i < count; ++i) list += std::string(items[random() % 7]) + ",";
  if (random() % 10 == 0) list = RandomText(random, kPatKeyListWidth);
  return list;
}

TEST_F(DamagedDictionaryTest, RandomRecordsOfFewKeysInEveryFile) {
  std::mt19937 random(7);
  for (unsigned seed = 0; seed < 16; ++seed) {
    for (const char* suffix : {"", "ek"}) {
      std::vector<std::string> records;
      int count = static_cast<int>(random() % 12);
      for (int i = 0; i < count; ++i) {
        static const char* const keys[] = {"a", "b", "", "zA", "-x"};
        std::string key = random() % 8 ? keys[random() % 5] : RandomText(random, kLexKeyWidth);
        records.push_back(hostile::RawLexicon(key, RandomText(random, kLexPhraseWidth),
                                              RandomText(random, kLexTranslationWidth),
                                              RandomText(random, kLexNoteWidth)));
      }
      WriteBytes(std::string(suffix) + "main.dex", hostile::Joined(records));
      records.clear();
      count = static_cast<int>(random() % 8);
      for (int i = 0; i < count; ++i) {
        std::string rule = random() % 5 ? RandomKeyList(random).substr(1) + ";" + RandomText(random, 20) + ";" +
                                              (random() % 2 ? "zA" : "zB") + ";"
                                        : RandomText(random, kRuleTextWidth);
        records.push_back(hostile::RawRule(rule));
      }
      WriteBytes(std::string(suffix) + "gu.dex", hostile::Joined(records));
      std::vector<std::string> lists;
      count = static_cast<int>(random() % 8);
      for (int i = 0; i < count; ++i) lists.push_back(RandomKeyList(random));
      if (random() % 3) std::sort(lists.begin(), lists.end());
      records.clear();
      for (const std::string& list : lists)
        records.push_back(hostile::RawPattern(list, RandomText(random, kPatTemplateWidth)));
      WriteBytes(std::string(suffix) + "change.dex", hostile::Joined(records));
    }
    std::vector<std::string> particles;
    for (int i = 0; i < 6; ++i)
      particles.push_back(hostile::RawParticle(RandomText(random, kPartPatternWidth),
                                               RandomText(random, kPartReplacementWidth)));
    std::sort(particles.begin(), particles.end());
    WriteBytes("tosi.dex", hostile::Joined(particles));

    Dialog dialog;
    hostile::Workout(dialog, seed, 40);
    if (HasFailure()) return;
  }
}

}  // namespace
