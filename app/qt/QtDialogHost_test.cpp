// The Qt backend on its own, driven by a small probe dialog that binds every control
// of the template and records what reaches it: the window built from the template,
// the peers, the user's events and the key filter.
#include "app/InterpreterDlg.h"
#include "app/qt/QtDialogHost.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QDialog>
#include <QFontDatabase>
#include <QFontInfo>
#include <QFontMetrics>
#include <QLineEdit>
#include <QListView>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <QToolTip>
#include <functional>
#include <set>
#include <utility>
#include <vector>

#include "app/Framework.h"
#include "app/qt/CandidateLineModel.h"
#include "app/qt/CandidateListView.h"
#include "app/qt/QtTestSupport.h"
#include "base/Cp949.h"
#include "res/DialogTemplate.h"
#include "res/Strings.h"
#include "tests/support/DexFixture.h"
#include "tests/support/ExpectedTexts.h"

namespace {

// The main dialog with its own control bindings, but without dictionaries or handlers:
// it records every event, key and cancel that the backend delivers.
class CProbeDlg : public CInterpreterDlg {
 public:
  bool PreTranslateMessage(const KeyMessage& message) override {
    m_keys.push_back(message);
    if (m_bConsumeEnter && message.nKeyCode == kKeyEnter) return true;
    return CDialog::PreTranslateMessage(message);
  }
  void OnControlEvent(int id, ControlEvent event) override {
    m_events.emplace_back(id, event);
    if (m_onEvent) m_onEvent(id, event);
  }

  std::vector<std::pair<int, ControlEvent>> m_events;
  std::vector<KeyMessage> m_keys;
  std::function<void(int, ControlEvent)> m_onEvent;
  bool m_bConsumeEnter = false;
  int m_nCancels = 0;

 protected:
  // Only the first transfer of the members to the controls: no dictionary is read.
  bool OnInitDialog() override { return CDialog::OnInitDialog(); }
  void OnCancel() override {
    ++m_nCancels;
    CDialog::OnCancel();
  }
};

class QtHostTest : public ::testing::Test {
 protected:
  QtHostTest() : m_host(kInterpreterTemplate, &m_dlg) { m_dlg.Create(&m_host); }

  template <typename T>
  T* Widget(int id) {
    return qobject_cast<T*>(m_host.Control(id));
  }
  int EventCount(int id, ControlEvent event) const {
    int count = 0;
    for (const auto& [eventId, kind] : m_dlg.m_events) count += (eventId == id && kind == event);
    return count;
  }

