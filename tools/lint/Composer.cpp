#include "tools/lint/Composer.h"

#include <algorithm>
#include <optional>
#include <set>

#include "base/Cp949.h"
#include "dict/KeyVocabulary.h"
#include "engine/PhraseJoin.h"
#include "particles/ParticleCorrector.h"
#include "tools/lint/ComposerDialog.h"
#include "tools/lint/ShownText.h"

namespace {

constexpr char kParticleSlotLead = '(';  // a phrase the dialog corrects as soon as it is taken
constexpr char kAttachLead = '~';        // a phrase joined to the one before without a blank
constexpr char kSeparator = ';';         // between a line's phrase, translation and note
constexpr char kFieldEnd = '\x01';       // between the parts of a step's identity

// Bytes of the first character of a line: the marker of a free-slot line is dropped this
// way by the dialog, a double-byte character whole.
std::size_t FirstCharLength(const std::string& text) {
  if (text.size() >= 2 && IsCp949LeadByte(static_cast<unsigned char>(text[0])) &&
      IsCp949TrailByte(static_cast<unsigned char>(text[1])))
    return 2;
  return text.empty() ? 0 : 1;
}

// The phrase a line puts into the sentence: a free-slot line's word, or a lexicon line's
// text before the first ";".
std::string PhraseOf(const std::string& text, const std::string& key) {
  if (IsFreeInputKey(key)) return text.substr(FirstCharLength(text));
  return text.substr(0, text.find(kSeparator));
}

// Bytes at the start of `a` and `b` that hold the same whole characters.
std::size_t CommonLength(const std::string& a, const std::string& b) {
  std::size_t at = 0;
  while (at < a.size() && at < b.size()) {
    const std::size_t length = Cp949UnitLength(a, at);
    if (at + length > b.size() || a.compare(at, length, b, at, length) != 0) break;
    at += length;
  }
  return at;
}

}  // namespace

class CComposer::CSearch {
 public:
  CSearch(CComposer& composer, std::string target, ComposeResult& result)
      : m_composer(composer),
        m_strTarget(std::move(target)),
        m_options(composer.m_options),
        m_result(result) {}

  void Run() {
    Explore(0);
    if (!m_result.bComposed && !m_bBroken && m_nBest) DiagnoseBreak();
  }

 private:
  struct Candidate {
    ComposeAction action;
    std::size_t nReach;  // bytes of the sentence the box would show after it
  };

  CComposer& m_composer;
  std::string m_strTarget;  // code page 949, normalised
  const ComposeOptions& m_options;
  ComposeResult& m_result;
  std::vector<ComposeAction> m_path;
  std::set<std::string> m_translations;  // normalised, of the readings found
  std::optional<std::size_t> m_nBest;    // bytes of the sentence reached so far
  std::string m_strBestShown;            // the box there
  std::set<std::string> m_bestOffered;   // key and phrase of each line of the list there
  std::size_t m_nBestNearest = 0;        // bytes of the sentence the nearest line there shows
  bool m_bBroken = false;                // a replay went otherwise: the search stops

  CComposerDialog& Dlg() { return *m_composer.m_pDlg; }
  std::optional<std::size_t> Fits(const std::string& shown);
  std::string Predict(const std::string& shown, const std::string& phrase);
  void Explore(int depth);
  std::vector<Candidate> Candidates(std::size_t reach);
  bool Stopped() const { return m_result.bBoundHit || m_bBroken; }
  void Restore(const std::string& state);
  void AddReading();
  void NoteReached(std::size_t reach);
  void DiagnoseBreak();
  bool EndsWord(const std::string& box, std::size_t reach);
  std::size_t NextWordAt(std::size_t reach) const;
  std::vector<std::string> DescribePath() const;
};

// How much of the sentence `shown` gives, when it begins the sentence. A Korean box may
// hold a particle pair that only the finished sentence corrects: it is also compared
// corrected, as the dialog corrects a finished sentence (with a blank in front).
std::optional<std::size_t> CComposer::CSearch::Fits(const std::string& shown) {
  std::string normalised = NormaliseShown(shown);
  if (BeginsTarget(normalised, m_strTarget)) return normalised.size();
  if (!m_composer.m_bKoreanSource || shown.find(kParticleSlotLead) == std::string::npos)
    return std::nullopt;
  normalised = NormaliseShown(m_composer.Corrected(" " + shown));
  if (BeginsTarget(normalised, m_strTarget)) return normalised.size();
  return std::nullopt;
}

