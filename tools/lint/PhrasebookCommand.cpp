#include "tools/lint/PhrasebookCommand.h"

#include <unistd.h>

#include <filesystem>

#include "tools/lint/Phrasebook.h"
#include "tools/lint/PhrasebookRun.h"
#include "tools/lint/SameGround.h"

namespace {

// Checks the run against the baseline; false when a sentence of it was lost.
bool CheckBaseline(const std::vector<std::string>& baseline, const PhrasebookRunResult& run,
                   std::ostream& out) {
  const std::vector<std::string> lost = LostSentences(baseline, run);
  for (const std::string& sentence : lost) out << "REGRESSION: " << sentence << "\n";
  out << (lost.empty() ? "OK" : "FAILED") << ": " << lost.size() << " of the " << baseline.size()
      << " sentence(s) of the baseline no longer compose\n";
  return lost.empty();
}

}  // namespace

int RunPhrasebookCommand(const PhrasebookCommand& command, const std::string& dir,
                         std::ostream& out, std::ostream& err) {
  const std::optional<bool> byName = DirectionFromFileName(command.strFile);
  if (!command.bKoreanSource && !byName) {
    err << "daolsae-lint: the name of " << command.strFile
        << " tells no direction (ko-en... or en-ko...): give --direction ko or en\n";
    return kPhrasebookUsageStatus;
  }
  const bool koreanSource = command.bKoreanSource ? *command.bKoreanSource : *byName;

  // Everything named by a path is read (or made absolute) before the directory changes.
  const Phrasebook book = ReadPhrasebookFile(command.strFile);
  for (const std::string& error : book.errors) err << "daolsae-lint: " << error << "\n";
  if (!book.errors.empty()) return kPhrasebookFailStatus;
  std::vector<std::string> baseline;
  std::string error;
  if (!command.strBaseline.empty() && !ReadBaseline(command.strBaseline, &baseline, &error)) {
    err << "daolsae-lint: " << error << "\n";
    return kPhrasebookFailStatus;
  }
  const std::string writeTo =
      command.strWriteBaseline.empty()
          ? std::string()
          : std::filesystem::absolute(command.strWriteBaseline).lexically_normal().string();
  if (::chdir(dir.c_str()) != 0) {
    err << "daolsae-lint: cannot enter " << dir << "\n";
    return kPhrasebookFailStatus;
  }

  const PhrasebookRunResult run =
      RunPhrasebook(book, command.strFile, koreanSource, command.options);
  PrintPhrasebookReport(run, out);
  int status = 0;
  if (!command.strBaseline.empty() && !CheckBaseline(baseline, run, out))
    status = kPhrasebookFailStatus;
  if (!writeTo.empty()) {
    if (!WriteBaseline(writeTo, run, &error)) {
      err << "daolsae-lint: " << error << "\n";
      return kPhrasebookFailStatus;
    }
    out << "wrote " << run.nComposed << " sentence(s) to " << writeTo << "\n";
  }
  return status;
}

int RunSameGroundCommand(const std::string& koreanSourceFile, const std::string& englishSourceFile,
                         const ComposeOptions& options, const std::string& dir, std::ostream& out,
                         std::ostream& err) {
  const Phrasebook korean = ReadPhrasebookFile(koreanSourceFile);
  const Phrasebook english = ReadPhrasebookFile(englishSourceFile);
  for (const Phrasebook* book : {&korean, &english})
    for (const std::string& error : book->errors) err << "daolsae-lint: " << error << "\n";
  if (!korean.errors.empty() || !english.errors.empty()) return kPhrasebookFailStatus;
  if (::chdir(dir.c_str()) != 0) {
    err << "daolsae-lint: cannot enter " << dir << "\n";
    return kPhrasebookFailStatus;
  }
  const PhrasebookRunResult koreanRun = RunPhrasebook(korean, koreanSourceFile, true, options);
  const PhrasebookRunResult englishRun = RunPhrasebook(english, englishSourceFile, false, options);
  out << koreanSourceFile << ": " << PhrasebookSummaryLine(koreanRun) << "\n"
      << englishSourceFile << ": " << PhrasebookSummaryLine(englishRun) << "\n";
  PrintSameGroundReport(CompareDirections(koreanRun, englishRun), out);
  return 0;
}
