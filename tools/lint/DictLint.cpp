#include "tools/lint/DictLint.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <memory>
#include <random>
#include <set>
#include <string_view>
#include <tuple>
#include <unordered_map>
#include <unordered_set>

#include "app/InterpreterDlg.h"
#include "app/MemoryHost.h"
#include "base/Cp949.h"
#include "dict/Capacities.h"
#include "dict/DictionaryFiles.h"
#include "dict/KeyVocabulary.h"
#include "dict/RecordLayout.h"
#include "dict/Records.h"
#include "res/DialogTemplate.h"
#include "tools/lint/LintText.h"

namespace {

const char* DirectionName(bool koreanSource) { return koreanSource ? "Korean->English" : "English->Korean"; }

// The records of a dictionary file, each `size` bytes (a short tail is ignored).
std::vector<std::string> ReadRecords(const char* file, std::size_t size) {
  std::ifstream in(file, std::ios::binary);
  std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  std::vector<std::string> records;
  for (std::size_t at = 0; at + size <= bytes.size(); at += size) records.push_back(bytes.substr(at, size));
  return records;
}

const unsigned char* Bytes(const std::string& record) { return reinterpret_cast<const unsigned char*>(record.data()); }

// Field `n` (0-based) of a ";"-separated text.
std::string FieldOf(const std::string& text, int n) {
  std::size_t start = 0;
  for (int i = 0; i < n; ++i) {
    start = text.find(';', start);
    if (start == std::string::npos) return {};
    ++start;
  }
  std::size_t end = text.find(';', start);
  return text.substr(start, end == std::string::npos ? std::string::npos : end - start);
}

// Items of a comma list that begin with "-" (free slots), without the "-".
void AddFreeSlotWords(const std::string& list, CParticleCheck& check) {
  std::size_t start = 0;
  while (start <= list.size()) {
    std::size_t end = list.find(',', start);
    std::string item = list.substr(start, end == std::string::npos ? std::string::npos : end - start);
    if (item.size() > 1 && IsFreeSlotItem(item)) check.AddKnownText(Cp949ToUtf8(item.substr(1)));
    if (end == std::string::npos) break;
    start = end + 1;
  }
}

// The findings of a run, one entry per distinct message and direction.
class CFindings {
 public:
  explicit CFindings(std::vector<LintFinding>& findings) : m_findings(findings) {}
  void Add(LintCheck check, bool koreanSource, const std::string& message, const std::string& example) {
    auto [it, added] = m_index.try_emplace({static_cast<int>(check), koreanSource, message}, m_findings.size());
    if (added)
      m_findings.push_back({check, koreanSource, message, example, 1});
    else
      ++m_findings[it->second].nCount;
  }

 private:
  std::vector<LintFinding>& m_findings;
  std::map<std::tuple<int, bool, std::string>, std::size_t> m_index;
};

// One direction of the check, on its own dialog.
class CDirectionLint {
 public:
  CDirectionLint(bool koreanSource, const LintOptions& options, CFindings& findings, DirectionSummary& summary)
      : m_bKoreanSource(koreanSource), m_options(options), m_findings(findings), m_summary(summary) {}

  void Run();

 private:
  // The lines of the list grouped by what the user picks: a lexicon key, or one
  // free-slot line (its marker and text).
  struct ListGroups {
    int nLines = 0;
    std::string strFirstText;
    int nLexiconRuns = 0;
    std::vector<std::string> names;       // the key, or marker + "\x01" + text
    std::vector<bool> freeSlot;           // the group is a free-slot line
    std::vector<std::vector<int>> lines;  // line indexes of each group
  };
  enum class Outcome { NotTaken, Partial, Complete };

  bool m_bKoreanSource;
  const LintOptions& m_options;
  CFindings& m_findings;
  DirectionSummary& m_summary;

  std::unique_ptr<CInterpreterDlg> m_pDlg = std::make_unique<CInterpreterDlg>();
  CMemoryHost m_host;

