#include "app/qt/DesktopWindow.h"

#include <QLineEdit>
#include <QLocale>
#include <QPlainTextEdit>

#include "app/qt/CandidateLineModel.h"
#include "app/qt/CandidateListBox.h"
#include "app/qt/CandidateListView.h"
#include "app/qt/CollectedTextMenu.h"
#include "app/qt/ControlTexts.h"
#include "app/qt/QtDialogHost.h"
#include "res/DialogTemplate.h"

void FollowTypingInList(CQtDialogHost& host) {
  auto* search = qobject_cast<QLineEdit*>(host.Control(IDC_SEARCH));
  auto* list = dynamic_cast<CCandidateListBox*>(host.Control(IDC_CANDIDATES));
  if (!search || !list) return;
  QObject::connect(search, &QLineEdit::textEdited, list,
                   [list](const QString& text) { ScrollLineToTop(*list, TypeAheadRow(list->Lines(), text)); });
}

void PrepareDesktopWindow(CQtDialogHost& host, const QLocale& locale) {
  DescribeControls(host, locale);
  FollowTypingInList(host);
  if (auto* collected = qobject_cast<QPlainTextEdit*>(host.Control(IDC_COLLECTED)))
    AddSaveToCollectedMenu(collected, locale);
}
