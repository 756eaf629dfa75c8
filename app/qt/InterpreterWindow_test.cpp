// The main dialog in its Qt window, used the way a user uses it: mouse clicks on list
// lines and buttons, typed text, Enter and Escape. Small dictionaries written by the
// test make the expected screens exact; the bundled or test dictionaries, when built,
// give the rendered picture of the program.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QLineEdit>
#include <QListView>
#include <QLocale>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>
#include <QWidget>
#include <memory>
#include <unistd.h>

#include "app/InterpreterDlg.h"
#include "app/qt/DesktopWindow.h"
#include "app/qt/InterpreterApp.h"
#include "app/qt/QtDialogHost.h"
#include "app/qt/QtTestSupport.h"
#include "dict/MissingDictionary.h"
#include "dict/RecordLayout.h"
#include "res/DialogTemplate.h"
#include "tests/support/DexFixture.h"
#include "tests/support/ExpectedTexts.h"

namespace {

QString Q(const char* utf8) { return QString::fromUtf8(utf8); }

// A subject (a pronoun, or in Korean a name typed into a free slot) and a verb, each
// a phrase of one word.
void WriteSmallDictionaries() {
  const std::vector<std::string> rules = {"n;@0@;zN;", "v;@0@;zV;"};
  WriteLexicon(kMainKor, {{"n", K("나"), "I", ""}, {"n", K("너"), "you", ""}, {"v", K("간다"), "go", ""}});
  WriteRules(kGuKor, rules);
  WritePatterns(kChangeKor, {{K(",-이름,zV,"), "@0@ @1@"}, {",zN,zV,", "@0@ @1@"}});
  WriteLexicon(kMainEng, {{"n", "I", K("나"), ""}, {"n", "you", K("너"), ""}, {"v", "go", K("간다"), ""}});
  WriteRules(kGuEng, rules);
  WritePatterns(kChangeEng, {{",zN,zV,", "@0@ @1@"}});
  WriteEmptyDictionaries();
}

// The dialog and its window, built like the program's start-up does, shown and active.
class DialogWindow {
 public:
  DialogWindow() : m_dlg(std::make_unique<CInterpreterDlg>()) {
    m_host = std::make_unique<CQtDialogHost>(kInterpreterTemplate, m_dlg.get());
    PrepareDesktopWindow(*m_host, QLocale());
    m_bCreated = m_dlg->Create(m_host.get());
    if (m_bCreated) m_host->FocusFirstControl();
  }

  CQtDialogHost& Host() { return *m_host; }
  bool Created() const { return m_bCreated; }

  QString Text(int id) const {
    QWidget* widget = m_host->Control(id);
    if (auto* edit = qobject_cast<QPlainTextEdit*>(widget)) return edit->toPlainText();
    if (auto* line = qobject_cast<QLineEdit*>(widget)) return line->text();
    return qobject_cast<QAbstractButton*>(widget)->text();
  }
  bool Enabled(int id) const { return m_host->Control(id)->isEnabled(); }
  bool Checked(int id) const { return qobject_cast<QAbstractButton*>(m_host->Control(id))->isChecked(); }

  QListView* List() const { return qobject_cast<QListView*>(m_host->Control(IDC_CANDIDATES)); }
  QStringList Lines() const { return ListLines(List()); }
  QString Selected() const { return SelectedListLine(List()); }

  // Clicks the line that reads `line`; false when the list has no such line.
  bool Pick(const QString& line) {
    int row = static_cast<int>(Lines().indexOf(line));
    if (row < 0) return false;
    ClickListLine(List(), row);
    return true;
  }
  // Clicks a control; returns the message boxes that the click opened.
  std::vector<ShownMessage> Click(int id) {
    return AnswerMessageBoxes([&] { QTest::mouseClick(m_host->Control(id), Qt::LeftButton); });
  }
  // Types `text` into the search box in place of what it holds, as the input method
  // delivers it.
  void TypeSearch(const QString& text) {
    auto* search = qobject_cast<QLineEdit*>(m_host->Control(IDC_SEARCH));
    FocusControl(search);
    search->selectAll();
    CommitText(search, text);
  }

