// Abusive user input through the dialog on the in-memory backend: huge typed words,
// marker characters typed into free slots, Enter in an empty list, the step limit hit
// again and again, stepping back past the start, a collected text of a megabyte and
// direction changes in the middle of a composition.
#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "tests/hostile/HostileSupport.h"

namespace {

using hostile::Dialog;

class UserInputTest : public ::testing::Test {
 protected:
  ScratchDir m_dir;
};

// A text of `size` bytes of lower-case words with single spaces, not ending in a space.
std::string Words(std::size_t size) {
  std::string text(size, ' ');
  for (std::size_t i = 0; i < size; ++i)
    if (i % 11 != 10) text[i] = static_cast<char>('a' + i % 11);
  text.back() = 'z';
  return text;
}

constexpr std::size_t k100KB = 100 * 1024;

// ---- Marker characters typed into a free slot -------------------------------------

struct TypedCase {
  const char* name;
  std::string typed;     // the search box text when the user confirms the free-slot line
  std::string phrase;    // the step's phrase: the text without its first character
  std::string sentence;  // the sentence box afterwards (the sentence is incomplete)
};
void PrintTo(const TypedCase& c, std::ostream* out) { *out << c.name; }

class TypedWordTest : public UserInputTest, public ::testing::WithParamInterface<TypedCase> {};

TEST_P(TypedWordTest, IsStoredAsTypedAndShownByThePhraseRules) {
  const TypedCase& c = GetParam();
  WritePatterns("change.dex", {{",-slot,", "S"}});
  WriteEmptyDictionaries();
  Dialog dialog;
  ASSERT_TRUE(dialog.Select(0));
  dialog.Type(IDC_SEARCH, c.typed);
  dialog.Confirm();
  EXPECT_TRUE(dialog.Messages().empty());
  const StepRecord& step = dialog.Dlg().m_builder.m_steps[0];
  EXPECT_EQ(step.strPhrase, c.phrase);
  EXPECT_EQ(step.strTranslation, "");
  EXPECT_EQ(step.strKey, "zz");
  EXPECT_EQ(dialog.Sentence(), c.sentence);
  EXPECT_FALSE(dialog.AddEnabled());
  EXPECT_EQ(dialog.Dlg().m_nSteps, 1);
  // Nothing continues a typed word here; one step back is a restart.
  EXPECT_EQ(dialog.LineCount(), 0);
  dialog.Click(IDC_STEP_BACK);
  EXPECT_EQ(dialog.Sentence(), "");
  EXPECT_EQ(dialog.Lines(), std::vector<std::string>{"-slot"});
}

INSTANTIATE_TEST_SUITE_P(
    Markers, TypedWordTest,
    ::testing::Values(
        TypedCase{"At", "-@", "@", " @"},
        TypedCase{"AtReference", "-@0@", "@0@", " @0@"},
        TypedCase{"Hash", "-#", "#", " #"},
        TypedCase{"Semicolons", "-a;b;c", "a;b;c", " a;b;c"},
        TypedCase{"Comma", "-a,b", "a,b", " a,b"},
        TypedCase{"Commas", "-,,,", ",,,", " ,,,"},
        TypedCase{"Bracket", "-x[y", "x[y", " x"},
        TypedCase{"LoneBracket", "-[", "[", " "},
        TypedCase{"Tilde", "-~x", "~x", "x"},
        TypedCase{"LoneTilde", "-~", "~", ""},
        // A phrase that starts with "(" is attached and the sentence box corrected:
        // spaces collapse first, then "#" goes, so "# " between spaces leaves two.
        TypedCase{"Parenthesis", "-(x #  y", "(x #  y", "(x  y"},
        TypedCase{"MarkerOnly", "-", "", " "},
        TypedCase{"EmptySearchBox", "", "", " "},
        TypedCase{"MarkerTypedOver", "xy", "y", " y"},
        // The first character goes whole: a double-byte one takes both its bytes.
        TypedCase{"DoubleByteFirst", K("가나"), K("나"), " " + K("나")},
        TypedCase{"LoneLeadByte", "\xB0", "", " "},
        TypedCase{"LeadByteAfterMarker", "-\xB0", "\xB0", " \xB0"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(UserInputTest, FreeSlotsSpelledWithMarkersCompleteTheirSentences) {
  // The slot's own text picked and confirmed: the phrase joining and the correction
  // of a finished Korean-side sentence apply to it.
  WritePatterns("change.dex", {{",-#x,", "T"}, {",-(x,", "T"}, {",-@,", "T"}, {",-[y,", "T"},
                               {",-a;b,", "T"}, {",-x[y,", "T"}, {",-~x,", "T"}});
  WriteEmptyDictionaries();
  Dialog dialog;
  const struct {
    const char* line;
    const char* sentence;
  } cases[] = {{"-#x", "X"}, {"-(x", "(x"}, {"-@", "@"}, {"-[y", ""}, {"-a;b", "A;b"}, {"-x[y", "X"},
               {"-~x", "X"}};
  for (const auto& c : cases) {
    dialog.Click(IDC_RESTART);
    ASSERT_TRUE(dialog.Pick(c.line)) << c.line;
    EXPECT_EQ(dialog.Sentence(), c.sentence) << c.line;
    EXPECT_EQ(dialog.Translation(), "T") << c.line;
    EXPECT_TRUE(dialog.AddEnabled()) << c.line;
  }
}

TEST_F(UserInputTest, ATypedCommaStaysInsideItsStep) {
  // A typed word is one step and stays one item of the key list: the word "a,b" in the
  // slot "-a" fills neither the one-item sentence ",-a," nor the two-item sentence
  // ",-a,b,", and the step after it still lines up with its own record.
  WritePatterns("change.dex", {{",-a,", "[@0@]"}, {",-a,b,", "[@0@]"}, {",-a,-c,", "<@1@>"}});
  WriteEmptyDictionaries();
  Dialog dialog;
  ASSERT_EQ(dialog.Lines(), std::vector<std::string>{"-a"});
  dialog.Select(0);
  dialog.Type(IDC_SEARCH, "-a,b");
  dialog.Confirm();
  EXPECT_FALSE(dialog.AddEnabled());
  EXPECT_EQ(dialog.Sentence(), " a,b");
  EXPECT_TRUE(dialog.Lines().empty());  // no pattern begins with the typed word
  dialog.Click(IDC_STEP_BACK);
  dialog.Select(0);
  dialog.Type(IDC_SEARCH, "-a");
  dialog.Confirm();
  EXPECT_TRUE(dialog.AddEnabled());
  hostile::Workout(dialog, 31, 20);
}

// ---- Huge typed words --------------------------------------------------------------

TEST_F(UserInputTest, AHundredKilobyteWordInAFreeSlot) {
  WritePatterns("change.dex", {{",-slot,", "S"}});
  WriteEmptyDictionaries();
  Dialog dialog;
  const std::string word = Words(k100KB);
  dialog.Select(0);
  dialog.Type(IDC_SEARCH, "-" + word);
  dialog.Confirm();
  EXPECT_TRUE(dialog.Sentence() == " " + word);
  EXPECT_TRUE(dialog.Dlg().m_builder.m_steps[0].strPhrase == word);
  EXPECT_FALSE(dialog.AddEnabled());
  EXPECT_EQ(dialog.LineCount(), 0);

  // Enter in the search box with the huge text, in an empty list: nothing is selected.
  dialog.Type(IDC_SEARCH, word);
  dialog.Enter(IDC_SEARCH);
  EXPECT_EQ(dialog.Selected(), -1);
  dialog.Confirm();
  EXPECT_EQ(dialog.Messages(), std::vector<std::string>{hostile::kPickFromList});
  EXPECT_EQ(dialog.Dlg().m_nSteps, 1);

  dialog.Click(IDC_STEP_BACK);
  EXPECT_EQ(dialog.Sentence(), "");
  EXPECT_EQ(dialog.Lines(), std::vector<std::string>{"-slot"});
  // The huge text still sits in the search box; Enter with it in a list of one line.
  dialog.Enter(IDC_SEARCH);
  EXPECT_EQ(dialog.Selected(), 0);
}

TEST_F(UserInputTest, AHundredKilobytePhraseAndTranslationThroughAnOrdinaryLine) {
  // The user types over a picked line: the part before the first ";" is the phrase,
  // the part up to the second the translation. Both go through rules, rendering and
  // correction into the finished pair.
  hostile::WriteSmallDictionaries();
  Dialog dialog;
  const std::string phrase = Words(k100KB);
  const std::string translation = Words(k100KB + 7);
  dialog.Select(dialog.Line("apple"));
  dialog.Type(IDC_SEARCH, phrase + ";" + translation + ";" + Words(k100KB));
  dialog.Confirm();
  EXPECT_TRUE(dialog.Sentence() == " " + phrase);
  EXPECT_EQ(dialog.Lines(), std::vector<std::string>{"eat;t-eat;;"});
  ASSERT_TRUE(dialog.Pick("eat"));
  EXPECT_TRUE(dialog.Sentence() == "A" + phrase.substr(1) + " eat");
  EXPECT_TRUE(dialog.Translation() == "A" + translation.substr(1) + " t-eats.");
  dialog.Click(IDC_ADD_SENTENCE);
  EXPECT_TRUE(dialog.Collected() ==
              "A" + phrase.substr(1) + " eat\r\nA" + translation.substr(1) + " t-eats.\r\n\r\n");
}

TEST_F(UserInputTest, AHundredKilobyteSentenceBoxIsAppendedTo) {
  // A confirm that leaves the sentence incomplete appends to whatever the box holds.
  // (Picking a line writes the members to the boxes, so the user types after it.)
  hostile::WriteSmallDictionaries();
  Dialog dialog;
  const std::string typed = Words(k100KB);
  dialog.Select(dialog.Line("apple"));
  dialog.Type(IDC_SENTENCE, typed);
  dialog.Type(IDC_TRANSLATION, typed);
  dialog.Confirm();
  EXPECT_TRUE(dialog.Sentence() == typed + " apple");
  EXPECT_TRUE(dialog.Translation() == typed);
  ASSERT_TRUE(dialog.Pick("eat"));
  EXPECT_EQ(dialog.Sentence(), "Apple eat");
}

TEST_F(UserInputTest, APhraseInParenthesesCorrectsAHundredKilobyteSentenceBox) {
  // The whole box goes through the corrector: runs of spaces become one, "#" goes.
  hostile::WriteSmallDictionaries();
  Dialog dialog;
  std::string typed;
  std::string expected;
  for (int i = 0; typed.size() < k100KB; ++i) {
    typed += i % 3 ? "ab  " : "#c   ";
    expected += i % 3 ? "ab " : "c ";
  }
  dialog.Select(dialog.Line("apple"));
  dialog.Type(IDC_SENTENCE, typed);
  dialog.Type(IDC_SEARCH, "(x;y;");
  dialog.Confirm();
  EXPECT_TRUE(dialog.Sentence() == expected + "(x");
  EXPECT_EQ(dialog.Dlg().m_builder.m_steps[0].strTranslation, "y");
}

// ---- Enter, step back and confirm where nothing is to be had ----------------------

TEST_F(UserInputTest, EnterInAnEmptyListSelectsNothingAndConfirmAsksForALine) {
  hostile::WriteSmallDictionaries();
  Dialog dialog;
  ASSERT_TRUE(dialog.Pick("apple"));
  ASSERT_TRUE(dialog.Pick("eat"));
  ASSERT_EQ(dialog.LineCount(), 0);  // the sentence is complete and nothing follows
  for (const std::string& typed : {std::string(), std::string("eat;t-eat;;"), Words(5000)}) {
    dialog.Type(IDC_SEARCH, typed);
    dialog.Enter(IDC_SEARCH);
    EXPECT_EQ(dialog.Selected(), -1);
    dialog.Confirm();
    EXPECT_EQ(dialog.Messages(), std::vector<std::string>{hostile::kPickFromList});
    EXPECT_EQ(dialog.Dlg().m_nSteps, 2);
    EXPECT_EQ(dialog.Sentence(), "Apple eat");
  }
}

TEST_F(UserInputTest, SteppingBackPastTheStartStaysAtTheStart) {
  hostile::WriteSmallDictionaries();
  Dialog dialog;
  const std::vector<std::string> first = dialog.Lines();
  for (int i = 0; i < 5; ++i) dialog.Click(IDC_STEP_BACK);
  EXPECT_EQ(dialog.Dlg().m_nSteps, 0);
  EXPECT_EQ(dialog.Lines(), first);
  ASSERT_TRUE(dialog.Pick("apple"));
  ASSERT_TRUE(dialog.Pick("eat"));
  for (int i = 0; i < 5; ++i) {
    dialog.Click(IDC_STEP_BACK);
    hostile::ExpectWithinCapacities(dialog, "step back " + std::to_string(i));
  }
  EXPECT_EQ(dialog.Dlg().m_nSteps, 0);
  EXPECT_EQ(dialog.Sentence(), "");
  EXPECT_EQ(dialog.Translation(), "");
  EXPECT_FALSE(dialog.AddEnabled());
  EXPECT_EQ(dialog.Lines(), first);
  ASSERT_TRUE(dialog.Pick("pear"));
  EXPECT_EQ(dialog.Sentence(), " pear");
  EXPECT_EQ(dialog.Dlg().m_builder.m_steps[0].nNext, kChainEnd);
  EXPECT_TRUE(dialog.Messages().empty());
}

// ---- The step limit, again and again ----------------------------------------------

TEST_F(UserInputTest, ConfirmsPastTheStepLimitNeverWriteBeyondTheLastRecord) {
  // Free slots "-" that go on for 74 items, and a sentence of exactly 50 of them: the
  // 50th confirm completes the sentence and then hits the limit.
  std::string fifty = ",";
  for (int i = 0; i < kMaxSteps; ++i) fifty += "-,";
  std::string longest = ",";
  for (int i = 0; i < 74; ++i) longest += "-,";
  ASSERT_EQ(longest.size(), kPatKeyListWidth - 1);
  WritePatterns("change.dex", {{fifty, "fifty"}, {longest, "never"}});
  WriteEmptyDictionaries();

  Dialog dialog;
  const CSentenceBuilder& builder = dialog.Dlg().m_builder;
  int steps = 0;
  for (int confirm = 1; confirm <= 130; ++confirm) {
    const std::string when = "confirm " + std::to_string(confirm);
    ASSERT_EQ(dialog.Lines(), std::vector<std::string>{"-"}) << when;
    dialog.Select(0);
    dialog.Confirm();
    const int n = steps;
    steps = n + 1;
    const bool limit = steps >= kMaxSteps;
    if (limit) steps -= 2;
    EXPECT_EQ(dialog.Messages(), limit ? std::vector<std::string>{hostile::kTooLong} : std::vector<std::string>{})
        << when;
    EXPECT_EQ(dialog.Dlg().m_nSteps, steps) << when;
    EXPECT_EQ(dialog.AddEnabled(), n == kMaxSteps - 1) << when;
    EXPECT_EQ(builder.m_steps[n].strKey, "zz") << when;
    EXPECT_EQ(builder.m_steps[n].nPrev, n - 1) << when;
    EXPECT_EQ(builder.m_steps[n].nNext, kChainEnd) << when;
    if (n > 0) {
      EXPECT_EQ(builder.m_steps[n - 1].nNext, n) << when;
    }
    hostile::ExpectWithinCapacities(dialog, when);
    if (confirm == kMaxSteps) {
      EXPECT_EQ(dialog.Translation(), "Fifty");
      dialog.Click(IDC_ADD_SENTENCE);
      EXPECT_EQ(dialog.Collected(), "\r\nFifty\r\n\r\n");
      steps = 0;  // adding the sentence starts a new one
    }
    if (HasFailure()) return;
  }

  // Back past the start, one step at a time.
  for (int back = 0; back < 60; ++back) {
    dialog.Click(IDC_STEP_BACK);
    steps = steps > 0 ? steps - 1 : 0;
    EXPECT_EQ(dialog.Dlg().m_nSteps, steps) << "step back " << back;
    hostile::ExpectWithinCapacities(dialog, "step back " + std::to_string(back));
  }
  EXPECT_EQ(dialog.Sentence(), "");
  EXPECT_EQ(dialog.Lines(), std::vector<std::string>{"-"});
}

TEST_F(UserInputTest, ChangingDirectionAtTheStepLimitStartsAfresh) {
  std::string longest = ",";
  for (int i = 0; i < 74; ++i) longest += "-,";
  hostile::WriteSmallDictionaries();
  WritePatterns("change.dex", {{longest, "never"}});
  Dialog dialog;
  for (int confirm = 0; confirm < kMaxSteps; ++confirm) {
    dialog.Select(0);
    dialog.Confirm();
  }
  ASSERT_EQ(dialog.Messages(), std::vector<std::string>{hostile::kTooLong});
  ASSERT_EQ(dialog.Dlg().m_nSteps, kMaxSteps - 2);
  dialog.Click(IDC_DIR_ENGLISH);
  EXPECT_EQ(dialog.Dlg().m_nSteps, 0);
  EXPECT_EQ(dialog.Lines(), std::vector<std::string>{"I;" + K("나") + ";;"});
  ASSERT_TRUE(dialog.Pick("I"));
  EXPECT_EQ(dialog.Translation(), K("나는"));
  dialog.Click(IDC_DIR_KOREAN);
  dialog.Select(0);
  dialog.Confirm();
  EXPECT_EQ(dialog.Dlg().m_nSteps, 1);
  EXPECT_EQ(dialog.Dlg().m_builder.m_steps[0].nNext, kChainEnd);
  EXPECT_EQ(dialog.Sentence(), " ");
}

// ---- Direction changes in the middle of a composition -----------------------------

TEST_F(UserInputTest, SwitchingDirectionMidCompositionStartsTheOtherDirectionAfresh) {
  hostile::WriteSmallDictionaries();
  Dialog dialog;
  ASSERT_TRUE(dialog.Pick("apple"));
  dialog.Click(IDC_DIR_ENGLISH);
  EXPECT_EQ(dialog.Dlg().m_nSteps, 0);
  EXPECT_EQ(dialog.Sentence(), "");
  EXPECT_EQ(dialog.Lines(), std::vector<std::string>{"I;" + K("나") + ";;"});
  ASSERT_TRUE(dialog.Pick("I"));
  EXPECT_EQ(dialog.Sentence(), "I");
  EXPECT_EQ(dialog.Translation(), K("나는"));
  EXPECT_TRUE(dialog.AddEnabled());

  // Back to Korean after the English sentence: the boxes are cleared, the add button
  // goes off with them, and the English step does not leak into the Korean composition.
  dialog.Click(IDC_DIR_KOREAN);
  EXPECT_FALSE(dialog.AddEnabled());
  EXPECT_EQ(dialog.Translation(), "");
  ASSERT_TRUE(dialog.Pick("pear"));
  dialog.Click(IDC_DIR_KOREAN);  // the selected radio button again: a fresh start
  EXPECT_EQ(dialog.Dlg().m_nSteps, 0);
  dialog.Click(IDC_DIR_ENGLISH);
  dialog.Click(IDC_DIR_KOREAN);
  ASSERT_TRUE(dialog.Pick("apple"));
  ASSERT_TRUE(dialog.Pick("eat"));
  EXPECT_EQ(dialog.Sentence(), "Apple eat");
  EXPECT_EQ(dialog.Translation(), "T-apple t-eats.");
  EXPECT_EQ(dialog.Dlg().m_builder.m_steps[0].strKey, "n");

  // A step back right after a direction change is a restart.
  dialog.Click(IDC_DIR_ENGLISH);
  dialog.Click(IDC_STEP_BACK);
  EXPECT_EQ(dialog.Dlg().m_nSteps, 0);
  EXPECT_EQ(dialog.Lines(), std::vector<std::string>{"I;" + K("나") + ";;"});
  EXPECT_TRUE(dialog.Messages().empty());
}

// ---- A collected text of a megabyte -------------------------------------------------

TEST_F(UserInputTest, AddingSentencesToAMegabyteOfCollectedTextKeepsItExactly) {
  hostile::WriteSmallDictionaries();
  Dialog dialog;
  // A megabyte of any bytes but NUL: line breaks, double-byte characters, stray lead bytes.
  std::mt19937 random(5);
  std::string expected(1 << 20, ' ');
  for (char& b : expected) b = static_cast<char>(1 + random() % 255);
  dialog.Type(IDC_COLLECTED, expected);

  for (int round = 0; round < 30; ++round) {
    ASSERT_TRUE(dialog.Pick(round % 2 ? "pear" : "apple"));
    ASSERT_TRUE(dialog.Pick("eat"));
    dialog.Click(IDC_ADD_SENTENCE);
    expected += round % 2 ? "Pear eat\r\nT-pear t-eats.\r\n\r\n" : "Apple eat\r\nT-apple t-eats.\r\n\r\n";
    if (round % 7 == 3) {  // the user edits the collected text between rounds
      expected += "edit " + std::to_string(round) + "\r\n";
      dialog.Type(IDC_COLLECTED, expected);
    }
    if (round % 9 == 5) {
      dialog.Enter(IDC_COLLECTED);  // a line break typed at the end
      expected += "\r\n";
    }
    ASSERT_EQ(dialog.Collected().size(), expected.size()) << "round " << round;
  }
  EXPECT_TRUE(dialog.Collected() == expected);
  EXPECT_TRUE(dialog.Dlg().m_strCollected == expected);
  EXPECT_EQ(dialog.Host().EditState(IDC_COLLECTED)->SelStart(), static_cast<int>(expected.size()));
  EXPECT_TRUE(dialog.Messages().empty());
}

}  // namespace
