// English inflection by rule, from the tables and from overrides; the tables' parsers.
// The expected forms of common words are in testdata/forms.txt (FormsTable_test.cpp).
#include "tools/dexc/EnglishInflection.h"

#include <gtest/gtest.h>

#include "tools/dexc/MorphTestData.h"

namespace {

// A small table, so that the rules are tested apart from the bundled data.
EnglishTables SmallTables() {
  EnglishTables tables;
  std::vector<std::string> errors;
  ParseIrregularVerbs("go | went | gone\nbe | was | been\nbegin | began | begun | beginning\n",
                      "verbs", &tables, &errors);
  ParseIrregularPlurals("child | children\n", "plurals", &tables, &errors);
  EXPECT_TRUE(errors.empty());
  return tables;
}

EnglishVerbForms Verb(const std::string& base, bool doubleFinal = false) {
  EnglishVerb verb;
  verb.strBase = base;
  verb.bDoubleFinal = doubleFinal;
  return InflectEnglishVerb(verb, SmallTables());
}

}  // namespace

TEST(EnglishInflection, RegularVerbs) {
  static const struct {
    const char* base;
    bool doubleFinal;
    const char *third, *past, *ing;
  } cases[] = {
      {"watch", false, "watches", "watched", "watching"},
      {"kiss", false, "kisses", "kissed", "kissing"},
      {"buzz", false, "buzzes", "buzzed", "buzzing"},
      {"echo", false, "echoes", "echoed", "echoing"},
      {"cry", false, "cries", "cried", "crying"},
      {"enjoy", false, "enjoys", "enjoyed", "enjoying"},
      {"stop", false, "stops", "stopped", "stopping"},
      {"chat", false, "chats", "chatted", "chatting"},
      {"fix", false, "fixes", "fixed", "fixing"},     // no doubling of x
      {"snow", false, "snows", "snowed", "snowing"},  // nor of w
      {"stay", false, "stays", "stayed", "staying"},  // nor of y
      {"rain", false, "rains", "rained", "raining"},  // two vowels
      {"help", false, "helps", "helped", "helping"},  // two consonants
      {"open", false, "opens", "opened", "opening"},  // two syllables: no doubling
      {"travel", false, "travels", "traveled", "traveling"},
      {"admit", true, "admits", "admitted", "admitting"},  // marked by the author
      {"quiz", false, "quizzes", "quizzed", "quizzing"},   // qu is a consonant
      {"agree", false, "agrees", "agreed", "agreeing"},
      {"free", false, "frees", "freed", "freeing"},
      {"dye", false, "dyes", "dyed", "dyeing"},
      {"tie", false, "ties", "tied", "tying"},
      {"live", false, "lives", "lived", "living"},
      {"use", false, "uses", "used", "using"},
      {"change", false, "changes", "changed", "changing"},
  };
  for (const auto& c : cases) {
    EnglishVerbForms forms = Verb(c.base, c.doubleFinal);
    EXPECT_EQ(forms.strThirdPerson, c.third) << c.base;
    EXPECT_EQ(forms.strPast, c.past) << c.base;
    EXPECT_EQ(forms.strParticiple, c.past) << c.base;
    EXPECT_EQ(forms.strIng, c.ing) << c.base;
    EXPECT_FALSE(forms.bIrregular) << c.base;
  }
}

TEST(EnglishInflection, TableAndMultiWordVerbs) {
  EnglishVerbForms go = Verb("go to school");
  EXPECT_EQ(go.strThirdPerson, "goes to school");
  EXPECT_EQ(go.strPast, "went to school");
  EXPECT_EQ(go.strParticiple, "gone to school");
  EXPECT_EQ(go.strIng, "going to school");
  EXPECT_EQ(go.strPresentI, "go to school");
  EXPECT_EQ(go.strPastPlural, "went to school");
  EXPECT_TRUE(go.bIrregular);

  EXPECT_EQ(Verb("begin").strIng, "beginning");  // the table's -ing form
  EXPECT_EQ(Verb("goto").strPast, "gotoed");     // only the whole first word is looked up

  EnglishVerbForms be = Verb("be happy");
  EXPECT_EQ(be.strPresentI, "am happy");
  EXPECT_EQ(be.strThirdPerson, "is happy");
  EXPECT_EQ(be.strPresentPlural, "are happy");
  EXPECT_EQ(be.strPast, "was happy");
  EXPECT_EQ(be.strPastPlural, "were happy");
  EXPECT_EQ(be.strParticiple, "been happy");
  EXPECT_EQ(be.strIng, "being happy");
}

TEST(EnglishInflection, AuthorOverrides) {
  EnglishVerb lie;
  lie.strBase = "lie to";
  lie.strPast = "lied";
  lie.strParticiple = "lied";
  EnglishVerbForms forms = InflectEnglishVerb(lie, SmallTables());
  EXPECT_EQ(forms.strPast, "lied to");  // one word: replaces the first word only
  EXPECT_EQ(forms.strIng, "lying to");
  EXPECT_TRUE(forms.bIrregular);

  EnglishVerb wake;
  wake.strBase = "wake up";
  wake.strPast = "woke up";  // with a space: the whole verb
  wake.strThirdPerson = "wakes up";
  wake.strIng = "waking up";
  forms = InflectEnglishVerb(wake, SmallTables());
  EXPECT_EQ(forms.strPast, "woke up");
  EXPECT_EQ(forms.strPastPlural, "woke up");
  EXPECT_EQ(forms.strParticiple, "waked up");  // not overridden: the rule
}

