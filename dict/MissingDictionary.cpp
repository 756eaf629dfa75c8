#include "dict/MissingDictionary.h"

#include <cstdio>
#include <cstdlib>

namespace {
void (*g_hook)() = nullptr;
void (*g_reporter)(const char*) = nullptr;
}

void SetMissingDictionaryHook(void (*hook)()) { g_hook = hook; }

void SetMissingDictionaryReporter(void (*reporter)(const char* fileName)) { g_reporter = reporter; }

void EndForMissingDictionary(const char* fileName) {
  if (g_reporter) g_reporter(fileName);
  if (g_hook) g_hook();
  std::fflush(nullptr);
  std::exit(kMissingDictionaryExitStatus);
}
