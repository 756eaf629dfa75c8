// daolsae-lint: checks a directory of compiled dictionaries by running the program's
// dialog over them (see tools/lint/DictLint.h). Prints a summary, sample sentence pairs
// and every finding; exit status 0 when nothing fails, 1 when something does (or a
// dictionary file is missing), 2 on a usage error. With --phrasebook it composes the
// sentences of a phrasebook instead (tools/lint/PhrasebookCommand.h).
#include <unistd.h>

#include <cstdlib>
#include <iostream>
#include <optional>
#include <string>

#include "tools/lint/DictLint.h"
#include "tools/lint/PhrasebookCommand.h"

namespace {

constexpr int kFailStatus = 1;
constexpr int kUsageStatus = 2;

const char* const kUsage =
    "usage: daolsae-lint [--walks N] [--seed N] [--samples N] [--direction ko|en|both] [--thorough] DIR\n"
    "       daolsae-lint --phrasebook FILE [--direction ko|en] [--nodes N] [--baseline FILE]\n"
    "                    [--write-baseline FILE] DIR\n"
    "       daolsae-lint --same-ground KO_EN_FILE EN_KO_FILE [--nodes N] DIR\n"
    "Runs the program's dialog on the compiled dictionaries in DIR, in both directions:\n"
    "every sentence pattern must be completable; finished sentences must hold no leftover\n"
    "(@ # ~, two spaces, a particle pair such as 을(를)) and no Korean particle that does not\n"
    "fit the syllable before it; no list may reach the candidate list's capacities.\n"
    "  --walks N      random walks per direction (default 1500)\n"
    "  --seed N       seed of the walks (default 20240611)\n"
    "  --samples N    finished sentence pairs shown per direction (default 10)\n"
    "  --direction D  ko (Korean to English), en (English to Korean) or both (default)\n"
    "  --thorough     try every key from every state, also where a state differs from one\n"
    "                 explored before only in the keys of its last collapsed phrase (slow)\n"
    "With --phrasebook FILE it searches the dialog for the steps that compose each source\n"
    "sentence of FILE (tests/phrasebook/README.md) and reports, per sentence, the steps and\n"
    "whether the translation is an accepted one, or how far it got and what the list offered\n"
    "there; then \"composed N of M, translation right K of N\". The direction comes from the\n"
    "file name (ko-en..., en-ko...) unless --direction says ko or en.\n"
    "  --nodes N             steps the search may confirm per sentence (default 300)\n"
    "  --baseline FILE       fail when a sentence listed in FILE no longer composes\n"
    "  --write-baseline FILE write the sentences that compose now to FILE\n"
    "With --same-ground it composes both phrasebooks and lists the pairs that mirror each\n"
    "other (each source sentence an accepted translation of the other) but compose with a\n"
    "right translation in one direction only, with where the other direction breaks.\n";

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
  PhrasebookCommand phrasebook;
  std::string sameGroundKorean, sameGroundEnglish;  // --same-ground
  bool bothDirections = false;
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
    } else if (arg == "--nodes" && hasValue && ReadNumber(argv[i + 1], 1, &value)) {
      phrasebook.options.nMaxNodes = static_cast<int>(value);
      ++i;
    } else if (arg == "--thorough") {
      options.bThorough = true;
    } else if ((arg == "--phrasebook" || arg == "--baseline" || arg == "--write-baseline") && hasValue) {
      std::string& path = arg == "--phrasebook"  ? phrasebook.strFile
                          : arg == "--baseline" ? phrasebook.strBaseline
                                                : phrasebook.strWriteBaseline;
      path = argv[++i];
    } else if (arg == "--same-ground" && i + 2 < argc) {
      sameGroundKorean = argv[++i];
      sameGroundEnglish = argv[++i];
    } else if (arg == "--direction" && hasValue) {
      std::string d = argv[++i];
      if (d != "ko" && d != "en" && d != "both") {
        std::cerr << "daolsae-lint: --direction takes ko, en or both, not \"" << d << "\"\n" << kUsage;
        return kUsageStatus;
      }
      options.bKoreanSource = d != "en";
      options.bEnglishSource = d != "ko";
      bothDirections = d == "both";
      phrasebook.bKoreanSource = d == "both" ? std::nullopt : std::optional<bool>(d == "ko");
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
  if (!phrasebook.strFile.empty() && !sameGroundKorean.empty()) {
    std::cerr << "daolsae-lint: --phrasebook and --same-ground are two different runs\n" << kUsage;
    return kUsageStatus;
  }
  if (phrasebook.strFile.empty() && (!phrasebook.strBaseline.empty() || !phrasebook.strWriteBaseline.empty() ||
                                     (sameGroundKorean.empty() &&
                                      phrasebook.options.nMaxNodes != ComposeOptions().nMaxNodes))) {
    std::cerr << "daolsae-lint: --nodes, --baseline and --write-baseline go with --phrasebook\n" << kUsage;
    return kUsageStatus;
  }
  if (!phrasebook.strFile.empty() && bothDirections) {
    std::cerr << "daolsae-lint: a phrasebook has one direction: --direction ko or en\n" << kUsage;
    return kUsageStatus;
  }
  const std::vector<std::string> missing = MissingDictionaries(dir);
  if (!missing.empty()) {
    for (const std::string& name : missing) std::cerr << "daolsae-lint: " << dir << "/" << name << " is missing\n";
    return kFailStatus;
  }
  if (!phrasebook.strFile.empty()) return RunPhrasebookCommand(phrasebook, dir, std::cout, std::cerr);
  if (!sameGroundKorean.empty())
    return RunSameGroundCommand(sameGroundKorean, sameGroundEnglish, phrasebook.options, dir,
                                std::cout, std::cerr);
  // The program reads its dictionaries from the current directory.
  if (::chdir(dir.c_str()) != 0) {
    std::cerr << "daolsae-lint: cannot enter " << dir << "\n";
    return kFailStatus;
  }
  LintResult result = RunLint(options);
  PrintLintReport(result, std::cout);
  return result.Failed() ? kFailStatus : 0;
}
