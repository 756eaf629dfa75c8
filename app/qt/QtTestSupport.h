// Helpers of the Qt tests: showing a host's window for real input, acting on controls
// the way a user does (mouse clicks, keys, Hangul typed through the input method) and
// answering the message boxes that a handler opens.
#pragma once
#include <QString>
#include <QStringList>
#include <functional>
#include <string>

class CQtDialogHost;
class QListView;
class QWidget;

// Shows the host's window and waits until it is active, so that keys reach the focus.
void ShowAndActivate(CQtDialogHost& host);

// Gives `widget` the focus and waits until it has it.
void FocusControl(QWidget* widget);

// A left click in the middle of line `row` of `list` (scrolled into view first).
void ClickListLine(QListView* list, int row);

// A double click in the middle of line `row` of `list`, as the window system delivers
// it: press and release, then the double-click press and its release.
void DoubleClickListLine(QListView* list, int row);

// The lines `list` shows, and the text of its selected line (empty when none is).
QStringList ListLines(const QListView* list);
QString SelectedListLine(const QListView* list);

// One key press (and release) delivered to the widget that has the focus.
void PressKey(int qtKey);

// Text typed into `widget` as an input method commits it (any script, Hangul included).
void CommitText(QWidget* widget, const QString& text);

// What a message box showed.
struct ShownMessage {
  QString strTitle;
  QString strText;
  QStringList buttons;
};

// Runs `action`; every message box opened meanwhile is recorded and closed with its
// OK button. Returns the boxes in the order they appeared.
std::vector<ShownMessage> AnswerMessageBoxes(const std::function<void()>& action);
