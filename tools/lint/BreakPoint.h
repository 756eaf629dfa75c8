// Where a sentence that does not compose breaks, for the phrasebook report: the furthest
// beginning of the sentence that the box showed at the end of a word, with the steps to
// it and the list there (its count, its first lines, the lines that come nearest to the
// rest of the sentence); and why it breaks there: phrases of the dictionaries that would
// go on but that the list does not offer (a pattern or rule is missing), or, when there
// are none, the phrases that come nearest (a word or a form is missing). Kept by the
// composer's search for one sentence.
#pragma once
#include <cstddef>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "tools/lint/Composer.h"
#include "tools/lint/DictionaryPhrases.h"
#include "tools/lint/TargetFit.h"

class CComposerDialog;

class CBreakPoint {
 public:
  CBreakPoint(CTargetFit& fit, const std::vector<DictionaryPhrase>& phrases,
              const ComposeOptions& options);

  // True when a box that shows `reach` bytes of the sentence ends where a word of the
  // sentence ends, or where a phrase that attaches to the word before it (a particle
  // slot "(...", a "~" ending) goes on with it: 저 ends 저는 (the slot (은(는))
  // follows), 책 does not end 책장을.
  bool EndsWord(const std::string& box, std::size_t reach);
  // True when no break was noted yet or `reach` goes further.
  bool IsFurther(std::size_t reach) const { return !m_nReach || reach > *m_nReach; }
  bool Noted() const { return m_nReach.has_value(); }

  // Takes the dialog's state, which shows `reach` bytes, as the break; `actions` led there.
  void Note(const CComposerDialog& dlg, std::size_t reach, std::vector<std::string> actions,
            ComposeResult& result);
  // Says why the sentence breaks at the noted point.
  void Explain(ComposeResult& result);

 private:
  CTargetFit& m_fit;
  const std::vector<DictionaryPhrase>& m_phrases;
  const ComposeOptions& m_options;
  std::optional<std::size_t> m_nReach;  // bytes of the sentence shown there
  std::string m_strShown;               // the box there
  std::set<std::string> m_offered;      // key and phrase of each line of the list there
  std::size_t m_nNearest = 0;           // bytes of the sentence the nearest of those lines shows
};
