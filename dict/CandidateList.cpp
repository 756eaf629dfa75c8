// Which candidates the next step may take: the next items of the sentence patterns
// that begin with the composed keys, the keys that continue an unfinished phrase rule,
// and the first keys of the rules that produce an offered result key. The keys are
// collected in one comma list and then handed to the fill as lexicon runs and
// free-slot lines.
#include "app/InterpreterDlg.h"
#include "dict/DexFile.h"
#include "dict/Fields.h"
#include "dict/RecordLayout.h"
#include "engine/CommaList.h"
#include "engine/SlotItem.h"

#include <cstring>
#include <string_view>

namespace {

const char* const kPatternMarker = "zz";  // free slot offered by a sentence pattern
const char* const kRuleMarker = "mz";     // free slot offered by a phrase rule

bool StartsWithZ(const std::string& key) { return !key.empty() && key[0] == 'z'; }
bool IsFreeSlot(const std::string& item) { return !item.empty() && item[0] == '-'; }

// The ways a run of working steps is written as a comma list.
enum class ChainKind { Pattern, Tail, Head, GroupTail };

std::string JoinChain(const StepRecord* work, int a, int b, ChainKind kind) {
  std::string chain;
  for (int i = a; i <= b; ++i) {
    const StepRecord& step = work[i];
    const std::string& key = step.strKey;
    if (key == "zz") {
      chain += FreeSlotItem(step.strPhrase) + ",";
    } else if (key == "mz") {
      chain += kind == ChainKind::Pattern ? std::string("mz,") : FreeSlotItem(step.strPhrase) + ",";
    } else if (StartsWithZ(key) && kind == ChainKind::GroupTail) {
      chain += step.strGroup;  // already ends with ","
    } else {
      chain += key + ",";
    }
  }
  return chain;
}

// Merges the comma list `list` into the accumulator, each item at most once.
void MergeInto(std::string& accumulator, std::string list) {
  if (accumulator.empty()) {
    accumulator = list;
    return;
  }
  for (;;) {
    std::string::size_type comma = list.find(',');
    if (comma == std::string::npos) break;
    std::string item = list.substr(0, comma);
    list.erase(0, comma + 1);
    if (accumulator.find("," + item + ",") == std::string::npos) accumulator += item + ",";
  }
}

// The key list of sentence-pattern record `index` without its leading ",".
std::string PatternKeys(CDexFile& file, int index) {
  unsigned char record[kPatternRecordSize];
  file.ReadRecord(index, kPatternRecordSize, record);
  std::string keys = PlainField(record, kPatKeyListOffset, kPatKeyListWidth);
  if (!keys.empty()) keys.erase(0, 1);
  return keys;
}

int PatternCount(CDexFile& file) { return FileLength(file) / static_cast<int>(kPatternRecordSize); }

}  // namespace

void CInterpreterDlg::AddFreeSlot(const std::string& strItem, const char* szMarker) {
  // A slot that finds the table full is dropped; the first ones found stay.
  if (m_nCandCodes + 1 >= kMaxTableEntries) return;
  ++m_nCandCodes;
  m_candCodes[m_nCandCodes].strCode = strItem;
  m_candCodes[m_nCandCodes].strKey = szMarker;
}

void CInterpreterDlg::OfferPatternItem(const std::string& strItem, std::string& strAccumulator) {
  if (IsFreeSlot(strItem)) {
    AddFreeSlot(strItem, kPatternMarker);
    return;
  }
  const GuKeyEntry* table = m_bKoreanSource ? m_guKor : m_guEng;
  const int last = m_bKoreanSource ? m_nGuKor : m_nGuEng;
  for (int e = 0; e <= last; ++e)
    if (table[e].strResultKey == strItem) MergeInto(strAccumulator, table[e].strFirstKeys);
}

void CInterpreterDlg::ScanPatternStarts(std::string& strAccumulator) {
  CDexFile file(m_bKoreanSource ? kChangeKor : kChangeEng, DexAccess::Pass);
  const int count = PatternCount(file);
  std::string previous;
  unsigned char record[kPatternRecordSize];
  for (int r = 0; r < count; ++r) {
    // The first item is found in the record itself: this pass reads every pattern, so
    // it makes no string of its own per record.
    file.ReadRecord(r, kPatternRecordSize, record);
    const char* field = reinterpret_cast<const char*>(record + kPatKeyListOffset);
    std::string_view keys(field, strnlen(field, kPatKeyListWidth));
    if (!keys.empty()) keys.remove_prefix(1);
    std::string_view::size_type comma = keys.find(',');
    std::string_view first = comma == std::string_view::npos ? std::string_view() : keys.substr(0, comma);
    if (first == previous) continue;
    previous = first;
    OfferPatternItem(previous, strAccumulator);
  }
}

