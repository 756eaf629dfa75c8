// Warnings about lists that grow past the candidate list's limits, and about keys.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "tests/support/DexFixture.h"
#include "tools/dexc/ListCheck.h"
#include "tools/dexc/DexcTestSupport.h"

using ::testing::ElementsAre;
using ::testing::IsEmpty;

namespace {

// A lexicon of `keys` keys k1..kN with `entries` entries each, and one rule per key
// producing zX, so that offering zX offers every key.
void WriteKeysBehindOneResult(int keys, int entries) {
  std::string lexicon, rules;
  for (int k = 1; k <= keys; ++k) {
    lexicon += "[k" + std::to_string(k) + "]\n";
    for (int e = 0; e < entries; ++e) lexicon += "p" + std::to_string(e) + " | t\n";
    rules += "k" + std::to_string(k) + " | @0@ | zX\n";
  }
  WriteSource("src/main.txt", lexicon);
  WriteSource("src/gu.txt", rules);
}

std::vector<std::string> Warnings() {
  CDiagnostics diag;
  CompiledDictionaries compiled = CompileSources("src", diag);
  EXPECT_FALSE(diag.HasErrors());
  CheckKeys(compiled.korean, diag);
  CheckListSizes(compiled.korean, diag);
  return diag.Warnings();
}

}  // namespace

TEST(DexcListCheck, CountsWhatTheCandidateListOffers) {
  ScratchDir dir;
  WriteSource("src/main.txt", "[a]\n1 | x\n2 | x\n[b]\n1 | x\n[c]\n1 | x\n");
  WriteSource("src/gu.txt",
              "a | @0@ | zA\n"
              "b,c | @0@ @1@ | zA\n"
              "a,b | @0@ @1@ | zA\n"
              "-free | @0@ | zA\n"
              "c | @0@ | zC\n"
              "zC | @0@ | zD\n");
  WriteSource("src/change.txt",
              "zA,zC | x\n"
              "zA,-slot | x\n"
              "zA,zA | x\n"
              "-who,zD | x\n"
              "zA | x\n");
  CDiagnostics diag;
  CompiledDictionaries compiled = CompileSources("src", diag);
  ASSERT_FALSE(diag.HasErrors());
  static const struct {
    std::vector<std::string> prefix;
    int runs, freeSlots, lines;
  } cases[] = {
      // First list: zA -> a, b, -free (a counted once); -who is a slot; zA's "zC" is not a
      // first key of zA.
      {{}, 2, 2, 3 + 2},
      // After zA: zC -> c; -slot; zA -> a, b, -free.
      {{"zA"}, 3, 2, 4 + 2},
      // After -who: zD's only first key is the result key zC, which has no group.
      {{"-who"}, 0, 0, 0},
      {{"zA", "zC"}, 0, 0, 0},
  };
  for (const auto& c : cases) {
    ListSize size = ListSizeAfter(compiled.korean, c.prefix);
    std::string label = ::testing::PrintToString(c.prefix);
    EXPECT_EQ(size.nRuns, c.runs) << label;
    EXPECT_EQ(size.nFreeSlots, c.freeSlots) << label;
    EXPECT_EQ(size.nLines, c.lines) << label;
  }
}

TEST(DexcListCheck, WarnsWhenTheFirstListOffersTooManyRuns) {
  for (int keys : {100, 101}) {
    ScratchDir dir;
    WriteKeysBehindOneResult(keys, 1);
    WriteSource("src/change.txt", "zX | x\n");
    std::vector<std::string> expected;
    if (keys == 101)
      expected = {"warning: src/change.txt: the first list of a sentence can offer the phrases "
                  "of 101 lexicon keys, but one list can merge at most 100"};
    EXPECT_EQ(Warnings(), expected) << keys;
  }
}

TEST(DexcListCheck, WarnsWhenTheListAfterAPrefixOffersTooManyRuns) {
  ScratchDir dir;
  WriteKeysBehindOneResult(101, 1);
  WriteSource("src/change.txt", "zY | x\nzX | x\n-who, zY, zX | x\n-who,zY | x\n");
  WriteSource("src/gu.txt", ReadBytes("src/gu.txt") + "k1,k2 | @0@ @1@ | zY\n");
  EXPECT_THAT(Warnings(),
              ElementsAre("warning: src/change.txt: the first list of a sentence can offer the "
                          "phrases of 101 lexicon keys, but one list can merge at most 100",
                          "warning: src/change.txt:3: the list after \"-who,zY\" can offer the "
                          "phrases of 101 lexicon keys, but one list can merge at most 100"));
}

