#include "engine/SentenceBuilder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "dict/DexFile.h"
#include "dict/DictionaryFiles.h"
#include "dict/RecordKey.h"
#include "dict/RecordLayout.h"
#include "dict/RuleText.h"
#include "engine/CommaList.h"
#include "engine/KeyRun.h"
#include "engine/PhraseJoin.h"
#include "engine/TemplateFill.h"
#include "tests/support/DexFixture.h"

// Reaches the builder's private steps for a plain regrouping to compare with.
class SentenceBuilderPeer {
 public:
  // The regrouping as its steps define it: the key list built afresh from the chain
  // after every merge. Leaves m_work and m_nLast as CheckSentence leaves them, and
  // returns the final key list.
  static std::string RegroupByRebuilding(CSentenceBuilder& b) {
    StartFromTheSteps(b);
    CDexFile file(FilesFor(b.m_bKoreanSource).szRules, DexAccess::Pass);
    std::string keyList;
    b.BuildKeyList(keyList);
    for (const KeptRule& record : b.RulesOf(file)) {
      const std::string pattern = record.strPattern + ",";
      for (int limit = kMaxSteps;;) {
        const int start = FindLastKeyRun(keyList, pattern, limit);
        if (start < 0) break;
        const int last = start + CountItems(pattern) - 1;
        if (last > b.m_nLast) break;
        const RuleText rule = SplitRule(record.strText);
        std::string joined = JoinPhrases(b.m_work, start, last);
        std::string translation = FillTemplate(rule.templ, b.m_work, start, b.m_nFillLimit);
        b.m_work[start].strPhrase = joined;
        b.m_work[start].strTranslation = translation;
        b.m_work[start].strKey.assign(rule.resultKey);
        b.m_work[start].strGroup = pattern;
        if (last != start)
          b.CloseGap(start, last);
        else
          limit = start;
        b.BuildKeyList(keyList);
      }
    }
    return keyList;
  }

  // The builder's own regrouping, as the completion check runs it; returns the key list.
  static std::string Regroup(CSentenceBuilder& b) {
    StartFromTheSteps(b);
    std::string keyList;
    b.ApplyPhraseRules(keyList);
    return keyList;
  }

 private:
  static void StartFromTheSteps(CSentenceBuilder& b) {
    for (int i = 0; i <= b.m_nLast; ++i) {
      b.m_work[i] = b.m_steps[i];
      b.m_work[i].strGroup.clear();
    }
    b.m_nFillLimit = kMaxFilledText;
    for (int i = 0; i <= b.m_nLast; ++i) b.m_nFillLimit += b.m_steps[i].strTranslation.size();
  }
};

namespace {

struct Step {
  std::string key, phrase, translation;
};

// A scratch directory with empty dictionaries, a builder, and verbs that write the
// rules and patterns of the Korean-to-English direction and set the committed steps.
class SentenceBuilderTest : public testing::Test {
 protected:
  SentenceBuilderTest() : m_builder(std::make_unique<CSentenceBuilder>()) {
    WriteEmptyDictionaries();
  }

  void Rules(const std::vector<std::string>& texts, const char* file = kGuKor) {
    WriteRules(file, texts);
  }

  // Patterns are stored sorted by key list, as the dictionary compiler stores them.
  void Patterns(std::vector<PatternRecord> records, const char* file = kChangeKor) {
    std::sort(records.begin(), records.end(), [](const PatternRecord& a, const PatternRecord& b) {
      return a.strKeyList < b.strKeyList;
    });
    WritePatterns(file, records);
  }

  // Commits the steps as the dialog does: chained in index order, m_nLast the last one.
  void Steps(const std::vector<Step>& steps) {
    for (std::size_t i = 0; i < steps.size(); ++i) {
      StepRecord& r = B().m_steps[i];
      r.strKey = steps[i].key;
      r.strPhrase = steps[i].phrase;
      r.strTranslation = steps[i].translation;
      r.nPrev = static_cast<int>(i) - 1;
      r.nNext = i + 1 == steps.size() ? kChainEnd : static_cast<int>(i) + 1;
    }
    B().m_nLast = static_cast<int>(steps.size()) - 1;
  }

  // Steps "k0".."kN" with phrases "p0".. and translations "t0".., keys as given.
  void KeySteps(const std::vector<std::string>& keys) {
    std::vector<Step> steps;
    for (std::size_t i = 0; i < keys.size(); ++i)
      steps.push_back({keys[i], "p" + std::to_string(i), "t" + std::to_string(i)});
    Steps(steps);
  }

