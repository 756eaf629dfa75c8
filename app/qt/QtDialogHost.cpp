#include "app/qt/QtDialogHost.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QFontDatabase>
#include <QFontMetrics>
#include <QIcon>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTextCursor>
#include <QTextDocument>

#include <algorithm>
#include <functional>
#include <utility>

#include "app/Framework.h"
#include "app/qt/CandidateLineModel.h"
#include "app/qt/CandidateListBox.h"
#include "app/qt/DevicePixels.h"
#include "base/Cp949.h"

namespace {

// The Korean font the set-up installs, used where the template's font is missing.
constexpr const char* kFallbackFontFamily = "NanumGothic";
constexpr const char* kAverageWidthSample = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz";
constexpr int kAverageWidthSampleLength = 52;
constexpr const char* kAppIconPath = ":/daolsae/icon-48.png";

QString ToQt(const std::string& cp949) { return QString::fromStdString(Cp949ToUtf8(cp949)); }

std::string FromQt(const QString& text) { return Utf8ToCp949(text.toStdString()); }

// a * b / c rounded to the nearest integer, halves away from zero (b, c > 0).
int MulDiv(int a, int b, int c) {
  long long product = static_cast<long long>(a) * b;
  long long half = c / 2;
  return static_cast<int>(product >= 0 ? (product + half) / c : -((-product + half) / c));
}

// The number of characters an edit holds in the first `bytes` bytes of its code page
// 949 text: a lead byte with its trail byte is one character, and so is CR LF in a
// multi-line edit (Qt keeps a line break as one character). A character cut in two by
// `bytes` is not counted.
int CharactersIn(const std::string& text, int bytes, bool crlfIsOne) {
  int limit = (bytes < 0 || bytes > static_cast<int>(text.size())) ? static_cast<int>(text.size()) : bytes;
  int i = 0;
  int characters = 0;
  while (i < limit) {
    auto b = static_cast<unsigned char>(text[i]);
    int unit = static_cast<int>(Cp949UnitLength(text, static_cast<std::size_t>(i)));
    if (unit == 1 && crlfIsOne && b == '\r' && i + 1 < static_cast<int>(text.size()) && text[i + 1] == '\n')
      unit = 2;
    if (i + unit > limit) break;
    i += unit;
    ++characters;
  }
  return characters;
}

// Multi-line text as Qt holds it: one "\n" per line break.
QString WithLineFeeds(QString text) {
  text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  return text;
}

// Counts program-made changes of a control, so that its signals can tell them apart
// from the user's.
class ChangeGuard {
 public:
  explicit ChangeGuard(int& depth) : m_depth(depth) { ++m_depth; }
  ~ChangeGuard() { --m_depth; }
  ChangeGuard(const ChangeGuard&) = delete;
  ChangeGuard& operator=(const ChangeGuard&) = delete;

 private:
  int& m_depth;
};

}  // namespace

DialogBaseUnits BaseUnitsOf(const QFont& font) {
  QFontMetrics metrics(font);
  int width = metrics.horizontalAdvance(QString::fromLatin1(kAverageWidthSample));
  return {(width + kAverageWidthSampleLength / 2) / kAverageWidthSampleLength, metrics.height()};
}

QRect MapDialogRect(const DialogBaseUnits& units, int x, int y, int cx, int cy) {
  return QRect(MulDiv(x, units.nWidth, 4), MulDiv(y, units.nHeight, 8), MulDiv(cx, units.nWidth, 4),
               MulDiv(cy, units.nHeight, 8));
}

QFont DialogFont(const DialogTemplate& dialogTemplate) {
  QString family = QString::fromUtf8(dialogTemplate.szFontUtf8);
  if (!QFontDatabase::hasFamily(family)) family = QString::fromLatin1(kFallbackFontFamily);
  QFont font(family, dialogTemplate.nFontPoints);
  font.setStyleHint(QFont::SansSerif);
  return font;
}

QIcon IconResource(int iconId) {
  if (iconId != IDR_MAINFRAME) return QIcon();
  return QIcon(QString::fromLatin1(kAppIconPath));
}

