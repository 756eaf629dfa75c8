#include "tools/lint/Composer.h"

#include <algorithm>
#include <optional>
#include <set>

#include "base/Cp949.h"
#include "dict/KeyVocabulary.h"
#include "tools/lint/BreakPoint.h"
#include "tools/lint/ComposerDialog.h"
#include "tools/lint/ShownText.h"
#include "tools/lint/TargetFit.h"

namespace {

constexpr char kSeparator = ';';    // between a line's phrase, translation and note
constexpr char kFieldEnd = '\x01';  // between the parts of a step's identity

// The translation of a lexicon line (its second field).
std::string LineTranslation(const std::string& text) {
  const std::size_t semicolon = text.find(kSeparator);
  if (semicolon == std::string::npos) return {};
  const std::size_t next = text.find(kSeparator, semicolon + 1);
  return text.substr(semicolon + 1,
                     next == std::string::npos ? std::string::npos : next - semicolon - 1);
}

// The words to try typing: `word`, and for the sentence's first word also with a small
// first letter (the program gives it the capital).
std::vector<std::string> Typings(std::string word, bool firstWord) {
  std::vector<std::string> typings = {word};
  if (firstWord && word[0] >= 'A' && word[0] <= 'Z') {
    word[0] = static_cast<char>(word[0] - 'A' + 'a');
    typings.push_back(word);
  }
  return typings;
}

// The free-slot words that are particle pairs ("(이(가))").
std::vector<std::string> ParticlePhrases(const std::vector<DictionaryPhrase>& phrases) {
  std::vector<std::string> particles;
  for (const DictionaryPhrase& phrase : phrases)
    if (phrase.strKey == "-" && phrase.strPhrase.starts_with("(")) particles.push_back(phrase.strPhrase);
  return particles;
}

}  // namespace

class CComposer::CSearch {
 public:
  CSearch(CComposer& composer, const std::string& sentence, ComposeResult& result)
      : m_composer(composer),
        m_fit(sentence, composer.m_bKoreanSource, *composer.m_pCorrections,
              ParticlePhrases(composer.m_phrases)),
        m_break(m_fit, composer.m_phrases, composer.m_options),
        m_options(composer.m_options),
        m_result(result) {}

  void Run() {
    Explore(0);
    if (!m_result.bComposed && !m_bBroken) m_break.Explain(m_result);
  }

 private:
  struct Candidate {
    ComposeAction action;
    std::size_t nReach;  // bytes of the sentence the box would show after it
  };

  CComposer& m_composer;
  CTargetFit m_fit;
  CBreakPoint m_break;
  const ComposeOptions& m_options;
  ComposeResult& m_result;
  std::vector<ComposeAction> m_path;
  std::set<std::string> m_translations;  // normalised, of the readings found
  bool m_bBroken = false;                // a replay went otherwise: the search stops

  CComposerDialog& Dlg() { return *m_composer.m_pDlg; }
  void Explore(int depth);
  std::vector<Candidate> Candidates(std::size_t reach);
  void AddTypedWords(const std::vector<int>& slotLines, std::size_t reach,
                     std::set<std::string>& steps, std::vector<Candidate>& picks);
  bool Stopped() const { return m_result.bBoundHit || m_bBroken; }
  void Restore(const std::string& state);
  void AddReading();
  std::vector<std::string> DescribePath() const;
};