  // The keys of the working chain after a check, as "a,x,".
  std::string WorkKeys() {
    std::string keys;
    for (int i = 0; i <= B().m_nLast; ++i) keys += B().m_work[i].strKey + ",";
    return keys;
  }

  // Every working record 0..m_nLast is chained in array order and the chain ends there.
  void ExpectChainInOrder() {
    for (int i = 0; i <= B().m_nLast; ++i) {
      EXPECT_EQ(B().m_work[i].nPrev, i - 1) << "record " << i;
      EXPECT_EQ(B().m_work[i].nNext, i == B().m_nLast ? kChainEnd : i + 1) << "record " << i;
    }
  }

  CSentenceBuilder& B() { return *m_builder; }

  ScratchDir m_dir;
  std::unique_ptr<CSentenceBuilder> m_builder;
};

// Phrase-rule bytes whose text fills all 200 bytes with no terminator.
std::string UnterminatedRule(const std::string& text) {
  std::string plain = text;
  plain.resize(kRuleRecordSize, 'q');
  std::string bytes;
  for (std::size_t i = 0; i < plain.size(); ++i)
    bytes.push_back(static_cast<char>(plain[i] ^ RecordKey()[i % kRecordKeyLength]));
  return bytes;
}

}  // namespace

TEST_F(SentenceBuilderTest, WorkedExampleMergesTheRunAndRendersThePair) {
  KeySteps({"a", "b", "c"});
  Rules({"b,c;@1@ @0@;x;"});
  Patterns({{",a,x,", "@0@ @1@."}});

  ASSERT_TRUE(B().CheckSentence());
  EXPECT_EQ(B().m_strSentence, "p0 p1 p2");
  EXPECT_EQ(B().m_strTranslation, "t0 t2 t1.");
  EXPECT_EQ(B().m_nLast, 1);
  const StepRecord& merged = B().m_work[1];
  EXPECT_EQ(merged.strPhrase, "p1 p2");
  EXPECT_EQ(merged.strTranslation, "t2 t1");
  EXPECT_EQ(merged.strKey, "x");
  EXPECT_EQ(merged.strGroup, "b,c,");
  EXPECT_EQ(merged.nPrev, 0);
  EXPECT_EQ(merged.nNext, kChainEnd);
  EXPECT_EQ(B().m_work[0].strGroup, "");
  // The committed steps are never changed by the check.
  EXPECT_EQ(B().m_steps[1].strKey, "b");
  EXPECT_EQ(B().m_steps[2].strPhrase, "p2");
  EXPECT_EQ(B().m_steps[1].nNext, 2);
}

TEST_F(SentenceBuilderTest, TheLastOfOverlappingPlacesIsMergedAndTheRuleTriedAgain) {
  KeySteps({"a", "b", "b", "b"});
  // The second rule finds "b,x" only if the first one merged items 2 and 3.
  Rules({"b,b;@0@+@1@;x;", "b,x;@0@/@1@;y;"});
  Patterns({{",a,y,", "@0@ @1@"}});

  ASSERT_TRUE(B().CheckSentence());
  EXPECT_EQ(WorkKeys(), "a,y,");
  EXPECT_EQ(B().m_work[1].strPhrase, "p1 p2 p3");
  EXPECT_EQ(B().m_work[1].strTranslation, "t1/t2+t3");
  EXPECT_EQ(B().m_work[1].strGroup, "b,x,");
  EXPECT_EQ(B().m_strTranslation, "t0 t1/t2+t3");
}

TEST_F(SentenceBuilderTest, ARuleAppliesUntilItNoLongerMatchesAndEarlierRulesAreNotRetried) {
  KeySteps({"a", "b", "b", "a", "b", "b"});
  Rules({
      "y,y;early;never;",  // would match after the last rule, but comes earlier
      "b,b;(@0@@1@);x;",   // applied twice: at 4-5, then at 1-2
      "a,x;[@0@@1@];y;",   // applied twice as well
  });
  EXPECT_FALSE(B().CheckSentence());
  EXPECT_EQ(WorkKeys(), "y,y,");
  EXPECT_EQ(B().m_work[0].strTranslation, "[t0(t1t2)]");
  EXPECT_EQ(B().m_work[1].strTranslation, "[t3(t4t5)]");
  ExpectChainInOrder();
}

