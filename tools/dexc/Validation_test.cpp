// Every fault a dictionary author can make, with the exact message dexc prints for it.
#include <gtest/gtest.h>

#include "tests/support/DexFixture.h"
#include "tools/dexc/DexcTestSupport.h"

namespace {

std::string Repeat(const std::string& text, int times) {
  std::string out;
  for (int i = 0; i < times; ++i) out += text;
  return out;
}

// One source file in src/ and the errors compiling src/ must print, in order.
struct Case {
  const char* file;
  std::string source;
  std::vector<std::string> errors;
};

void RunCases(const std::vector<Case>& cases) {
  for (const Case& c : cases) {
    ScratchDir dir;
    WriteSource(std::string("src/") + c.file, c.source);
    EXPECT_EQ(CompileErrors("src"), c.errors) << c.file << ":\n" << c.source;
  }
}

}  // namespace

TEST(DexcValidation, UnreadableSourceLinesAreReported) {
  RunCases({
      {"main.txt", "[k]\n\"a b | t\n",
       {"src/main.txt:2: a field that opens with a double quote has no closing quote"}},
      {"main.txt", "[k]\n\"a\" b | t\n",
       {"src/main.txt:2: text after the closing quote of field 1; put the whole field inside "
        "the quotes"}},
      {"main.txt", "[k]\np | \"t\" x\n",
       {"src/main.txt:2: text after the closing quote of field 2; put the whole field inside "
        "the quotes"}},
      {"main.txt", "[k]\np | \xC0\xAF\n",
       {"src/main.txt:2: the line is not valid UTF-8 text; save the file as UTF-8"}},
      {"main.txt", "[k]\np | \xEB\xA7\n",
       {"src/main.txt:2: the line is not valid UTF-8 text; save the file as UTF-8"}},
  });
}

TEST(DexcValidation, EveryLexiconKeyFaultIsReported) {
  RunCases({
      {"main.txt", "사과 | apple\n",
       {"src/main.txt:1: this entry has no key: write a [key] line above it"}},
      {"main.txt", "[]\np | t\n", {"src/main.txt:1: the key is empty"}},
      {"main.txt", "[ -k ]\np | t\n",
       {"src/main.txt:1: the key \"-k\" begins with \"-\", which marks a free slot"}},
      {"main.txt", "[zk]\np | t\n",
       {"src/main.txt:1: the key \"zk\" begins with \"z\", which marks the result key of a "
        "phrase rule"}},
      {"main.txt", "[mz]\np | t\n",
       {"src/main.txt:1: the key \"mz\" is reserved for words the user types"}},
      {"main.txt", "[a,b]\np | t\n",
       {"src/main.txt:1: the key \"a,b\" holds \",\", which separates keys"}},
      {"main.txt", "[a;b]\np | t\n",
       {"src/main.txt:1: the key \"a;b\" holds \";\", which separates the parts of a rule"}},
      {"ekmain.txt", "[" + Repeat("k", 25) + "]\np | t\n",
       {"src/ekmain.txt:1: the key is too long: 25 bytes in code page 949, at most 24 fit"}},
      {"main.txt", "[" + Repeat("가", 13) + "]\np | t\n",
       {"src/main.txt:1: the key is too long: 26 bytes in code page 949, at most 24 fit"}},
      {"main.txt", "[kŵ]\np | t\n",
       {"src/main.txt:1: the key holds \"ŵ\" (U+0175), which code page 949 cannot store"}},
  });
}

