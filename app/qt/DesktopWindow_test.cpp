// The main window as the desktop program sets it up, on lists long enough to scroll:
// every new list at its top, the list following what is typed into the search box,
// lines chosen by double click or Enter, names and descriptions for screen readers,
// the collected-text box's "save as a text file", and Qt's own texts in Korean.
#include <gtest/gtest.h>

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QFile>
#include <QLineEdit>
#include <QListView>
#include <QLocale>
#include <QMenu>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTranslator>
#include <cstdio>
#include <memory>
#include <set>

#include "app/InterpreterDlg.h"
#include "app/qt/CollectedTextMenu.h"
#include "app/qt/ControlTexts.h"
#include "app/qt/DesktopWindow.h"
#include "app/qt/QtDialogHost.h"
#include "app/qt/QtTestSupport.h"
#include "app/qt/QtTranslations.h"
#include "res/DialogTemplate.h"
#include "tests/support/DexFixture.h"

namespace {

QString Q(const char* utf8) { return QString::fromUtf8(utf8); }

constexpr int kNouns = 60;   // "a00;t00;;" .. "a59;t59;;"
constexpr int kMilks = 40;   // "우유00;milk00;;" .. after "영화;movie;;"
constexpr int kVerbs = 60;   // "v00;go00;;" ..
constexpr int kMovieRow = kNouns;

std::string Numbered(const char* stem, int i) {
  char text[32];
  std::snprintf(text, sizeof text, "%s%02d", stem, i);
  return text;
}

// A noun and then a verb make a sentence; the noun list is long enough to scroll far.
void WriteLongDictionaries() {
  std::vector<LexiconRecord> lexicon;
  for (int i = 0; i < kNouns; ++i) lexicon.push_back({"n", Numbered("a", i), Numbered("t", i), ""});
  lexicon.push_back({"n", K("영화"), "movie", ""});
  for (int i = 0; i < kMilks; ++i) lexicon.push_back({"n", K(Numbered("우유", i)), Numbered("milk", i), ""});
  for (int i = 0; i < kVerbs; ++i) lexicon.push_back({"v", Numbered("v", i), Numbered("go", i), ""});
  WriteLexicon("main.dex", lexicon);
  WriteRules("gu.dex", {"n;@0@;zN;", "v;@0@;zV;"});
  WritePatterns("change.dex", {{",zN,zV,", "@0@ @1@"}});
  WriteEmptyDictionaries();
}

class DesktopWindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    WriteLongDictionaries();
    m_host = std::make_unique<CQtDialogHost>(kInterpreterTemplate, &m_dlg);
    PrepareDesktopWindow(*m_host, QLocale(QLocale::Korean));
    ASSERT_TRUE(m_dlg.Create(m_host.get()));
    ShowAndActivate(*m_host);
  }

  QListView* List() const { return qobject_cast<QListView*>(m_host->Control(IDC_CANDIDATES)); }
  int Count() const { return List()->model()->rowCount(); }
  QLineEdit* Search() const { return qobject_cast<QLineEdit*>(m_host->Control(IDC_SEARCH)); }
  QPlainTextEdit* Box(int id) const { return qobject_cast<QPlainTextEdit*>(m_host->Control(id)); }
  int TopRow() const {
    QApplication::processEvents();
    return List()->indexAt(QPoint(2, 2)).row();
  }
  QString LineText(int row) const { return List()->model()->index(row, 0).data().toString(); }
  // Types `text` into the search box as the input method commits it.
  void Type(const QString& text) {
    FocusControl(Search());
    Search()->selectAll();
    CommitText(Search(), text);
  }
  std::vector<ShownMessage> Confirm() {
    return AnswerMessageBoxes([this] { QTest::mouseClick(m_host->Control(IDC_CONFIRM), Qt::LeftButton); });
  }

  ScratchDir m_dir;
  CInterpreterDlg m_dlg;
  std::unique_ptr<CQtDialogHost> m_host;
};

TEST_F(DesktopWindowTest, EveryNewListStartsAtItsTop) {
  ASSERT_EQ(Count(), kNouns + 1 + kMilks);
  ClickListLine(List(), Count() - 1);  // the last noun: the list scrolls down
  ASSERT_GT(List()->verticalScrollBar()->value(), 0);
  ASSERT_TRUE(Confirm().empty());
  ASSERT_EQ(Count(), kVerbs);
  EXPECT_EQ(TopRow(), 0);
  EXPECT_EQ(SelectedListLine(List()), QString());

  // The same after a restart from far down the verbs, and after a direction change.
  ClickListLine(List(), kVerbs - 1);
  QTest::mouseClick(m_host->Control(IDC_RESTART), Qt::LeftButton);
  EXPECT_EQ(TopRow(), 0);
  ClickListLine(List(), Count() - 1);
  QTest::mouseClick(m_host->Control(IDC_DIR_KOREAN), Qt::LeftButton);
  EXPECT_EQ(TopRow(), 0);
}

