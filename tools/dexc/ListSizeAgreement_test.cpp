// Holds dexc's own count of what a candidate list offers (ListSizeAfter, which the list
// size warnings rest on) to the real candidate list builder. For the first list of a
// sentence and after every prefix that the warnings replay, both must count the same
// lexicon runs, free-slot lines and lines. The dictionaries are compiled from sources
// into the scratch directory, where the builder reads them: small ones written here,
// the test dictionaries and the bundled ones.
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "candidates/CandidateList.h"
#include "dict/Capacities.h"
#include "dict/KeyVocabulary.h"
#include "engine/SentenceBuilder.h"
#include "tests/support/DexFixture.h"
#include "tools/dexc/DexcTestSupport.h"
#include "tools/dexc/ListModel.h"

namespace {

// Counts the lines that the builder hands out.
class CLineCounter : public ICandidateSink {
 public:
  void ResetLines() override { m_nLines = 0; }
  void InsertLine(int, const std::string&) override { ++m_nLines; }
  int m_nLines = 0;
};

std::string Shown(const std::vector<std::string>& prefix) {
  std::string text = "\"";
  for (std::size_t i = 0; i < prefix.size(); ++i) text += (i ? "," : "") + U(prefix[i]);
  return text + "\"";
}

// The working record a completion check leaves for one item of a key-list prefix: a
// result key is a step merged by a rule (which one only the last step's group tells),
// a free slot a "zz" step whose typed word is the slot's own text (so that the key list
// goes on with the pattern), any other item a step with that key.
StepRecord WorkFor(const std::string& item) {
  StepRecord step;
  if (IsFreeSlotItem(item)) {
    step.strKey = kPatternSlotKey;
    step.strPhrase = item.substr(1);
  } else {
    step.strKey = item;
    step.strPhrase = "p";
  }
  return step;
}

// The real builder, on the dictionaries of the current directory.
class CRealList {
 public:
  CRealList() : m_list(std::make_unique<CCandidateList>()) {
    m_list->LoadMainGroups();
    m_list->LoadGuFirstKeys();
  }

  // The list after the prefix (the first list of a sentence for an empty one), whose
  // last result key the rule `group` produced.
  ListSize After(bool koreanSource, const std::vector<std::string>& prefix,
                 const std::vector<std::string>& group) {
    const unsigned char bKoreanSource = koreanSource ? 1 : 0;
    m_builder.m_bKoreanSource = bKoreanSource;
    const int steps = static_cast<int>(prefix.size());
    for (int i = 0; i < steps; ++i) {
      StepRecord& step = m_builder.m_work[i];
      step = WorkFor(prefix[i]);
      step.nPrev = i - 1;
      step.nNext = i + 1 < steps ? i + 1 : kChainEnd;
    }
    if (steps > 0 && IsResultKey(prefix.back())) {
      for (const std::string& item : group) m_builder.m_work[steps - 1].strGroup += item + ",";
    }
    m_builder.m_nLast = steps - 1;
    CLineCounter lines;
    m_list->Build(m_builder, steps, bKoreanSource, lines);
    return {m_list->m_nCandWork, m_list->m_nCandCodes + 1, lines.m_nLines};
  }

 private:
  std::unique_ptr<CCandidateList> m_list;
  CSentenceBuilder m_builder;
};

// dexc counts what a list would offer; the real tables stop at their capacities, where
// dexc warns. Within them the counts must be equal; past the run table the lines depend
// on which runs were dropped and are not compared.
void ExpectSameList(const ListSize& counted, const ListSize& real, const std::string& label) {
  EXPECT_EQ(std::min(counted.nRuns, kMaxLexiconRuns), real.nRuns) << label << ": lexicon runs";
  EXPECT_EQ(std::min(counted.nFreeSlots, kMaxTableEntries), real.nFreeSlots)
      << label << ": free-slot lines";
  if (counted.nRuns <= kMaxLexiconRuns && counted.nFreeSlots <= kMaxTableEntries) {
    EXPECT_EQ(std::min(counted.nLines, kMaxListLines), real.nLines) << label << ": lines";
  }
}

// Compiles srcDir into the current directory and compares every replayed list of both
// directions; returns the number of lists compared.
int CompareEveryList(const std::string& srcDir) {
  CDiagnostics diag;
  CompiledDictionaries compiled = CompileSources(srcDir, diag);
  EXPECT_FALSE(diag.HasErrors()) << srcDir;
  for (const auto& [file, bytes] : EncodeDictionaries(compiled)) WriteBytes(file, bytes);

  CRealList real;
  int compared = 0;
  for (bool koreanSource : {true, false}) {
    const CompiledDirection& direction = koreanSource ? compiled.korean : compiled.english;
    std::vector<std::vector<std::string>> prefixes = {{}};
    for (const PatternPrefix& prefix : ContinuedPrefixes(direction))
      prefixes.push_back(prefix.items);
    for (const std::vector<std::string>& prefix : prefixes) {
      if (prefix.size() > static_cast<std::size_t>(kMaxSteps)) continue;
      // After a result key, the list for each rule it may stand for.
      std::vector<std::vector<std::string>> groups;
      if (!prefix.empty() && IsResultKey(prefix.back()))
        groups = GroupsOf(direction, prefix.back());
      if (groups.empty()) groups.emplace_back();
      for (const std::vector<std::string>& group : groups) {
        std::string label = srcDir + " " + (koreanSource ? "Korean" : "English") + ", after " +
                            Shown(prefix) + (group.empty() ? "" : " made of " + Shown(group));
        ExpectSameList(ListSizeAfter(direction, prefix, group),
                       real.After(koreanSource, prefix, group), label);
        ++compared;
      }
    }
  }
  return compared;
}

}  // namespace

