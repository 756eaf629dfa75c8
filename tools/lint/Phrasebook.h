// The phrasebook corpus (tests/phrasebook/README.md): pairs of an everyday source
// sentence and the translations a teacher accepts, grouped by theme. Read by the
// phrasebook composer of daolsae-lint. Texts stay UTF-8.
#pragma once
#include <istream>
#include <optional>
#include <string>
#include <vector>

struct PhrasebookPair {
  int nLine = 0;                      // 1-based line in the file
  std::string strTheme;               // the "## THEME" above it, "" before any
  std::string strSource;              // the sentence the user composes
  std::string strReference;           // the translation a teacher gives first
  std::vector<std::string> variants;  // the other accepted translations
};

struct Phrasebook {
  std::vector<PhrasebookPair> pairs;
  std::vector<std::string> errors;  // "name:line: what is wrong"; a pair with an error is left out
};

// Reads the lines of a phrasebook; `name` goes into the error messages.
Phrasebook ReadPhrasebook(std::istream& in, const std::string& name);
// Reads a phrasebook file; an unreadable file is one error.
Phrasebook ReadPhrasebookFile(const std::string& path);

// The direction a phrasebook's file name tells: true (Korean source) for "ko-en...",
// false for "en-ko...", nothing for any other name. Only the last part of the path counts.
std::optional<bool> DirectionFromFileName(const std::string& path);