TEST_F(DesktopWindowTest, TypingScrollsTheListToTheFirstLineBeginningWithTheText) {
  const struct {
    const char* typed;
    int top;  // -1: the list stays where it was
  } cases[] = {
      {"a4", 40},           // a phrase's start
      {"A41", 41},          // letters without case
      {"a41;t41", 41},      // a line's text beyond the phrase
      {"우유1", kMovieRow + 1 + 10},
      {"movie", kMovieRow},  // no phrase begins with it: the translation does
      {"milk05", kMovieRow + 1 + 5},
      {"zz", -1},           // nothing begins with it
  };
  for (const auto& c : cases) {
    List()->scrollToTop();
    const int before = TopRow();
    Type(Q(c.typed));
    EXPECT_EQ(TopRow(), c.top < 0 ? before : c.top) << c.typed;
    // View only: nothing is selected, the search box keeps the typed text.
    EXPECT_EQ(SelectedListLine(List()), QString()) << c.typed;
    EXPECT_EQ(Search()->text(), Q(c.typed)) << c.typed;
    EXPECT_EQ(QString::fromStdString(m_dlg.m_strSearch), QString()) << c.typed;
  }
  // Enter keeps its meaning: the line where the text belongs is selected.
  Type(Q("a4"));
  PressKey(Qt::Key_Return);
  EXPECT_EQ(SelectedListLine(List()), Q("a40;t40;;"));
}

TEST_F(DesktopWindowTest, TheProgramsOwnWritesOfTheSearchBoxScrollNothing) {
  ClickListLine(List(), 30);  // picking copies the line into the search box
  List()->scrollToTop();
  m_host->Edit(IDC_SEARCH)->SetText("a50");
  EXPECT_EQ(TopRow(), 0);
}

TEST_F(DesktopWindowTest, DoubleClickOrEnterInTheListTakesTheLine) {
  DoubleClickListLine(List(), 5);
  EXPECT_EQ(Box(IDC_SENTENCE)->toPlainText(), Q(" a05"));
  EXPECT_EQ(Search()->text(), QString());
  // A verb chosen with the keyboard: arrow to it, then Enter.
  ClickListLine(List(), 0);
  PressKey(Qt::Key_Down);
  auto shown = AnswerMessageBoxes([] { PressKey(Qt::Key_Return); });
  EXPECT_TRUE(shown.empty());
  EXPECT_EQ(Box(IDC_SENTENCE)->toPlainText(), Q("A05 v01"));
  EXPECT_EQ(Box(IDC_TRANSLATION)->toPlainText(), Q("T05 go01"));
  EXPECT_TRUE(m_host->Control(IDC_ADD_SENTENCE)->isEnabled());
}

TEST_F(DesktopWindowTest, EnterInTheListTakesTheLineEvenWhenTheSearchBoxHoldsOtherText) {
  // Enter in the search box selects a line without copying it; Enter in the list then
  // takes that line as if it had been picked.
  Type(Q("a07"));
  PressKey(Qt::Key_Return);
  FocusControl(List());
  auto shown = AnswerMessageBoxes([] { PressKey(Qt::Key_Return); });
  EXPECT_TRUE(shown.empty());
  EXPECT_EQ(Box(IDC_SENTENCE)->toPlainText(), Q(" a07"));
}

TEST_F(DesktopWindowTest, EveryControlHasANameAndADescriptionInBothLanguages) {
  for (const QLocale& locale : {QLocale(QLocale::Korean), QLocale(QLocale::English)}) {
    DescribeControls(*m_host, locale);
    std::set<QString> names;
    for (const ControlTemplate& control : kInterpreterTemplate.controls) {
      QWidget* widget = m_host->Control(control.nId);
      QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(widget);
      ASSERT_NE(accessible, nullptr) << control.nId;
      const QString name = accessible->text(QAccessible::Name);
      EXPECT_FALSE(name.isEmpty()) << control.nId;
      EXPECT_FALSE(accessible->text(QAccessible::Description).isEmpty()) << control.nId;
      names.insert(name);
      const ControlTexts* texts = TextsOfControl(control.nId);
      ASSERT_NE(texts, nullptr) << control.nId;
      EXPECT_EQ(!widget->toolTip().isEmpty(), texts->bToolTip) << control.nId;
    }
    EXPECT_EQ(names.size(), kInterpreterTemplate.controls.size()) << locale.name().toStdString();
  }
  // The boxes are named in the system's language.
  DescribeControls(*m_host, QLocale(QLocale::Korean));
  EXPECT_EQ(m_host->Control(IDC_COLLECTED)->accessibleName(), Q("모은 문장"));
  DescribeControls(*m_host, QLocale(QLocale::English));
  EXPECT_EQ(m_host->Control(IDC_COLLECTED)->accessibleName(), Q("Collected sentences"));
}