int DialogKeyCode(int qtKey) {
  switch (qtKey) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
      return kKeyEnter;
    case Qt::Key_Escape:
      return kKeyEscape;
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
      return '\t';
    case Qt::Key_Backspace:
      return '\b';
    default:
      // Qt's codes of Space, the digits and the letters are their ASCII codes; the
      // other keys keep Qt's codes, which lie above every ASCII code.
      return qtKey;
  }
}

// The dialog window: a fixed-size modal window whose close box runs the dialog's
// cancel action, and which leaves Enter and Escape to the dialog's key filter (so
// Enter never accepts it and no button is ever pressed by default).
class CQtDialogHost::DialogWindow : public QDialog {
 public:
  explicit DialogWindow(CQtDialogHost* host)
      : QDialog(nullptr, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                             Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint),
        m_pHost(host) {}
  void reject() override { m_pHost->OnSystemClose(); }

 protected:
  void keyPressEvent(QKeyEvent* event) override {
    switch (event->key()) {
      case Qt::Key_Return:
      case Qt::Key_Enter:
      case Qt::Key_Escape:
        event->ignore();
        return;
      default:
        QDialog::keyPressEvent(event);
    }
  }

 private:
  CQtDialogHost* m_pHost;
};

// Sees every key press of the application first and hands those of the dialog's
// window to the host. Input method events are not key presses and pass untouched.
class CQtDialogHost::KeyFilter : public QObject {
 public:
  explicit KeyFilter(CQtDialogHost* host) : m_pHost(host) {}

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() != QEvent::KeyPress) return false;
    return m_pHost->FilterKey(watched, static_cast<QKeyEvent*>(event)->key());
  }

 private:
  CQtDialogHost* m_pHost;
};

// An edit control: a QPlainTextEdit for multi-line edits, a QLineEdit otherwise.
// Multi-line text crosses with CR LF line breaks, as the classic edit control holds it.
class CQtDialogHost::EditPeer : public IEditPeer {
 public:
  EditPeer(QPlainTextEdit* multi, QLineEdit* single) : m_pMulti(multi), m_pSingle(single) {}

  std::string GetText() const override {
    if (m_pSingle) return FromQt(m_pSingle->text());
    QString text = m_pMulti->toPlainText();
    text.replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
    return FromQt(text);
  }

  void SetText(const std::string& text) override {
    QString value = ToQt(text);
    ChangeGuard guard(m_nProgramChange);
    if (m_pSingle) {
      if (m_pSingle->text() != value) m_pSingle->setText(value);
      return;
    }
    // Writing the text the box already shows changes nothing, the caret included:
    // the collected-text box is written back while the user types in it.
    const QString shown = m_pMulti->toPlainText();
    const QString wanted = WithLineFeeds(value);
    if (shown == wanted) return;
    if (!shown.isEmpty() && wanted.startsWith(shown))
      AppendToMulti(wanted.mid(shown.size()));
    else
      m_pMulti->setPlainText(value);
  }

  void SetSel(int start, int end) override {
    std::string text = GetText();
    bool crlfIsOne = m_pMulti != nullptr;
    if (start < 0) {  // no selection, the caret stays
      if (m_pSingle) m_pSingle->deselect();
      else {
        QTextCursor cursor = m_pMulti->textCursor();
        cursor.clearSelection();
        m_pMulti->setTextCursor(cursor);
      }
      return;
    }
    int anchor = CharactersIn(text, start, crlfIsOne);
    int position = CharactersIn(text, end, crlfIsOne);
    if (m_pSingle) {
      m_pSingle->setSelection(anchor, position - anchor);
      if (anchor == position) m_pSingle->setCursorPosition(position);
      return;
    }
    // Selecting does not scroll; ScrollCaret does, when asked.
    QScrollBar* bar = m_pMulti->verticalScrollBar();
    int scrolled = bar->value();
    QTextCursor cursor(m_pMulti->document());
    cursor.setPosition(anchor);
    cursor.setPosition(position, QTextCursor::KeepAnchor);
    m_pMulti->setTextCursor(cursor);
    bar->setValue(scrolled);
  }

