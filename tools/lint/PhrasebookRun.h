// daolsae-lint --phrasebook: composes every source sentence of a phrasebook in the real
// dialog (tools/lint/Composer.h), judges the translation against the accepted ones, and
// prints a report per sentence and the summary line. The baseline is the list of source
// sentences that composed before; a sentence of it that no longer composes fails the run.
#pragma once
#include <ostream>
#include <string>
#include <vector>

#include "tools/lint/Composer.h"
#include "tools/lint/Phrasebook.h"

struct PhrasebookOutcome {
  PhrasebookPair pair;
  ComposeResult result;
  int nChosen = -1;    // the reading reported first: the first right one, else the first found
  int nAccepted = -1;  // what it translates to: 0 the reference, i variant i, -1 none of them
  bool Right() const { return nAccepted >= 0; }
};

struct PhrasebookRunResult {
  std::string strName;  // the phrasebook, as given
  bool bKoreanSource = true;
  std::vector<PhrasebookOutcome> outcomes;
  int nComposed = 0;
  int nRight = 0;       // composed with a right translation (the reading reported first)
  int nBoundHit = 0;    // sentences whose search stopped at its bound
  int nNotOffered = 0;  // sentences that break where the dictionaries hold the next phrase
  int nUnknown = 0;     // sentences that break where they hold nothing that goes on
  int nNodes = 0;       // steps confirmed in all
  int nReplays = 0;     // fresh dialogs where a step back did not restore the state
  double dSeconds = 0;
};

// Composes every pair of `book` (dictionaries in the current directory).
PhrasebookRunResult RunPhrasebook(const Phrasebook& book, const std::string& name,
                                  bool koreanSource,
                                  const ComposeOptions& options = ComposeOptions());

// "composed N of M, translation right K of N".
std::string PhrasebookSummaryLine(const PhrasebookRunResult& run);

// Every sentence with what became of it, then the summary line and the search figures.
void PrintPhrasebookReport(const PhrasebookRunResult& run, std::ostream& out);

// The baseline file: UTF-8, one source sentence a line; blank lines and lines beginning
// with "#" are skipped. False with *error set when the file cannot be read.
bool ReadBaseline(const std::string& path, std::vector<std::string>* sentences, std::string* error);
// Writes the sentences that compose now, in the order of the phrasebook, under a comment
// that says what the file is. False with *error set when it cannot be written.
bool WriteBaseline(const std::string& path, const PhrasebookRunResult& run, std::string* error);

// The baseline's sentences that do not compose now, each with the reason: it no longer
// composes, or the phrasebook no longer holds it (then nothing vouches for it).
std::vector<std::string> LostSentences(const std::vector<std::string>& baseline,
                                       const PhrasebookRunResult& run);
