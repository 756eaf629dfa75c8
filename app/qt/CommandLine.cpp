#include "app/qt/CommandLine.h"

namespace {

constexpr int kUsageErrorStatus = 2;

}  // namespace

std::string VersionText() { return std::string("daolsae ") + DAOLSAE_VERSION + "\n"; }

std::string HelpText() {
  return "Usage: daolsae [--help | --version]\n"
         "\n"
         "다올새 문장 통역기 (daolsae) composes a sentence step by step from the phrases\n"
         "its dictionaries offer and shows it with its translation, between Korean and\n"
         "English.\n"
         "\n"
         "It reads its dictionaries (main.dex, gu.dex, change.dex, ekmain.dex, ekgu.dex,\n"
         "ekchange.dex, tosi.dex) from the folder it is started in. Start it from the\n"
         "desktop menu or with daolsae-launcher, which start it in the installed\n"
         "dictionaries folder, or start it inside a folder of compiled dictionaries\n"
         "(after a build: cd build/dictionaries && ../app/qt/daolsae).\n"
         "\n"
         "The collected sentences are kept in $XDG_STATE_HOME/daolsae/collected.json\n"
         "(~/.local/state/daolsae/ when XDG_STATE_HOME is not set).\n"
         "\n"
         "Options:\n"
         "  -h, --help     show this help and end\n"
         "  -v, --version  show the version and end\n"
         "Qt's own options (-platform, -style, ...) are accepted as well.\n";
}

CommandLineAnswer AnswerInformationOptions(const std::vector<std::string>& arguments) {
  for (const std::string& argument : arguments) {
    if (argument == "--help" || argument == "-h") return {CommandLineAnswer::Kind::Help, HelpText(), 0};
    if (argument == "--version" || argument == "-v") return {CommandLineAnswer::Kind::Version, VersionText(), 0};
  }
  return {};
}

CommandLineAnswer CheckRemainingArguments(const std::vector<std::string>& arguments) {
  if (arguments.empty()) return {};
  return {CommandLineAnswer::Kind::Refuse,
          "daolsae: unknown argument '" + arguments.front() + "'; see daolsae --help\n", kUsageErrorStatus};
}
