// Fuzz target: whole sessions of the headless driver (the dialog on the in-memory
// backend, the same code path as daolsae-script) on arbitrary dictionaries. Sections:
// main.dex, ekmain.dex, gu.dex, ekgu.dex, change.dex, ekchange.dex, tosi.dex, then the
// command script (the driver's commands, one per line, at most 64 lines run).
#include <memory>
#include <sstream>

#include "dict/RecordLayout.h"
#include "fuzz/FuzzSupport.h"
#include "tools/script/ScriptSession.h"

namespace {
constexpr std::size_t kMaxCommands = 64;
}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  fuzz::UseMemoryDictionaries();
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const auto& names = fuzz::AllDictionaryNames();
  auto sections = fuzz::SplitSections(data, size, names.size() + 1);
  for (std::size_t i = 0; i < names.size(); ++i) fuzz::WriteFile(names[i], sections[i]);

  std::string script;
  std::size_t commands = 0;
  for (const std::string& line : fuzz::Lines(sections[names.size()])) {
    if (++commands > kMaxCommands) break;
    script += line + "\n";
  }
  std::istringstream in(script);
  std::ostringstream out;
  auto* session = &fuzz::Fresh<CScriptSession>();
  int status = session->Run(in, out);
  FUZZ_CHECK(status == kScriptDone || status == kScriptBadCommand, "exit status 0 or 2");
  return 0;
}
