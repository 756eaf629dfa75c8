#include "dict/MissingDictionary.h"

#include <cstdio>
#include <cstdlib>

namespace {
void (*g_hook)() = nullptr;
}

void SetMissingDictionaryHook(void (*hook)()) { g_hook = hook; }

void EndForMissingDictionary(const char* /*fileName*/) {
  if (g_hook) g_hook();
  std::fflush(nullptr);
  std::exit(kMissingDictionaryExitStatus);
}