TEST(DexcListSizeAgreement, SmallDictionariesCountAsTheBuilderOffers) {
  ScratchDir dir;
  // Korean: result keys with several rules; a rule that begins with a free slot (an "mz"
  // line); a result key whose only rule begins with another result key (nothing to
  // offer); lexicon keys and an "mz" among the pattern items; free slots at the start
  // and inside patterns; rules that continue the rule of zN ("n" into "n,-도") and the
  // free slot "-안녕" into longer rules whose results patterns take.
  WriteSource("src/main.txt",
              "[n]\n밥 | rice\n물 | water\n[v]\n먹다 | eat\n마시다 | drink\n[a]\n빨리 | fast\n");
  WriteSource("src/gu.txt",
              "n | @0@ | zN\n"
              "-것 | @0@ | zN\n"
              "v | @0@ | zV\n"
              "a,v | @0@ @1@ | zV\n"
              "zN,n | @0@ @1@ | zNN\n"
              "a | @0@ | zA\n"
              "n,-도 | @0@ too | zNd\n"
              "-안녕,a | hello @1@ | zHi\n");
  WriteSource("src/change.txt",
              "zN,zV | @0@ @1@\n"
              "zN,-을,zV | @0@ @2@\n"
              "zN,-을,zV,-요 | @0@ @2@\n"
              "zN,zA,zV | @0@ @1@ @2@\n"
              "zNN,zV | @0@ @1@\n"
              "zNd,zV | @0@ @1@\n"
              "-안녕 | hello\n"
              "-안녕,zN | hello @1@\n"
              "zHi | @0@\n"
              "zV,n,zN | @0@ @2@\n"
              "zA,mz,zN,zV | @0@ @1@ @2@ @3@\n");
  // English: a smaller direction of its own.
  WriteSource("src/ekmain.txt", "[pn]\nI | 저\nyou | 당신\n[vb]\nlike | 좋아해요\n");
  WriteSource("src/ekgu.txt", "pn | @0@ | zS\nvb | @0@ | zV\n");
  WriteSource("src/ekchange.txt", "zS,zV | @0@ @1@\nzS,zV,-. | @0@ @1@.\n");
  EXPECT_EQ(CompareEveryList("src"), 18);
}

TEST(DexcListSizeAgreement, ListsPastTheRunTableAreCountedUpToIt) {
  ScratchDir dir;
  std::string lexicon, rules;
  for (int k = 0; k <= kMaxLexiconRuns; ++k) {
    lexicon += "[k" + std::to_string(k) + "]\np" + std::to_string(k) + " | t\n";
    rules += "k" + std::to_string(k) + " | @0@ | zX\n";
  }
  WriteSource("src/main.txt", lexicon);
  WriteSource("src/gu.txt", rules);
  WriteSource("src/change.txt", "zX | x\nzX,zX | x\n");
  EXPECT_EQ(CompareEveryList("src"), 103);
  // dexc counts every run the first list would offer, which is where it warns.
  CDiagnostics diag;
  EXPECT_EQ(ListSizeAfter(CompileSources("src", diag).korean, {}).nRuns, kMaxLexiconRuns + 1);
}

TEST(DexcListSizeAgreement, TestDictionariesCountAsTheBuilderOffers) {
  ScratchDir dir;
  EXPECT_GT(CompareEveryList(std::string(DAOLSAE_SOURCE_DIR) + "/tests/dicts"), 2);
}

TEST(DexcListSizeAgreement, BundledDictionariesCountAsTheBuilderOffers) {
  ScratchDir dir;
  EXPECT_GT(CompareEveryList(std::string(DAOLSAE_SOURCE_DIR) + "/data"), 2);
}