TEST(DexcValidation, EveryLexiconEntryFaultIsReported) {
  RunCases({
      {"main.txt", "[k]\na;b | t\n",
       {"src/main.txt:2: the phrase holds \";\", which separates the parts of a list line"}},
      {"main.txt", "[k]\np | t;u\n",
       {"src/main.txt:2: the translation holds \";\", which separates the parts of a list "
        "line"}},
      {"main.txt", "[k]\np | t | n;o\n",
       {"src/main.txt:2: the note holds \";\", which separates the parts of a list line"}},
      {"main.txt", "[k]\np | a@b\n",
       {"src/main.txt:2: the translation holds \"@\", which marks a reference in templates"}},
      {"main.txt", "[k]\np\n",
       {"src/main.txt:2: a lexicon entry is \"phrase | translation\" or \"phrase | translation "
        "| note\", but this line has 1 field"}},
      {"main.txt", "[k]\np | t | n |\n",
       {"src/main.txt:2: a lexicon entry is \"phrase | translation\" or \"phrase | translation "
        "| note\", but this line has 4 fields"}},
      {"main.txt", "[k]\n | t\n", {"src/main.txt:2: the phrase is empty"}},
      {"main.txt", "[k]\n\"a\tb\" | t\n",
       {"src/main.txt:2: the phrase holds a control character (U+0009), such as a tab; write "
        "it without"}},
      {"main.txt", "[k]\n😀 | t\n",
       {"src/main.txt:2: the phrase holds \"😀\" (U+1F600), which code page 949 cannot store"}},
      {"main.txt", "[k]\np | ok | é\n",
       {"src/main.txt:2: the note holds \"é\" (U+00E9), which code page 949 cannot store"}},
      {"main.txt", "[k]\n" + Repeat("가", 25) + " | t\n",
       {"src/main.txt:2: the phrase is too long: 50 bytes in code page 949, at most 49 fit"}},
      {"main.txt", "[k]\np | " + Repeat("t", 50) + "\n",
       {"src/main.txt:2: the translation is too long: 50 bytes in code page 949, at most 49 "
        "fit"}},
      {"main.txt", "[k]\np | t | " + Repeat("n", 50) + "\n",
       {"src/main.txt:2: the note is too long: 50 bytes in code page 949, at most 49 fit"}},
      // At the limits: 49 bytes in every text field, 24 in the key.
      {"main.txt", "[" + Repeat("k", 24) + "]\n" + Repeat("가", 24) + "a | " + Repeat("t", 49) +
                       " | " + Repeat("n", 49) + "\n",
       {}},
      // One line with several faults reports each of them.
      {"main.txt", "[k]\na;b | x;@ | 😀\n",
       {"src/main.txt:2: the phrase holds \";\", which separates the parts of a list line",
        "src/main.txt:2: the translation holds \";\", which separates the parts of a list line",
        "src/main.txt:2: the translation holds \"@\", which marks a reference in templates",
        "src/main.txt:2: the note holds \"😀\" (U+1F600), which code page 949 cannot store"}},
  });
}

TEST(DexcValidation, EveryPhraseRuleFaultIsReported) {
  RunCases({
      {"gu.txt", "a,b | @0@\n",
       {"src/gu.txt:1: a phrase rule is \"pattern | template | result key\", but this line has "
        "2 fields"}},
      {"gu.txt", " | x | zA\n", {"src/gu.txt:1: the pattern is empty"}},
      {"gu.txt", "a,,b | x | zA\n",
       {"src/gu.txt:1: the pattern has an empty item; write keys separated by \",\""}},
      {"gu.txt", "a,b, | x | zA\n",
       {"src/gu.txt:1: the pattern has an empty item; write keys separated by \",\""}},
      {"gu.txt", "a;b,c | x | zA\n",
       {"src/gu.txt:1: the pattern holds \";\", which no key may hold"}},
      {"gu.txt", "a,b | x;y | zA\n",
       {"src/gu.txt:1: the template holds \";\", which separates the parts of a rule"}},
      {"gu.txt", "a | x | A\n", {"src/gu.txt:1: the result key \"A\" does not begin with \"z\""}},
      {"ekgu.txt", "a | x | \n",
       {"src/ekgu.txt:1: the result key is empty; it must begin with \"z\""}},
      {"gu.txt", "a | x | zz\n",
       {"src/gu.txt:1: the result key \"zz\" is reserved for words the user types"}},
      {"gu.txt", "a,b | x | zA,zB\n",
       {"src/gu.txt:1: the result key holds \",\", which separates keys"}},
      {"gu.txt", "zA | @0@ | zA\n",
       {"src/gu.txt:1: the rule's only item \"zA\" is also its result key, so the rule would "
        "apply to its own result again and again"}},
      {"gu.txt", "a | x, y | zA\n",
       {"src/gu.txt:1: the template of a one-item rule may not hold \",\": the program would "
        "take the text up to that \",\" for the rule's first key"}},
      {"gu.txt", "a,b | @0@, @1@ | zA\n", {}},
      {"gu.txt", "a,b | @2@ | zA\n",
       {"src/gu.txt:1: the template refers to @2@, but the pattern has only 2 items (@0@ to "
        "@1@)"}},
      {"gu.txt", "a | @1@ | zA\n",
       {"src/gu.txt:1: the template refers to @1@, but the pattern has only 1 item (@0@)"}},
      {"gu.txt", "a | @x@ | zA\n",
       {"src/gu.txt:1: the template holds \"@x@\", but between two \"@\" there must be an item "
        "number"}},
      {"gu.txt", "a | @@ | zA\n",
       {"src/gu.txt:1: the template holds \"@@\", but between two \"@\" there must be an item "
        "number"}},
      {"gu.txt", "a | @0@ @0 | zA\n",
       {"src/gu.txt:1: the template holds an \"@\" without a closing \"@\"; a reference is "
        "written @0@, @1@, ..."}},
      {"gu.txt", "a,b | " + Repeat("t", 200) + " | zA\n",
       {"src/gu.txt:1: the rule is too long: 208 bytes stored as \"pattern;template;result "
        "key;\" in code page 949, at most 199 fit"}},
      // 3 + 1 + 191 + 1 + 2 + 1 = 199 bytes: fits.
      {"gu.txt", "a,b | " + Repeat("t", 191) + " | zA\n", {}},
      {"gu.txt", "[k]\n",
       {"src/gu.txt:1: [key] lines belong in lexicon files (main, ekmain); here every line is "
        "\"pattern | template | result key\""}},
  });
}

