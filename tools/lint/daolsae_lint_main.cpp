// daolsae-lint: checks a directory of compiled dictionaries by running the program's
// dialog over them (see tools/lint/DictLint.h). Prints a summary, sample sentence pairs
// and every finding; exit status 0 when nothing fails, 1 when something does (or a
// dictionary file is missing), 2 on a usage error.
#include <unistd.h>

#include <cstdlib>
#include <iostream>
#include <string>

#include "tools/lint/DictLint.h"

namespace {

constexpr int kFailStatus = 1;
constexpr int kUsageStatus = 2;

const char* const kUsage =
    "usage: daolsae-lint [--walks N] [--seed N] [--samples N] [--direction ko|en|both] [--thorough] DIR\n"
    "Runs the program's dialog on the compiled dictionaries in DIR, in both directions:\n"
    "every sentence pattern must be completable; finished sentences must hold no leftover\n"
    "(@ # ~, two spaces, a particle pair such as 을(를)) and no Korean particle that does not\n"
    "fit the syllable before it; no list may reach the candidate list's capacities.\n"
    "  --walks N      random walks per direction (default 1500)\n"
    "  --seed N       seed of the walks (default 20240611)\n"
    "  --samples N    finished sentence pairs shown per direction (default 10)\n"
    "  --direction D  ko (Korean to English), en (English to Korean) or both (default)\n"
    "  --thorough     try every key from every state, also where a state differs from one\n"
    "                 explored before only in the keys of its last collapsed phrase (slow)\n";

bool ReadNumber(const std::string& text, long min, long* value) {
  char* end = nullptr;
  long n = std::strtol(text.c_str(), &end, 10);
  if (text.empty() || *end != '\0' || n < min) return false;
  *value = n;
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  LintOptions options;
  std::string dir;
  for (int i = 1; i < argc; ++i) {
    std::string arg = argv[i];
    if (arg == "--help" || arg == "-h") {
      std::cout << kUsage;
      return 0;
    }
    long value = 0;
    const bool hasValue = i + 1 < argc;
    if (arg == "--walks" && hasValue && ReadNumber(argv[i + 1], 0, &value)) {
      options.nWalks = static_cast<int>(value);
      ++i;
    } else if (arg == "--seed" && hasValue && ReadNumber(argv[i + 1], 0, &value)) {
      options.nSeed = static_cast<unsigned int>(value);
      ++i;
    } else if (arg == "--samples" && hasValue && ReadNumber(argv[i + 1], 0, &value)) {
      options.nSamples = static_cast<int>(value);
      ++i;
    } else if (arg == "--thorough") {
      options.bThorough = true;
    } else if (arg == "--direction" && hasValue) {
      std::string d = argv[++i];
      if (d != "ko" && d != "en" && d != "both") {
        std::cerr << "daolsae-lint: --direction takes ko, en or both, not \"" << d << "\"\n" << kUsage;
        return kUsageStatus;
      }
      options.bKoreanSource = d != "en";
      options.bEnglishSource = d != "ko";
    } else if (!arg.empty() && arg[0] != '-' && dir.empty()) {
      dir = arg;
    } else {
      std::cerr << "daolsae-lint: cannot understand \"" << arg << "\"\n" << kUsage;
      return kUsageStatus;
    }
  }
  if (dir.empty()) {
    std::cerr << "daolsae-lint: no dictionary directory given\n" << kUsage;
    return kUsageStatus;
  }
  const std::vector<std::string> missing = MissingDictionaries(dir);
  if (!missing.empty()) {
    for (const std::string& name : missing) std::cerr << "daolsae-lint: " << dir << "/" << name << " is missing\n";
    return kFailStatus;
  }
  // The program reads its dictionaries from the current directory.
  if (::chdir(dir.c_str()) != 0) {
    std::cerr << "daolsae-lint: cannot enter " << dir << "\n";
    return kFailStatus;
  }
  LintResult result = RunLint(options);
  PrintLintReport(result, std::cout);
  return result.Failed() ? kFailStatus : 0;
}