TEST_F(SentenceBuilderTest, RecordsAfterAMergedRunMoveDownWithTheirFields) {
  KeySteps({"a", "b", "c", "d", "e", "f"});
  // "d,e" merges first (group "d,e,"), then "b,c" moves it and "f" down by one.
  Rules({"d,e;@0@-@1@;y;", "b,c;@0@-@1@;x;"});
  ASSERT_FALSE(B().CheckSentence());

  EXPECT_EQ(B().m_nLast, 3);
  EXPECT_EQ(WorkKeys(), "a,x,y,f,");
  ExpectChainInOrder();
  const StepRecord& moved = B().m_work[2];
  EXPECT_EQ(moved.strKey, "y");
  EXPECT_EQ(moved.strPhrase, "p3 p4");
  EXPECT_EQ(moved.strTranslation, "t3-t4");
  EXPECT_EQ(moved.strGroup, "d,e,");
  EXPECT_EQ(B().m_work[3].strKey, "f");
  EXPECT_EQ(B().m_work[3].strPhrase, "p5");
  EXPECT_EQ(B().m_work[3].strGroup, "");
  // Records above the new end keep what they held.
  EXPECT_EQ(B().m_work[4].strKey, "f");
  EXPECT_EQ(B().m_work[4].strPhrase, "p5");
}

TEST_F(SentenceBuilderTest, AOneStepRunIsRewrittenInPlace) {
  KeySteps({"a", "b", "c"});
  Rules({"b;(@0@);y;"});
  Patterns({{",a,y,c,", "@2@ @1@ @0@"}});

  ASSERT_TRUE(B().CheckSentence());
  EXPECT_EQ(B().m_nLast, 2);
  EXPECT_EQ(WorkKeys(), "a,y,c,");
  ExpectChainInOrder();
  EXPECT_EQ(B().m_work[1].strPhrase, "p1");
  EXPECT_EQ(B().m_work[1].strGroup, "b,");
  EXPECT_EQ(B().m_strTranslation, "t2 (t1) t0");
}

TEST_F(SentenceBuilderTest, TypedWordsEnterTheKeyListAsDashAndPhrase) {
  Steps({{"zz", "abc", ""}, {"mz", "def", ""}, {"b", "p2", "t2"}});
  Patterns({{",-abc,-def,b,", "@2@!"}});
  ASSERT_TRUE(B().CheckSentence());
  EXPECT_EQ(B().m_strSentence, "abc def p2");
  EXPECT_EQ(B().m_strTranslation, "t2!");

  // A rule names a typed word the same way.
  Rules({"-def,b;<@1@>;zNP;"});
  Patterns({{",-abc,zNP,", "@0@|@1@"}});
  ASSERT_TRUE(B().CheckSentence());
  EXPECT_EQ(B().m_work[1].strKey, "zNP");
  EXPECT_EQ(B().m_strTranslation, "|<t2>");
}

TEST_F(SentenceBuilderTest, PhrasesJoinWithTildeParenthesisAndBracket) {
  Steps({{"a", "p0", "t0"}, {"b", "~p1", "t1"}, {"c", "(p2)", "t2"}});
  Patterns({{",a,b,c,", "x"}, {",d,e,", "y"}, {",f,e,", "z"}});
  ASSERT_TRUE(B().CheckSentence());
  EXPECT_EQ(B().m_strSentence, "p0p1(p2)");

  Steps({{"d", "p3[x]", "t3"}, {"e", "p4", "t4"}});
  ASSERT_TRUE(B().CheckSentence());
  EXPECT_EQ(B().m_strSentence, "p3 p4");

  Steps({{"f", "[x]", "t5"}, {"e", "p4", "t4"}});
  ASSERT_TRUE(B().CheckSentence());
  EXPECT_EQ(B().m_strSentence, "p4");
}

