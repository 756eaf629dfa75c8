// daolsae-script: the sentence interpreter's dialog driven by commands on standard
// input, for terminals, scripts and the end-to-end tests.
#include <cstring>
#include <iostream>
#include <memory>

#include "dict/MissingDictionary.h"
#include "tools/script/ScriptSession.h"

namespace {
void FlushOutput() { std::cout.flush(); }
}  // namespace

int main(int argc, char** argv) {
  if (argc > 1) {
    if (std::strcmp(argv[1], "--help") == 0 || std::strcmp(argv[1], "-h") == 0) {
      std::cout << ScriptUsage();
      return kScriptDone;
    }
    std::cerr << "daolsae-script: takes no arguments (see --help)\n";
    return kScriptBadCommand;
  }
  // Lines printed before a dictionary goes missing stay printed.
  SetMissingDictionaryHook(FlushOutput);
  auto session = std::make_unique<CScriptSession>();
  return session->Run(std::cin, std::cout);
}