 private:
  std::unique_ptr<CInterpreterDlg> m_dlg;
  std::unique_ptr<CQtDialogHost> m_host;
  bool m_bCreated = false;
};

class InterpreterWindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    WriteSmallDictionaries();
    m_window = std::make_unique<DialogWindow>();
    ASSERT_TRUE(m_window->Created());
    ShowAndActivate(m_window->Host());
  }
  void TearDown() override { m_window.reset(); }

  // Composes "나 간다" / "I go" with the mouse.
  void ComposeKoreanSentence() {
    ASSERT_TRUE(W().Pick(Q("나;I;;")));
    ASSERT_TRUE(W().Click(IDC_CONFIRM).empty());
    ASSERT_TRUE(W().Pick(Q("간다;go;;")));
    ASSERT_TRUE(W().Click(IDC_CONFIRM).empty());
  }

  DialogWindow& W() { return *m_window; }

  ScratchDir m_dir;
  std::unique_ptr<DialogWindow> m_window;
};

TEST_F(InterpreterWindowTest, StartsComposingEnglishFromKoreanWithEmptyBoxes) {
  EXPECT_TRUE(W().Checked(IDC_DIR_KOREAN));
  EXPECT_FALSE(W().Checked(IDC_DIR_ENGLISH));
  EXPECT_EQ(W().Text(IDC_STEP_BACK), Q("한단계 앞으로"));
  EXPECT_EQ(W().Text(IDC_RESTART), Q("처음으로"));
  EXPECT_EQ(W().Text(IDC_CONFIRM), Q("확인"));
  EXPECT_EQ(W().Text(IDC_ADD_SENTENCE), Q("문장 추가"));
  EXPECT_FALSE(W().Enabled(IDC_ADD_SENTENCE));
  for (int id : {IDC_SENTENCE, IDC_TRANSLATION, IDC_COLLECTED, IDC_SEARCH}) EXPECT_EQ(W().Text(id), QString()) << id;
  EXPECT_EQ(W().Lines(), (QStringList{Q("-이름"), Q("나;I;;"), Q("너;you;;")}));
  EXPECT_EQ(W().Selected(), QString());
  EXPECT_EQ(W().Host().ControlId(QApplication::focusWidget()), IDC_SENTENCE);
  EXPECT_FALSE(W().Host().Window()->windowIcon().isNull());
}

TEST_F(InterpreterWindowTest, DirectionButtonsSwitchCaptionsAndBackExactly) {
  W().Click(IDC_DIR_ENGLISH);
  EXPECT_TRUE(W().Checked(IDC_DIR_ENGLISH));
  EXPECT_EQ(W().Text(IDC_STEP_BACK), Q("One step Return"));
  EXPECT_EQ(W().Text(IDC_RESTART), Q("Restart"));
  EXPECT_EQ(W().Text(IDC_CONFIRM), Q("OK"));
  EXPECT_EQ(W().Text(IDC_ADD_SENTENCE), Q("Sentance add"));
  EXPECT_EQ(W().Lines(), (QStringList{Q("I;나;;"), Q("you;너;;")}));
  W().Click(IDC_DIR_KOREAN);
  EXPECT_TRUE(W().Checked(IDC_DIR_KOREAN));
  EXPECT_FALSE(W().Checked(IDC_DIR_ENGLISH));
  for (const ControlTemplate& control : kInterpreterTemplate.controls) {
    if (control.kind == ControlKind::PushButton) {
      EXPECT_EQ(W().Text(control.nId), Q(control.szCaptionUtf8)) << control.nId;
    }
  }
  EXPECT_EQ(W().Lines().size(), 3);
}

TEST_F(InterpreterWindowTest, ClickingTheCheckedDirectionAgainClearsTheComposition) {
  ASSERT_TRUE(W().Pick(Q("나;I;;")));
  W().Click(IDC_CONFIRM);
  EXPECT_EQ(W().Text(IDC_SENTENCE), Q(" 나"));
  W().Click(IDC_DIR_KOREAN);
  EXPECT_EQ(W().Text(IDC_SENTENCE), QString());
  EXPECT_EQ(W().Lines().size(), 3);
}

TEST_F(InterpreterWindowTest, PickingALineCopiesItIntoTheSearchBoxAndKeepsItSelected) {
  ASSERT_TRUE(W().Pick(Q("너;you;;")));
  EXPECT_EQ(W().Text(IDC_SEARCH), Q("너;you;;"));
  EXPECT_EQ(W().Selected(), Q("너;you;;"));
  ASSERT_TRUE(W().Pick(Q("나;I;;")));
  EXPECT_EQ(W().Text(IDC_SEARCH), Q("나;I;;"));
  EXPECT_EQ(W().Selected(), Q("나;I;;"));
  // The arrow keys pick lines as well.
  QTest::keyClick(W().List(), Qt::Key_Down);
  EXPECT_EQ(W().Text(IDC_SEARCH), Q("너;you;;"));
  EXPECT_EQ(W().Selected(), Q("너;you;;"));
}