TEST_F(SentenceBuilderTest, MissingSemicolonsReadAsEmptyFields) {
  KeySteps({"a", "b", "c", "d", "e"});
  Rules({
      "b,c;@0@@1@;",  // only two ";": empty result key
      "d;t",          // only one ";": empty template and result key
  });
  Patterns({{",a,,,e,", "@0@|@1@|@2@|@3@"}});
  ASSERT_TRUE(B().CheckSentence());
  EXPECT_EQ(WorkKeys(), "a,,,e,");
  EXPECT_EQ(B().m_work[1].strGroup, "b,c,");
  EXPECT_EQ(B().m_strTranslation, "t0|t1t2||t4");

  // No ";" at all: every field is empty, so the pattern is the one empty item, which
  // the two empty keys above now carry.
  Rules({"b,c;@0@@1@;", "d;t", "a text without any semicolon"});
  B().m_nLast = 4;
  ASSERT_TRUE(B().CheckSentence());
  EXPECT_EQ(WorkKeys(), "a,,,e,");
  EXPECT_EQ(B().m_work[1].strGroup, ",");
  EXPECT_EQ(B().m_strTranslation, "t0|||t4");
}

TEST_F(SentenceBuilderTest, LongPatternsAreReadWhole) {
  Steps({{"adjective_long", "big", "large"}, {"noun_food_long", "apple", "apple"}});
  Rules({"adjective_long,noun_food_long;a @0@ @1@;zNP_long_result;"});
  Patterns({{",zNP_long_result,", "@0@."}});
  ASSERT_TRUE(B().CheckSentence());
  EXPECT_EQ(B().m_strTranslation, "a large apple.");
  EXPECT_EQ(B().m_work[0].strGroup, "adjective_long,noun_food_long,");
  EXPECT_EQ(B().GetContinuationKeys("adjective_long,", ""), ",noun_food_long,");
}

TEST_F(SentenceBuilderTest, NoPatternLeavesTheSentencePairButKeepsTheRegrouping) {
  KeySteps({"a", "b", "c"});
  Rules({"b,c;@0@;x;"});
  Patterns({{",a,b,", "one"}, {",a,x,y,", "two"}, {",b,", "three"}});
  B().m_strSentence = "earlier sentence";
  B().m_strTranslation = "earlier translation";

  EXPECT_FALSE(B().CheckSentence());
  EXPECT_EQ(B().m_strSentence, "earlier sentence");
  EXPECT_EQ(B().m_strTranslation, "earlier translation");
  EXPECT_EQ(B().m_nLast, 1);
  EXPECT_EQ(WorkKeys(), "a,x,");
}

TEST_F(SentenceBuilderTest, APatternFileWithoutWholeRecordsGivesFalse) {
  KeySteps({"a"});
  EXPECT_FALSE(B().CheckSentence());  // empty file

  Patterns({{",a,", "@0@"}});
  Truncate(kChangeKor, kPatternRecordSize - 1);
  EXPECT_FALSE(B().CheckSentence());
  EXPECT_EQ(B().m_strTranslation, "");
}

TEST_F(SentenceBuilderTest, BisectionFindsEveryPatternComparingUnsignedBytes) {
  // Keys above 0x7F sort after ASCII ones; a signed comparison would lose them.
  std::vector<PatternRecord> patterns;
  std::vector<std::string> keys = {"a", "z", K("가"), K("나무"), "zNP", "-x", "m"};
  for (int i = 0; i < 40; ++i) keys.push_back("k" + std::to_string(i));
  for (const std::string& key : keys) patterns.push_back({"," + key + ",", "[" + key + "]"});
  patterns.push_back({",a,b,", "ab"});
  Patterns(patterns);
  for (const std::string& key : keys) {
    KeySteps({key});
    ASSERT_TRUE(B().CheckSentence()) << U(key);
    EXPECT_EQ(B().m_strTranslation, "[" + key + "]") << U(key);
  }
  KeySteps({"a", "b"});
  ASSERT_TRUE(B().CheckSentence());
  EXPECT_EQ(B().m_strTranslation, "ab");
  KeySteps({"k"});
  EXPECT_FALSE(B().CheckSentence());
}

TEST_F(SentenceBuilderTest, TheDirectionChoosesTheDictionaryPair) {
  KeySteps({"a", "b"});
  Rules({"a,b;kor;x;"}, kGuKor);
  Rules({"a,b;eng;y;"}, kGuEng);
  Patterns({{",x,", "K:@0@"}}, kChangeKor);
  Patterns({{",y,", "E:@0@"}}, kChangeEng);

  B().m_bKoreanSource = 1;
  ASSERT_TRUE(B().CheckSentence());
  EXPECT_EQ(B().m_strTranslation, "K:kor");
  B().m_bKoreanSource = 0;
  B().m_nLast = 1;  // the check lowered it; the dialog sets it before every call
  ASSERT_TRUE(B().CheckSentence());
  EXPECT_EQ(B().m_strTranslation, "E:eng");
}

