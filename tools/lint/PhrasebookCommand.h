// The --phrasebook command of daolsae-lint as a whole: reads the phrasebook and the
// baseline, composes in the dictionary directory, prints the report, checks the
// baseline and writes the new one, and says how the program should exit. The program's
// main parses the arguments into PhrasebookCommand; the tests call it directly.
#pragma once
#include <optional>
#include <ostream>
#include <string>

#include "tools/lint/Composer.h"

inline constexpr int kPhrasebookFailStatus =
    1;  // a lost sentence, an unreadable file, a corpus error
inline constexpr int kPhrasebookUsageStatus = 2;  // the direction cannot be told

struct PhrasebookCommand {
  std::string strFile;                // the phrasebook
  std::string strBaseline;            // --baseline, "" for none
  std::string strWriteBaseline;       // --write-baseline, "" for none
  std::optional<bool> bKoreanSource;  // --direction ko|en; else the file name tells
  ComposeOptions options;
};

// Runs the command on the dictionaries in `dir`, which becomes the current directory
// (the program reads its dictionaries from there); relative paths of the command are
// taken from the directory current before. Returns the exit status: 0, or one of the
// above.
int RunPhrasebookCommand(const PhrasebookCommand& command, const std::string& dir,
                         std::ostream& out, std::ostream& err);

// daolsae-lint --same-ground: composes both phrasebooks on the dictionaries in `dir` and
// prints which mirrored pairs compose right in one direction only (tools/lint/SameGround.h).
// Returns 0, or kPhrasebookFailStatus when a file cannot be read or has errors.
int RunSameGroundCommand(const std::string& koreanSourceFile, const std::string& englishSourceFile,
                         const ComposeOptions& options, const std::string& dir, std::ostream& out,
                         std::ostream& err);
