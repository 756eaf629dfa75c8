// Test runner of the Qt tests: one QApplication for every test, on the offscreen
// platform unless the environment asks for another one. The user's state folder is a
// scratch folder, so that no test reads or writes the real one.
#include <gtest/gtest.h>

#include <QApplication>
#include <QTemporaryDir>

int main(int argc, char** argv) {
  if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QTemporaryDir state;
  if (!state.isValid()) return 1;
  qputenv("XDG_STATE_HOME", state.path().toLocal8Bit());
  ::testing::InitGoogleTest(&argc, argv);
  QApplication application(argc, argv);
  return RUN_ALL_TESTS();
}