TEST_F(SentenceBuilderTest, EachCheckStartsAgainFromTheCommittedSteps) {
  KeySteps({"a", "b", "c"});
  Rules({"b,c;@0@;x;"});
  Patterns({{",a,x,", "done"}});
  ASSERT_TRUE(B().CheckSentence());
  // Taking a step back: two steps, nothing to merge.
  B().m_steps[1].nNext = kChainEnd;
  B().m_nLast = 1;
  EXPECT_FALSE(B().CheckSentence());
  EXPECT_EQ(WorkKeys(), "a,b,");
  EXPECT_EQ(B().m_work[1].strGroup, "");
  EXPECT_EQ(B().m_work[1].strPhrase, "p1");
}

TEST_F(SentenceBuilderTest, KoreanPhrasesAndKeysPassThroughUnchanged) {
  Steps({{K("명사"), K("사과"), "apple"}, {K("을"), K("를"), ""}, {K("동사"), K("먹다"), "eat"}});
  Rules({K("명사,을;@0@;zNP;")});
  Patterns({{"," + K("zNP,동사,"), "I @1@ an @0@."}});
  ASSERT_TRUE(B().CheckSentence());
  EXPECT_EQ(U(B().m_strSentence), "사과 를 먹다");
  EXPECT_EQ(B().m_strTranslation, "I eat an apple.");
}

// Guards for dictionaries that break the assumptions the data must meet.

TEST_F(SentenceBuilderTest, TemplateReferencesOutsideTheRecordsGiveTheEmptyText) {
  KeySteps({"a", "b", "c"});
  // base 1: @-2@ is record -1 and @49@ is record 50; @48@ is record 49, never written.
  Rules({"b,c;[@-2@|@49@|@48@|@1@];x;"});
  Patterns({{",a,x,", "@-1@<@50@|@99999999999999999999@|@0@>"}});
  ASSERT_TRUE(B().CheckSentence());
  EXPECT_EQ(B().m_work[1].strTranslation, "[|||t2]");
  EXPECT_EQ(B().m_strTranslation, "<||t0>");
}

TEST_F(SentenceBuilderTest, ATranslationHoldingReferencesIsInsertedOnce) {
  Steps({{"a", "p0", "@0@"}, {"b", "p1", "x@1@y@"}, {"c", "p2", "@"}});
  Rules({"b;(@0@);b;"});
  Patterns({{",a,b,c,", "@0@ @1@ @2@ @0@"}});
  ASSERT_TRUE(B().CheckSentence());
  EXPECT_EQ(B().m_work[1].strTranslation, "(x@1@y@)");
  EXPECT_EQ(B().m_strTranslation, "@0@ (x@1@y@) @ @0@");
}

TEST_F(SentenceBuilderTest, ARuleThatRecreatesItsOwnKeyIsAppliedOncePerPlace) {
  KeySteps({"a", "b", "a", "a"});
  Rules({"a;<@0@>;a;"});
  Patterns({{",a,b,a,a,", "@0@ @1@ @2@ @3@"}});
  ASSERT_TRUE(B().CheckSentence());
  EXPECT_EQ(B().m_strTranslation, "<t0> t1 <t2> <t3>");
  EXPECT_EQ(B().m_work[0].strGroup, "a,");

  // A typed word whose rule gives the typed-word marker back stands as the same item.
  Steps({{"zz", "w", ""}, {"b", "p1", "t1"}});
  Rules({"-w;{@0@@1@};zz;"});
  Patterns({{",-w,b,", "@0@"}});
  ASSERT_TRUE(B().CheckSentence());
  EXPECT_EQ(B().m_work[0].strPhrase, "w");
  EXPECT_EQ(B().m_work[0].strTranslation, "{t1}");
  EXPECT_EQ(B().m_strTranslation, "{t1}");
}

TEST_F(SentenceBuilderTest, AOneItemRuleWithANewKeyStillRewritesEveryPlace) {
  KeySteps({"a", "b", "a", "c", "a"});
  Rules({"a;@0@!;n;", "n,b;@0@ @1@;m;"});
  Patterns({{",m,n,c,n,", "@0@/@1@/@3@"}});
  ASSERT_TRUE(B().CheckSentence());
  EXPECT_EQ(B().m_strTranslation, "t0! t1/t2!/t4!");
}