  void ScrollCaret() override {
    if (m_pMulti) m_pMulti->ensureCursorVisible();
  }

  bool IsProgramChange() const { return m_nProgramChange > 0; }

 private:
  // Text that only grows at its end (a pair added to the collected text) is appended
  // instead of replacing the whole document, which would lay out every line again. The
  // box ends as a replacement leaves it: caret at the start, no undo history.
  void AppendToMulti(const QString& tail) {
    QTextDocument* document = m_pMulti->document();
    const bool undo = document->isUndoRedoEnabled();
    document->setUndoRedoEnabled(false);
    QTextCursor end(document);
    end.movePosition(QTextCursor::End);
    end.insertText(tail);
    document->setUndoRedoEnabled(undo);
    m_pMulti->setTextCursor(QTextCursor(document));
  }

  QPlainTextEdit* m_pMulti;
  QLineEdit* m_pSingle;
  int m_nProgramChange = 0;
};

// A push button or radio button. The caption is kept in code page 949 as it was set,
// so that reading it back gives the same bytes.
class CQtDialogHost::ButtonPeer : public IButtonPeer {
 public:
  ButtonPeer(QAbstractButton* button, std::string caption) : m_pButton(button), m_strCaption(std::move(caption)) {}

  std::string GetCaption() const override { return m_strCaption; }
  void SetCaption(const std::string& caption) override {
    m_strCaption = caption;
    m_pButton->setText(ToQt(caption));
  }
  bool IsEnabled() const override { return m_pButton->isEnabled(); }
  void Enable(bool enable) override { m_pButton->setEnabled(enable); }
  bool IsChecked() const override { return m_pButton->isChecked(); }
  void SetChecked(bool checked) override {
    if (checked == m_pButton->isChecked()) return;
    // An exclusive radio button refuses to be unchecked on its own; the group may
    // well have no checked button (before the dialog selects the direction).
    bool exclusive = m_pButton->autoExclusive();
    if (!checked) m_pButton->setAutoExclusive(false);
    m_pButton->setChecked(checked);
    m_pButton->setAutoExclusive(exclusive);
  }

 private:
  QAbstractButton* m_pButton;
  std::string m_strCaption;
};

// The candidate list. Its model keeps each line's code page 949 bytes, so that the
// program reads back exactly what it inserted; the lines of one fill reach the view in
// one batch when the handler is done (or when the program selects a line).
class CQtDialogHost::ListPeer : public IListPeer {
 public:
  explicit ListPeer(CCandidateListBox* list) : m_pList(list) {}

  void ResetContent() override {
    ChangeGuard guard(m_pList->m_nProgramChange);
    m_pList->HideLineToolTip();
    m_pList->Lines().Clear();
    // The view would keep its scroll position for the next lines; a new list starts
    // at its top.
    m_pList->verticalScrollBar()->setValue(0);
    m_pList->horizontalScrollBar()->setValue(0);
  }

  int InsertString(int index, const std::string& text) override {
    const int count = GetCount();
    if (index < -1 || index > count) return -1;
    ChangeGuard guard(m_pList->m_nProgramChange);
    if (index == -1 || index == count) {
      m_pList->Lines().Append(text);
      return count;
    }
    m_pList->Lines().Insert(index, text);
    return index;
  }

  int GetCount() const override { return m_pList->Lines().LineCount(); }

  int GetCurSel() const override { return m_pList->SelectedRow(); }

  void SetCurSel(int index) override {
    if (index >= GetCount()) return;
    ChangeGuard guard(m_pList->m_nProgramChange);
    Publish();  // the view must know the line before it can select it
    m_pList->SelectRow(index);
  }

  std::string GetText(int index) const override {
    if (index < 0 || index >= GetCount()) return std::string();
    return m_pList->Lines().Line(index);
  }

  // Tells the view about the lines inserted since it last heard of any.
  void Publish() {
    ChangeGuard guard(m_pList->m_nProgramChange);
    m_pList->Lines().Publish();
  }

 private:
  CCandidateListBox* m_pList;
};