TEST(EnglishInflection, Plurals) {
  static const struct {
    const char* singular;
    bool oes;
    const char* plural;
  } cases[] = {
      {"book", false, "books"},
      {"glass", false, "glasses"},
      {"church", false, "churches"},
      {"brush", false, "brushes"},
      {"fox", false, "foxes"},
      {"quiz", false, "quizzes"},
      {"baby", false, "babies"},
      {"key", false, "keys"},
      {"piano", false, "pianos"},
      {"tomato", true, "tomatoes"},
      {"child", false, "children"},
      {"school child", false, "school children"},
      {"bottle of water", false, "bottles of water"},
      {"glass of milk", false, "glasses of milk"},
  };
  for (const auto& c : cases) {
    EnglishNoun noun{c.singular, c.oes, "", ""};
    EXPECT_EQ(PluralOf(noun, SmallTables()), c.plural) << c.singular;
  }
  EnglishNoun octopus{"octopus", false, "octopi", ""};  // the author's plural wins
  EXPECT_EQ(PluralOf(octopus, SmallTables()), "octopi");
  EXPECT_TRUE(HasIrregularPlural(octopus, SmallTables()));
  EXPECT_TRUE(HasIrregularPlural(EnglishNoun{"school child", false, "", ""}, SmallTables()));
  EXPECT_FALSE(HasIrregularPlural(EnglishNoun{"book", false, "", ""}, SmallTables()));
}

// The article by the sound the spelling stands for; common words are in forms.txt, these
// are the letter-by-letter readings, numbers and the author's article.
TEST(EnglishInflection, IndefiniteArticle) {
  static const struct {
    const char* noun;
    const char* article;  // the author's, or ""
    const char* expected;
  } cases[] = {
      {"ATM", "", "an ATM"},
      {"SUV", "", "an SUV"},
      {"MP3 player", "", "an MP3 player"},
      {"TV", "", "a TV"},
      {"USB cable", "", "a USB cable"},
      {"X-ray", "", "an X-ray"},
      {"T-shirt", "", "a T-shirt"},
      {"8-hour shift", "", "an 8-hour shift"},
      {"11-day trip", "", "an 11-day trip"},
      {"2-day trip", "", "a 2-day trip"},
      {"110-volt plug", "", "a 110-volt plug"},
      {"Uber", "", "an Uber"},
      {"SIM card", "a", "a SIM card"},  // read as a word, not letter by letter
      {"herb", "an", "an herb"},
  };
  for (const auto& c : cases) {
    EnglishNoun noun{c.noun, false, "", c.article};
    EXPECT_EQ(WithIndefiniteArticle(noun), c.expected) << c.noun;
  }
}

TEST(EnglishTables, ParseProblems) {
  EnglishTables tables;
  std::vector<std::string> errors;
  const std::string verbs =
      "# comment\n"
      "\n"
      "go | went | gone\n"
      "go | goed | goed\n"
      "swim | swam\n"
      "sing | sang | sung | singing | extra\n"
      "Run | ran | run\n"
      "make | made |\n"
      "  cut|cut|cut  \r\n";
  EXPECT_FALSE(ParseIrregularVerbs(verbs, "verbs.txt", &tables, &errors));
  EXPECT_EQ(errors, (std::vector<std::string>{
                        "verbs.txt:4: 'go' is listed twice (first on line 3)",
                        "verbs.txt:5: expected 'base | past | participle' and optionally "
                        "'| -ing form'",
                        "verbs.txt:6: expected 'base | past | participle' and optionally "
                        "'| -ing form'",
                        "verbs.txt:7: 'Run' is not a word in lower-case letters",
                        "verbs.txt:8: '' is not a word in lower-case letters",
                    }));
  EXPECT_EQ(tables.verbs.at("go").strPast, "went");  // the first entry stands
  EXPECT_EQ(tables.verbs.at("cut").strParticiple, "cut");
  EXPECT_EQ(tables.verbs.count("swim"), 0u);

  errors.clear();
  EXPECT_FALSE(ParseIrregularPlurals("man | men\nman | mans\nox\npasser-by | passers-by\n",
                                     "plurals.txt", &tables, &errors));
  EXPECT_EQ(errors, (std::vector<std::string>{
                        "plurals.txt:2: 'man' is listed twice (first on line 1)",
                        "plurals.txt:3: expected 'singular | plural'",
                    }));
  EXPECT_EQ(tables.plurals.at("passer-by"), "passers-by");
}

TEST(EnglishTables, LoaderReportsAMissingFile) {
  EnglishTables tables;
  std::vector<std::string> errors;
  EXPECT_FALSE(LoadEnglishTables("/nonexistent-folder", &tables, &errors));
  EXPECT_EQ(errors, (std::vector<std::string>{
                        "/nonexistent-folder/irregular-verbs.txt: cannot be read",
                        "/nonexistent-folder/irregular-plurals.txt: cannot be read",
                    }));
}

TEST(EnglishTables, BundledTablesLoadCleanly) {
  EnglishTables tables;
  std::vector<std::string> errors;
  EXPECT_TRUE(LoadEnglishTables(MorphSourcePath("data/grammar"), &tables, &errors));
  EXPECT_EQ(errors, std::vector<std::string>());
  EXPECT_GE(tables.verbs.size(), 150u);  // the most common irregular verbs
  for (const char* verb : {"be", "have", "do", "go", "get", "make", "take", "come", "see"})
    EXPECT_EQ(tables.verbs.count(verb), 1u) << verb;
}