TEST_F(InterpreterWindowTest, SentenceComposedWithTheMouseIsAddedToTheCollectedText) {
  ComposeKoreanSentence();
  EXPECT_EQ(W().Text(IDC_SENTENCE), Q("나 간다"));
  EXPECT_EQ(W().Text(IDC_TRANSLATION), Q("I go"));
  EXPECT_TRUE(W().Enabled(IDC_ADD_SENTENCE));
  EXPECT_TRUE(W().Click(IDC_ADD_SENTENCE).empty());
  EXPECT_EQ(W().Text(IDC_COLLECTED), Q("나 간다\nI go\n\n"));
  EXPECT_EQ(W().Host().Edit(IDC_COLLECTED)->GetText(), K("나 간다\r\nI go\r\n\r\n"));
  auto* collected = qobject_cast<QPlainTextEdit*>(W().Host().Control(IDC_COLLECTED));
  EXPECT_EQ(collected->textCursor().position(), collected->document()->characterCount() - 1);
  EXPECT_FALSE(W().Enabled(IDC_ADD_SENTENCE));
  EXPECT_EQ(W().Text(IDC_SENTENCE), QString());
  EXPECT_EQ(W().Text(IDC_TRANSLATION), QString());
  EXPECT_EQ(W().Lines().size(), 3);  // back to the first step
}

TEST_F(InterpreterWindowTest, SentenceComposedInTheOtherDirection) {
  W().Click(IDC_DIR_ENGLISH);
  ASSERT_TRUE(W().Pick(Q("I;나;;")));
  EXPECT_TRUE(W().Click(IDC_CONFIRM).empty());
  EXPECT_EQ(W().Text(IDC_SENTENCE), Q(" I"));
  ASSERT_TRUE(W().Pick(Q("go;간다;;")));
  EXPECT_TRUE(W().Click(IDC_CONFIRM).empty());
  EXPECT_EQ(W().Text(IDC_SENTENCE), Q("I go"));
  EXPECT_EQ(W().Text(IDC_TRANSLATION), Q("나 간다"));
  W().Click(IDC_ADD_SENTENCE);
  EXPECT_EQ(W().Host().Edit(IDC_COLLECTED)->GetText(), K("I go\r\n나 간다\r\n\r\n"));
}

TEST_F(InterpreterWindowTest, AWordTypedIntoAFreeSlotBecomesThePhrase) {
  ASSERT_TRUE(W().Pick(Q("-이름")));
  EXPECT_EQ(W().Text(IDC_SEARCH), Q("-이름"));
  W().TypeSearch(Q("-철수"));
  EXPECT_TRUE(W().Click(IDC_CONFIRM).empty());
  EXPECT_EQ(W().Text(IDC_SENTENCE), Q(" 철수"));
}

TEST_F(InterpreterWindowTest, StepBackAndRestartRebuildTheBoxes) {
  ComposeKoreanSentence();
  W().Click(IDC_STEP_BACK);
  EXPECT_EQ(W().Text(IDC_SENTENCE), Q(" 나"));
  EXPECT_EQ(W().Text(IDC_TRANSLATION), QString());
  EXPECT_FALSE(W().Enabled(IDC_ADD_SENTENCE));
  W().Click(IDC_RESTART);
  EXPECT_EQ(W().Text(IDC_SENTENCE), QString());
  EXPECT_EQ(W().Lines().size(), 3);
}

TEST_F(InterpreterWindowTest, ConfirmWithoutAPickedLineShowsAMessageBox) {
  auto shown = W().Click(IDC_CONFIRM);
  ASSERT_EQ(shown.size(), 1u);
  EXPECT_EQ(shown[0].strTitle, Q("다올새 문장 통역기"));
  EXPECT_EQ(shown[0].strText, Q(kPickFromListText));
  EXPECT_EQ(shown[0].buttons.size(), 1);
  EXPECT_TRUE(W().Host().Window()->isVisible());
  EXPECT_EQ(W().Text(IDC_SENTENCE), QString());
}

