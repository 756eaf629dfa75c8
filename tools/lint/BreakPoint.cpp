#include "tools/lint/BreakPoint.h"

#include <algorithm>
#include <utility>

#include "base/Cp949.h"
#include "dict/KeyVocabulary.h"
#include "tools/lint/ComposerDialog.h"

namespace {

constexpr char kParticleSlotLead = '(';
constexpr char kAttachLead = '~';
constexpr char kFieldEnd = '\x01';

// What identifies a phrase offered by a line or held by the dictionaries: its key (a
// free slot's "-") and the phrase.
std::string Identity(const std::string& key, const std::string& phrase) {
  return key + kFieldEnd + phrase;
}

// Byte counts with what they were counted for, furthest first.
template <typename T>
void SortFurthestFirst(std::vector<std::pair<std::size_t, T>>& found) {
  std::stable_sort(found.begin(), found.end(),
                   [](const auto& a, const auto& b) { return a.first > b.first; });
}

}  // namespace

CBreakPoint::CBreakPoint(CTargetFit& fit, const std::vector<DictionaryPhrase>& phrases,
                         const ComposeOptions& options)
    : m_fit(fit), m_phrases(phrases), m_options(options) {}

bool CBreakPoint::EndsWord(const std::string& box, std::size_t reach) {
  const std::string& target = m_fit.Target();
  if (reach == 0 || reach >= target.size() || target[reach] == ' ') return true;
  for (const DictionaryPhrase& phrase : m_phrases) {
    const char lead = phrase.strPhrase.empty() ? '\0' : phrase.strPhrase[0];
    if (lead != kParticleSlotLead && lead != kAttachLead) continue;
    const std::optional<std::size_t> fit = m_fit.Fits(m_fit.Predict(box, phrase.strPhrase));
    if (fit && *fit > reach) return true;
  }
  return false;
}

void CBreakPoint::Note(const CComposerDialog& dlg, std::size_t reach,
                       std::vector<std::string> actions, ComposeResult& result) {
  m_nReach = reach;
  m_strShown = dlg.Sentence();
  result.strReached = Cp949ToUtf8(m_fit.Target().substr(0, reach));
  result.reachedActions = std::move(actions);
  const int count = dlg.LineCount();
  result.nOfferedLines = count;
  result.firstLines.clear();
  for (int line = 0; line < count && line < m_options.nShownLines; ++line)
    result.firstLines.push_back(Cp949ToUtf8(dlg.LineText(line)));

  // The lines that would show most of the rest of the sentence, whether or not they
  // show all they hold.
  const std::size_t next = m_fit.NextWordAt(reach);
  m_offered.clear();
  std::vector<std::pair<std::size_t, int>> nearest;  // bytes of the sentence shown, line
  for (int line = 0; line < count; ++line) {
    const std::string& key = dlg.LineKey(line);
    const std::string phrase = LinePhrase(dlg.LineText(line), key);
    m_offered.insert(Identity(IsFreeInputKey(key) ? std::string(1, kFreeSlotLead) : key, phrase));
    const std::size_t agreement = m_fit.Agreement(m_fit.Predict(m_strShown, phrase));
    if (agreement > next) nearest.emplace_back(agreement, line);
  }
  SortFurthestFirst(nearest);
  m_nNearest = nearest.empty() ? next : nearest.front().first;
  result.nearestLines.clear();
  for (std::size_t i = 0; i < nearest.size() && i < static_cast<std::size_t>(m_options.nShownLines);
       ++i)
    result.nearestLines.push_back(Cp949ToUtf8(dlg.LineText(nearest[i].second)));
}

void CBreakPoint::Explain(ComposeResult& result) {
  if (!m_nReach) return;
  const std::size_t next = m_fit.NextWordAt(*m_nReach);
  std::vector<std::pair<std::size_t, const DictionaryPhrase*>> goOn, near;  // bytes of the sentence
  for (const DictionaryPhrase& phrase : m_phrases) {
    if (m_offered.count(Identity(phrase.strKey, phrase.strPhrase))) continue;
    const std::string box = m_fit.Predict(m_strShown, phrase.strPhrase);
    const std::optional<std::size_t> fit = m_fit.Fits(box);
    if (fit && *fit > next && EndsWord(box, *fit)) {
      goOn.emplace_back(*fit, &phrase);
    } else {
      // Only those that come nearer than the lines offered there.
      const std::size_t agreement = m_fit.Agreement(box);
      if (agreement > m_nNearest) near.emplace_back(agreement, &phrase);
    }
  }
  auto& shown = goOn.empty() ? near : goOn;
  SortFurthestFirst(shown);
  std::vector<std::string>& into = goOn.empty() ? result.nearestElsewhere : result.notOffered;
  for (std::size_t i = 0; i < shown.size() && i < static_cast<std::size_t>(m_options.nShownPhrases);
       ++i)
    into.push_back(Cp949ToUtf8(shown[i].second->strLine));
}
