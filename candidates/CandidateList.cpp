// Which candidates the next step may take: the next items of the sentence patterns
// that begin with the composed keys, the keys that continue an unfinished phrase rule,
// and the first keys of the rules that produce an offered result key. The keys are
// collected in one comma list and then handed to the fill as lexicon runs and
// free-slot lines.
#include "candidates/CandidateList.h"
#include "base/Bisect.h"
#include "base/MbsCompare.h"
#include "dict/DexFile.h"
#include "dict/DictionaryFiles.h"
#include "dict/Fields.h"
#include "dict/KeyVocabulary.h"
#include "dict/RecordLayout.h"
#include "engine/CommaList.h"
#include "engine/SentenceBuilder.h"
#include "engine/SlotItem.h"

#include <string_view>

namespace {

// The ways a run of working steps is written as a comma list.
enum class ChainKind { Pattern, Tail, Head, GroupTail };

std::string JoinChain(const StepRecord* work, int a, int b, ChainKind kind) {
  std::string chain;
  for (int i = a; i <= b; ++i) {
    const StepRecord& step = work[i];
    const std::string& key = step.strKey;
    if (key == kPatternSlotKey || (key == kRuleSlotKey && kind != ChainKind::Pattern)) {
      AppendFreeSlotItem(chain, step.strPhrase);
      chain += ',';
    } else if (key == kRuleSlotKey) {
      chain += kRuleSlotKey;
      chain += ',';
    } else if (IsResultKey(key) && kind == ChainKind::GroupTail) {
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

int PatternCount(CDexFile& file) { return RecordCount(file, kPatternRecordSize); }

// The free slots' marker of the lines offered by a sentence pattern and by a rule.
constexpr std::string_view kPatternMarker = kPatternSlotKey;
constexpr std::string_view kRuleMarker = kRuleSlotKey;

}  // namespace

void CCandidateList::AddFreeSlot(const std::string& strItem, std::string_view szMarker) {
  // A slot that finds the table full is dropped; the first ones found stay.
  if (m_nCandCodes + 1 >= kMaxTableEntries) return;
  ++m_nCandCodes;
  m_candCodes[m_nCandCodes].strCode = strItem;
  m_candCodes[m_nCandCodes].strKey = szMarker;
}

void CCandidateList::OfferPatternItem(const std::string& strItem, std::string& strAccumulator) {
  if (IsFreeSlotItem(strItem)) {
    AddFreeSlot(strItem, kPatternMarker);
    return;
  }
  const GuKeyEntry* table = m_bKoreanSource ? m_guKor : m_guEng;
  const int last = m_bKoreanSource ? m_nGuKor : m_nGuEng;
  for (int e = 0; e <= last; ++e)
    if (table[e].strResultKey == strItem) MergeInto(strAccumulator, table[e].strFirstKeys);
}

void CCandidateList::OfferPatternStarts(std::string& strAccumulator) {
  // The file is opened on every build, so a missing one still ends the program here, and
  // its stamp tells whether the kept first items still hold.
  CDexFile file(FilesFor(m_bKoreanSource).szPatterns, DexAccess::Pass);
  for (const std::string& item : m_patternStarts[m_bKoreanSource ? 1 : 0].Of(file))
    OfferPatternItem(item, strAccumulator);
}

void CCandidateList::PrepareFirstList(unsigned char bKoreanSource) {
  CDexFile file(FilesFor(bKoreanSource).szPatterns, DexAccess::Pass, DexIfMissing::StayClosed);
  if (file.IsOpen() && file.Stamp().bSettled) m_patternStarts[bKoreanSource ? 1 : 0].Of(file);
}

void CCandidateList::ContinuePatterns(const CSentenceBuilder& builder, int nLastStep,
                                      std::string& strAccumulator) {
  const std::string chain = JoinChain(builder.m_work, 0, nLastStep, ChainKind::Pattern);
  const int n = CountItems(chain);

  CDexFile file(FilesFor(m_bKoreanSource).szPatterns);
  const int count = PatternCount(file);
  const int found = BisectForEqual(0, count - 1, [&](int index) {
                      return MbsCompare(chain, FirstItems(PatternKeys(file, index), n));
                    }).nFound;
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

void CCandidateList::ContinuePhrase(CSentenceBuilder& builder, int nLastStep, std::string& strAccumulator) {
  const StepRecord* work = builder.m_work;
  // The unfinished phrase begins after the last step that a rule or pattern produced.
  int phraseStart = 0;
  for (int step = nLastStep; step >= 0; --step) {
    if (IsResultKey(work[step].strKey)) {
      phraseStart = step + 1;
      break;
    }
  }
  const std::string tail = JoinChain(work, phraseStart, nLastStep, ChainKind::Tail);
  const std::string head = JoinChain(work, 0, phraseStart - 1, ChainKind::Head);
  MergeInto(strAccumulator, builder.GetContinuationKeys(tail, head));
}

void CCandidateList::ContinueGroup(CSentenceBuilder& builder, int nLastStep, std::string& strAccumulator) {
  const StepRecord* work = builder.m_work;
  int groupStep = nLastStep;
  while (groupStep >= 0 && !IsResultKey(work[groupStep].strKey)) --groupStep;
  if (groupStep < 0) return;
  const std::string tail = JoinChain(work, groupStep, nLastStep, ChainKind::GroupTail);
  const std::string head = JoinChain(work, 0, groupStep - 1, ChainKind::Head);
  MergeInto(strAccumulator, builder.GetContinuationKeys(tail, head));
}

void CCandidateList::DistributeCandidates(std::string strAccumulator) {
  const MainGroup* groups = m_bKoreanSource ? m_mainKor : m_mainEng;
  const int lastGroup = m_bKoreanSource ? m_nMainKor : m_nMainEng;
  int j = 1;
  for (;;) {
    std::string::size_type comma = strAccumulator.find(',');
    if (comma == std::string::npos) break;
    std::string key = strAccumulator.substr(0, comma);
    strAccumulator.erase(0, comma + 1);
    if (IsFreeSlotItem(key)) {
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

void CCandidateList::Build(CSentenceBuilder& builder, int nSteps, unsigned char bKoreanSource,
                           ICandidateSink& sink) {
  m_bKoreanSource = bKoreanSource;
  sink.ResetLines();
  std::string accumulator;
  m_nCandCodes = -1;

  if (nSteps <= 0) {
    OfferPatternStarts(accumulator);
  } else {
    // The completion check keeps m_nLast within its working records; stay inside them
    // even if it did not.
    int last = builder.m_nLast;
    if (last < 0) last = 0;
    if (last >= kMaxSteps) last = kMaxSteps - 1;
    if (IsResultKey(builder.m_work[last].strKey))
      ContinuePatterns(builder, last, accumulator);
    else
      ContinuePhrase(builder, last, accumulator);
    ContinueGroup(builder, last, accumulator);
  }
  DistributeCandidates(accumulator);

  if (m_nCandCodes >= 0 || m_nCandWork > 0) Fill(sink);
}