  std::vector<PatternRecord> m_patterns;
  std::set<std::string> m_completed;  // key lists (",a,b,") of completed patterns
  std::unordered_set<std::string> m_visited;
  // Per regrouped key list (a state without its last group): the lines tried from it,
  // each marked true when its step joined the steps before it into a phrase.
  std::unordered_map<std::string, std::unordered_map<std::string, bool>> m_tried;
  std::unordered_set<std::string> m_reached;       // working key lists of every state seen
  std::unordered_set<std::string> m_linesChecked;  // lexicon keys whose lines were checked
  CParticleCheck m_particles;
  std::vector<SentencePair> m_walkPairs;  // distinct pairs finished by the walks, in order
  std::set<std::pair<std::string, std::string>> m_walkPairSet;

  void LoadDictionaries();
  ListGroups GroupList() const;
  Outcome Confirm(int line);
  void StepBack();
  void TakeMessages(const std::string& action);

  std::string StateKey(bool withGroup = true) const;
  std::string WorkingKeyList() const;  // code page 949, ",a,b,"
  std::string Steps() const;           // UTF-8, for messages
  std::string ListName() const;        // UTF-8, for messages

  void CheckList(const ListGroups& groups);
  SentencePair CheckFinished();
  void Explore(int depth, bool complete);
  void Walk(std::mt19937& random);
  std::string HowFar(const std::string& keyList) const;
  void ReportPatterns();
  void ChooseSamples();
};

void CDirectionLint::LoadDictionaries() {
  const char* main = FilesFor(m_bKoreanSource).szLexicon;
  const char* gu = FilesFor(m_bKoreanSource).szRules;
  const char* change = FilesFor(m_bKoreanSource).szPatterns;
  for (const std::string& record : ReadRecords(change, kPatternRecordSize))
    m_patterns.push_back(DecodePattern(Bytes(record)));

  // The Korean words the dictionaries hold: composed phrases and typed slots from
  // Korean, translations and templates into Korean.
  for (const std::string& record : ReadRecords(main, kLexiconRecordSize)) {
    LexiconRecord lexicon = DecodeLexicon(Bytes(record));
    m_particles.AddKnownText(Cp949ToUtf8(m_bKoreanSource ? lexicon.strPhrase : lexicon.strTranslation));
  }
  for (const std::string& record : ReadRecords(gu, kRuleRecordSize)) {
    std::string text = DecodeRule(Bytes(record)).strText;
    if (m_bKoreanSource)
      AddFreeSlotWords(FieldOf(text, 0), m_particles);
    else
      m_particles.AddKnownText(Cp949ToUtf8(FieldOf(text, 1)));
  }
  for (const PatternRecord& pattern : m_patterns) {
    if (m_bKoreanSource)
      AddFreeSlotWords(pattern.strKeyList, m_particles);
    else
      m_particles.AddKnownText(Cp949ToUtf8(pattern.strTemplate));
  }
}

CDirectionLint::ListGroups CDirectionLint::GroupList() const {
  const CMemoryList* list = m_host.ListState(IDC_CANDIDATES);
  ListGroups groups;
  groups.nLines = list->GetCount();
  if (groups.nLines > 0) groups.strFirstText = list->GetText(0);
  std::unordered_map<std::string_view, std::size_t> lexicon;
  std::unordered_map<std::string, std::size_t> slots;
  const int count = std::min(groups.nLines, kMaxListLines);
  for (int i = 0; i < count; ++i) {
    const std::string& key = m_pDlg->m_candidates.m_strListKeys[i];
    const bool slot = IsFreeInputKey(key);
    std::size_t at = groups.names.size();
    bool added;
    if (slot) {
      auto [it, inserted] = slots.try_emplace(key + "\x01" + list->GetText(i), at);
      added = inserted;
      at = it->second;
      if (added) groups.names.push_back(it->first);
    } else {
      auto [it, inserted] = lexicon.try_emplace(key, at);
      added = inserted;
      at = it->second;
      if (added) groups.names.push_back(key);
    }
    if (added) {
      groups.freeSlot.push_back(slot);
      groups.lines.emplace_back();
      if (!slot) ++groups.nLexiconRuns;
    }
    groups.lines[at].push_back(i);
  }
  return groups;
}

void CDirectionLint::TakeMessages(const std::string& action) {
  for (const std::string& message : m_host.TakeMessages())
    m_findings.Add(LintCheck::Program, m_bKoreanSource,
                   "the program showed the message box \"" + Cp949ToUtf8(message) + "\" " + action, Steps());
}

CDirectionLint::Outcome CDirectionLint::Confirm(int line) {
  const int before = m_pDlg->m_nSteps;
  m_host.Select(line);
  m_host.Click(IDC_CONFIRM);
  TakeMessages("on confirming a line");
  if (m_pDlg->m_nSteps != before + 1) return Outcome::NotTaken;
  m_reached.insert(WorkingKeyList());
  return m_host.ButtonState(IDC_ADD_SENTENCE)->IsEnabled() ? Outcome::Complete : Outcome::Partial;
}

void CDirectionLint::StepBack() {
  m_host.Click(IDC_STEP_BACK);
  TakeMessages("on stepping back");
}

// What the next list depends on: the keys of the regrouped working steps (a free-slot
// step with its typed word) and the keys that the last collapsed step stands for (the
// group continuation reads them). Compositions with the same state see the same lists.
std::string CDirectionLint::StateKey(bool withGroup) const {
  const CSentenceBuilder& b = m_pDlg->m_builder;
  const int last = std::min(b.m_nLast, kMaxSteps - 1);
  std::string key;
  int lastCollapsed = -1;
  for (int i = 0; i <= last; ++i) {
    const StepRecord& s = b.m_work[i];
    key += IsFreeInputKey(s.strKey) ? s.strKey + "\x01" + s.strPhrase : s.strKey;
    key += '\x02';
    if (IsResultKey(s.strKey)) lastCollapsed = i;
  }
  if (withGroup && lastCollapsed >= 0) key += b.m_work[lastCollapsed].strGroup;
  return key;
}

std::string CDirectionLint::WorkingKeyList() const {
  const CSentenceBuilder& b = m_pDlg->m_builder;
  std::string list = ",";
  for (int i = 0; i <= b.m_nLast && i < kMaxSteps; ++i) {
    const StepRecord& s = b.m_work[i];
    list += (IsFreeInputKey(s.strKey) ? "-" + s.strPhrase : s.strKey) + ",";
  }
  return list;
}

std::string CDirectionLint::Steps() const {
  const int steps = m_pDlg->m_nSteps;
  if (steps <= 0) return "at the first list";
  std::string text = "after";
  for (int i = 0; i < steps && i < kMaxSteps; ++i) {
    const StepRecord& s = m_pDlg->m_builder.m_steps[i];
    text += (i ? " + " : " ") + Cp949ToUtf8(IsFreeInputKey(s.strKey) ? "-" + s.strPhrase : s.strPhrase) + " [" +
            Cp949ToUtf8(s.strKey) + "]";
  }
  return text;
}

std::string CDirectionLint::ListName() const {
  if (m_pDlg->m_nSteps <= 0) return "the first list";
  return "the list after the regrouped keys " + Cp949ToUtf8(WorkingKeyList());
}

void CDirectionLint::CheckList(const ListGroups& groups) {
  const CMemoryList* list = m_host.ListState(IDC_CANDIDATES);
  for (std::size_t g = 0; g < groups.names.size(); ++g) {
    if (groups.freeSlot[g] || !m_linesChecked.insert(groups.names[g]).second) continue;
    // Every line of a key, once: "@" in a translation would be expanded again by the
    // template filling.
    for (int i : groups.lines[g]) {
      const std::string text = list->GetText(i);
      if (FieldOf(text, 1).find('@') != std::string::npos)
        m_findings.Add(LintCheck::Leftover, m_bKoreanSource,
                       "the lexicon line \"" + Cp949ToUtf8(text) + "\" (key " + Cp949ToUtf8(groups.names[g]) +
                           ") holds \"@\" in its translation",
                       Steps());
    }
  }
  // The runs offered, before the fill stops at the line capacity.
  long offered = m_pDlg->m_candidates.m_nCandCodes + 1;
  for (int j = 1; j <= m_pDlg->m_candidates.m_nCandWork && j < kRunTableSize; ++j)
    offered += m_pDlg->m_candidates.m_candWork[j].nLast - m_pDlg->m_candidates.m_candWork[j].nFirst + 1;
  if (groups.nLines == 0) offered = 0;  // nothing offered: the tables keep stale values
  const int runs = std::max(groups.nLexiconRuns, groups.nLines == 0 ? 0 : m_pDlg->m_candidates.m_nCandWork);
  m_summary.nMaxRuns = std::max(m_summary.nMaxRuns, runs);
  m_summary.nMaxLines = std::max(m_summary.nMaxLines, static_cast<int>(std::max<long>(offered, groups.nLines)));
  if (runs >= kMaxLexiconRuns)
    m_findings.Add(LintCheck::ListSize, m_bKoreanSource,
                   ListName() + " offers " + std::to_string(runs) + " lexicon runs, the most the program merges (" +
                       std::to_string(kMaxLexiconRuns) + "): any further key is dropped without notice",
                   Steps());
  const long lines = std::max<long>(offered, groups.nLines);
  if (lines > kMaxListLines)
    m_findings.Add(LintCheck::ListSize, m_bKoreanSource,
                   ListName() + " offers " + std::to_string(offered) + " lines; the program shows only the first " +
                       std::to_string(kMaxListLines),
                   Steps());
  else if (lines > m_options.nMaxBrowsableLines)
    m_findings.Add(LintCheck::ListSize, m_bKoreanSource,
                   ListName() + " offers " + std::to_string(lines) + " lines, more than a learner can browse (" +
                       std::to_string(m_options.nMaxBrowsableLines) + ")",
                   Steps());
  if (groups.nLines > 0 && m_pDlg->m_candidates.m_nCandCodes + 1 >= kMaxTableEntries)
    m_findings.Add(LintCheck::ListSize, m_bKoreanSource,
                   ListName() + " offers " + std::to_string(kMaxTableEntries) +
                       " free-slot lines, the most the program keeps: any further slot is dropped",
                   Steps());
}

SentencePair CDirectionLint::CheckFinished() {
  SentencePair pair{Cp949ToUtf8(m_host.EditState(IDC_SENTENCE)->GetText()),
                    Cp949ToUtf8(m_host.EditState(IDC_TRANSLATION)->GetText())};
  const std::string keyList = WorkingKeyList();
  m_completed.insert(keyList);
  const std::string pattern = "sentence pattern " + Cp949ToUtf8(keyList);
  const std::string example = Steps() + " => \"" + pair.strSentence + "\" / \"" + pair.strTranslation + "\"";
  for (int which = 0; which < 2; ++which) {
    const std::string& text = which == 0 ? pair.strSentence : pair.strTranslation;
    const char* name = which == 0 ? "the finished sentence" : "the translation";
    for (const std::string& what : FindLeftovers(text))
      m_findings.Add(LintCheck::Leftover, m_bKoreanSource, std::string(name) + " of " + pattern + " holds " + what,
                     example);
  }
  const std::string& korean = m_bKoreanSource ? pair.strSentence : pair.strTranslation;
  for (const std::string& problem : m_particles.Check(korean, &m_summary.nParticles))
    m_findings.Add(LintCheck::Particle, m_bKoreanSource, problem, example);
  return pair;
}

void CDirectionLint::Explore(int depth, bool complete) {
  const ListGroups groups = GroupList();
  CheckList(groups);
  if (groups.nLines == 0) {
    if (!complete)
      m_findings.Add(LintCheck::DeadEnd, m_bKoreanSource, ListName() + " is empty, yet the sentence is not finished",
                     Steps());
    return;
  }
  if (depth >= m_options.nMaxSteps) return;

  // One line per lexicon key, every free-slot line as it stands. A state that differs
  // from one explored before only in the keys of its last collapsed step (its group)
  // leads mostly to the same states: there only the lines that may join that group
  // are tried again (free slots offered by a rule, and lines whose step joined the steps
  // before it in the earlier state), besides the lines not tried before.
  const std::string keyList = m_pDlg->m_nSteps > 0 ? StateKey(false) : std::string();
  std::unordered_map<std::string, bool>& tried = m_tried[keyList];
  std::vector<std::size_t> tries;
  for (std::size_t g = 0; g < groups.names.size(); ++g) {
    auto before = tried.find(groups.names[g]);
    if (m_options.bThorough || before == tried.end() || before->second || groups.names[g].rfind("mz\x01", 0) == 0)
      tries.push_back(g);
  }

  for (std::size_t g : tries) {
    const std::string& what = groups.names[g];
    const int line = groups.lines[g].front();
    const Outcome outcome = Confirm(line);
    if (outcome == Outcome::NotTaken) continue;
    ++m_summary.nTries;
    const std::string child = StateKey(false);
    bool& joined = tried[what];
    joined = joined || child.compare(0, keyList.size(), keyList) != 0;
    if (outcome == Outcome::Complete) CheckFinished();
    if (m_visited.insert(StateKey()).second) {
      ++m_summary.nStates;
      Explore(depth + 1, outcome == Outcome::Complete);
    }
    StepBack();
    const CMemoryList* list = m_host.ListState(IDC_CANDIDATES);
    if (list->GetCount() != groups.nLines || list->GetText(0) != groups.strFirstText)
      m_findings.Add(LintCheck::Program, m_bKoreanSource,
                     "stepping back did not bring back " + ListName() + " (" + std::to_string(groups.nLines) +
                         " lines before, " + std::to_string(list->GetCount()) + " after)",
                     Steps());
  }
}

void CDirectionLint::Walk(std::mt19937& random) {
  m_host.Click(IDC_RESTART);
  TakeMessages("on restarting");
  bool complete = false;
  for (int step = 0; step < m_options.nMaxSteps; ++step) {
    const ListGroups groups = GroupList();
    CheckList(groups);
    if (groups.nLines == 0) {
      if (!complete)
        m_findings.Add(LintCheck::DeadEnd, m_bKoreanSource, ListName() + " is empty, yet the sentence is not finished",
                       Steps());
      return;
    }
    // A finished sentence ends the walk seven times out of ten.
    if (complete && random() % 10 < 7) return;

    // A key (or free slot) at random, then one of its lines at random.
    const std::vector<int>& group = groups.lines[random() % groups.lines.size()];
    const Outcome outcome = Confirm(group[random() % group.size()]);
    if (outcome == Outcome::NotTaken) return;
    ++m_summary.nWalkSteps;
    complete = outcome == Outcome::Complete;
    if (complete) {
      ++m_summary.nFinished;
      SentencePair pair = CheckFinished();
      if (m_walkPairSet.insert({pair.strSentence, pair.strTranslation}).second) m_walkPairs.push_back(pair);
    }
  }
}

// How far the compositions got towards a pattern: the longest beginning of its key list
// that some state reached, and the item that never followed.
std::string CDirectionLint::HowFar(const std::string& keyList) const {
  std::vector<std::string> items;
  std::size_t start = 1;  // after the leading ","
  for (std::size_t comma = keyList.find(',', start); comma != std::string::npos; comma = keyList.find(',', start)) {
    items.push_back(keyList.substr(start, comma - start));
    start = comma + 1;
  }
  std::string prefix = ",";
  std::string longest;
  std::size_t reached = 0;
  for (std::size_t n = 0; n + 1 < items.size(); ++n) {
    prefix += items[n] + ",";
    if (m_reached.count(prefix)) {
      longest = prefix;
      reached = n + 1;
    }
  }
  if (items.empty()) return "it holds no key";
  if (reached == 0) return "no composition begins with its first item " + Cp949ToUtf8(items[0]);
  return "compositions reach " + Cp949ToUtf8(longest) + " but never go on with " + Cp949ToUtf8(items[reached]);
}

void CDirectionLint::ReportPatterns() {
  const char* file = FilesFor(m_bKoreanSource).szPatterns;
  std::map<std::string, std::size_t> first;
  for (std::size_t r = 0; r < m_patterns.size(); ++r) {
    const PatternRecord& p = m_patterns[r];
    const std::string name = "sentence pattern " + Cp949ToUtf8(p.strKeyList) + " | " + Cp949ToUtf8(p.strTemplate) +
                             " (" + file + " record " + std::to_string(r) + ")";
    auto [it, added] = first.try_emplace(p.strKeyList, r);
    if (!added) {
      m_findings.Add(LintCheck::Unreachable, m_bKoreanSource,
                     name + " repeats the key list of record " + std::to_string(it->second) +
                         ": only one of the two can ever be found",
                     "");
    } else if (m_completed.count(p.strKeyList)) {
      ++m_summary.nCovered;
    } else {
      m_findings.Add(LintCheck::Unreachable, m_bKoreanSource, name + " is never completed: " + HowFar(p.strKeyList),
                     "");
    }
  }
  m_summary.nPatterns = static_cast<int>(m_patterns.size());
}

void CDirectionLint::ChooseSamples() {
  const std::size_t want = static_cast<std::size_t>(std::max(0, m_options.nSamples));
  const std::size_t have = m_walkPairs.size();
  if (have <= want) {
    m_summary.samples = m_walkPairs;
    return;
  }
  for (std::size_t i = 0; i < want; ++i) m_summary.samples.push_back(m_walkPairs[i * have / want]);
}

void CDirectionLint::Run() {
  const auto start = std::chrono::steady_clock::now();
  m_summary.bChecked = true;
  LoadDictionaries();
  m_host.Open(*m_pDlg);
  m_host.Click(m_bKoreanSource ? IDC_DIR_KOREAN : IDC_DIR_ENGLISH);
  TakeMessages("at the start");

  Explore(0, false);
  m_summary.dExploreSeconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();

  std::mt19937 random(m_options.nSeed + (m_bKoreanSource ? 0u : 1u));
  for (int w = 0; w < m_options.nWalks; ++w) {
    Walk(random);
    ++m_summary.nWalks;
  }

  ReportPatterns();
  ChooseSamples();
  m_summary.dSeconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

const char* CheckName(LintCheck check) {
  switch (check) {
    case LintCheck::Unreachable:
      return "unreachable";
    case LintCheck::Leftover:
      return "leftover";
    case LintCheck::Particle:
      return "particle";
    case LintCheck::ListSize:
      return "list size";
    case LintCheck::Program:
      return "program";
    case LintCheck::DeadEnd:
      return "dead end";
  }
  return "?";
}

void PrintSummary(const DirectionSummary& s, bool koreanSource, std::ostream& out) {
  if (!s.bChecked) return;
  char seconds[64];
  std::snprintf(seconds, sizeof seconds, "%.1f s (exploration %.1f s)", s.dSeconds, s.dExploreSeconds);
  out << DirectionName(koreanSource) << ": " << s.nCovered << "/" << s.nPatterns
      << " sentence patterns completed; exploration: " << s.nStates << " states, " << s.nTries
      << " steps; walks: " << s.nWalks << " (" << s.nWalkSteps << " steps, " << s.nFinished
      << " sentences finished); largest list: " << s.nMaxRuns << " lexicon runs, " << s.nMaxLines << " lines; "
      << s.nParticles << " particles checked; " << seconds << "\n";
  if (!s.samples.empty()) out << "  sample sentences:\n";
  for (const SentencePair& pair : s.samples)
    out << "    " << pair.strSentence << "\n      => " << pair.strTranslation << "\n";
}

}  // namespace

bool LintResult::Failed() const {
  for (const LintFinding& f : findings)
    if (f.eCheck != LintCheck::DeadEnd) return true;
  return false;
}

std::vector<LintFinding> LintResult::Of(LintCheck check) const {
  std::vector<LintFinding> of;
  for (const LintFinding& f : findings)
    if (f.eCheck == check) of.push_back(f);
  return of;
}

LintResult RunLint(const LintOptions& options) {
  LintResult result;
  CFindings findings(result.findings);
  if (options.bKoreanSource) CDirectionLint(true, options, findings, result.korean).Run();
  if (options.bEnglishSource) CDirectionLint(false, options, findings, result.english).Run();
  return result;
}

void PrintLintReport(const LintResult& result, std::ostream& out) {
  PrintSummary(result.korean, true, out);
  PrintSummary(result.english, false, out);
  int errors = 0;
  int warnings = 0;
  for (const LintFinding& f : result.findings) {
    const bool warning = f.eCheck == LintCheck::DeadEnd;
    (warning ? warnings : errors)++;
    out << (warning ? "warning" : "error") << ": " << DirectionName(f.bKoreanSource) << ": " << CheckName(f.eCheck)
        << ": " << f.strMessage;
    if (f.nCount > 1) out << " (seen " << f.nCount << " times)";
    out << "\n";
    if (!f.strExample.empty()) out << "    first seen " << f.strExample << "\n";
  }
  out << (errors ? "FAILED" : "OK") << ": " << errors << " error(s), " << warnings << " warning(s)\n";
}

std::vector<std::string> MissingDictionaries(const std::string& dir) {
  std::vector<std::string> missing;
  for (const char* name : kAllDictionaryFiles)
    if (!std::filesystem::is_regular_file(std::filesystem::path(dir) / name)) missing.push_back(name);
  return missing;
}