TEST_F(InterpreterWindowTest, EnterInTheSearchBoxSelectsTheLineWhereTheTextBelongs) {
  static const struct {
    const char* typed;
    const char* selected;
  } cases[] = {
      {"너;you;;", "너;you;;"},  // a line's full text
      {"-", "-이름"},            // before every line: the first
      {"힣", "너;you;;"},        // after every line: the last
  };
  for (const auto& c : cases) {
    W().TypeSearch(Q(c.typed));
    auto shown = AnswerMessageBoxes([] { PressKey(Qt::Key_Return); });
    EXPECT_TRUE(shown.empty()) << c.typed;
    EXPECT_EQ(W().Selected(), Q(c.selected)) << c.typed;
    EXPECT_EQ(W().Text(IDC_SEARCH), Q(c.typed)) << c.typed;  // the box keeps the typed text
  }
  EXPECT_TRUE(W().Host().Window()->isVisible());
}

TEST_F(InterpreterWindowTest, EnterInTheCollectedTextBreaksTheLineAndTheNextPairFollowsIt) {
  FocusControl(W().Host().Control(IDC_COLLECTED));
  CommitText(W().Host().Control(IDC_COLLECTED), Q("메모"));
  PressKey(Qt::Key_Return);
  EXPECT_EQ(W().Text(IDC_COLLECTED), Q("메모\n"));
  ComposeKoreanSentence();
  W().Click(IDC_ADD_SENTENCE);
  EXPECT_EQ(W().Host().Edit(IDC_COLLECTED)->GetText(), K("메모\r\n나 간다\r\nI go\r\n\r\n"));
}

// Enter in the list takes the selected line (DesktopWindow_test.cpp); on the buttons it
// does nothing.
TEST_F(InterpreterWindowTest, EnterOnAButtonChangesNothingAndPressesNoButton) {
  ASSERT_TRUE(W().Pick(Q("나;I;;")));
  for (int id : {IDC_STEP_BACK, IDC_CONFIRM, IDC_RESTART, IDC_DIR_KOREAN, IDC_DIR_ENGLISH}) {
    FocusControl(W().Host().Control(id));
    auto shown = AnswerMessageBoxes([] {
      PressKey(Qt::Key_Return);
      PressKey(Qt::Key_Enter);
    });
    EXPECT_TRUE(shown.empty()) << id;
    EXPECT_EQ(W().Text(IDC_SENTENCE), QString()) << id;  // not confirmed, no line break
    EXPECT_EQ(W().Selected(), Q("나;I;;")) << id;
  }
  EXPECT_TRUE(W().Checked(IDC_DIR_KOREAN));
  EXPECT_TRUE(W().Host().Window()->isVisible());
}

TEST_F(InterpreterWindowTest, EscapeClosesTheDialog) {
  FocusControl(W().Host().Control(IDC_COLLECTED));
  QTimer::singleShot(0, [] { PressKey(Qt::Key_Escape); });
  W().Host().RunModal();
  EXPECT_FALSE(W().Host().Window()->isVisible());
}

TEST_F(InterpreterWindowTest, TheCloseBoxClosesTheDialog) {
  QTimer::singleShot(0, [this] { W().Host().Window()->close(); });
  W().Host().RunModal();
  EXPECT_FALSE(W().Host().Window()->isVisible());
}

// ---- Start-up of the program ------------------------------------------------------

void CountVisibleWindows() {
  int visible = 0;
  for (QWidget* widget : QApplication::topLevelWidgets()) visible += widget->isVisible();
  std::fprintf(stderr, "visible windows: %d\n", visible);
}

TEST(InterpreterAppDeathTest, AMissingDictionaryEndsWithStatusOneBeforeAnyWindowShows) {
  GTEST_FLAG_SET(death_test_style, "threadsafe");
  ScratchDir dir;
  WriteSmallDictionaries();
  RemoveFile(kGuEng);
  SetMissingDictionaryHook(&CountVisibleWindows);
  EXPECT_EXIT(theApp.InitInstance(), ::testing::ExitedWithCode(1), "visible windows: 0");
  SetMissingDictionaryHook(nullptr);
}

TEST(InterpreterAppTest, TheProgramRunsModallyAndEndsWhenTheDialogCloses) {
  ScratchDir dir;
  WriteSmallDictionaries();
  bool shown = false;
  QTimer::singleShot(0, [&shown] {
    QWidget* window = QApplication::activeModalWidget();
    shown = window && window->isVisible();
    if (window) window->close();
  });
  EXPECT_FALSE(theApp.InitInstance());
  EXPECT_TRUE(shown);
}

// ---- Rendering --------------------------------------------------------------------