TEST_F(SentenceBuilderTest, ASearchKeyLongerThanAKeyFieldIsNoSentence) {
  // 150 bytes: "," + 148-byte key + ",". The stored key field holds the same 150 bytes
  // without a terminator; the two are never taken as equal.
  const std::string key(148, 'k');
  PatternBytes record = EncodePattern({"", "found"});
  const std::string keyField = "," + key + ",";
  ASSERT_EQ(keyField.size(), kPatKeyListWidth);
  std::copy(keyField.begin(), keyField.end(), record.begin());
  WriteBytes(kChangeKor, std::string(record.begin(), record.end()));
  KeySteps({key});
  EXPECT_FALSE(B().CheckSentence());

  // A much longer key list is simply incomplete as well.
  KeySteps(std::vector<std::string>(40, std::string(20, 'k')));
  EXPECT_FALSE(B().CheckSentence());
  EXPECT_EQ(B().m_nLast, 39);
}

TEST_F(SentenceBuilderTest, FieldsWithoutTerminatorAreReadWithinTheField) {
  KeySteps({"a", "b", "c"});
  WriteBytes(kGuKor, UnterminatedRule("b,c;@1@ @0@;x;"));
  // A template filling its whole 150 bytes without a terminator.
  const std::string longTemplate = "@0@" + std::string(kPatTemplateWidth - 3, '.');
  PatternBytes record = EncodePattern({",a,x,", ""});
  for (std::size_t i = 0; i < kPatTemplateWidth; ++i)
    record[kPatTemplateOffset + i] =
        static_cast<unsigned char>(longTemplate[i]) ^ RecordKey()[i % kRecordKeyLength];
  WriteBytes(kChangeKor, std::string(record.begin(), record.end()));

  ASSERT_TRUE(B().CheckSentence());
  EXPECT_EQ(B().m_work[1].strTranslation, "t2 t1");
  EXPECT_EQ(B().m_strTranslation, "t0" + std::string(kPatTemplateWidth - 3, '.'));
}

TEST_F(SentenceBuilderTest, ATypedWordWithCommasNeverMergesPastTheRecords) {
  // A typed word may hold "," and so add more items than records; a run found among
  // those extra items is not merged.
  std::string word = "x";
  for (int i = 0; i < 60; ++i) word += ",b";
  Steps({{"a", "p0", "t0"}, {"zz", word, ""}});
  Rules({"b,b;@0@;y;", "b;@0@;y;"});
  EXPECT_FALSE(B().CheckSentence());
  EXPECT_EQ(B().m_nLast, 1);
  EXPECT_EQ(B().m_work[1].strKey, "zz");
}

using SentenceBuilderDeathTest = SentenceBuilderTest;

TEST_F(SentenceBuilderDeathTest, AMissingDictionaryEndsTheProgramWithStatusOne) {
  KeySteps({"a"});
  RemoveFile(kGuKor);
  EXPECT_EXIT(B().CheckSentence(), testing::ExitedWithCode(1), "");
  WriteRules(kGuKor, {});
  RemoveFile(kChangeKor);
  EXPECT_EXIT(B().CheckSentence(), testing::ExitedWithCode(1), "");
  B().m_bKoreanSource = 0;
  RemoveFile(kGuEng);
  EXPECT_EXIT(B().CheckSentence(), testing::ExitedWithCode(1), "");
}

// Phrase expansion: which keys may continue the phrase whose trailing keys are the tail.