TEST(DexcValidation, EverySentencePatternFaultIsReported) {
  RunCases({
      {"change.txt", "zA | x | y\n",
       {"src/change.txt:1: a sentence pattern is \"key,key,... | template\", but this line has "
        "3 fields"}},
      {"change.txt", "zA,,zB | x\n",
       {"src/change.txt:1: the key list has an empty item; write keys separated by \",\""}},
      {"change.txt", "zA,zB | @0@ @2@\n",
       {"src/change.txt:1: the template refers to @2@, but the key list has only 2 items (@0@ "
        "to @1@)"}},
      {"change.txt", "zA | x\nzB | y\nzA | z\n",
       {"src/change.txt:3: this key list was already given at src/change.txt:1; a key list may "
        "have one sentence pattern only"}},
      {"ekchange.txt", "zA , zB | x\nzA,zB | y\n",
       {"src/ekchange.txt:2: this key list was already given at src/ekchange.txt:1; a key list "
        "may have one sentence pattern only"}},
      // ",k...k," with 148 k is 150 bytes; with 147 k it is 149 and fits.
      {"change.txt", Repeat("k", 148) + " | x\n",
       {"src/change.txt:1: the key list is too long: 150 bytes stored as \",key,key,\" in code "
        "page 949, at most 149 fit"}},
      {"change.txt", Repeat("k", 147) + " | x\n", {}},
      {"change.txt", "zA | " + Repeat("t", 150) + "\n",
       {"src/change.txt:1: the template is too long: 150 bytes in code page 949, at most 149 "
        "fit"}},
      {"change.txt", "zA | " + Repeat("t", 149) + "\n", {}},
      {"change.txt", "[k]\n",
       {"src/change.txt:1: [key] lines belong in lexicon files (main, ekmain); here every line "
        "is \"key,key,... | template\""}},
  });
}