// ---- Save as a text file -------------------------------------------------------------

TEST_F(DesktopWindowTest, TheCollectedTextSavesAsAUtf8TextFileWithLineFeeds) {
  QTemporaryDir folder;
  const QString path = folder.filePath(Q("모은 문장.txt"));
  m_host->Edit(IDC_COLLECTED)->SetText(K("나는 학생이에요.\r\nI am a student.\r\n\r\n"));
  std::unique_ptr<QMenu> menu(CreateCollectedMenu(Box(IDC_COLLECTED), QLocale(QLocale::Korean),
                                                  [&path](QWidget*) { return path; }));
  auto* save = menu->findChild<QAction*>(QStringLiteral("saveCollectedText"));
  ASSERT_NE(save, nullptr);
  EXPECT_EQ(save->text(), Q("텍스트 파일로 저장…"));
  EXPECT_TRUE(save->isEnabled());
  EXPECT_GT(menu->actions().size(), 3);  // the edit box's own entries come first
  EXPECT_TRUE(AnswerMessageBoxes([save] { save->trigger(); }).empty());
  QFile file(path);
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  EXPECT_EQ(file.readAll(), QByteArray("나는 학생이에요.\nI am a student.\n\n"));
}

TEST_F(DesktopWindowTest, ASaveThatFailsSaysSoAndACancelledOneWritesNothing) {
  QTemporaryDir folder;
  m_host->Edit(IDC_COLLECTED)->SetText("text");
  const struct {
    const char* name;
    QString path;
    int messages;
  } cases[] = {
      {"cancelled", QString(), 0},
      {"no such folder", folder.filePath("missing/out.txt"), 1},
      {"a folder", folder.path(), 1},
  };
  for (const auto& c : cases) {
    std::unique_ptr<QMenu> menu(CreateCollectedMenu(Box(IDC_COLLECTED), QLocale(QLocale::English),
                                                    [&c](QWidget*) { return c.path; }));
    auto* save = menu->findChild<QAction*>(QStringLiteral("saveCollectedText"));
    ASSERT_NE(save, nullptr) << c.name;
    EXPECT_EQ(save->text(), Q("Save as Text File…"));
    auto shown = AnswerMessageBoxes([save] { save->trigger(); });
    ASSERT_EQ(static_cast<int>(shown.size()), c.messages) << c.name;
    if (c.messages) {
      EXPECT_TRUE(shown[0].strText.contains(c.path)) << c.name;
    }
  }
  EXPECT_FALSE(QFile::exists(folder.filePath("missing/out.txt")));
  // An empty box offers nothing to save.
  m_host->Edit(IDC_COLLECTED)->SetText("");
  std::unique_ptr<QMenu> menu(CreateCollectedMenu(Box(IDC_COLLECTED), QLocale(QLocale::English),
                                                  [](QWidget*) { return QString(); }));
  EXPECT_FALSE(menu->findChild<QAction*>(QStringLiteral("saveCollectedText"))->isEnabled());
}

// ---- Qt's own texts --------------------------------------------------------------------

TEST(QtTranslation, QtsOwnTextsAreKoreanWhereTheSystemLanguageIsKorean) {
  std::unique_ptr<QTranslator> korean = LoadQtTranslation(QLocale(QLocale::Korean, QLocale::SouthKorea));
  ASSERT_NE(korean, nullptr) << "Qt's Korean translation (package qt6-translations-l10n)";
  QLineEdit edit;
  auto texts = [&edit] {
    std::unique_ptr<QMenu> menu(edit.createStandardContextMenu());
    QStringList list;
    for (QAction* action : menu->actions())
      if (!action->isSeparator()) list << action->text();
    return list.join(u'|');
  };
  const QString english = texts();
  QCoreApplication::installTranslator(korean.get());
  const QString translated = texts();
  QCoreApplication::removeTranslator(korean.get());
  EXPECT_TRUE(english.contains(QStringLiteral("Undo"))) << english.toStdString();
  EXPECT_TRUE(translated.contains(Q("실행 취소"))) << translated.toStdString();
}

}  // namespace
