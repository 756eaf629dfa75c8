// The dictionary checker on small dictionaries: a clean set passes; each kind of fault,
// put into a copy of it, is reported by name.
#include "tools/lint/DictLint.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <map>

#include "tests/support/DexFixture.h"
#include "tools/dexc/DexcTestSupport.h"

using ::testing::HasSubstr;
using ::testing::IsEmpty;

namespace {

using Sources = std::map<std::string, std::string>;

// Both directions: "나는 책을(를) 읽는다" / "I read the book." and a free slot; "I read
// the book" / "나는 책을 읽는다.".
const Sources kClean = {
    {"main.txt",
     "[subj]\n나는 | I\n철수는 | Cheolsu\n"
     "[n_obj]\n책 | the book\n사과 | an apple\n물 | water\n"
     "[p_obj]\n~을(를) |\n"
     "[v]\n읽는다 | read\n먹는다 | eat\n"},
    {"gu.txt",
     "subj | @0@ | zS\n"
     "n_obj,p_obj | @0@ | zO\n"
     "v | @0@ | zV\n"},
    {"change.txt",
     "zS,zO,zV | @0@ @2@ @1@.\n"
     "-안녕하세요 | Hello.\n"},
    {"ekmain.txt",
     "[e_subj]\nI | 나\nCheolsu | 철수\n"
     "[e_verb]\nread | 읽는다\neat | 먹는다\n"
     "[e_obj]\nthe book | 책\nan apple | 사과\nwater | 물\n"},
    {"ekgu.txt",
     "e_subj | @0@ | zS\n"
     "e_verb | @0@ | zV\n"
     "e_obj | @0@ | zO\n"},
    {"ekchange.txt", "zS,zV,zO | @0@은(는) @2@을(를) @1@.\n"},
    {"tosi.txt",
     "\"{V}을(를)\" | \"{V}를\"\n\"{C}을(를)\" | \"{C}을\"\n\"{L}을(를)\" | \"{L}을\"\n"
     "\"{V}은(는)\" | \"{V}는\"\n\"{C}은(는)\" | \"{C}은\"\n\"{L}은(는)\" | \"{L}은\"\n"},
};

LintOptions FewWalks() {
  LintOptions options;
  options.nWalks = 60;
  return options;
}

// Compiles the sources (the clean set with `changes` put over it) into the current
// (scratch) directory and checks them.
LintResult Lint(const Sources& changes, const LintOptions& options = FewWalks()) {
  Sources sources = kClean;
  for (const auto& [file, text] : changes) sources[file] = text;
  for (const auto& [file, text] : sources) WriteSource("src/" + file, text);
  std::string err;
  EXPECT_EQ(Dexc({"build", "src", "."}, nullptr, &err), 0) << err;
  return RunLint(options);
}

std::string Messages(const LintResult& result) {
  std::string all;
  for (const LintFinding& f : result.findings) all += f.strMessage + "\n";
  return all;
}

}  // namespace

TEST(DictLint, CleanDictionariesPass) {
  ScratchDir dir;
  LintResult result = Lint({});
  EXPECT_FALSE(result.Failed()) << Messages(result);
  EXPECT_THAT(result.findings, IsEmpty()) << Messages(result);
  EXPECT_EQ(result.korean.nPatterns, 2);
  EXPECT_EQ(result.korean.nCovered, 2);
  EXPECT_EQ(result.english.nPatterns, 1);
  EXPECT_EQ(result.english.nCovered, 1);
  EXPECT_EQ(result.korean.nWalks, 60);
  EXPECT_GT(result.english.nFinished, 0);
  ASSERT_FALSE(result.english.samples.empty());
  // The samples are what the program shows, in UTF-8.
  bool found = false;
  for (const SentencePair& pair : result.english.samples)
    if (pair.strTranslation.find("은 ") != std::string::npos || pair.strTranslation.find("는 ") != std::string::npos)
      found = true;
  EXPECT_TRUE(found);
}