CQtDialogHost::CQtDialogHost(const DialogTemplate& dialogTemplate, CDialog* dialog)
    : m_pDialog(dialog),
      m_font(DialogFont(dialogTemplate)),
      m_units(BaseUnitsOf(m_font)),
      m_window(std::make_unique<DialogWindow>(this)),
      m_keyFilter(std::make_unique<KeyFilter>(this)) {
  m_window->setWindowTitle(QString::fromUtf8(dialogTemplate.szCaptionUtf8));
  m_window->setFont(m_font);
  m_window->setModal(true);
  // Whole device pixels for the window and every control (DevicePixels.h).
  m_fDeviceRatio = m_window->devicePixelRatioF();
  m_window->setFixedSize(
      SnapToDevicePixels(MapDialogRect(m_units, 0, 0, dialogTemplate.cx, dialogTemplate.cy).size(), m_fDeviceRatio));
  QWidget* previous = nullptr;
  for (const ControlTemplate& control : dialogTemplate.controls) {
    BuildControl(control);
    QWidget* widget = m_controls[control.nId];
    if (previous) QWidget::setTabOrder(previous, widget);
    previous = widget;
  }
  qApp->installEventFilter(m_keyFilter.get());
}

CQtDialogHost::~CQtDialogHost() { qApp->removeEventFilter(m_keyFilter.get()); }

void CQtDialogHost::BuildControl(const ControlTemplate& control) {
  const int id = control.nId;
  QWidget* widget = nullptr;
  switch (control.kind) {
    case ControlKind::Edit:
      if (control.styles & kStyleMultiLine) {
        auto* edit = new QPlainTextEdit(m_window.get());
        edit->setVerticalScrollBarPolicy((control.styles & kStyleVScroll) ? Qt::ScrollBarAlwaysOn
                                                                          : Qt::ScrollBarAlwaysOff);
        edit->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        edit->setTabChangesFocus(true);
        auto peer = std::make_unique<EditPeer>(edit, nullptr);
        EditPeer* raw = peer.get();
        QObject::connect(edit, &QPlainTextEdit::textChanged, edit, [this, raw, id] {
          if (!raw->IsProgramChange()) Notify(id, ControlEvent::TextChanged);
        });
        m_edits[id] = std::move(peer);
        widget = edit;
      } else {
        auto* edit = new QLineEdit(m_window.get());
        QObject::connect(edit, &QLineEdit::textEdited, edit,
                         [this, id] { Notify(id, ControlEvent::TextChanged); });
        m_edits[id] = std::make_unique<EditPeer>(nullptr, edit);
        widget = edit;
      }
      break;
    case ControlKind::PushButton:
    case ControlKind::RadioButton: {
      QAbstractButton* button;
      if (control.kind == ControlKind::PushButton) {
        auto* push = new QPushButton(QString::fromUtf8(control.szCaptionUtf8), m_window.get());
        push->setAutoDefault(false);
        push->setDefault(false);
        button = push;
      } else {
        button = new QRadioButton(QString::fromUtf8(control.szCaptionUtf8), m_window.get());
        button->setAutoExclusive(true);
      }
      QObject::connect(button, &QAbstractButton::clicked, button,
                       [this, id] { Notify(id, ControlEvent::Clicked); });
      m_buttons[id] = std::make_unique<ButtonPeer>(button, Utf8ToCp949(control.szCaptionUtf8));
      widget = button;
      break;
    }
    case ControlKind::ListBox: {
      auto* list = new CCandidateListBox(m_window.get());
      list->setSelectionMode(QAbstractItemView::SingleSelection);
      list->setUniformItemSizes(true);
      list->setEditTriggers(QAbstractItemView::NoEditTriggers);
      list->setTextElideMode(Qt::ElideNone);
      list->setVerticalScrollBarPolicy((control.styles & kStyleVScroll) ? Qt::ScrollBarAsNeeded
                                                                        : Qt::ScrollBarAlwaysOff);
      list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
      list->m_onUserSelect = [this, id] { Notify(id, ControlEvent::SelChange); };
      list->m_onChoose = [this, id] { Notify(id, ControlEvent::DoubleClicked); };
      m_lists[id] = std::make_unique<ListPeer>(list);
      widget = list;
      break;
    }
  }
  widget->setObjectName(QStringLiteral("control%1").arg(id));
  widget->setGeometry(
      SnapToDevicePixels(MapDialogRect(m_units, control.x, control.y, control.cx, control.cy), m_fDeviceRatio));
  widget->setFocusPolicy((control.styles & kStyleTabStop) ? Qt::StrongFocus : Qt::ClickFocus);
  if (control.styles & kStyleDisabled) widget->setEnabled(false);
  m_controls[id] = widget;
}