// Renders the window to `name` in the build folder; fails when nothing was drawn.
void Render(DialogWindow& window, const char* name) {
  QApplication::processEvents();
  QImage image = window.Host().Window()->grab().toImage();
  ASSERT_EQ(image.size(), window.Host().Window()->size() * image.devicePixelRatio());
  QString path = QStringLiteral(DAOLSAE_QT_BINARY_DIR "/") + QString::fromLatin1(name);
  ASSERT_TRUE(image.save(path)) << path.toStdString();
  // The sentence box holds dark glyph pixels on its light background.
  QRect box = window.Host().Control(IDC_SENTENCE)->geometry();
  int dark = 0;
  for (int y = box.top(); y <= box.bottom(); ++y)
    for (int x = box.left(); x <= box.right(); ++x) dark += qGray(image.pixel(x, y)) < 96;
  EXPECT_GT(dark, 20) << "nothing drawn in the sentence box";
}

TEST_F(InterpreterWindowTest, RendersTheComposedSentenceToAPicture) {
  ComposeKoreanSentence();
  W().Click(IDC_ADD_SENTENCE);
  ASSERT_TRUE(W().Pick(Q("너;you;;")));
  W().Click(IDC_CONFIRM);
  ASSERT_TRUE(W().Pick(Q("간다;go;;")));
  Render(W(), "daolsae-small.png");
}

// The picture of the program on its real dictionaries: composes by always picking the
// first ordinary line until a sentence is complete, adds it, and starts the next one.
TEST(InterpreterScreenshot, RendersTheProgramOnItsDictionaries) {
  QString folder;
  for (const char* candidate : {DAOLSAE_BINARY_DIR "/dictionaries", DAOLSAE_BINARY_DIR "/testdicts"}) {
    QString dir = QString::fromLatin1(candidate);
    if (QFileInfo(dir + "/main.dex").size() > 0 && QFileInfo(dir + "/change.dex").size() > 0) {
      folder = dir;
      break;
    }
  }
  if (folder.isEmpty()) GTEST_SKIP() << "no compiled dictionaries in the build folder";
  QString previous = QDir::currentPath();
  ASSERT_TRUE(QDir::setCurrent(folder));
  {
    DialogWindow window;
    ASSERT_TRUE(window.Created());
    ShowAndActivate(window.Host());
    // Takes up to `steps` steps; true when they complete a sentence.
    auto compose = [&window](int steps) -> bool {
      for (int step = 0; step < steps && !window.Enabled(IDC_ADD_SENTENCE); ++step) {
        QStringList lines = window.Lines();
        int row = 0;
        while (row < lines.size() && lines[row].startsWith('-')) ++row;
        if (row == lines.size()) return false;
        ClickListLine(window.List(), row);
        if (!window.Click(IDC_CONFIRM).empty()) return false;
      }
      return window.Enabled(IDC_ADD_SENTENCE);
    };
    // Takes the line that begins with each text in turn; false when one is missing.
    auto composeLines = [&window](const QStringList& picks) -> bool {
      for (const QString& pick : picks) {
        QStringList lines = window.Lines();
        int row = 0;
        while (row < lines.size() && !lines[row].startsWith(pick)) ++row;
        if (row == lines.size()) return false;
        ClickListLine(window.List(), row);
        if (!window.Click(IDC_CONFIRM).empty()) return false;
      }
      return true;
    };
    EXPECT_GT(window.Lines().size(), 0);
    // On the bundled dictionaries, the sentences of the README's example session.
    const QStringList liked = {"저;I;", "-(은(는))", "영화;", "-(을(를))", "좋아해요.;"};
    const QStringList started = {"저;I;", "-(은(는))", "커피;", "-(을(를))"};
    bool scripted = false;
    if (composeLines(liked) && window.Enabled(IDC_ADD_SENTENCE)) {
      window.Click(IDC_ADD_SENTENCE);
      scripted = composeLines(started);
      if (scripted && window.List()->model()->rowCount() > 0) ClickListLine(window.List(), 0);
    }
    if (!scripted) {
      window.Click(IDC_RESTART);
      if (compose(20)) {
        window.Click(IDC_ADD_SENTENCE);
        EXPECT_FALSE(window.Text(IDC_COLLECTED).isEmpty());
      }
      // The next sentence half done, with its candidates in the list and one picked.
      compose(2);
      if (window.List()->model()->rowCount() > 1) ClickListLine(window.List(), 1);
    }
    Render(window, "daolsae-screenshot.png");
  }
  QDir::setCurrent(previous);
}

}  // namespace