void CInterpreterDlg::ContinuePatterns(int nLastStep, std::string& strAccumulator) {
  const std::string chain = JoinChain(m_builder.m_work, 0, nLastStep, ChainKind::Pattern);
  const int n = CountItems(chain);

  CDexFile file(m_bKoreanSource ? kChangeKor : kChangeEng);
  const int count = PatternCount(file);
  int lo = 0;
  int hi = count - 1;
  int found = -1;
  while (lo <= hi) {
    int mid = (lo + hi) / 2;
    int order = MbsCompare(FirstItems(PatternKeys(file, mid), n), chain);
    if (order > 0) {
      hi = mid - 1;
    } else if (order < 0) {
      lo = mid + 1;
    } else {
      found = mid;
      break;
    }
  }
  if (found < 0) return;

  int start = found;
  while (start > 0 && FirstItems(PatternKeys(file, start - 1), n) == chain) --start;

  std::string previous;
  for (int r = start; r < count; ++r) {
    const std::string keys = PatternKeys(file, r);
    if (FirstItems(keys, n) != chain) break;
    if (CountItems(keys) <= n) continue;
    std::string next = LastItems(FirstItems(keys, n + 1), 1);
    std::string::size_type comma = next.find(',');
    if (comma != std::string::npos) next.erase(comma);
    if (next == previous) continue;
    previous = next;
    OfferPatternItem(next, strAccumulator);
  }
}

void CInterpreterDlg::ContinuePhrase(int nLastStep, std::string& strAccumulator) {
  const StepRecord* work = m_builder.m_work;
  int s = 0;
  for (int k = nLastStep; k >= 0; --k) {
    if (StartsWithZ(work[k].strKey)) {
      s = k + 1;
      break;
    }
  }
  const std::string tail = JoinChain(work, s, nLastStep, ChainKind::Tail);
  const std::string head = JoinChain(work, 0, s - 1, ChainKind::Head);
  MergeInto(strAccumulator, m_builder.GetContinuationKeys(tail, head));
}

void CInterpreterDlg::ContinueGroup(int nLastStep, std::string& strAccumulator) {
  const StepRecord* work = m_builder.m_work;
  int k = nLastStep;
  while (k >= 0 && !StartsWithZ(work[k].strKey)) --k;
  if (k < 0) return;
  const std::string tail = JoinChain(work, k, nLastStep, ChainKind::GroupTail);
  const std::string head = JoinChain(work, 0, k - 1, ChainKind::Head);
  MergeInto(strAccumulator, m_builder.GetContinuationKeys(tail, head));
}

void CInterpreterDlg::DistributeCandidates(std::string strAccumulator) {
  const MainGroup* groups = m_bKoreanSource ? m_mainKor : m_mainEng;
  const int lastGroup = m_bKoreanSource ? m_nMainKor : m_nMainEng;
  int j = 1;
  for (;;) {
    std::string::size_type comma = strAccumulator.find(',');
    if (comma == std::string::npos) break;
    std::string key = strAccumulator.substr(0, comma);
    strAccumulator.erase(0, comma + 1);
    if (IsFreeSlot(key)) {
      AddFreeSlot(key, kRuleMarker);
      continue;
    }
    for (int g = 0; g <= lastGroup; ++g) {
      if (groups[g].strKey != key) continue;
      // Run indexes stop at kMaxLexiconRuns (the next one is the merge's end mark):
      // later runs are dropped, the first ones found stay.
      if (j <= kMaxLexiconRuns) {
        CandRun& run = m_candWork[j];
        run.nFirst = run.nCursor = groups[g].nFirst;
        run.nLast = groups[g].nLast;
        ++j;
      }
      break;
    }
  }
  m_nCandWork = j - 1;
}

void CInterpreterDlg::BuildCandidateList() {
  m_listCandidates.ResetContent();
  std::string accumulator;
  m_nCandCodes = -1;

  if (m_nSteps <= 0) {
    ScanPatternStarts(accumulator);
  } else {
    // The completion check keeps m_nLast within its working records; stay inside them
    // even if it did not.
    int i = m_builder.m_nLast;
    if (i < 0) i = 0;
    if (i >= kMaxSteps) i = kMaxSteps - 1;
    if (StartsWithZ(m_builder.m_work[i].strKey))
      ContinuePatterns(i, accumulator);
    else
      ContinuePhrase(i, accumulator);
    ContinueGroup(i, accumulator);
  }
  DistributeCandidates(accumulator);

  if (m_nCandCodes >= 0 || m_nCandWork > 0) FillCandidateList();
}