TEST_F(SentenceBuilderTest, ContinuationKeysFollowRulesThatCanStillFormASentence) {
  static const struct {
    const char* name;
    std::vector<std::string> rules;
    std::vector<PatternRecord> patterns;
    const char* tail;
    const char* head;
    const char* expected;
  } cases[] = {
      {"no rule begins with the tail", {"b,c;;z1;"}, {{",z1,", ""}}, "a,", "", ","},
      {"a complete rule offers nothing", {"a;;z1;"}, {{",z1,", ""}}, "a,", "", ","},
      {"next key offered once for two pairs", {"a,b,c;;z1;", "a,b,d;;z2;"},
       {{",z1,", ""}, {",z2,", ""}}, "a,", "", ",b,"},
      {"one accepted pair is enough", {"a,b,c;;z1;", "a,b,d;;z2;"}, {{",z2,x,", ""}}, "a,", "",
       ",b,"},
      {"head then result key begins a pattern", {"a,b;;z1;"}, {{",h,z1,x,", ""}}, "a,", "h,",
       ",b,"},
      {"head then another result key", {"a,b;;z1;"}, {{",h,z2,", ""}}, "a,", "h,", ","},
      {"result key not after the head", {"a,b;;z1;"}, {{",z1,h,", ""}}, "a,", "h,", ","},
      {"empty head: result key first", {"a,b;;z1;"}, {{",z1,q,", ""}}, "a,", "", ",b,"},
      {"empty head: result key later", {"a,b;;z1;"}, {{",q,z1,", ""}}, "a,", "", ","},
      {"order of first acceptance", {"a,c;;z1;", "a,b;;z1;", "a,c;;z2;", "a,d;;z3;"},
       {{",z1,", ""}, {",z2,", ""}}, "a,", "", ",c,b,"},
      {"a longer tail", {"a,b,c;;z1;", "a,c,d;;z1;", "b,c;;z1;"}, {{",z1,", ""}}, "a,b,", "",
       ",c,"},
      {"the tail's items must line up", {"ab,c;;z1;", "a,bc;;z1;"}, {{",z1,", ""}}, "a,b", "", ","},
      {"typed-word items", {"-x,a;;z1;", "a,-y;;z1;"}, {{",z1,", ""}}, "a,", "", ",-y,"},
      {"no third semicolon: empty result key", {"a,b;t"}, {{",h,,", ""}}, "a,", "h,", ",b,"},
      {"empty tail offers nothing", {"a,b;;z1;"}, {{",z1,", ""}}, "", "", ","},
      {"empty pattern file", {"a,b;;z1;"}, {}, "a,", "", ","},
  };
  for (const auto& c : cases) {
    Rules(c.rules);
    Patterns(c.patterns);
    EXPECT_EQ(B().GetContinuationKeys(c.tail, c.head), c.expected) << c.name;
  }
}

TEST_F(SentenceBuilderTest, ContinuationKeysFindTheRunAmongManyPatterns) {
  std::vector<PatternRecord> patterns;
  for (int i = 0; i < 60; ++i) patterns.push_back({",k" + std::to_string(i) + ",x,", ""});
  patterns.push_back({",h,z1,x,", ""});
  patterns.push_back({",h,z1,y,", ""});
  patterns.push_back({"," + K("가") + ",z3,", ""});
  Patterns(patterns);
  Rules({"a,b;;z1;", "a,c;;z2;", "a,d;;z3;", "a,e;;k17;"});
  EXPECT_EQ(B().GetContinuationKeys("a,", "h,"), ",b,");
  EXPECT_EQ(B().GetContinuationKeys("a,", K("가,")), ",d,");
  EXPECT_EQ(B().GetContinuationKeys("a,", ""), ",e,");
}

TEST_F(SentenceBuilderTest, ContinuationKeysUseTheDictionariesOfTheDirection) {
  Rules({"a,b;;z1;"}, kGuKor);
  Rules({"a,c;;z1;"}, kGuEng);
  Patterns({{",z1,", ""}}, kChangeKor);
  Patterns({{",z1,", ""}}, kChangeEng);
  B().m_bKoreanSource = 1;
  EXPECT_EQ(B().GetContinuationKeys("a,", ""), ",b,");
  B().m_bKoreanSource = 0;
  EXPECT_EQ(B().GetContinuationKeys("a,", ""), ",c,");
}

TEST_F(SentenceBuilderDeathTest, ContinuationKeysEndTheProgramWhenADictionaryIsMissing) {
  RemoveFile(kChangeKor);
  EXPECT_EXIT(B().GetContinuationKeys("a,", ""), testing::ExitedWithCode(1), "");
  RemoveFile(kGuKor);
  WritePatterns(kChangeKor, {});
  EXPECT_EXIT(B().GetContinuationKeys("a,", ""), testing::ExitedWithCode(1), "");
}