// The box after the dialog appends `phrase` to `shown` (an unfinished sentence).
std::string CComposer::CSearch::Predict(const std::string& shown, const std::string& phrase) {
  std::string box = shown;
  ::AppendPhrase(box, phrase);
  if (!phrase.empty() && phrase[0] == kParticleSlotLead) return m_composer.Corrected(box);
  return box;
}

void CComposer::CSearch::Explore(int depth) {
  const std::string shown = Dlg().Sentence();
  const std::optional<std::size_t> reach = Fits(shown);
  if (!reach) return;
  const bool finished = Dlg().Finished();
  // A dead end (an unfinished sentence with an empty list, as after a typed word that no
  // pattern knows) tells the author nothing: the list before it does.
  // Nor does a box that stops inside a word ("The" of "There").
  if ((!m_nBest || *reach > *m_nBest) && (finished || Dlg().LineCount() > 0) &&
      EndsWord(shown, *reach))
    NoteReached(*reach);
  if (finished && NormaliseShown(shown) == m_strTarget) AddReading();
  if (depth >= m_options.nMaxDepth) return;

  const std::vector<Candidate> candidates = Candidates(*reach);
  if (candidates.empty()) return;
  const std::string state = Dlg().State();
  for (const Candidate& candidate : candidates) {
    if (m_result.nNodes >= m_options.nMaxNodes) m_result.bBoundHit = true;
    if (Stopped()) return;
    ++m_result.nNodes;
    if (Dlg().Apply(candidate.action)) {
      m_path.push_back(candidate.action);
      Explore(depth + 1);
      m_path.pop_back();
      if (Stopped()) return;
      Dlg().StepBack();
    }
    Restore(state);
  }
}

std::vector<CComposer::CSearch::Candidate> CComposer::CSearch::Candidates(std::size_t reach) {
  const std::string shown = Dlg().Sentence();
  std::set<std::string> steps;  // key, phrase and translation of each step tried
  std::vector<Candidate> picks;
  std::vector<int> slotLines;  // the first free-slot line of each marker
  const int count = Dlg().LineCount();
  for (int line = 0; line < count; ++line) {
    const std::string text = Dlg().LineText(line);
    const std::string& key = Dlg().LineKey(line);
    std::string translation;
    if (IsFreeInputKey(key)) {
      bool known = false;
      for (int other : slotLines) known = known || Dlg().LineKey(other) == key;
      if (!known) slotLines.push_back(line);
    } else {
      const std::size_t semicolon = text.find(kSeparator);
      if (semicolon == std::string::npos) continue;  // the dialog refuses such a line
      const std::size_t next = text.find(kSeparator, semicolon + 1);
      translation = text.substr(
          semicolon + 1, next == std::string::npos ? std::string::npos : next - semicolon - 1);
    }
    const std::string phrase = PhraseOf(text, key);
    if (!steps.insert(key + kFieldEnd + phrase + kFieldEnd + translation).second) continue;
    const std::optional<std::size_t> fit = Fits(Predict(shown, phrase));
    if (fit) picks.push_back({{line, text, false, {}}, *fit});
  }
  std::stable_sort(picks.begin(), picks.end(),
                   [](const Candidate& a, const Candidate& b) { return a.nReach > b.nReach; });

  // The sentence's next words typed on each kind of free-slot line. The first word of
  // the sentence is also tried with a small first letter: the program gives it the capital.
  const std::string rest = m_strTarget.substr(reach);
  for (int line : slotLines) {
    const std::string text = Dlg().LineText(line);
    const std::string& key = Dlg().LineKey(line);
    std::string previous;
    for (int words = 1; words <= m_options.nMaxTypedWords; ++words) {
      std::string word = FirstWords(rest, words);
      if (word.empty() || word == previous) break;
      previous = word;
      std::vector<std::string> typings = {word};
      if (reach == 0 && word[0] >= 'A' && word[0] <= 'Z') {
        word[0] = static_cast<char>(word[0] - 'A' + 'a');
        typings.push_back(word);
      }
      for (const std::string& typed : typings) {
        if (!steps.insert(key + kFieldEnd + typed + kFieldEnd).second) continue;
        const std::optional<std::size_t> fit = Fits(Predict(shown, typed));
        if (fit)
          picks.push_back(
              {{line, text, true, text.substr(0, FirstCharLength(text)) + typed}, *fit});
      }
    }
  }
  return picks;
}

