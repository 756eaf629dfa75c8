// The dictionary checker behind daolsae-lint: it runs the real dialog (CInterpreterDlg
// on the in-memory control backend) on the compiled dictionaries of the current
// directory, in both directions, the way a user would: pick a line, confirm, step back.
//
// Two passes per direction:
// - Exploration: a depth-first search over the compositions. From every state it tries
//   one line per key of the list (the first line of each key) and every free-slot line
//   as it stands (the word typed is the slot's own text), confirms it, and goes on from
//   the new state unless the same state was seen before; then it steps back. A state is
//   what the next list depends on: the keys of the regrouped working steps (free-slot
//   steps with their words) and the keys that the last collapsed step stands for. (Two
//   compositions with the same state could still part later, when a rule spans their
//   raw keys; the walks try such paths.) A state that differs from one explored before
//   only in its last group mostly leads to the same states again: there only the lines
//   that may join that group are tried (free slots offered by a rule, lines whose step
//   joined earlier steps before, lines not tried before); bThorough tries them all.
//   Every sentence pattern must be completed at least once, and each completion is
//   rendered and checked.
// - Random walks (seeded, so every run is the same): from the first list, pick a key
//   (or free slot) at random and then a random line of it, confirm, and go on until the
//   list is empty or, after a finished sentence, by chance. They vary the phrases that
//   the exploration keeps fixed.
//
// What fails: a sentence pattern never completed; a finished sentence or translation
// that holds a leftover ("@", "#", "~", two spaces, a particle pair such as 을(를)); a
// Korean particle that does not fit the syllable before it (tools/lint/LintText.h); a
// lexicon translation in a list that holds "@"; a list that reaches a capacity of the
// candidate list (100 lexicon runs: the program drops further keys without notice, so
// a list at 100 may have lost some; 8000 lines, counted from the runs offered; 200
// free-slot lines), or that is longer than a learner can browse (3,000 lines); a
// message box the program shows. A dead end (an unfinished sentence whose list is
// empty) is reported as a warning.
#pragma once
#include <ostream>
#include <string>
#include <vector>

struct LintOptions {
  int nWalks = 1500;              // random walks per direction
  unsigned int nSeed = 20240611;  // seed of the walks
  int nSamples = 10;              // finished sentence pairs shown per direction
  int nMaxSteps = 40;             // steps of one composition, below the program's 50
  bool bKoreanSource = true;      // check Korean to English
  bool bEnglishSource = true;     // check English to Korean
  bool bThorough = false;         // explore every line of every state (slow)
  int nMaxBrowsableLines = 3000;  // the longest list a learner can still browse
};

enum class LintCheck {
  Unreachable,  // a sentence pattern that no composition completes
  Leftover,     // a leftover in a finished text or a lexicon line
  Particle,     // a particle that does not fit the syllable before it
  ListSize,     // a list at a capacity of the candidate list
  Program,      // a message box, or the program not behaving as a step back promises
  DeadEnd,      // warning only: an unfinished sentence with an empty list
};

struct LintFinding {
  LintCheck eCheck;
  bool bKoreanSource;
  std::string strMessage;  // UTF-8: what is wrong, naming the pattern, list or word
  std::string strExample;  // UTF-8: where it was first seen (steps, sentence)
  int nCount = 1;          // how often it was seen
};

struct SentencePair {
  std::string strSentence;  // UTF-8, as the program shows it
  std::string strTranslation;
};

struct DirectionSummary {
  bool bChecked = false;
  int nPatterns = 0;  // records of the sentence-pattern file
  int nCovered = 0;   // of them completed at least once
  int nStates = 0;    // distinct regrouped states explored
  int nTries = 0;     // confirmed steps of the exploration
  int nWalks = 0;
  int nWalkSteps = 0;
  int nFinished = 0;           // sentences finished by the walks
  int nMaxRuns = 0;            // largest number of lexicon runs in one list
  int nMaxLines = 0;           // longest list
  int nParticles = 0;          // Korean particles checked in finished sentences
  double dSeconds = 0;         // the whole direction
  double dExploreSeconds = 0;  // of it the exploration
  std::vector<SentencePair> samples;
};

struct LintResult {
  DirectionSummary korean;   // Korean to English
  DirectionSummary english;  // English to Korean
  std::vector<LintFinding> findings;
  bool Failed() const;
  // The findings of one check (in both directions).
  std::vector<LintFinding> Of(LintCheck check) const;
};

// Checks the dictionaries in the current directory. A missing dictionary file ends the
// process with status 1, as it does the program.
LintResult RunLint(const LintOptions& options);

// The report: a summary per direction, the sample pairs, then every finding.
void PrintLintReport(const LintResult& result, std::ostream& out);

// Names the dictionary files of the program that are missing in `dir`.
std::vector<std::string> MissingDictionaries(const std::string& dir);
