// The context menu of the collected-text box: the edit box's own entries and one more,
// "save as a text file", which writes the box's text to a file the user chooses, in
// UTF-8 with LF line breaks (the convention of text files on Linux). Installed by the
// desktop window's set-up.
#pragma once
#include <QString>
#include <functional>

class QLocale;
class QMenu;
class QPlainTextEdit;
class QWidget;

// Asks the user where to save; an empty text when the user cancels.
using SavePathChooser = std::function<QString(QWidget* parent)>;

// Gives `box` the context menu above. Without a chooser, a file dialog asks.
void AddSaveToCollectedMenu(QPlainTextEdit* box, const QLocale& locale, SavePathChooser chooser = {});

// The menu that the box shows; the caller owns it.
QMenu* CreateCollectedMenu(QPlainTextEdit* box, const QLocale& locale, const SavePathChooser& chooser);

// Writes `text` to `path` in UTF-8, atomically; false with `error` set on failure.
bool SaveTextFile(const QString& path, const QString& text, QString* error);
