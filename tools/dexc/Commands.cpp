#include "tools/dexc/Commands.h"

#include <algorithm>
#include <filesystem>

#include "tools/dexc/Build.h"
#include "tools/dexc/DexKinds.h"
#include "tools/dexc/DiffCommand.h"
#include "tools/dexc/Dump.h"
#include "tools/dexc/FormsCommand.h"

namespace {

using Args = std::vector<std::string>;

constexpr std::size_t kUsageColumn = 24;  // where the descriptions of the help text start
constexpr std::size_t kAnyCount = static_cast<std::size_t>(-1);
constexpr const char* kGrammarOption = "--grammar";
constexpr const char* kCheckFlag = "--check";

// The options a command line may give before or between the arguments.
struct Options {
  std::string strGrammarDir;  // --grammar DIR; empty: the command's default
};

struct Tool {
  const char* name;
  const char* arguments;
  const char* description;
  std::size_t minArguments, maxArguments;
  bool bTakesGrammar;  // accepts --grammar DIR
  int (*run)(const Args& args, const Options& options, std::ostream& out, std::ostream& err);
};

int ToolBuild(const Args& args, const Options& options, std::ostream&, std::ostream& err) {
  return BuildDictionaries(args[0], args[1], err, options.strGrammarDir);
}

int ToolCheck(const Args& args, const Options& options, std::ostream&, std::ostream& err) {
  return CheckDictionaries(args[0], err, options.strGrammarDir);
}

int ToolForms(const Args& args, const Options& options, std::ostream& out, std::ostream& err) {
  if (args[0] == kCheckFlag && args.size() != 2) {
    err << "dexc: forms --check takes one FILE\n" << DexcUsage();
    return kUsageStatus;
  }
  std::string grammar =
      options.strGrammarDir.empty() ? DefaultFormsGrammarDir() : options.strGrammarDir;
  return RunForms(args, grammar, out, err);
}

int ToolDiff(const Args& args, const Options&, std::ostream& out, std::ostream& err) {
  return DiffDictionaries(args[0], args[1], out, err);
}

int ToolDump(const Args& args, const Options&, std::ostream& out, std::ostream& err) {
  const std::string& file = args[0];
  DexKind kind;
  if (!KindOfFileName(std::filesystem::path(file).filename().string(), &kind)) {
    err << "dexc: cannot tell the kind of " << file << " from its name; dump reads "
        << DictionaryNameList(".dex") << "\n"
        << DexcUsage();
    return kUsageStatus;
  }
  return DumpFile(file, kind, out, err);
}

constexpr Tool kTools[] = {
    {"build", "SRC_DIR OUT_DIR",
     "compile the sources in SRC_DIR into the seven .dex files in OUT_DIR", 2, 2, true, ToolBuild},
    {"check", "SRC_DIR", "report the errors and warnings of the sources; write nothing", 1, 1, true,
     ToolCheck},
    {"dump", "FILE", "print the records of a .dex file as UTF-8 text, one per line", 1, 1, false,
     ToolDump},
    {"diff", "OLD_DIR NEW_DIR",
     "list the records that disappear (-) and appear (+) between two compiled folders", 2, 2, false,
     ToolDiff},
    {"forms", "WORD [TOKENS]", "print every form of a Korean or English word with its class", 1,
     kAnyCount, true, ToolForms},
    {"forms", "--check FILE", "check a table of expected forms; list the mismatches", 2, 2, true,
     ToolForms},
};

// Takes the options out of args. False with a message on err for an option the command
// does not take or one without its value.
bool TakeOptions(const Tool& tool, Args* args, Options* options, std::ostream& err) {
  for (std::size_t i = 0; i < args->size();) {
    if ((*args)[i] != kGrammarOption) {
      ++i;
      continue;
    }
    if (!tool.bTakesGrammar || i + 1 >= args->size()) {
      err << "dexc: " << tool.name
          << (tool.bTakesGrammar ? ": --grammar needs a folder\n" : " takes no --grammar option\n");
      return false;
    }
    options->strGrammarDir = (*args)[i + 1];
    args->erase(args->begin() + i, args->begin() + i + 2);
  }
  return true;
}

}  // namespace

std::string DexcUsage() {
  std::string usage =
      "usage: dexc COMMAND ARGUMENTS...\n"
      "\n"
      "Compiles daolsae dictionary sources (UTF-8 text) into .dex files and back.\n"
      "\n"
      "commands:\n";
  auto line = [&usage](std::string call, const char* description) {
    call.resize(std::max<std::size_t>(call.size() + 2, kUsageColumn), ' ');
    usage += "  " + call + description + "\n";
  };
  for (const Tool& tool : kTools)
    line(std::string(tool.name) + " " + tool.arguments, tool.description);
  line("--help", "show this text");
  usage += "\noption of build, check and forms:\n";
  line("--grammar DIR", "the folder of the English grammar tables (irregular-verbs.txt,");
  const std::string more(kUsageColumn + 2, ' ');  // continues a description
  usage += more + "irregular-plurals.txt); default for build and check:\n" + more +
           "SRC_DIR/grammar, else SRC_DIR/../grammar; for forms: the\n" + more +
           "data/grammar of the source tree dexc was built from\n";
  return usage;
}

int RunDexc(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  if (args.empty()) {
    err << DexcUsage();
    return kUsageStatus;
  }
  const std::string& command = args[0];
  if (command == "--help" || command == "-h" || command == "help") {
    out << DexcUsage();
    return 0;
  }
  for (const Tool& tool : kTools) {
    if (command != tool.name) continue;
    Args rest(args.begin() + 1, args.end());
    Options options;
    if (!TakeOptions(tool, &rest, &options, err)) {
      err << DexcUsage();
      return kUsageStatus;
    }
    if (rest.size() < tool.minArguments || rest.size() > tool.maxArguments) {
      err << "dexc: " << tool.name << " takes " << tool.arguments << "\n" << DexcUsage();
      return kUsageStatus;
    }
    return tool.run(rest, options, out, err);
  }
  err << "dexc: unknown command \"" << command << "\"\n" << DexcUsage();
  return kUsageStatus;
}
