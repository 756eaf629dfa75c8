// daolsae: the desktop program. Reads its dictionaries from the current directory and
// takes no arguments of its own.
#include <QApplication>

#include "app/qt/InterpreterApp.h"

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  QApplication::setApplicationName(QStringLiteral("daolsae"));
  // Lets the desktop match the window to its menu entry and icon.
  QGuiApplication::setDesktopFileName(QStringLiteral(DAOLSAE_APP_ID));
  theApp.InitInstance();
  return 0;
}
