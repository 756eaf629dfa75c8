#include "app/qt/InterpreterApp.h"

#include <QLocale>

#include "app/InterpreterDlg.h"
#include "app/qt/CollectedTextKeeper.h"
#include "app/qt/DesktopWindow.h"
#include "app/qt/QtDialogHost.h"
#include "res/DialogTemplate.h"

CInterpreterApp theApp;

bool CInterpreterApp::InitInstance() {
  // Hosting controls and three-dimensional control drawing need no start-up call in Qt.
  CInterpreterDlg dlg;
  CQtDialogHost host(kInterpreterTemplate, &dlg);
  PrepareDesktopWindow(host, QLocale());
  // The window stays hidden while the dialog initialises, so that a missing dictionary
  // ends the program before anything appears on the screen.
  if (dlg.Create(&host)) host.FocusFirstControl();
  // The collected text of the last run comes back, and every change is kept.
  CCollectedTextKeeper keeper(host, dlg.m_strCollected, CCollectedTextStore(DefaultStateFolder()));
  keeper.Restore();
  host.RunModal();
  keeper.WriteNow();
  return false;
}