TEST(DexcListCheck, CountsTheKeysThatContinueTheRuleOfTheLastResultKey) {
  // After zX made of "base", the list also offers every key that continues "base" into
  // a rule whose result zY a pattern takes there.
  ScratchDir dir;
  std::string lexicon = "[base]\nb | t\n", rules = "base | @0@ | zX\n";
  for (int k = 1; k <= 101; ++k) {
    lexicon += "[k" + std::to_string(k) + "]\np | t\n";
    rules += "base,k" + std::to_string(k) + " | @0@ @1@ | zY\n";
  }
  WriteSource("src/main.txt", lexicon);
  WriteSource("src/gu.txt", rules);
  WriteSource("src/change.txt", "zX,-end | x\nzY | x\n");
  EXPECT_THAT(Warnings(),
              ElementsAre("warning: src/change.txt:1: the list after \"zX\" can offer the "
                          "phrases of 101 lexicon keys, but one list can merge at most 100"));
}

TEST(DexcListCheck, WarnsWhenAListHasTooManyLinesOrFreeSlots) {
  ScratchDir dir;
  WriteKeysBehindOneResult(2, 4001);  // 8002 lines
  std::string patterns = "zX | x\n";
  for (int s = 0; s < 201; ++s) patterns += "zX,-s" + std::to_string(s) + " | x\n";
  WriteSource("src/change.txt", patterns);
  EXPECT_THAT(Warnings(),
              ElementsAre("warning: src/change.txt: the first list of a sentence can have 8002 "
                          "lines, but one list can hold at most 8000",
                          "warning: src/change.txt:2: the list after \"zX\" can offer 201 free "
                          "slots, but one list can hold at most 200"));
}

TEST(DexcListCheck, WarnsAboutUnknownKeysAndPatternsThatCannotStart) {
  ScratchDir dir;
  WriteSource("src/main.txt", "[n_food]\n밥 | rice\n[v]\n먹다 | eat\n");
  WriteSource("src/gu.txt",
              "n_fod | @0@ | zNP\n"
              "n_food,v,mz | @0@ @1@ | zVP\n"
              "-thing | @0@ | zNP\n"
              "n_fod | @0@ | zObj\n");
  WriteSource("src/change.txt",
              "zNP,zVP | x\n"
              "zNP,zQ | x\n"
              "v,zNP | x\n"
              "v,zVP | x\n");
  EXPECT_THAT(Warnings(),
              ElementsAre("warning: src/gu.txt:1: key \"n_fod\" is no key of the lexicon (main) "
                          "and no result key of a phrase rule",
                          "warning: src/change.txt:2: key \"zQ\" is the result key of no phrase "
                          "rule (gu)",
                          "warning: src/change.txt:3: sentence patterns that begin with the "
                          "lexicon key \"v\" can never be started: the first list of a sentence "
                          "offers only result keys (\"z...\") and free slots (\"-...\")"));
}

TEST(DexcListCheck, WarnsAboutAFreeSlotThatBeginsPatternsAndRulesAlike) {
  ScratchDir dir;
  WriteSource("src/main.txt", "[v]\n먹다 | eat\n");
  WriteSource("src/gu.txt",
              "-why,v | @1@ | zW\n"
              "-only,v | @1@ | zX\n");
  WriteSource("src/change.txt",
              "zW,-~? | x\n"
              "-why,v | x\n"
              "-why,zW | x\n"
              "-only,zW | x\n");
  // "-only" begins a rule too, but not one whose key begins a pattern: it is offered once.
  EXPECT_THAT(Warnings(),
              ElementsAre("warning: src/change.txt:2: the free slot \"-why\" begins sentence "
                          "patterns and phrase rules alike: the first list of a sentence offers "
                          "it twice, out of order; let one of them begin with a key"));
}

TEST(DexcListCheck, NothingToSayAboutAnEmptyDirection) {
  ScratchDir dir;
  std::filesystem::create_directory("src");
  EXPECT_THAT(Warnings(), IsEmpty());
}