// A rule whose result key begins its own pattern and whose template names a step twice
// doubles the translation with every following step: the filled text is held to its
// capacity, so the check ends at once instead of asking for 2^48 bytes.
TEST_F(SentenceBuilderTest, ARuleThatDoublesItsOwnResultStaysWithinTheTextCapacity) {
  Rules({"a;@0@;zNP;", "zNP,f;@0@ @0@;zNP;"});
  Patterns({{",zNP,", "@0@."}});
  std::vector<std::string> keys = {"a"};
  keys.resize(kMaxSteps - 1, "f");
  KeySteps(keys);
  // A fill may hold what the steps brought in, plus the fixed allowance.
  std::size_t limit = kMaxFilledText;
  for (int i = 0; i <= B().m_nLast; ++i) limit += B().m_steps[i].strTranslation.size();
  EXPECT_TRUE(B().CheckSentence());
  EXPECT_EQ(B().m_nLast, 0);
  EXPECT_LE(B().m_work[0].strTranslation.size(), limit);
  EXPECT_LE(B().m_strTranslation.size(), limit);
  EXPECT_EQ(B().m_strTranslation.substr(0, 6), "t0 t0 ");
}

// A typed word with "," is one item: it neither fills two items of a rule nor shifts
// the later steps against their records, so the rule merges the steps it names.
TEST_F(SentenceBuilderTest, ATypedWordWithCommasDoesNotShiftMerges) {
  Rules({"adj,n_food;@1@ of @0@;zNP;"});
  Patterns({{",-x,zNP,", "@0@ @1@"}});
  Steps({{"zz", "x,adj,n_food", ""}, {"adj", "p1", "t1"}, {"n_food", "p2", "t2"}});
  EXPECT_FALSE(B().CheckSentence());  // "-x,adj,n_food" is no item "-x"
  EXPECT_EQ(B().m_nLast, 1);
  EXPECT_EQ(B().m_work[1].strKey, "zNP");
  EXPECT_EQ(B().m_work[1].strTranslation, "t2 of t1");
  EXPECT_EQ(B().m_work[0].strPhrase, "x,adj,n_food");
}

// Random rules over a few keys (typed-word keys among them) merge random chains: the
// working records end exactly as when the key list is built afresh after every merge.
// Some chains end before m_nLast, run past it, or break off, as a caller may leave them.
TEST_F(SentenceBuilderTest, RegroupingEndsAsRebuildingTheKeyListAfterEveryMergeWould) {
  const std::vector<std::string> keys = {"a", "b", "c", "zz", "mz"};
  const std::vector<std::string> words = {"a", "-a", "x,b", "-x\x1F" "b"};
  std::mt19937 random(20261211);
  auto pick = [&](const std::vector<std::string>& from) { return from[random() % from.size()]; };
  auto plain = std::make_unique<CSentenceBuilder>();
  for (int round = 0; round < 3000; ++round) {
    std::vector<std::string> rules;
    for (int r = static_cast<int>(1 + random() % 6); r > 0; --r) {
      std::string pattern = pick(keys);
      for (int more = static_cast<int>(random() % 3); more > 0; --more) pattern += "," + pick(keys);
      rules.push_back(pattern + ";[@0@@1@]" + pick(words) + ";" + pick(keys) + ";");
    }
    Rules(rules);
    std::vector<Step> steps(1 + random() % 14);
    for (Step& step : steps) step = {pick(keys), pick(words), pick(words)};
    Steps(steps);
    const int shape = static_cast<int>(random() % 8);
    const int cut = static_cast<int>(random() % steps.size());
    if (shape == 0) B().m_steps[cut].nNext = kChainEnd;  // the chain ends early
    if (shape == 1) B().m_steps[cut].nNext = -1;         // a broken link
    if (shape == 2) B().m_nLast = cut;                   // the chain runs past m_nLast
    for (int i = 0; i < kMaxSteps; ++i) plain->m_steps[i] = B().m_steps[i];
    plain->m_nLast = B().m_nLast;

    const std::string keyList = SentenceBuilderPeer::Regroup(B());
    ASSERT_EQ(keyList, SentenceBuilderPeer::RegroupByRebuilding(*plain)) << "round " << round;
    ASSERT_EQ(B().m_nLast, plain->m_nLast) << "round " << round;
    for (int i = 0; i <= B().m_nLast; ++i) {
      const StepRecord& got = B().m_work[i];
      const StepRecord& want = plain->m_work[i];
      ASSERT_EQ(got.strKey, want.strKey) << "round " << round << ", record " << i;
      ASSERT_EQ(got.strPhrase, want.strPhrase) << "round " << round << ", record " << i;
      ASSERT_EQ(got.strTranslation, want.strTranslation) << "round " << round << ", record " << i;
      ASSERT_EQ(got.strGroup, want.strGroup) << "round " << round << ", record " << i;
      ASSERT_EQ(got.nNext, want.nNext) << "round " << round << ", record " << i;
    }
  }
}