TEST(DictLint, EachFaultIsReportedByName) {
  static const struct {
    const char* szCase;
    Sources changes;
    LintCheck eCheck;
    bool bKoreanSource;
    const char* szNamed;  // part of the finding's message
  } cases[] = {
      {"pattern that begins with a lexicon key",
       {{"change.txt", "zS,zO,zV | @0@ @2@ @1@.\n-안녕하세요 | Hello.\nn_obj,zV | @0@ @1@.\n"}},
       LintCheck::Unreachable,
       true,
       "sentence pattern ,n_obj,zV, | @0@ @1@. (change.dex record 1) is never completed: no composition begins with "
       "its first item n_obj"},
      {"pattern whose result key no rule produces",
       {{"ekchange.txt", "zS,zV,zO | @0@은(는) @2@을(를) @1@.\nzS,zQ | @0@?\n"}},
       LintCheck::Unreachable,
       false,
       ",zS,zQ, | @0@? (ekchange.dex record 0) is never completed: compositions reach ,zS, but never go on with zQ"},
      {"particle pair the particle dictionary misses",
       {{"tosi.txt", "\"{V}을(를)\" | \"{V}를\"\n\"{L}을(를)\" | \"{L}을\"\n"}},
       LintCheck::Leftover,
       true,
       "the finished sentence of sentence pattern ,zS,zO,zV, holds an unresolved particle pair \"을(를)\""},
      {"phrase holding @",
       {{"main.txt", "[subj]\n나는 | I\n[n_obj]\n책@ | the book\n[p_obj]\n~을(를) |\n[v]\n읽는다 | read\n"}},
       LintCheck::Leftover,
       true,
       "the finished sentence of sentence pattern ,zS,zO,zV, holds a leftover \"@\""},
      {"English phrase holding # (English is not corrected)",
       {{"ekmain.txt", "[e_subj]\nI | 나\n[e_verb]\nread | 읽는다\n[e_obj]\nthe book# | 책\n"}},
       LintCheck::Leftover,
       false,
       "the finished sentence of sentence pattern ,zS,zV,zO, holds a leftover \"#\""},
      {"English phrase with a trailing blank",
       {{"ekmain.txt", "[e_subj]\nI | 나\n[e_verb]\n\"read \" | 읽는다\n[e_obj]\nthe book | 책\n"}},
       LintCheck::Leftover,
       false,
       "holds two spaces in a row"},
      {"particle dictionary giving the wrong form",
       {{"tosi.txt", "\"{V}을(를)\" | \"{V}를\"\n\"{C}을(를)\" | \"{C}를\"\n\"{L}을(를)\" | \"{L}을\"\n"}},
       LintCheck::Particle,
       true,
       "particle \"를\" does not fit \"책\" (final ㄱ) in \"책를\": it should be \"을\""},
      {"template with a fixed particle",
       {{"ekchange.txt", "zS,zV,zO | @0@은(는) @2@를 @1@.\n"}},
       LintCheck::Particle,
       false,
       "in \"책를\""},
  };
  for (const auto& c : cases) {
    ScratchDir dir;
    LintResult result = Lint(c.changes);
    EXPECT_TRUE(result.Failed()) << c.szCase;
    bool found = false;
    for (const LintFinding& f : result.Of(c.eCheck))
      if (f.bKoreanSource == c.bKoreanSource && f.strMessage.find(c.szNamed) != std::string::npos) found = true;
    EXPECT_TRUE(found) << c.szCase << ": expected \"" << c.szNamed << "\" among\n" << Messages(result);
  }
}

TEST(DictLint, ListAtTheRunCapacityFails) {
  // A result key behind `keys` one-entry keys: the first list offers them all.
  for (int keys : {99, 100, 101}) {
    ScratchDir dir;
    std::string lexicon, rules;
    for (int k = 0; k < keys; ++k) {
      lexicon += "[k" + std::to_string(k) + "]\n책" + std::to_string(k) + " | book\n";
      rules += "k" + std::to_string(k) + " | @0@ | zA\n";
    }
    LintOptions options = FewWalks();
    options.bEnglishSource = false;
    options.nWalks = 5;
    LintResult result = Lint({{"main.txt", lexicon}, {"gu.txt", rules}, {"change.txt", "zA | @0@.\n"}}, options);
    const std::vector<LintFinding> sizes = result.Of(LintCheck::ListSize);
    if (keys < 100) {
      EXPECT_THAT(sizes, IsEmpty()) << keys;
      EXPECT_EQ(result.korean.nMaxRuns, keys);
    } else {
      ASSERT_FALSE(sizes.empty()) << keys;
      EXPECT_THAT(sizes[0].strMessage, HasSubstr("the first list offers 100 lexicon runs")) << keys;
    }
  }
}

