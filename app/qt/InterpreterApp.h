// The application object: its start-up routine runs the main dialog in a Qt window
// until the user closes it. One global instance, `theApp`, used by main().
#pragma once

class CInterpreterApp {
 public:
  // Builds the main dialog, loads its dictionaries (a missing file ends the program
  // with status 1 before any window is shown), puts back the collected text of the
  // last run, shows the dialog and runs it modally, keeping the collected text in the
  // user's state folder. Returns false: the program ends once the dialog has closed.
  bool InitInstance();
};

extern CInterpreterApp theApp;