  CProbeDlg m_dlg;
  CQtDialogHost m_host;
};

const ControlTemplate& TemplateOf(int id) {
  for (const ControlTemplate& control : kInterpreterTemplate.controls)
    if (control.nId == id) return control;
  throw std::out_of_range("no such control");
}

// ---- The window built from the template ------------------------------------------

TEST(DialogUnits, ConvertEachCoordinateRoundedToTheNearestPixel) {
  static const struct {
    DialogBaseUnits units;
    int x, y, cx, cy;
    QRect expected;
  } cases[] = {
      {{6, 12}, 0, 0, 4, 8, QRect(0, 0, 6, 12)},
      {{6, 12}, 7, 25, 215, 30, QRect(11, 38, 323, 45)},   // 10.5 -> 11, 37.5 -> 38
      {{7, 13}, 1, 1, 2, 3, QRect(2, 2, 4, 5)},            // 1.75, 1.625, 3.5, 4.875
      {{5, 11}, 431, 265, 1, 1, QRect(539, 364, 1, 1)},    // 538.75, 364.375, 1.25, 1.375
      {{8, 16}, 3, 3, 3, 3, QRect(6, 6, 6, 6)},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(MapDialogRect(c.units, c.x, c.y, c.cx, c.cy), c.expected)
        << c.units.nWidth << "x" << c.units.nHeight << " at " << c.x << "," << c.y;
  }
}

TEST(DialogFontChoice, TemplateFontOrTheInstalledKoreanFontAtNinePoints) {
  QFont font = DialogFont(kInterpreterTemplate);
  EXPECT_EQ(font.pointSize(), kInterpreterTemplate.nFontPoints);
  QString wanted = QString::fromUtf8(kInterpreterTemplate.szFontUtf8);
  QString expected = QFontDatabase::hasFamily(wanted) ? wanted : QStringLiteral("NanumGothic");
  EXPECT_EQ(font.family(), expected);
  // The family is really there: Qt does not silently substitute another one.
  EXPECT_EQ(QFontInfo(font).family(), expected);
}

TEST(DialogFontChoice, HasAGlyphForEveryHangulSyllableTheProgramShows) {
  QFont font = DialogFont(kInterpreterTemplate);
  QFontMetrics metrics(font);
  QStringList texts{QString::fromUtf8(kAppNameUtf8)};
  for (const ControlTemplate& control : kInterpreterTemplate.controls)
    texts << QString::fromUtf8(control.szCaptionUtf8);
  for (const ButtonCaptions* captions : {&KoreanCaptions(), &EnglishCaptions()})
    for (const std::string* caption : {&captions->strStepBack, &captions->strRestart, &captions->strConfirm,
                                       &captions->strAddSentence})
      texts << QString::fromStdString(Cp949ToUtf8(*caption));
  texts << QString::fromStdString(Cp949ToUtf8(PickFromListMessage()))
        << QString::fromStdString(Cp949ToUtf8(SentenceTooLongMessage()));
  int syllables = 0;
  for (const QString& text : texts) {
    for (char32_t c : text.toUcs4()) {
      if (c < 0xAC00 || c > 0xD7A3) continue;
      ++syllables;
      EXPECT_TRUE(metrics.inFontUcs4(c)) << "U+" << std::hex << static_cast<unsigned>(c) << " in "
                                         << text.toStdString();
    }
  }
  EXPECT_GT(syllables, 20);  // the texts were really Hangul
}

TEST_F(QtHostTest, WindowHasTheTemplateCaptionFixedSizeAndNoMinimiseOrMaximise) {
  QDialog* window = m_host.Window();
  EXPECT_EQ(window->windowTitle(), QString::fromUtf8("다올새 문장 통역기"));
  QSize size = MapDialogRect(m_host.BaseUnits(), 0, 0, 431, 265).size();
  EXPECT_EQ(window->minimumSize(), size);
  EXPECT_EQ(window->maximumSize(), size);
  Qt::WindowFlags flags = window->windowFlags();
  EXPECT_FALSE(flags & Qt::WindowMinimizeButtonHint);
  EXPECT_FALSE(flags & Qt::WindowMaximizeButtonHint);
  EXPECT_FALSE(flags & Qt::WindowContextHelpButtonHint);
  EXPECT_TRUE(flags & Qt::WindowCloseButtonHint);
  EXPECT_TRUE(flags & Qt::WindowTitleHint);
  EXPECT_FALSE(window->isVisible());
  EXPECT_EQ(window->font(), m_host.Font());
}

TEST_F(QtHostTest, BaseUnitsAreTheFontsAverageLetterWidthAndLineHeight) {
  QFontMetrics metrics(m_host.Font());
  const QString letters = QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz");
  double average = metrics.horizontalAdvance(letters) / 52.0;
  EXPECT_LE(std::abs(m_host.BaseUnits().nWidth - average), 0.5);
  EXPECT_EQ(m_host.BaseUnits().nHeight, metrics.height());
  EXPECT_GT(m_host.BaseUnits().nWidth, 3);
}

TEST_F(QtHostTest, EveryControlSitsAtItsDialogUnitRectangle) {
  for (const ControlTemplate& control : kInterpreterTemplate.controls) {
    QWidget* widget = m_host.Control(control.nId);
    ASSERT_NE(widget, nullptr) << control.nId;
    EXPECT_EQ(widget->geometry(), MapDialogRect(m_host.BaseUnits(), control.x, control.y, control.cx, control.cy))
        << control.nId;
    EXPECT_EQ(widget->font(), m_host.Font()) << control.nId;
    EXPECT_EQ(m_host.ControlId(widget), control.nId);
  }
}

TEST_F(QtHostTest, ControlsHaveTheTemplateKindsCaptionsAndStyles) {
  for (int id : {IDC_SENTENCE, IDC_TRANSLATION, IDC_COLLECTED}) {
    auto* edit = Widget<QPlainTextEdit>(id);
    ASSERT_NE(edit, nullptr) << id;
    EXPECT_EQ(edit->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn) << id;
    EXPECT_FALSE(edit->isReadOnly()) << id;
    EXPECT_TRUE(edit->toPlainText().isEmpty()) << id;
  }
  ASSERT_NE(Widget<QLineEdit>(IDC_SEARCH), nullptr);
  auto* list = Widget<QListView>(IDC_CANDIDATES);
  ASSERT_NE(list, nullptr);
  EXPECT_EQ(list->selectionMode(), QAbstractItemView::SingleSelection);
  EXPECT_TRUE(list->uniformItemSizes());
  for (int id : {IDC_STEP_BACK, IDC_CONFIRM, IDC_RESTART, IDC_ADD_SENTENCE}) {
    auto* button = Widget<QPushButton>(id);
    ASSERT_NE(button, nullptr) << id;
    EXPECT_FALSE(button->isDefault()) << id;
    EXPECT_FALSE(button->autoDefault()) << id;
    EXPECT_EQ(button->text(), QString::fromUtf8(TemplateOf(id).szCaptionUtf8)) << id;
    EXPECT_EQ(button->isEnabled(), id != IDC_ADD_SENTENCE) << id;
  }
  for (int id : {IDC_DIR_KOREAN, IDC_DIR_ENGLISH}) {
    auto* radio = Widget<QRadioButton>(id);
    ASSERT_NE(radio, nullptr) << id;
    EXPECT_TRUE(radio->autoExclusive()) << id;
    EXPECT_FALSE(radio->isChecked()) << id;  // the probe's direction is -1
  }
  EXPECT_EQ(Widget<QPushButton>(IDC_STEP_BACK)->text(), QString::fromUtf8("한단계 앞으로"));
  EXPECT_EQ(Widget<QRadioButton>(IDC_DIR_ENGLISH)->text(), QString::fromUtf8("Korea translation"));
}

TEST_F(QtHostTest, TabVisitsTheTabStopControlsInTemplateOrder) {
  std::vector<int> expected;
  for (const ControlTemplate& control : kInterpreterTemplate.controls)
    if ((control.styles & kStyleTabStop) && !(control.styles & kStyleDisabled)) expected.push_back(control.nId);
  ShowAndActivate(m_host);
  m_host.FocusFirstControl();
  std::vector<int> visited;
  for (std::size_t i = 0; i < expected.size(); ++i) {
    visited.push_back(m_host.ControlId(QApplication::focusWidget()));
    PressKey(Qt::Key_Tab);
  }
  EXPECT_EQ(visited, expected);
  EXPECT_EQ(m_host.ControlId(QApplication::focusWidget()), expected.front());  // round again
  // The radio buttons have no tab stop; a click gives them the focus.
  EXPECT_EQ(m_host.Control(IDC_DIR_KOREAN)->focusPolicy(), Qt::ClickFocus);
}

TEST_F(QtHostTest, IconResourceIsTheApplicationIconOnTheWindow) {
  EXPECT_TRUE(IconResource(IDR_MAINFRAME + 1).isNull());
  QIcon icon = IconResource(IDR_MAINFRAME);
  ASSERT_FALSE(icon.isNull());
  EXPECT_TRUE(icon.availableSizes().contains(QSize(48, 48)));
  m_host.SetIcon(IDR_MAINFRAME, true);
  m_host.SetIcon(IDR_MAINFRAME, false);
  EXPECT_FALSE(m_host.Window()->windowIcon().isNull());
  EXPECT_EQ(m_host.Window()->windowIcon().pixmap(48).toImage(), icon.pixmap(48).toImage());
}

// ---- Edits ------------------------------------------------------------------------

TEST_F(QtHostTest, EditTextRoundTripsInCodePage949AndRunsNoHandler) {
  static const struct {
    int id;
    const char* utf8;
  } cases[] = {
      {IDC_SENTENCE, " 나는 사과를 먹는다"},
      {IDC_TRANSLATION, "I eat an apple."},
      {IDC_COLLECTED, "나는 간다\r\nI go.\r\n\r\n"},
      {IDC_COLLECTED, ""},
      {IDC_SEARCH, "사과;apple;과일;"},
  };
  for (const auto& c : cases) {
    m_host.Edit(c.id)->SetText(K(c.utf8));
    EXPECT_EQ(m_host.Edit(c.id)->GetText(), K(c.utf8)) << c.utf8;
  }
  EXPECT_EQ(Widget<QPlainTextEdit>(IDC_COLLECTED)->toPlainText(), QString());
  m_host.Edit(IDC_COLLECTED)->SetText(K("가\r\n나"));
  EXPECT_EQ(Widget<QPlainTextEdit>(IDC_COLLECTED)->toPlainText(), QString::fromUtf8("가\n나"));
  EXPECT_TRUE(m_dlg.m_events.empty());
}

TEST_F(QtHostTest, WritingTheTextAnEditShowsKeepsItsCaret) {
  QPlainTextEdit* edit = Widget<QPlainTextEdit>(IDC_COLLECTED);
  m_host.Edit(IDC_COLLECTED)->SetText(K("첫째 줄\r\n둘째 줄"));
  QTextCursor cursor = edit->textCursor();
  cursor.setPosition(3);
  edit->setTextCursor(cursor);
  m_host.Edit(IDC_COLLECTED)->SetText(K("첫째 줄\r\n둘째 줄"));
  EXPECT_EQ(edit->textCursor().position(), 3);
  m_host.Edit(IDC_COLLECTED)->SetText(K("다른 글"));
  EXPECT_EQ(edit->toPlainText(), QString::fromUtf8("다른 글"));
}

// A pair added to the collected text only lengthens it: the box appends the new lines
// and ends exactly as if the whole text had been written (lines, caret at the start, no
// undo step that would take the pair away, no handler run).
TEST_F(QtHostTest, TextThatGrowsAtItsEndEndsAsIfWrittenWhole) {
  QPlainTextEdit* edit = Widget<QPlainTextEdit>(IDC_COLLECTED);
  const std::string first = K("사과를 먹어요.\r\nI eat an apple.\r\n\r\n");
  const std::string second = first + K("물 주세요.\r\nWater, please.\r\n\r\n");
  m_host.Edit(IDC_COLLECTED)->SetText(first);
  m_host.Edit(IDC_COLLECTED)->SetText(second);
  EXPECT_EQ(m_host.Edit(IDC_COLLECTED)->GetText(), second);
  EXPECT_EQ(edit->document()->blockCount(), 7);
  EXPECT_EQ(edit->textCursor().position(), 0);
  EXPECT_FALSE(edit->document()->isUndoAvailable());
  EXPECT_TRUE(edit->document()->isUndoRedoEnabled());
  // Text that does not begin with what the box shows replaces it.
  m_host.Edit(IDC_COLLECTED)->SetText(K("물 주세요.\r\n"));
  EXPECT_EQ(edit->toPlainText(), QString::fromUtf8("물 주세요.\n"));
  EXPECT_TRUE(m_dlg.m_events.empty());
}

TEST_F(QtHostTest, SetSelCountsBytesOfCodePage949Text) {
  // "가나" is four bytes, CR LF two bytes but one character in the box.
  const std::string text = K("가나\r\nde");
  static const struct {
    int start, end;
    int anchor, position;
  } cases[] = {
      {0, 0, 0, 0}, {2, 2, 1, 1}, {4, 4, 2, 2}, {6, 6, 3, 3}, {8, 8, 5, 5},
      {0, -1, 0, 5}, {2, 6, 1, 3}, {3, 3, 1, 1},  // inside "나": before it
      {8, 100, 5, 5},
  };
  m_host.Edit(IDC_COLLECTED)->SetText(text);
  QPlainTextEdit* edit = Widget<QPlainTextEdit>(IDC_COLLECTED);
  for (const auto& c : cases) {
    m_host.Edit(IDC_COLLECTED)->SetSel(c.start, c.end);
    EXPECT_EQ(edit->textCursor().anchor(), c.anchor) << c.start << "," << c.end;
    EXPECT_EQ(edit->textCursor().position(), c.position) << c.start << "," << c.end;
  }
  m_host.Edit(IDC_SEARCH)->SetText(K("사과;apple;"));
  QLineEdit* search = Widget<QLineEdit>(IDC_SEARCH);
  m_host.Edit(IDC_SEARCH)->SetSel(4, 4);
  EXPECT_EQ(search->cursorPosition(), 2);
  m_host.Edit(IDC_SEARCH)->SetSel(0, 4);
  EXPECT_EQ(search->selectedText(), QString::fromUtf8("사과"));
  EXPECT_TRUE(m_dlg.m_events.empty());
}

TEST_F(QtHostTest, CaretAtTheEndScrollsTheCollectedTextToItsLastLine) {
  ShowAndActivate(m_host);
  std::string text;
  for (int i = 0; i < 60; ++i) text += K("문장 ") + std::to_string(i) + "\r\n";
  m_host.Edit(IDC_COLLECTED)->SetText(text);
  QPlainTextEdit* edit = Widget<QPlainTextEdit>(IDC_COLLECTED);
  QScrollBar* bar = edit->verticalScrollBar();
  ASSERT_GT(bar->maximum(), 0);
  EXPECT_EQ(bar->value(), 0);
  m_host.Edit(IDC_COLLECTED)->SetSel(static_cast<int>(text.size()), static_cast<int>(text.size()));
  EXPECT_EQ(bar->value(), 0);  // selecting alone does not scroll
  m_host.Edit(IDC_COLLECTED)->ScrollCaret();
  EXPECT_EQ(edit->textCursor().position(), edit->document()->characterCount() - 1);
  EXPECT_GE(bar->value(), bar->maximum() - 1);
  EXPECT_TRUE(edit->viewport()->rect().contains(edit->cursorRect())) << bar->value();
}

TEST_F(QtHostTest, UserEditsRunTheTextChangeHandlerHangulIncluded) {
  ShowAndActivate(m_host);
  FocusControl(m_host.Control(IDC_COLLECTED));
  QTest::keyClicks(m_host.Control(IDC_COLLECTED), QStringLiteral("ab"));
  EXPECT_EQ(EventCount(IDC_COLLECTED, ControlEvent::TextChanged), 2);
  CommitText(m_host.Control(IDC_COLLECTED), QString::fromUtf8("한글"));
  EXPECT_EQ(m_host.Edit(IDC_COLLECTED)->GetText(), K("ab한글"));
  EXPECT_EQ(EventCount(IDC_COLLECTED, ControlEvent::TextChanged), 3);

  FocusControl(m_host.Control(IDC_SEARCH));
  CommitText(m_host.Control(IDC_SEARCH), QString::fromUtf8("-사과"));
  EXPECT_EQ(m_host.Edit(IDC_SEARCH)->GetText(), K("-사과"));
  EXPECT_EQ(EventCount(IDC_SEARCH, ControlEvent::TextChanged), 1);
}

TEST_F(QtHostTest, TheHandlerMayWriteTheControlsWhileTheUserTypes) {
  // As the collected-text handler does: read all controls, then write them all back.
  m_dlg.m_onEvent = [this](int id, ControlEvent event) {
    if (id == IDC_COLLECTED && event == ControlEvent::TextChanged) {
      m_dlg.UpdateData(true);
      m_dlg.UpdateData(false);
    }
  };
  ShowAndActivate(m_host);
  FocusControl(m_host.Control(IDC_COLLECTED));
  QTest::keyClicks(m_host.Control(IDC_COLLECTED), QStringLiteral("abc"));
  PressKey(Qt::Key_Left);
  QTest::keyClicks(m_host.Control(IDC_COLLECTED), QStringLiteral("X"));
  EXPECT_EQ(m_host.Edit(IDC_COLLECTED)->GetText(), "abXc");
  EXPECT_EQ(m_dlg.m_strCollected, "abXc");
  EXPECT_EQ(EventCount(IDC_COLLECTED, ControlEvent::TextChanged), 4);
}

// ---- Buttons ----------------------------------------------------------------------

TEST_F(QtHostTest, ClickedButtonsNotifyDisabledOnesDoNot) {
  ShowAndActivate(m_host);
  QTest::mouseClick(m_host.Control(IDC_CONFIRM), Qt::LeftButton);
  EXPECT_EQ(EventCount(IDC_CONFIRM, ControlEvent::Clicked), 1);
  QTest::mouseClick(m_host.Control(IDC_ADD_SENTENCE), Qt::LeftButton);
  EXPECT_EQ(EventCount(IDC_ADD_SENTENCE, ControlEvent::Clicked), 0);
  EXPECT_FALSE(m_host.Button(IDC_ADD_SENTENCE)->IsEnabled());
  m_host.Button(IDC_ADD_SENTENCE)->Enable(true);
  QTest::mouseClick(m_host.Control(IDC_ADD_SENTENCE), Qt::LeftButton);
  EXPECT_EQ(EventCount(IDC_ADD_SENTENCE, ControlEvent::Clicked), 1);
}

TEST_F(QtHostTest, CaptionsRoundTripInCodePage949) {
  m_host.Button(IDC_STEP_BACK)->SetCaption("One step Return");
  EXPECT_EQ(Widget<QPushButton>(IDC_STEP_BACK)->text(), QStringLiteral("One step Return"));
  m_host.Button(IDC_STEP_BACK)->SetCaption(K("한단계 앞으로"));
  EXPECT_EQ(m_host.Button(IDC_STEP_BACK)->GetCaption(), K("한단계 앞으로"));
  EXPECT_EQ(Widget<QPushButton>(IDC_STEP_BACK)->text(), QString::fromUtf8("한단계 앞으로"));
  EXPECT_EQ(m_host.Button(IDC_ADD_SENTENCE)->GetCaption(), K("문장 추가"));
}

TEST_F(QtHostTest, RadioClicksNotifyEvenOnTheCheckedButton) {
  ShowAndActivate(m_host);
  QTest::mouseClick(m_host.Control(IDC_DIR_ENGLISH), Qt::LeftButton);
  EXPECT_TRUE(m_host.Button(IDC_DIR_ENGLISH)->IsChecked());
  QTest::mouseClick(m_host.Control(IDC_DIR_ENGLISH), Qt::LeftButton);
  EXPECT_TRUE(m_host.Button(IDC_DIR_ENGLISH)->IsChecked());
  EXPECT_EQ(EventCount(IDC_DIR_ENGLISH, ControlEvent::Clicked), 2);
  QTest::mouseClick(m_host.Control(IDC_DIR_KOREAN), Qt::LeftButton);
  EXPECT_TRUE(m_host.Button(IDC_DIR_KOREAN)->IsChecked());
  EXPECT_FALSE(m_host.Button(IDC_DIR_ENGLISH)->IsChecked());
  EXPECT_EQ(EventCount(IDC_DIR_KOREAN, ControlEvent::Clicked), 1);
}

TEST_F(QtHostTest, RadioExchangeSelectsOneOrNoneWithoutNotifying) {
  static const struct {
    int direction;
    bool korean, english;
  } cases[] = {{0, true, false}, {1, false, true}, {-1, false, false}, {1, false, true}, {0, true, false}};
  for (const auto& c : cases) {
    m_dlg.m_nDirection = c.direction;
    m_dlg.UpdateData(false);
    EXPECT_EQ(m_host.Button(IDC_DIR_KOREAN)->IsChecked(), c.korean) << c.direction;
    EXPECT_EQ(m_host.Button(IDC_DIR_ENGLISH)->IsChecked(), c.english) << c.direction;
    m_dlg.m_nDirection = 7;
    m_dlg.UpdateData(true);
    EXPECT_EQ(m_dlg.m_nDirection, c.direction);
  }
  EXPECT_TRUE(m_dlg.m_events.empty());
}

// ---- The list ---------------------------------------------------------------------

class QtListTest : public QtHostTest {
 protected:
  void Fill(int lines) {
    for (int i = 0; i < lines; ++i) m_host.List(IDC_CANDIDATES)->InsertString(-1, Line(i));
  }
  static std::string Line(int i) {
    char text[32];
    std::snprintf(text, sizeof text, "%03d;", i);
    return K("줄") + text;
  }
  IListPeer* List() { return m_host.List(IDC_CANDIDATES); }
  QListView* Widget() { return QtHostTest::Widget<QListView>(IDC_CANDIDATES); }
  QModelIndex Index(int row) { return Widget()->model()->index(row, 0); }
  QRect LineRect(int row) { return Widget()->visualRect(Index(row)); }
};

TEST_F(QtListTest, LinesKeepTheOrderTheyAreInsertedIn) {
  IListPeer* list = List();
  EXPECT_EQ(list->InsertString(-1, "b"), 0);
  EXPECT_EQ(list->InsertString(-1, "a"), 1);
  EXPECT_EQ(list->InsertString(0, K("가")), 0);
  EXPECT_EQ(list->InsertString(3, "c"), 3);
  EXPECT_EQ(list->InsertString(9, "x"), -1);  // beyond the end
  ASSERT_EQ(list->GetCount(), 4);
  const std::string expected[] = {K("가"), "b", "a", "c"};
  for (int i = 0; i < 4; ++i) EXPECT_EQ(list->GetText(i), expected[i]) << i;
  QApplication::processEvents();  // the view hears of the lines
  EXPECT_EQ(ListLines(Widget()), QStringList({QString::fromUtf8("가"), "b", "a", "c"}));
  EXPECT_EQ(list->GetText(4), "");
  EXPECT_EQ(list->GetText(-1), "");
}

TEST_F(QtListTest, LinesGiveBackExactlyTheirBytes) {
  // Bytes that are no code page 949 text show as replacement characters but read back
  // unchanged.
  const std::string odd = std::string("\x80z") + K("가") + "\xFF";
  List()->InsertString(-1, odd);
  EXPECT_EQ(List()->GetText(0), odd);
}

TEST_F(QtListTest, ProgramSelectionAndResetRunNoHandler) {
  Fill(30);
  EXPECT_EQ(List()->GetCurSel(), -1);
  List()->SetCurSel(12);
  EXPECT_EQ(List()->GetCurSel(), 12);
  List()->SetCurSel(99);  // no such line: nothing changes
  EXPECT_EQ(List()->GetCurSel(), 12);
  List()->SetCurSel(-1);
  EXPECT_EQ(List()->GetCurSel(), -1);
  List()->SetCurSel(3);
  List()->ResetContent();
  EXPECT_EQ(List()->GetCount(), 0);
  EXPECT_EQ(List()->GetCurSel(), -1);
  Fill(5);
  m_dlg.m_strListSel = Line(4);
  m_dlg.UpdateData(false);
  EXPECT_EQ(List()->GetCurSel(), 4);
  EXPECT_TRUE(m_dlg.m_events.empty());
}

TEST_F(QtListTest, EveryMouseClickOnALineNotifiesOnce) {
  Fill(40);
  ShowAndActivate(m_host);
  ClickListLine(Widget(), 2);
  EXPECT_EQ(List()->GetCurSel(), 2);
  EXPECT_EQ(EventCount(IDC_CANDIDATES, ControlEvent::SelChange), 1);
  ClickListLine(Widget(), 2);  // the selected line again
  EXPECT_EQ(EventCount(IDC_CANDIDATES, ControlEvent::SelChange), 2);
  ClickListLine(Widget(), 35);
  EXPECT_EQ(List()->GetCurSel(), 35);
  EXPECT_EQ(EventCount(IDC_CANDIDATES, ControlEvent::SelChange), 3);
  EXPECT_EQ(m_host.ControlId(QApplication::focusWidget()), IDC_CANDIDATES);
}

TEST_F(QtListTest, ClickBelowTheLastLineSelectsTheLastLine) {
  Fill(3);
  ShowAndActivate(m_host);
  QPoint below = LineRect(2).bottomLeft() + QPoint(5, 20);
  QTest::mouseClick(Widget()->viewport(), Qt::LeftButton, Qt::NoModifier, below);
  EXPECT_EQ(List()->GetCurSel(), 2);
  EXPECT_EQ(EventCount(IDC_CANDIDATES, ControlEvent::SelChange), 1);
}

TEST_F(QtListTest, ArrowKeysInTheListNotify) {
  Fill(10);
  ShowAndActivate(m_host);
  ClickListLine(Widget(), 4);
  PressKey(Qt::Key_Down);
  EXPECT_EQ(List()->GetCurSel(), 5);
  PressKey(Qt::Key_Up);
  PressKey(Qt::Key_Up);
  EXPECT_EQ(List()->GetCurSel(), 3);
  EXPECT_EQ(EventCount(IDC_CANDIDATES, ControlEvent::SelChange), 4);
}

TEST_F(QtListTest, TabbingIntoTheListSelectsNothing) {
  Fill(10);
  ShowAndActivate(m_host);
  FocusControl(m_host.Control(IDC_TRANSLATION));
  while (m_host.ControlId(QApplication::focusWidget()) != IDC_CANDIDATES) PressKey(Qt::Key_Tab);
  EXPECT_EQ(List()->GetCurSel(), -1);
  EXPECT_TRUE(m_dlg.m_events.empty());
}

TEST_F(QtListTest, SelectingALineFifteenBelowFirstBringsTheLineNearTheTop) {
  Fill(300);
  ShowAndActivate(m_host);
  const int line = 150;
  List()->SetCurSel(line + 15);
  List()->SetCurSel(line);
  QRect rect = LineRect(line);
  EXPECT_TRUE(Widget()->viewport()->rect().contains(rect)) << rect.y();
  EXPECT_LT(rect.y(), Widget()->viewport()->height() / 2);
  EXPECT_EQ(List()->GetCurSel(), line);
}

TEST_F(QtListTest, ANewListStartsAtItsTop) {
  Fill(300);
  ShowAndActivate(m_host);
  List()->SetCurSel(290);  // scrolled far down
  ASSERT_GT(Widget()->verticalScrollBar()->value(), 0);
  List()->ResetContent();
  Fill(300);
  QApplication::processEvents();
  EXPECT_EQ(Widget()->verticalScrollBar()->value(), 0);
  EXPECT_EQ(Widget()->indexAt(QPoint(2, 2)).row(), 0);
  EXPECT_EQ(List()->GetCurSel(), -1);
  // A line the program selects in the new list is still brought into view.
  List()->SetCurSel(200);
  QRect rect = LineRect(200);
  EXPECT_TRUE(Widget()->viewport()->rect().contains(rect)) << rect.y();
}

TEST_F(QtListTest, DoubleClickOrEnterOnALineChoosesIt) {
  Fill(40);
  ShowAndActivate(m_host);
  DoubleClickListLine(Widget(), 5);
  EXPECT_EQ(List()->GetCurSel(), 5);
  ASSERT_FALSE(m_dlg.m_events.empty());
  EXPECT_EQ(m_dlg.m_events.back(), std::make_pair(IDC_CANDIDATES, ControlEvent::DoubleClicked));
  EXPECT_EQ(EventCount(IDC_CANDIDATES, ControlEvent::DoubleClicked), 1);

  PressKey(Qt::Key_Down);
  PressKey(Qt::Key_Return);
  QTest::keyClick(Widget(), Qt::Key_Enter, Qt::KeypadModifier);  // the keypad's Enter
  EXPECT_EQ(List()->GetCurSel(), 6);
  EXPECT_EQ(EventCount(IDC_CANDIDATES, ControlEvent::DoubleClicked), 3);

  // Enter without a selected line chooses nothing; a single click chooses nothing.
  List()->SetCurSel(-1);
  PressKey(Qt::Key_Return);
  ClickListLine(Widget(), 7);
  EXPECT_EQ(EventCount(IDC_CANDIDATES, ControlEvent::DoubleClicked), 3);
}

TEST_F(QtListTest, ALineTooWideForTheListShowsItsWholeTextAsATooltip) {
  const std::string wide = K("아주 긴 줄") + std::string(200, 'w') + ";";
  List()->InsertString(-1, Line(0));
  List()->InsertString(-1, wide);
  ShowAndActivate(m_host);
  const struct {
    int row;
    bool cutOff;
  } cases[] = {{0, false}, {1, true}};
  for (const auto& c : cases) {
    EXPECT_EQ(LineIsCutOff(*Widget(), c.row), c.cutOff) << c.row;
    QPoint pos = LineRect(c.row).center();
    QHelpEvent help(QEvent::ToolTip, pos, Widget()->viewport()->mapToGlobal(pos));
    QApplication::sendEvent(Widget()->viewport(), &help);
    EXPECT_EQ(QToolTip::isVisible(), c.cutOff) << c.row;
    if (c.cutOff) {
      EXPECT_EQ(QToolTip::text(), Index(c.row).data().toString());
    }
  }
  // Below the last line there is no line and no tooltip.
  EXPECT_EQ(LineToolTipAt(*Widget(), QPoint(2, Widget()->viewport()->height() - 2)), QString());
}

TEST_F(QtListTest, LinesReachTheViewInOneBatchWhenTheHandlerIsDone) {
  ShowAndActivate(m_host);
  QSignalSpy inserted(Widget()->model(), &QAbstractItemModel::rowsInserted);
  // A click whose handler fills the list, as a confirm click does.
  m_dlg.m_onEvent = [this](int id, ControlEvent event) {
    if (id != IDC_CONFIRM || event != ControlEvent::Clicked) return;
    List()->ResetContent();
    Fill(500);
  };
  QTest::mouseClick(m_host.Control(IDC_CONFIRM), Qt::LeftButton);
  // Right after the handler, before any event is processed, the view has every line,
  // told in one notification.
  EXPECT_EQ(Widget()->model()->rowCount(), 500);
  EXPECT_EQ(inserted.count(), 1);
  EXPECT_EQ(List()->GetCount(), 500);

  // A line the program adds outside any handler, after the view has painted, shows as
  // soon as control returns to the event loop.
  QApplication::processEvents();
  List()->InsertString(-1, Line(500));
  EXPECT_EQ(List()->GetCount(), 501);  // the program sees it at once
  QApplication::processEvents();
  ASSERT_EQ(Widget()->model()->rowCount(), 501);
  EXPECT_EQ(Index(500).data().toString(), QString::fromStdString(Cp949ToUtf8(Line(500))));
  ClickListLine(Widget(), 500);
  EXPECT_EQ(List()->GetCurSel(), 500);
  EXPECT_EQ(EventCount(IDC_CANDIDATES, ControlEvent::SelChange), 1);
}

TEST_F(QtListTest, EveryLineReadsBackAsInsertedAndShowsAsItsText) {
  // Appends and inserts mixed, outside any handler; odd bytes included.
  static const struct {
    int index;
    std::string bytes;
  } inserts[] = {
      {-1, K("사과;apple;과일;")},
      {-1, ""},                                   // an empty line
      {0, std::string("\x80z") + K("가") + "\xFF"},  // no code page 949 text
      {-1, std::string(300, 'w') + ";"},
      {2, K("가운데")},                           // between pending appends
      {5, "last"},
  };
  std::vector<std::string> expected;
  for (const auto& c : inserts) {
    const int at = c.index < 0 ? static_cast<int>(expected.size()) : c.index;
    EXPECT_EQ(List()->InsertString(c.index, c.bytes), at) << c.bytes;
    expected.insert(expected.begin() + at, c.bytes);
  }
  QApplication::processEvents();
  ASSERT_EQ(List()->GetCount(), static_cast<int>(expected.size()));
  ASSERT_EQ(Widget()->model()->rowCount(), static_cast<int>(expected.size()));
  for (int i = 0; i < static_cast<int>(expected.size()); ++i) {
    EXPECT_EQ(List()->GetText(i), expected[i]) << i;
    EXPECT_EQ(Index(i).data().toString(), QString::fromStdString(Cp949ToUtf8(expected[i]))) << i;
  }
}

constexpr int kTooltipFadeMs = 2000;

TEST_F(QtListTest, AResetWhileATooltipShowsTakesTheTooltipAway) {
  const std::string wide = K("아주 긴 줄") + std::string(200, 'w') + ";";
  List()->InsertString(-1, wide);
  ShowAndActivate(m_host);
  const QPoint pos = LineRect(0).center();
  QHelpEvent help(QEvent::ToolTip, pos, Widget()->viewport()->mapToGlobal(pos));
  QApplication::sendEvent(Widget()->viewport(), &help);
  ASSERT_TRUE(QToolTip::isVisible());
  // Qt lets a tooltip fade out within a moment; left alone it would stay for seconds.
  const auto hidden = [] { return QTest::qWaitFor([] { return !QToolTip::isVisible(); }, kTooltipFadeMs); };
  List()->ResetContent();
  EXPECT_TRUE(hidden());
  // The next line at that place has its own tooltip, or none.
  List()->InsertString(-1, Line(0));
  QApplication::processEvents();
  QApplication::sendEvent(Widget()->viewport(), &help);
  EXPECT_TRUE(hidden());
  EXPECT_EQ(LineToolTipAt(*Widget(), pos), QString());
}

TEST_F(QtListTest, TypeAheadComparesLinesAsTheirCharacters) {
  // 0x81 0x41 and 0x81 0x61 are two Hangul syllables whose second bytes are "A" and "a":
  // letters compared without case must not make them one.
  const std::string upperTrail = "\x81\x41";
  const std::string lowerTrail = "\x81\x61";
  for (const std::string& line : {std::string("Apple;") + K("사과") + ";;", lowerTrail + ";gak;;",
                                  std::string("\x80z;bad;;"), K("사과;apple;;")})
    List()->InsertString(-1, line);
  QApplication::processEvents();
  const auto& lines = static_cast<const CCandidateLineModel&>(*Widget()->model());
  const struct {
    QString typed;
    int row;
  } cases[] = {
      {QStringLiteral("aPPLE"), 0},
      {QString::fromUtf8("사"), 3},
      {QStringLiteral("GA"), 1},  // a translation
      {QString::fromStdString(Cp949ToUtf8(lowerTrail)), 1},
      {QString::fromStdString(Cp949ToUtf8(upperTrail)), -1},
      {QString(QChar(0xFFFD)), 2},  // no code page 949 text: compared as shown
      {QString::fromUtf8("\xF0\x9F\x98\x80"), -1},
      {QString(), -1},
  };
  for (const auto& c : cases) EXPECT_EQ(TypeAheadRow(lines, c.typed), c.row) << c.typed.toStdString();
}

// ---- Message boxes ----------------------------------------------------------------

TEST_F(QtHostTest, MessageBoxShowsTheTextWithTheAppNameAndOneOkButton) {
  ShowAndActivate(m_host);
  bool returned = false;
  auto shown = AnswerMessageBoxes([&] {
    m_host.ShowMessage(PickFromListMessage());
    returned = true;
  });
  EXPECT_TRUE(returned);
  ASSERT_EQ(shown.size(), 1u);
  EXPECT_EQ(shown[0].strTitle, QString::fromUtf8("다올새 문장 통역기"));
  EXPECT_EQ(shown[0].strText, QString::fromUtf8(kPickFromListText));
  EXPECT_EQ(shown[0].buttons.size(), 1);
}

// ---- Keys -------------------------------------------------------------------------

TEST_F(QtHostTest, EveryKeyPressReachesTheDialogsFilterFirstWithItsControl) {
  ShowAndActivate(m_host);
  for (const ControlTemplate& control : kInterpreterTemplate.controls) {
    QWidget* widget = m_host.Control(control.nId);
    if (!widget->isEnabled()) continue;
    FocusControl(widget);
    m_dlg.m_keys.clear();
    PressKey(Qt::Key_Return);
    PressKey(Qt::Key_Enter);
    PressKey(Qt::Key_A);
    ASSERT_EQ(m_dlg.m_keys.size(), 3u) << control.nId;
    EXPECT_EQ(m_dlg.m_keys[0].nKeyCode, kKeyEnter);
    EXPECT_EQ(m_dlg.m_keys[1].nKeyCode, kKeyEnter);
    EXPECT_EQ(m_dlg.m_keys[2].nKeyCode, 'A');
    for (const KeyMessage& key : m_dlg.m_keys) EXPECT_EQ(key.nTargetId, control.nId);
  }
  EXPECT_TRUE(m_host.Window()->isVisible());  // Enter closed nothing
}

TEST_F(QtHostTest, EnterBreaksALineInEveryMultiLineEditAndPressesNoButton) {
  ShowAndActivate(m_host);
  for (int id : {IDC_SENTENCE, IDC_TRANSLATION, IDC_COLLECTED, IDC_SEARCH}) {
    m_host.Edit(id)->SetText("ab");
    m_host.Edit(id)->SetSel(1, 1);
    FocusControl(m_host.Control(id));
    PressKey(Qt::Key_Return);
    EXPECT_EQ(m_host.Edit(id)->GetText(), id == IDC_SEARCH ? "ab" : "a\r\nb") << id;
  }
  EXPECT_EQ(EventCount(IDC_COLLECTED, ControlEvent::TextChanged), 1);
  for (int id : {IDC_STEP_BACK, IDC_CONFIRM, IDC_RESTART}) {
    FocusControl(m_host.Control(id));
    PressKey(Qt::Key_Return);
    PressKey(Qt::Key_Enter);
  }
  for (const auto& event : m_dlg.m_events) EXPECT_NE(event.second, ControlEvent::Clicked) << event.first;
  EXPECT_TRUE(m_host.Window()->isVisible());
}

TEST_F(QtHostTest, AKeyTheFilterHandlesNeverReachesTheControl) {
  ShowAndActivate(m_host);
  m_dlg.m_bConsumeEnter = true;
  m_host.Edit(IDC_COLLECTED)->SetText("ab");
  FocusControl(m_host.Control(IDC_COLLECTED));
  PressKey(Qt::Key_Return);
  EXPECT_EQ(m_host.Edit(IDC_COLLECTED)->GetText(), "ab");
  EXPECT_TRUE(m_dlg.m_events.empty());
}

TEST_F(QtHostTest, EscapeInAnyControlRunsTheCancelActionAndEndsTheModalRun) {
  ShowAndActivate(m_host);
  FocusControl(m_host.Control(IDC_SEARCH));
  int result = -5;
  QTimer::singleShot(0, [] { PressKey(Qt::Key_Escape); });
  result = m_host.RunModal();
  EXPECT_EQ(result, 0);
  EXPECT_EQ(m_dlg.m_nCancels, 1);
  EXPECT_FALSE(m_host.Window()->isVisible());
}

TEST_F(QtHostTest, TheCloseBoxRunsTheCancelAction) {
  ShowAndActivate(m_host);
  QTimer::singleShot(0, [this] { m_host.Window()->close(); });
  EXPECT_EQ(m_host.RunModal(), 0);
  EXPECT_EQ(m_dlg.m_nCancels, 1);
  EXPECT_FALSE(m_host.Window()->isVisible());
}

TEST_F(QtHostTest, FirstControlOfTheTabOrderGetsTheFocus) {
  ShowAndActivate(m_host);
  m_host.FocusFirstControl();
  EXPECT_EQ(m_host.ControlId(QApplication::focusWidget()), IDC_SENTENCE);
}

TEST(DialogKeyCodes, EnterEscapeAndAsciiKeysHaveTheirClassicCodes) {
  static const struct {
    int qtKey, code;
  } cases[] = {
      {Qt::Key_Return, kKeyEnter}, {Qt::Key_Enter, kKeyEnter}, {Qt::Key_Escape, kKeyEscape},
      {Qt::Key_Tab, 9},            {Qt::Key_Backspace, 8},     {Qt::Key_A, 'A'},
      {Qt::Key_5, '5'},            {Qt::Key_Space, ' '},
  };
  for (const auto& c : cases) EXPECT_EQ(DialogKeyCode(c.qtKey), c.code) << c.qtKey;
  EXPECT_GT(DialogKeyCode(Qt::Key_F1), 0xFF);
}

}  // namespace