void CComposer::CSearch::Explore(int depth) {
  const std::string shown = Dlg().Sentence();
  const std::optional<std::size_t> reach = m_fit.Fits(shown);
  if (!reach) return;
  const bool finished = Dlg().Finished();
  // A dead end (an unfinished sentence with an empty list, as after a typed word that no
  // pattern knows) tells the author nothing: the list before it does. Nor does a box
  // that stops inside a word ("The" of "There").
  if (m_break.IsFurther(*reach) && (finished || Dlg().LineCount() > 0) &&
      m_break.EndsWord(shown, *reach))
    m_break.Note(Dlg(), *reach, DescribePath(), m_result);
  if (finished && NormaliseShown(shown) == m_fit.Target()) AddReading();
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

// The lines whose phrase keeps the box a beginning of the sentence, the ones that go
// furthest first (each step once: lines with the same key, phrase and translation are
// the same step), then the sentence's next words typed on the free-slot lines.
std::vector<CComposer::CSearch::Candidate> CComposer::CSearch::Candidates(std::size_t reach) {
  const std::string shown = Dlg().Sentence();
  std::set<std::string> steps;  // key, phrase and translation of each step tried
  std::vector<Candidate> picks;
  std::vector<int> slotLines;  // the first free-slot line of each marker
  const int count = Dlg().LineCount();
  for (int line = 0; line < count; ++line) {
    const std::string text = Dlg().LineText(line);
    const std::string& key = Dlg().LineKey(line);
    if (IsFreeInputKey(key)) {
      const bool known = std::any_of(slotLines.begin(), slotLines.end(),
                                     [&](int other) { return Dlg().LineKey(other) == key; });
      if (!known) slotLines.push_back(line);
    } else if (text.find(kSeparator) == std::string::npos) {
      continue;  // the dialog refuses a lexicon line without ";"
    }
    const std::string phrase = LinePhrase(text, key);
    const std::string translation = IsFreeInputKey(key) ? std::string() : LineTranslation(text);
    if (!steps.insert(key + kFieldEnd + phrase + kFieldEnd + translation).second) continue;
    const std::optional<std::size_t> fit = m_fit.Fits(m_fit.Predict(shown, phrase));
    if (fit) picks.push_back({{line, text, false, {}}, *fit});
  }
  std::stable_sort(picks.begin(), picks.end(),
                   [](const Candidate& a, const Candidate& b) { return a.nReach > b.nReach; });
  AddTypedWords(slotLines, reach, steps, picks);
  return picks;
}

// The sentence's next one, two, ... words typed on one free-slot line of each marker.
void CComposer::CSearch::AddTypedWords(const std::vector<int>& slotLines, std::size_t reach,
                                       std::set<std::string>& steps,
                                       std::vector<Candidate>& picks) {
  const std::string shown = Dlg().Sentence();
  const std::string rest = m_fit.Target().substr(reach);
  for (int line : slotLines) {
    const std::string text = Dlg().LineText(line);
    const std::string& key = Dlg().LineKey(line);
    std::string previous;
    for (int words = 1; words <= m_options.nMaxTypedWords; ++words) {
      const std::string word = FirstWords(rest, words);
      if (word.empty() || word == previous) break;
      previous = word;
      for (const std::string& typed : Typings(word, reach == 0)) {
        if (!steps.insert(key + kFieldEnd + typed + kFieldEnd).second) continue;
        const std::optional<std::size_t> fit = m_fit.Fits(m_fit.Predict(shown, typed));
        if (fit)
          picks.push_back({{line, text, true, text.substr(0, MarkerLength(text)) + typed}, *fit});
      }
    }
  }
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

std::vector<std::string> CComposer::CSearch::DescribePath() const {
  std::vector<std::string> actions;
  for (const ComposeAction& action : m_path) {
    if (action.bTyped)
      actions.push_back("type \"" +
                        Cp949ToUtf8(action.strTyped.substr(MarkerLength(action.strTyped))) +
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
      m_pCorrections(std::make_unique<CCorrections>()),
      m_phrases(ReadDictionaryPhrases(koreanSource)) {}

CComposer::~CComposer() = default;

void CComposer::BackToFirstList() {
  if (m_pDlg->State() == m_strFirstState) return;
  m_pDlg->Restart();
  if (m_pDlg->State() == m_strFirstState) return;
  m_pDlg = std::make_unique<CComposerDialog>(m_bKoreanSource);
}

ComposeResult CComposer::Compose(const std::string& utf8Sentence) {
  ComposeResult result;
  std::string sentence;
  std::size_t bad = 0;
  if (!TryUtf8ToCp949(utf8Sentence, &sentence, &bad)) {
    result.strProblem = "the sentence holds a character that the program cannot show (at byte " +
                        std::to_string(bad) + ")";
    return result;
  }
  BackToFirstList();
  CSearch(*this, sentence, result).Run();
  return result;
}