TEST(DictLint, ListPastTheLineCapacityFails) {
  ScratchDir dir;
  std::string lexicon = "[a]\n";
  for (int e = 0; e < 4001; ++e) lexicon += "a" + std::to_string(e) + " | x\n";
  lexicon += "[b]\n";
  for (int e = 0; e < 4001; ++e) lexicon += "b" + std::to_string(e) + " | x\n";
  LintOptions options = FewWalks();
  options.bEnglishSource = false;
  options.nWalks = 2;
  LintResult result =
      Lint({{"main.txt", lexicon}, {"gu.txt", "a | @0@ | zA\nb | @0@ | zA\n"}, {"change.txt", "zA | @0@.\n"}}, options);
  const std::vector<LintFinding> sizes = result.Of(LintCheck::ListSize);
  ASSERT_EQ(sizes.size(), 1u) << Messages(result);
  EXPECT_EQ(sizes[0].strMessage, "the first list offers 8002 lines; the program shows only the first 8000");
}

TEST(DictLint, ListLongerThanALearnerCanBrowseFails) {
  // One key group of `entries` lines after the first step; the list is the whole group.
  for (int entries : {3000, 3001}) {
    ScratchDir dir;
    std::string lexicon = "[a]\n";
    for (int e = 0; e < entries; ++e) lexicon += "a" + std::to_string(e) + " | x\n";
    LintOptions options = FewWalks();
    options.bEnglishSource = false;
    options.nWalks = 2;
    LintResult result = Lint({{"main.txt", lexicon}, {"gu.txt", "a | @0@ | zA\n"}, {"change.txt", "zA | @0@.\n"}}, options);
    const std::vector<LintFinding> sizes = result.Of(LintCheck::ListSize);
    if (entries <= 3000) {
      EXPECT_THAT(sizes, IsEmpty()) << Messages(result);
    } else {
      ASSERT_EQ(sizes.size(), 1u) << Messages(result);
      EXPECT_EQ(sizes[0].strMessage, "the first list offers 3001 lines, more than a learner can browse (3000)");
    }
  }
}

TEST(DictLint, DeadEndIsAWarning) {
  // "b" has no lexicon group: after "a" the list is empty and the sentence unfinished.
  ScratchDir dir;
  LintOptions options = FewWalks();
  options.bEnglishSource = false;
  LintResult result = Lint({{"main.txt", "[a]\n가 | a\n[c]\n다 | c\n"},
                            {"gu.txt", "a,b | @0@ | zA\nc | @0@ | zA\n"},
                            {"change.txt", "zA | @0@.\n"}},
                           options);
  EXPECT_FALSE(result.Failed()) << Messages(result);
  const std::vector<LintFinding> ends = result.Of(LintCheck::DeadEnd);
  ASSERT_EQ(ends.size(), 1u) << Messages(result);
  EXPECT_EQ(ends[0].strMessage, "the list after the regrouped keys ,a, is empty, yet the sentence is not finished");
  EXPECT_EQ(ends[0].strExample, "after 가 [a]");
}

TEST(DictLint, TheSameSeedGivesTheSameWalks) {
  ScratchDir dir;
  LintResult first = Lint({});
  LintResult second = RunLint(FewWalks());
  ASSERT_EQ(first.korean.samples.size(), second.korean.samples.size());
  for (std::size_t i = 0; i < first.korean.samples.size(); ++i)
    EXPECT_EQ(first.korean.samples[i].strSentence, second.korean.samples[i].strSentence) << i;
  EXPECT_EQ(first.korean.nFinished, second.korean.nFinished);
  EXPECT_EQ(first.english.nWalkSteps, second.english.nWalkSteps);
}
