// Whole compositions on the test dictionaries (tests/dicts), through the dialog on the
// in-memory backend: what the user clicks, picks and types, and what the boxes, the
// buttons and the candidate list then show.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "tests/e2e/E2eSupport.h"

namespace {

using e2e::DialogUser;
using e2e::kPickFromList;
using e2e::kTooLong;
using Lines = std::vector<std::string>;

// Korean-to-English first step: the free slot of a sentence pattern, then the subject
// run and the food run interleaved by phrase.
const Lines kKoreanStart = {
    "-안녕하세요 | zz",      "나는;I;주어; | subj",        "너는;you;주어; | subj",
    "바나나;banana;과일; | n_food", "빵[밀가루];bread;; | n_food", "사과;apple;과일; | n_food",
    "우유;milk;; | n_food",   "저는;I;높임; | subj"};
const Lines kEnglishStart = {"I;나;pronoun; | e_subj", "you;너;pronoun; | e_subj"};
const Lines kFoodLines = {"바나나;banana;과일; | n_food", "빵[밀가루];bread;; | n_food",
                          "사과;apple;과일; | n_food", "우유;milk;; | n_food"};

class CompositionTest : public ::testing::Test {
 protected:
  void SetUp() override {
    e2e::CopyTestDictionaries();
    m_user = std::make_unique<DialogUser>();
  }

  // Composes "너는 사과를 먹는다".
  void ComposeYouEatApple() {
    for (const char* phrase : {"너는", "사과", "~을(를)", "먹는다"}) EXPECT_TRUE(m_user->Pick(phrase)) << phrase;
    ASSERT_TRUE(m_user->AddEnabled());
  }

