#include "tools/dexc/Commands.h"

#include <algorithm>
#include <filesystem>

#include "tools/dexc/Build.h"
#include "tools/dexc/Dump.h"
#include "tools/dexc/DexKinds.h"

namespace {

using Args = std::vector<std::string>;

constexpr std::size_t kUsageColumn = 24;  // where the descriptions of the help text start

struct Tool {
  const char* name;
  const char* arguments;
  const char* description;
  std::size_t argumentCount;
  int (*run)(const Args& args, std::ostream& out, std::ostream& err);
};

int ToolBuild(const Args& args, std::ostream&, std::ostream& err) {
  return BuildDictionaries(args[0], args[1], err);
}

int ToolCheck(const Args& args, std::ostream&, std::ostream& err) {
  return CheckDictionaries(args[0], err);
}

int ToolDump(const Args& args, std::ostream& out, std::ostream& err) {
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
     "compile the sources in SRC_DIR into the seven .dex files in OUT_DIR", 2, ToolBuild},
    {"check", "SRC_DIR", "report the errors and warnings of the sources; write nothing", 1,
     ToolCheck},
    {"dump", "FILE", "print the records of a .dex file as UTF-8 text, one per line", 1, ToolDump},
};

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
    if (rest.size() != tool.argumentCount) {
      err << "dexc: " << tool.name << " takes " << tool.arguments << "\n" << DexcUsage();
      return kUsageStatus;
    }
    return tool.run(rest, out, err);
  }
  err << "dexc: unknown command \"" << command << "\"\n" << DexcUsage();
  return kUsageStatus;
}