IEditPeer* CQtDialogHost::Edit(int id) {
  auto it = m_edits.find(id);
  return it == m_edits.end() ? nullptr : it->second.get();
}

IButtonPeer* CQtDialogHost::Button(int id) {
  auto it = m_buttons.find(id);
  return it == m_buttons.end() ? nullptr : it->second.get();
}

IListPeer* CQtDialogHost::List(int id) {
  auto it = m_lists.find(id);
  return it == m_lists.end() ? nullptr : it->second.get();
}

void CQtDialogHost::ShowMessage(const std::string& text) {
  QMessageBox box(QMessageBox::NoIcon, QString::fromUtf8(kAppNameUtf8), ToQt(text), QMessageBox::Ok,
                  m_window.get());
  box.setTextFormat(Qt::PlainText);
  box.setFont(m_font);
  box.exec();
}

void CQtDialogHost::SetIcon(int iconId, bool /*big*/) {
  // Qt keeps one window icon and picks the size it needs from it.
  m_window->setWindowIcon(IconResource(iconId));
}

void CQtDialogHost::Close(int result) { m_window->done(result); }

void CQtDialogHost::FocusFirstControl() {
  for (QWidget* widget = m_window->nextInFocusChain(); widget && widget != m_window.get();
       widget = widget->nextInFocusChain()) {
    if (ControlId(widget) != 0 && widget->isEnabled() && (widget->focusPolicy() & Qt::TabFocus)) {
      widget->setFocus(Qt::TabFocusReason);
      return;
    }
  }
}

int CQtDialogHost::RunModal() { return m_window->exec(); }

QDialog* CQtDialogHost::Window() const { return m_window.get(); }

QWidget* CQtDialogHost::Control(int id) const {
  auto it = m_controls.find(id);
  return it == m_controls.end() ? nullptr : it->second;
}

int CQtDialogHost::ControlId(const QWidget* widget) const {
  for (const QWidget* w = widget; w && w != m_window.get(); w = w->parentWidget())
    for (const auto& [id, control] : m_controls)
      if (control == w) return id;
  return 0;
}

bool CQtDialogHost::FilterKey(QObject* receiver, int qtKey) {
  auto* widget = qobject_cast<QWidget*>(receiver);
  if (!widget || widget->window() != m_window.get()) return false;
  int id = ControlId(widget);
  if (widget == m_window.get()) {
    // A key press that a control left unhandled passes on to the window: the filter
    // saw it already at the control that has the focus.
    QWidget* focus = QApplication::focusWidget();
    if (focus && focus != widget && focus->window() == widget && ControlId(focus) != 0) return false;
  } else if (id == 0 || widget != Control(id)) {
    return false;
  }
  int key = DialogKeyCode(qtKey);
  const bool handled = m_pDialog->PreTranslateMessage({key, id});
  PublishLists();
  if (handled) return true;
  // Enter reaches the control as an ordinary key: the dialog's filter hands it past the
  // dialog manager, so every multi-line edit breaks the line and a single-line edit,
  // a button or the list does nothing with it.
  return false;
}

void CQtDialogHost::OnSystemClose() {
  m_pDialog->OnClose();
  PublishLists();
}

void CQtDialogHost::Notify(int id, ControlEvent event) {
  m_pDialog->OnControlEvent(id, event);
  PublishLists();
}

void CQtDialogHost::PublishLists() {
  for (auto& [id, list] : m_lists) list->Publish();
}
