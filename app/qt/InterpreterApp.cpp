#include "app/qt/InterpreterApp.h"

#include "app/InterpreterDlg.h"
#include "app/qt/QtDialogHost.h"
#include "res/DialogTemplate.h"

CInterpreterApp theApp;

bool CInterpreterApp::InitInstance() {
  // Hosting controls and three-dimensional control drawing need no start-up call in Qt.
  CInterpreterDlg dlg;
  CQtDialogHost host(kInterpreterTemplate, &dlg);
  // The window stays hidden while the dialog initialises, so that a missing dictionary
  // ends the program before anything appears on the screen.
  if (dlg.Create(&host)) host.FocusFirstControl();
  host.RunModal();
  return false;
}