  ScratchDir m_dir;
  std::unique_ptr<DialogUser> m_user;
};

// ---- Start ------------------------------------------------------------------------

TEST_F(CompositionTest, StartsComposingEnglishWithTheFirstStepCandidates) {
  DialogUser& user = *m_user;
  EXPECT_EQ(user.Direction(), 0);
  EXPECT_EQ(user.Caption(IDC_STEP_BACK), "한단계 앞으로");
  EXPECT_EQ(user.Caption(IDC_RESTART), "처음으로");
  EXPECT_EQ(user.Caption(IDC_CONFIRM), "확인");
  EXPECT_EQ(user.Caption(IDC_ADD_SENTENCE), "문장 추가");
  EXPECT_FALSE(user.AddEnabled());
  for (int id : {IDC_SENTENCE, IDC_TRANSLATION, IDC_COLLECTED, IDC_SEARCH}) EXPECT_EQ(user.Text(id), "") << id;
  EXPECT_EQ(user.Selected(), -1);
  EXPECT_EQ(user.KeyedLines(), kKoreanStart);
  EXPECT_EQ(user.Host().BigIcon(), IDR_MAINFRAME);
  EXPECT_EQ(user.Host().SmallIcon(), IDR_MAINFRAME);

  user.Click(IDC_ADD_SENTENCE);  // disabled: nothing happens
  EXPECT_EQ(user.Text(IDC_COLLECTED), "");
}

TEST_F(CompositionTest, DirectionButtonsSwitchCaptionsAndStartLists) {
  DialogUser& user = *m_user;
  user.Click(IDC_DIR_ENGLISH);
  EXPECT_EQ(user.Direction(), 1);
  EXPECT_EQ(user.Caption(IDC_STEP_BACK), "One step Return");
  EXPECT_EQ(user.Caption(IDC_RESTART), "Restart");
  EXPECT_EQ(user.Caption(IDC_CONFIRM), "OK");
  EXPECT_EQ(user.Caption(IDC_ADD_SENTENCE), "Sentance add");
  EXPECT_EQ(user.KeyedLines(), kEnglishStart);

  user.Click(IDC_DIR_KOREAN);
  EXPECT_EQ(user.Direction(), 0);
  EXPECT_EQ(user.Caption(IDC_STEP_BACK), "한단계 앞으로");
  EXPECT_EQ(user.Caption(IDC_RESTART), "처음으로");
  EXPECT_EQ(user.Caption(IDC_CONFIRM), "확인");
  EXPECT_EQ(user.Caption(IDC_ADD_SENTENCE), "문장 추가");
  EXPECT_EQ(user.KeyedLines(), kKoreanStart);
}

// ---- Sentences ----------------------------------------------------------------------

// One step of a story: the phrase picked, then the boxes, the button and the list.
struct StoryStep {
  const char* pick;
  const char* sentence;
  const char* translation;
  bool addEnabled;
  Lines lines;
};

void PlayStory(DialogUser& user, const std::vector<StoryStep>& story) {
  for (const StoryStep& step : story) {
    EXPECT_TRUE(user.Pick(step.pick));
    EXPECT_EQ(user.Sentence(), step.sentence) << "after " << step.pick;
    EXPECT_EQ(user.Translation(), step.translation) << "after " << step.pick;
    EXPECT_EQ(user.AddEnabled(), step.addEnabled) << "after " << step.pick;
    EXPECT_EQ(user.KeyedLines(), step.lines) << "after " << step.pick;
    EXPECT_EQ(user.Text(IDC_SEARCH), "") << "after " << step.pick;
    EXPECT_TRUE(user.Messages().empty()) << "after " << step.pick;
  }
}

TEST_F(CompositionTest, KoreanSentenceThroughNestedRulesWithParticleCorrection) {
  PlayStory(*m_user,
            {{"너는", " 너는", "", false,
              {"맛있는;delicious;; | adj", "바나나;banana;과일; | n_food", "빨간;red;형용사; | adj",
               "빵[밀가루];bread;; | n_food", "사과;apple;과일; | n_food", "우유;milk;; | n_food"}},
             {"사과", " 너는 사과", "", false, {"~을(를);;목적격 조사; | obj"}},
             // The particle pair stays as it is until the sentence is complete.
             {"~을(를)", " 너는 사과을(를)", "", false,
              {"(정말);really;부사; | adv", "마신다;drink;; | v_eat", "먹는다;eat;동사; | v_eat"}},
             {"먹는다", "너는 사과를 먹는다", "You eat apple.", true, {}}});
}

TEST_F(CompositionTest, AdjectiveAndNounBecomeOnePhrase) {
  for (const char* phrase : {"저는", "빨간", "사과", "~을(를)", "먹는다"}) EXPECT_TRUE(m_user->Pick(phrase)) << phrase;
  EXPECT_EQ(m_user->Sentence(), "저는 빨간 사과를 먹는다");
  EXPECT_EQ(m_user->Translation(), "I eat red apple.");
}

TEST_F(CompositionTest, ParenthesisPhraseCorrectsTheWholeSentenceBox) {
  PlayStory(*m_user, {{"너는", " 너는", "", false,
                       {"맛있는;delicious;; | adj", "바나나;banana;과일; | n_food", "빨간;red;형용사; | adj",
                        "빵[밀가루];bread;; | n_food", "사과;apple;과일; | n_food", "우유;milk;; | n_food"}},
                      {"사과", " 너는 사과", "", false, {"~을(를);;목적격 조사; | obj"}},
                      {"~을(를)", " 너는 사과을(를)", "", false,
                       {"(정말);really;부사; | adv", "마신다;drink;; | v_eat", "먹는다;eat;동사; | v_eat"}},
                      {"(정말)", " 너는 사과를(정말)", "", false, {"마신다;drink;; | v_eat", "먹는다;eat;동사; | v_eat"}},
                      {"먹는다", "너는 사과를(정말) 먹는다", "You really eat apple.", true, {}}});
}

TEST_F(CompositionTest, BracketPartOfAPhraseIsNeverShown) {
  for (const char* phrase : {"너는", "빵[밀가루]"}) EXPECT_TRUE(m_user->Pick(phrase)) << phrase;
  EXPECT_EQ(m_user->Sentence(), " 너는 빵");
  for (const char* phrase : {"~을(를)", "마신다"}) EXPECT_TRUE(m_user->Pick(phrase)) << phrase;
  EXPECT_EQ(m_user->Sentence(), "너는 빵을 마신다");
  EXPECT_EQ(m_user->Translation(), "You drink bread.");
}

TEST_F(CompositionTest, EnglishSentencesStartWithACapitalAndGetKoreanParticles) {
  const struct {
    const char* object;
    const char* sentence;
    const char* translation;
  } cases[] = {
      {"bread", "You eat bread", "너는 빵을 먹는다."},
      {"an apple", "You eat an apple", "너는 사과를 먹는다."},
  };
  for (const auto& c : cases) {
    DialogUser& user = *m_user;
    user.Click(IDC_DIR_ENGLISH);
    PlayStory(user, {{"you", " you", "", false, {"eat;먹는다;verb; | e_verb", "like;좋아한다;; | e_verb"}},
                     {"eat", " you eat", "", false,
                      {"an apple;사과;noun; | e_obj", "bread;빵;noun; | e_obj", "milk;우유;; | e_obj"}},
                     {c.object, c.sentence, c.translation, true, {}}});
  }
}

// ---- Free slots -----------------------------------------------------------------------

TEST_F(CompositionTest, FreeSlotOfASentencePattern) {
  const struct {
    const char* typed;  // nullptr: the line's text as picked
    const char* sentence;
    const char* translation;
    bool complete;
  } cases[] = {
      {nullptr, "안녕하세요", "Hello.", true},
      {"-안녕", " 안녕", "", false},
      // The marker was typed over: the first character goes, a double-byte one whole.
      {"안녕하세요", " 녕하세요", "", false},
      {"", " ", "", false},
  };
  for (const auto& c : cases) {
    m_user->Click(IDC_RESTART);
    EXPECT_TRUE(m_user->Select(0));
    ASSERT_EQ(m_user->Text(IDC_SEARCH), "-안녕하세요");
    if (c.typed) m_user->Type(IDC_SEARCH, c.typed);
    m_user->Confirm();
    const char* label = c.typed ? c.typed : "(picked)";
    EXPECT_TRUE(m_user->Messages().empty()) << label;
    EXPECT_EQ(m_user->Sentence(), c.sentence) << label;
    EXPECT_EQ(m_user->Translation(), c.translation) << label;
    EXPECT_EQ(m_user->AddEnabled(), c.complete) << label;
    EXPECT_EQ(m_user->Dlg().m_builder.m_steps[0].strKey, "zz") << label;
    EXPECT_EQ(m_user->Dlg().m_builder.m_steps[0].strTranslation, "") << label;
    EXPECT_EQ(m_user->KeyedLines(), Lines{}) << label;
  }
}

TEST_F(CompositionTest, FreeSlotOfAPhraseRuleAndRulesAppliedAgain) {
  PlayStory(*m_user,
            {{"사과", " 사과", "", false, {"-주세요 | mz"}},
             {"-주세요", "사과 주세요", "Apple please.", true, kFoodLines},
             // After a complete sentence the phrase goes after the finished text, and
             // the old translation stays.
             {"우유", "사과 주세요 우유", "Apple please.", false, {"-주세요 | mz"}},
             {"-주세요", "사과 주세요 우유 주세요", "Apple please, milk please.", true, {}}});
}

// ---- Confirm without a usable line -------------------------------------------------

TEST_F(CompositionTest, ConfirmWithoutAUsableLineShowsTheMessageAndChangesNothing) {
  DialogUser& user = *m_user;
  user.Confirm();
  EXPECT_EQ(user.Messages(), Lines{kPickFromList});
  EXPECT_EQ(user.Sentence(), "");
  EXPECT_EQ(user.KeyedLines(), kKoreanStart);

  EXPECT_TRUE(user.Pick("너는"));
  const Lines lines = user.KeyedLines();
  EXPECT_TRUE(user.Select(user.Line("사과")));
  user.Type(IDC_SEARCH, "사과");  // an ordinary line needs a ";" in the search box
  user.Confirm();
  EXPECT_EQ(user.Messages(), Lines{kPickFromList});
  EXPECT_EQ(user.Sentence(), " 너는");
  EXPECT_EQ(user.Text(IDC_SEARCH), "사과");
  EXPECT_EQ(user.KeyedLines(), lines);
  EXPECT_EQ(user.Selected(), user.Line("사과"));
  EXPECT_EQ(user.Dlg().m_nSteps, 1);
}

TEST_F(CompositionTest, ConfirmTakesTheSelectedKeyWithTheTypedText) {
  DialogUser& user = *m_user;
  user.Type(IDC_SEARCH, "사과;사과;");
  user.Enter(IDC_SEARCH);
  EXPECT_EQ(user.Selected(), 6);  // "우유": the first line after the typed text
  user.Confirm();
  EXPECT_EQ(user.Sentence(), " 사과");
  const StepRecord& step = user.Dlg().m_builder.m_steps[0];
  EXPECT_EQ(U(step.strKey), "n_food");
  EXPECT_EQ(U(step.strTranslation), "사과");
  EXPECT_TRUE(user.Pick("-주세요"));
  EXPECT_EQ(user.Sentence(), "사과 주세요");
  EXPECT_EQ(user.Translation(), "사과 please.");
}

TEST_F(CompositionTest, SearchTextWithOneSemicolonGivesAnEmptyTranslation) {
  DialogUser& user = *m_user;
  EXPECT_TRUE(user.Select(user.Line("사과")));
  user.Type(IDC_SEARCH, "사과;");
  user.Confirm();
  EXPECT_EQ(U(user.Dlg().m_builder.m_steps[0].strPhrase), "사과");
  EXPECT_EQ(U(user.Dlg().m_builder.m_steps[0].strTranslation), "");
  EXPECT_TRUE(user.Pick("-주세요"));
  EXPECT_EQ(user.Translation(), "Please.");  // " please." trimmed, then capitalised
}

// ---- Step back, restart, add sentence --------------------------------------------------

TEST_F(CompositionTest, StepBackRebuildsFromTheRecords) {
  DialogUser& user = *m_user;
  for (const char* phrase : {"사과", "-주세요", "우유", "-주세요"}) EXPECT_TRUE(user.Pick(phrase)) << phrase;
  user.Type(IDC_SENTENCE, "edited by the user");

  const struct {
    const char* sentence;
    const char* translation;
    bool addEnabled;
    Lines lines;
    int steps;
  } expected[] = {
      {" 사과 주세요 우유", "", false, {"-주세요 | mz"}, 3},  // incomplete: rebuilt, edits lost
      {"사과 주세요", "Apple please.", true, kFoodLines, 2},   // complete again
      {" 사과", "", false, {"-주세요 | mz"}, 1},
      {"", "", false, kKoreanStart, 0},                          // from one step: restart
      {"", "", false, kKoreanStart, 0},                          // from none: restart
  };
  for (const auto& e : expected) {
    user.Click(IDC_STEP_BACK);
    EXPECT_EQ(user.Sentence(), e.sentence) << "back to " << e.steps;
    EXPECT_EQ(user.Translation(), e.translation) << "back to " << e.steps;
    EXPECT_EQ(user.AddEnabled(), e.addEnabled) << "back to " << e.steps;
    EXPECT_EQ(user.KeyedLines(), e.lines) << "back to " << e.steps;
    EXPECT_EQ(user.Dlg().m_nSteps, e.steps);
  }
}

TEST_F(CompositionTest, RestartKeepsTheSearchAndCollectedBoxes) {
  DialogUser& user = *m_user;
  ComposeYouEatApple();
  user.Type(IDC_COLLECTED, "memo");
  user.Click(IDC_RESTART);
  EXPECT_TRUE(user.Select(user.Line("사과")));
  user.Click(IDC_RESTART);
  EXPECT_EQ(user.Sentence(), "");
  EXPECT_EQ(user.Translation(), "");
  EXPECT_FALSE(user.AddEnabled());
  EXPECT_EQ(user.Text(IDC_SEARCH), "사과;apple;과일;");
  EXPECT_EQ(user.Text(IDC_COLLECTED), "memo");
  EXPECT_EQ(user.KeyedLines(), kKoreanStart);
  // The next composition starts afresh although the old records are still there.
  EXPECT_TRUE(user.Pick("너는"));
  EXPECT_EQ(user.Sentence(), " 너는");
}

TEST_F(CompositionTest, AddSentenceAppendsThePairWithLineBreaksAndPutsTheCaretAtTheEnd) {
  DialogUser& user = *m_user;
  ComposeYouEatApple();
  user.Click(IDC_ADD_SENTENCE);
  const std::string first = "너는 사과를 먹는다\r\nYou eat apple.\r\n\r\n";
  EXPECT_EQ(user.Text(IDC_COLLECTED), first);
  const CMemoryEdit* collected = user.Host().EditState(IDC_COLLECTED);
  EXPECT_EQ(collected->SelStart(), static_cast<int>(K(first).size()));
  EXPECT_EQ(collected->SelEnd(), static_cast<int>(K(first).size()));
  EXPECT_TRUE(collected->CaretScrolled());
  EXPECT_EQ(user.Sentence(), "");
  EXPECT_EQ(user.Translation(), "");
  EXPECT_FALSE(user.AddEnabled());
  EXPECT_EQ(user.KeyedLines(), kKoreanStart);

  // The user's edits of the collected text (typing, Enter) are kept and appended to.
  user.Type(IDC_COLLECTED, "메모");
  user.Enter(IDC_COLLECTED);
  EXPECT_EQ(user.Text(IDC_COLLECTED), "메모\r\n");
  for (const char* phrase : {"사과", "-주세요"}) EXPECT_TRUE(user.Pick(phrase)) << phrase;
  user.Click(IDC_ADD_SENTENCE);
  EXPECT_EQ(user.Text(IDC_COLLECTED), "메모\r\n사과 주세요\r\nApple please.\r\n\r\n");
}

TEST_F(CompositionTest, DirectionChangeClearsTheSentenceAndTurnsTheAddButtonOff) {
  DialogUser& user = *m_user;
  ComposeYouEatApple();
  user.Type(IDC_COLLECTED, "memo");
  user.Click(IDC_DIR_ENGLISH);
  EXPECT_EQ(user.Sentence(), "");
  EXPECT_EQ(user.Translation(), "");
  EXPECT_FALSE(user.AddEnabled());  // an add now would append an empty pair
  user.Click(IDC_ADD_SENTENCE);
  EXPECT_EQ(user.Text(IDC_COLLECTED), "memo");
  EXPECT_EQ(user.KeyedLines(), kEnglishStart);

  // The radio button that is already checked still clears and rebuilds.
  EXPECT_TRUE(user.Pick("you"));
  user.Click(IDC_DIR_ENGLISH);
  EXPECT_EQ(user.Sentence(), "");
  EXPECT_EQ(user.KeyedLines(), kEnglishStart);
  EXPECT_EQ(user.Dlg().m_nSteps, 0);

  user.Click(IDC_RESTART);
  EXPECT_FALSE(user.AddEnabled());
  user.Click(IDC_DIR_KOREAN);
  EXPECT_FALSE(user.AddEnabled());
}

// ---- List navigation ------------------------------------------------------------------

TEST_F(CompositionTest, PickingALineCopiesItsWholeTextAndKeepsItSelected) {
  DialogUser& user = *m_user;
  for (int line : {5, 0, 7}) {
    EXPECT_TRUE(user.Select(line));
    EXPECT_EQ(user.Selected(), line);
    EXPECT_EQ(user.Text(IDC_SEARCH), kKoreanStart[line].substr(0, kKoreanStart[line].find(" | ")));
  }
}

TEST_F(CompositionTest, EnterInTheSearchBoxSelectsWhereTheTextBelongs) {
  const struct {
    const char* typed;
    int selected;
  } cases[] = {
      {"!", 0},                 // before every line
      {"힣", 7},                // after every line
      {"사과;apple;과일;", 5},  // a line's whole text
      {"사과", 5},              // between lines: the first line after the text
      {"빵[밀가루];bread;; ", 5},  // just after a line: the next one
      {"바나나;banana;과일", 3},   // just before a line: that line
      {"나는;I;주어;", 1},
  };
  for (const auto& c : cases) {
    m_user->Type(IDC_SEARCH, c.typed);
    m_user->Enter(IDC_SEARCH);
    EXPECT_EQ(m_user->Selected(), c.selected) << c.typed;
    EXPECT_EQ(m_user->Text(IDC_SEARCH), c.typed) << c.typed;
    EXPECT_FALSE(m_user->Host().IsClosed());
  }
}

TEST_F(CompositionTest, EnterWithAnEmptyListSelectsNothing) {
  DialogUser& user = *m_user;
  EXPECT_TRUE(user.Select(0));
  user.Confirm();
  ASSERT_EQ(user.KeyedLines(), Lines{});
  user.Type(IDC_SEARCH, "x");
  user.Enter(IDC_SEARCH);
  EXPECT_EQ(user.Selected(), -1);
  EXPECT_EQ(user.Text(IDC_SEARCH), "x");
  EXPECT_EQ(user.Sentence(), "안녕하세요");
}

TEST_F(CompositionTest, EnterElsewhereIsAnOrdinaryKeyAndNeverClosesTheDialog) {
  DialogUser& user = *m_user;
  EXPECT_TRUE(user.Select(2));
  for (int id : {IDC_CONFIRM, IDC_STEP_BACK, IDC_RESTART, IDC_DIR_ENGLISH, IDC_CANDIDATES})
    user.Enter(id);
  EXPECT_TRUE(user.Messages().empty());
  EXPECT_EQ(user.Sentence(), "");
  EXPECT_EQ(user.Direction(), 0);
  EXPECT_EQ(user.Selected(), 2);
  user.Enter(IDC_SENTENCE);
  user.Enter(IDC_TRANSLATION);
  EXPECT_EQ(user.Sentence(), "\r\n");
  EXPECT_EQ(user.Translation(), "\r\n");
  EXPECT_FALSE(user.Host().IsClosed());
  user.Escape();
  EXPECT_TRUE(user.Host().IsClosed());
}

// ---- A dictionary that disappears ------------------------------------------------------

TEST_F(CompositionTest, ADictionaryRemovedWhileRunningEndsTheProgramWhenNextOpened) {
  const struct {
    const char* file;
    std::vector<const char*> picks;  // the last one needs the file
    int click;                       // or a click that needs it
  } cases[] = {
      {"change.dex", {}, IDC_RESTART},
      {"main.dex", {}, IDC_RESTART},
      {"ekchange.dex", {}, IDC_DIR_ENGLISH},
      {"gu.dex", {"너는"}, 0},
      {"tosi.dex", {"너는", "사과", "~을(를)", "먹는다"}, 0},
  };
  for (const auto& c : cases) {
    e2e::CopyTestDictionaries();  // the file removed by the previous case comes back
    EXPECT_EXIT(
        {
          DialogUser user;
          for (std::size_t i = 0; i + 1 < c.picks.size(); ++i) EXPECT_TRUE(user.Pick(c.picks[i])) << c.picks[i];
          RemoveFile(c.file);
          if (c.click)
            user.Click(c.click);
          else
            EXPECT_TRUE(user.Pick(c.picks.back()));
          std::exit(0);
        },
        ::testing::ExitedWithCode(1), "")
        << c.file;
  }
}

}  // namespace
