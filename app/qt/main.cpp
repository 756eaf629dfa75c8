// daolsae: the desktop program. Reads its dictionaries from the current directory;
// answers --help and --version without opening a window.
#include <QApplication>
#include <QLocale>
#include <QTranslator>
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "app/qt/CollectedTextKeeper.h"
#include "app/qt/CommandLine.h"
#include "app/qt/InterpreterApp.h"
#include "app/qt/MissingDictionaryReport.h"
#include "app/qt/QtTranslations.h"
#include "dict/MissingDictionary.h"

namespace {

// Prints the answer; true when the program ends with it.
bool Answered(const CommandLineAnswer& answer) {
  if (answer.kind == CommandLineAnswer::Kind::Run) return false;
  std::fputs(answer.strText.c_str(), answer.kind == CommandLineAnswer::Kind::Refuse ? stderr : stdout);
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  CommandLineAnswer information = AnswerInformationOptions(std::vector<std::string>(argv + 1, argv + argc));
  if (Answered(information)) return information.nExitStatus;

  QApplication application(argc, argv);
  QApplication::setApplicationName(QStringLiteral("daolsae"));
  QApplication::setApplicationVersion(QStringLiteral(DAOLSAE_VERSION));
  // Lets the desktop match the window to its menu entry and icon.
  QGuiApplication::setDesktopFileName(QStringLiteral(DAOLSAE_APP_ID));

  std::vector<std::string> remaining;
  for (const QString& argument : QCoreApplication::arguments().mid(1)) remaining.push_back(argument.toStdString());
  CommandLineAnswer refused = CheckRemainingArguments(remaining);
  if (Answered(refused)) return refused.nExitStatus;

  std::unique_ptr<QTranslator> translation = LoadQtTranslation(QLocale());
  if (translation) QCoreApplication::installTranslator(translation.get());
  SetMissingDictionaryReporter([](const char* fileName) {
    ReportMissingDictionary(fileName);
    CCollectedTextKeeper::WriteActiveNow();  // the program ends right after this
  });

  theApp.InitInstance();
  return 0;
}