// Brings the dialog back to `state`: it should already be there after the step back;
// when it is not, the steps are replayed into a fresh dialog.
void CComposer::CSearch::Restore(const std::string& state) {
  if (Dlg().State() == state) return;
  ++m_result.nReplays;
  m_composer.m_pDlg = std::make_unique<CComposerDialog>(m_composer.m_bKoreanSource);
  for (const ComposeAction& action : m_path) {
    if (!Dlg().Apply(action)) {
      m_bBroken = true;
      break;
    }
  }
  if (m_bBroken || Dlg().State() != state) {
    m_bBroken = true;
    m_result.strProblem = "the program did not repeat the same steps alike; the search stopped";
  }
}

void CComposer::CSearch::AddReading() {
  const std::string translation = Dlg().Translation();
  m_result.bComposed = true;
  if (!m_translations.insert(NormaliseShown(translation)).second) return;
  m_result.readings.push_back({DescribePath(), Cp949ToUtf8(translation)});
}

void CComposer::CSearch::NoteReached(std::size_t reach) {
  m_nBest = reach;
  m_result.strReached = Cp949ToUtf8(m_strTarget.substr(0, reach));
  m_result.reachedActions = DescribePath();
  const int count = Dlg().LineCount();
  m_result.nOfferedLines = count;
  m_result.firstLines.clear();
  for (int line = 0; line < count && line < m_options.nShownLines; ++line)
    m_result.firstLines.push_back(Cp949ToUtf8(Dlg().LineText(line)));

  // The lines that would show most of the rest of the sentence, whether or not they
  // show all they hold.
  const std::size_t next = NextWordAt(reach);
  const std::string shown = Dlg().Sentence();
  m_strBestShown = shown;
  m_bestOffered.clear();
  std::vector<std::pair<std::size_t, int>> nearest;  // bytes of the sentence shown, line
  for (int line = 0; line < count; ++line) {
    const std::string& key = Dlg().LineKey(line);
    const std::string phrase = PhraseOf(Dlg().LineText(line), key);
    m_bestOffered.insert((IsFreeInputKey(key) ? std::string(1, kFreeSlotLead) : key) + kFieldEnd +
                         phrase);
    const std::string box = Predict(shown, phrase);
    const std::size_t common = CommonLength(NormaliseShown(box), m_strTarget);
    if (common > next) nearest.emplace_back(common, line);
  }
  std::stable_sort(nearest.begin(), nearest.end(),
                   [](const auto& a, const auto& b) { return a.first > b.first; });
  m_nBestNearest = nearest.empty() ? next : nearest.front().first;
  m_result.nearestLines.clear();
  for (std::size_t i = 0; i < nearest.size() && i < static_cast<std::size_t>(m_options.nShownLines);
       ++i)
    m_result.nearestLines.push_back(Cp949ToUtf8(Dlg().LineText(nearest[i].second)));
}

// Where the sentence's next word begins: a blank alone is no progress.
std::size_t CComposer::CSearch::NextWordAt(std::size_t reach) const {
  return std::min(m_strTarget.find_first_not_of(' ', reach), m_strTarget.size());
}

