// The phrasebook composer: finds how a user composes one given sentence in the real
// dialog (tools/lint/ComposerDialog.h) on the dictionaries of the current directory, by
// a depth-first search over the dialog's states. Used by daolsae-lint --phrasebook.
//
// From each state it tries only the lines whose phrase keeps the sentence box a
// beginning of the sentence (the text before the first ";" of a line, or a free-slot
// line's own word), the lines that go furthest first; on a free-slot line it also types
// the sentence's next one, two or three words. After every step the box, or the finished
// sentence, must still begin the sentence (compared by tools/lint/ShownText.h; a Korean
// box is also compared with its particle pairs corrected, as the finished sentence will
// show them). The search goes back by the dialog's own step back and checks that it
// brought back the whole state; where it did not (a box that was capitalised and
// corrected when an earlier sentence completed is rebuilt plain), it replays the steps
// into a fresh dialog. It goes on after the first composition, to find every reading.
#pragma once
#include <memory>
#include <string>
#include <vector>

#include "tools/lint/DictionaryPhrases.h"

struct ComposeOptions {
  int nMaxNodes = 300;     // confirmed steps per sentence before the search gives up
  int nMaxDepth = 40;      // steps of one composition, below the program's 50
  int nMaxTypedWords = 3;  // words typed on a free-slot line at once
  int nShownLines = 24;    // lines reported of the list where the sentence breaks
  int nShownPhrases = 8;   // phrases reported of the dictionaries there
};

// One way the sentence composes. UTF-8.
struct ComposedReading {
  std::vector<std::string> actions;  // "pick LINE" or "type WORD on LINE", in order
  std::string strTranslation;        // as the program shows it
};

struct ComposeResult {
  bool bComposed = false;
  std::vector<ComposedReading> readings;  // one per distinct translation, in the order found

  // Where the search got furthest (for a sentence that does not compose). UTF-8.
  std::string strReached;                   // the longest beginning of the sentence shown
  std::vector<std::string> reachedActions;  // how it was reached
  int nOfferedLines = 0;                    // lines of the list there
  std::vector<std::string> firstLines;      // the first of them
  std::vector<std::string> nearestLines;    // those that share most with the rest of the sentence
  // Why it breaks there. The phrases of the dictionaries (lexicon lines with their keys,
  // free-slot words) that would go on with the sentence but that the list does not offer
  // there: a pattern or rule is missing. When there are none, a word or a form is missing,
  // and nearestElsewhere holds the phrases that share most of what comes next.
  std::vector<std::string> notOffered;
  std::vector<std::string> nearestElsewhere;

  int nNodes = 0;          // steps confirmed
  int nReplays = 0;        // fresh dialogs where a step back did not restore the state
  bool bBoundHit = false;  // the search stopped at nMaxNodes
  std::string strProblem;  // UTF-8: why the sentence could not be searched at all
};

class CComposerDialog;
class CCorrections;

// Composes sentences in one direction on the dictionaries of the current directory,
// which must not change while it lives: it keeps one dialog from sentence to sentence
// (brought back to the first list, and checked to be there, before each), remembers
// the particle corrections it worked out and reads the dictionaries' phrases once.
class CComposer {
 public:
  CComposer(bool koreanSource, const ComposeOptions& options = ComposeOptions());
  ~CComposer();
  CComposer(const CComposer&) = delete;
  CComposer& operator=(const CComposer&) = delete;

  ComposeResult Compose(const std::string& utf8Sentence);

 private:
  class CSearch;  // the search for one sentence

  // The dialog at its first list, fresh when starting again does not bring it there.
  void BackToFirstList();

  bool m_bKoreanSource;
  ComposeOptions m_options;
  std::unique_ptr<CComposerDialog> m_pDlg;
  std::string m_strFirstState;  // the dialog's state before any step
  std::unique_ptr<CCorrections> m_pCorrections;
  std::vector<DictionaryPhrase> m_phrases;
};