TEST(DexcValidation, EveryParticleFaultIsReported) {
  RunCases({
      {"tosi.txt", "a | b | c\n",
       {"src/tosi.txt:1: a particle entry is \"pattern | replacement\", but this line has 3 "
        "fields"}},
      {"tosi.txt", "\"\" | b\n", {"src/tosi.txt:1: the pattern is empty"}},
      {"tosi.txt", "\"{V}{C}\" | x\n",
       {"src/tosi.txt:1: the pattern holds two classes, {V} and {C}; a pattern may hold one "
        "class only"}},
      {"tosi.txt", "\"{V}a\" | \"{C}b\"\n",
       {"src/tosi.txt:1: the replacement uses {C}, which is not in the pattern"}},
      {"tosi.txt", "a | \"{V}\"\n",
       {"src/tosi.txt:1: the replacement uses {V}, which is not in the pattern"}},
      {"tosi.txt", "\"{Q}a\" | y\n",
       {"src/tosi.txt:1: the pattern holds {Q}, which is no class; the classes are {V}, {L}, "
        "{C}, {DV}, {DL} and {DC}"}},
      {"tosi.txt", "\"{V}a\" | \"{v}\"\n",
       {"src/tosi.txt:1: the replacement holds {v}, which is no class; the classes are {V}, "
        "{L}, {C}, {DV}, {DL} and {DC}"}},
      {"tosi.txt", Repeat("a", 137) + " | b\n",
       {"src/tosi.txt:1: the pattern is too long: 137 bytes in code page 949, at most 136 "
        "fit"}},
      // A syllable class counts as the two bytes of the syllable it stands for.
      {"tosi.txt", "\"{V}" + Repeat("a", 135) + "\" | b\n",
       {"src/tosi.txt:1: the pattern is too long: 137 bytes in code page 949, at most 136 "
        "fit"}},
      {"tosi.txt", "\"{DV}" + Repeat("a", 135) + "\" | b\n", {}},
      {"tosi.txt", "\"{L}a\" | \"{L}" + Repeat("b", 133) + "{L}\"\n",
       {"src/tosi.txt:1: the replacement is too long: 137 bytes in code page 949, at most 136 "
        "fit"}},
      {"tosi.txt", "\"{C}😀\" | x\n",
       {"src/tosi.txt:1: the pattern holds \"😀\" (U+1F600), which code page 949 cannot "
        "store"}},
      {"tosi.txt", "\"# {1} {} {\" | \"#\"\n", {}},
      {"tosi.txt", "[k]\n",
       {"src/tosi.txt:1: [key] lines belong in lexicon files (main, ekmain); here every line is "
        "\"pattern | replacement\""}},
  });
}

TEST(DexcValidation, TheLexiconKeyPast200IsAnError) {
  for (int keys : {200, 201}) {
    ScratchDir dir;
    std::string source;
    for (int k = 1; k <= keys; ++k) source += "[k" + std::to_string(k) + "]\np | t\n";
    source += "[k1]\nq | u\n";  // a key seen again is no new key
    WriteSource("src/main.txt", source);
    std::vector<std::string> expected;
    if (keys == 201)
      expected = {"src/main.txt:401: the lexicon has 201 keys, but at most 200 fit; \"k201\" "
                  "here is number 201"};
    EXPECT_EQ(CompileErrors("src"), expected) << keys << " keys";
  }
}

TEST(DexcValidation, TheResultKeyPast200IsAnError) {
  for (int keys : {200, 201}) {
    ScratchDir dir;
    std::string source;
    for (int k = 1; k <= keys; ++k) source += "a | x | zK" + std::to_string(k) + "\n";
    source += "b | x | zK1\n";
    WriteSource("src/ekgu.txt", source);
    std::vector<std::string> expected;
    if (keys == 201)
      expected = {"src/ekgu.txt:201: the phrase rules have 201 different result keys, but at "
                  "most 200 fit; \"zK201\" here is number 201"};
    EXPECT_EQ(CompileErrors("src"), expected) << keys << " result keys";
  }
}

TEST(DexcValidation, AllErrorsOfAllFilesArePrintedInReadingOrder) {
  ScratchDir dir;
  WriteSource("src/main.txt", "[k]\n\"open | x\np;q | t\n");
  WriteSource("src/main/b.txt", "[zk]\n");
  WriteSource("src/main/a.txt", "p | t\n");
  WriteSource("src/tosi.txt", "a\n");
  EXPECT_EQ(CompileErrors("src"),
            (std::vector<std::string>{
                "src/main.txt:2: a field that opens with a double quote has no closing quote",
                "src/main.txt:3: the phrase holds \";\", which separates the parts of a list line",
                "src/main/a.txt:1: this entry has no key: write a [key] line above it",
                "src/main/b.txt:1: the key \"zk\" begins with \"z\", which marks the result key "
                "of a phrase rule",
                "src/tosi.txt:1: a particle entry is \"pattern | replacement\", but this line "
                "has 1 field",
            }));
}

TEST(DexcValidation, EntriesUnderABadKeyAreStillChecked) {
  ScratchDir dir;
  WriteSource("src/main.txt", "[-k]\np;q | t\n");
  EXPECT_EQ(CompileErrors("src"),
            (std::vector<std::string>{
                "src/main.txt:1: the key \"-k\" begins with \"-\", which marks a free slot",
                "src/main.txt:2: the phrase holds \";\", which separates the parts of a list line",
            }));
}