void CComposer::CSearch::DiagnoseBreak() {
  const std::size_t next = NextWordAt(*m_nBest);
  using Found = std::pair<std::size_t, const DictionaryPhrase*>;  // bytes of the sentence, phrase
  std::vector<Found> goOn, near;
  for (const DictionaryPhrase& phrase : m_composer.Phrases()) {
    if (m_bestOffered.count(phrase.strKey + kFieldEnd + phrase.strPhrase)) continue;
    const std::string box = Predict(m_strBestShown, phrase.strPhrase);
    const std::optional<std::size_t> fit = Fits(box);
    if (fit && *fit > next && EndsWord(box, *fit)) {
      goOn.emplace_back(*fit, &phrase);
    } else {
      // Only those that come nearer than the lines offered there.
      const std::size_t common = CommonLength(NormaliseShown(box), m_strTarget);
      if (common > m_nBestNearest) near.emplace_back(common, &phrase);
    }
  }
  const auto furthest = [](const Found& a, const Found& b) { return a.first > b.first; };
  std::vector<Found>& shown = goOn.empty() ? near : goOn;
  std::stable_sort(shown.begin(), shown.end(), furthest);
  std::vector<std::string>& into = goOn.empty() ? m_result.nearestElsewhere : m_result.notOffered;
  for (std::size_t i = 0; i < shown.size() && i < static_cast<std::size_t>(m_options.nShownPhrases);
       ++i)
    into.push_back(Cp949ToUtf8(shown[i].second->strLine));
}

// True when the box, which shows `reach` bytes of the sentence, ends where a word of the
// sentence ends, or where a phrase that attaches to the word before it (a particle slot
// "(...", a "~" ending) can go on with it: 벌 does not end the word of 벌레를, 저 does
// end 저는 (the slot (은(는)) follows).
bool CComposer::CSearch::EndsWord(const std::string& box, std::size_t reach) {
  if (reach == 0 || reach >= m_strTarget.size() || m_strTarget[reach] == ' ') return true;
  for (const DictionaryPhrase& phrase : m_composer.Phrases()) {
    const char lead = phrase.strPhrase.empty() ? '\0' : phrase.strPhrase[0];
    if (lead != kParticleSlotLead && lead != kAttachLead) continue;
    const std::optional<std::size_t> fit = Fits(Predict(box, phrase.strPhrase));
    if (fit && *fit > reach) return true;
  }
  return false;
}

std::vector<std::string> CComposer::CSearch::DescribePath() const {
  std::vector<std::string> actions;
  for (const ComposeAction& action : m_path) {
    if (action.bTyped)
      actions.push_back("type \"" +
                        Cp949ToUtf8(action.strTyped.substr(FirstCharLength(action.strTyped))) +
                        "\" on \"" + Cp949ToUtf8(action.strLine) + "\"");
    else
      actions.push_back("pick \"" + Cp949ToUtf8(action.strLine) + "\"");
  }
  return actions;
}

CComposer::CComposer(bool koreanSource, const ComposeOptions& options)
    : m_bKoreanSource(koreanSource),
      m_options(options),
      m_pDlg(std::make_unique<CComposerDialog>(koreanSource)),
      m_strFirstState(m_pDlg->State()),
      m_pCorrector(std::make_unique<CParticleCorrector>()) {}

CComposer::~CComposer() = default;

const std::string& CComposer::Corrected(const std::string& text) {
  auto [it, added] = m_corrected.try_emplace(text, text);
  if (added) m_pCorrector->Correct(it->second);
  return it->second;
}

const std::vector<DictionaryPhrase>& CComposer::Phrases() {
  if (!m_phrases) m_phrases = ReadDictionaryPhrases(m_bKoreanSource);
  return *m_phrases;
}

void CComposer::BackToFirstList() {
  if (m_pDlg->State() == m_strFirstState) return;
  m_pDlg->Restart();
  if (m_pDlg->State() == m_strFirstState) return;
  m_pDlg = std::make_unique<CComposerDialog>(m_bKoreanSource);
}

ComposeResult CComposer::Compose(const std::string& utf8Sentence) {
  ComposeResult result;
  std::string target;
  std::size_t bad = 0;
  if (!TryUtf8ToCp949(utf8Sentence, &target, &bad)) {
    result.strProblem = "the sentence holds a character that the program cannot show (at byte " +
                        std::to_string(bad) + ")";
    return result;
  }
  BackToFirstList();
  CSearch(*this, NormaliseShown(target), result).Run();
  return result;
}
