#include "engine/SentenceBuilder.h"

#include "engine/SlotItem.h"

#include <utility>
#include <vector>

#include "base/Bisect.h"
#include "base/MbsCompare.h"
#include "dict/DexFile.h"
#include "dict/DictionaryFiles.h"
#include "dict/Fields.h"
#include "dict/KeyVocabulary.h"
#include "dict/RecordLayout.h"
#include "dict/RuleText.h"
#include "engine/CommaList.h"
#include "engine/KeyRun.h"
#include "engine/PhraseJoin.h"
#include "engine/TemplateFill.h"

namespace {

// The first n items of a comma list, each with its "," (all of them when there are
// fewer); text after the last "," is never taken. FirstItems without the copy.
std::string_view FirstItemsView(std::string_view list, int n) {
  std::size_t end = 0;
  for (int taken = 0; taken < n; ++taken) {
    std::size_t comma = list.find(',', end);
    if (comma == std::string_view::npos) break;
    end = comma + 1;
  }
  return list.substr(0, end);
}

}  // namespace

const std::vector<KeptRule>& CSentenceBuilder::RulesOf(CDexFile& file) {
  return m_rules[m_bKoreanSource ? 1 : 0].Of(file);
}

int CSentenceBuilder::FindRun(std::string_view list, std::string_view run) {
  return FindKeyRun(list, run);
}

void CSentenceBuilder::AppendItem(std::string& keyList, const StepRecord& step) {
  if (IsFreeInputKey(step.strKey)) {
    AppendFreeSlotItem(keyList, step.strPhrase);
  } else {
    keyList += step.strKey;
  }
  keyList += ',';
}

void CSentenceBuilder::BuildKeyList(std::string& keyList, std::vector<std::size_t>* pEnds) const {
  keyList.clear();
  if (pEnds) pEnds->clear();
  // The chain runs 0, 1, 2, ... in array order; the walk still stops after
  // kMaxSteps records and at any link outside the records.
  bool ordered = true;
  int i = 0;
  for (int walked = 0; walked < kMaxSteps; ++walked) {
    const StepRecord& step = m_work[i];
    ordered = ordered && i == walked;
    AppendItem(keyList, step);
    if (pEnds) pEnds->push_back(keyList.size());
    if (step.nNext < 0 || step.nNext >= kChainEnd) {
      ordered = ordered && step.nNext >= kChainEnd;
      break;
    }
    i = step.nNext;
  }
  if (pEnds && !ordered) pEnds->clear();
}

void CSentenceBuilder::SpliceMergedItem(std::string& keyList, std::vector<std::size_t>& ends,
                                        int start, int last) const {
  const auto s = static_cast<std::size_t>(start), l = static_cast<std::size_t>(last);
  const std::size_t begin = s == 0 ? 0 : ends[s - 1];
  const std::size_t oldEnd = ends[l];
  std::string item;
  AppendItem(item, m_work[start]);
  keyList.replace(begin, oldEnd - begin, item);
  const std::size_t newEnd = begin + item.size();
  ends.erase(ends.begin() + static_cast<std::ptrdiff_t>(s) + 1,
             ends.begin() + static_cast<std::ptrdiff_t>(l) + 1);
  ends[s] = newEnd;
  for (std::size_t r = s + 1; r < ends.size(); ++r) ends[r] = ends[r] - oldEnd + newEnd;
}

bool CSentenceBuilder::CheckSentence() {
  // The caller keeps m_nLast within the records; a larger value is taken as the last
  // record so that nothing outside them is touched.
  if (m_nLast > kMaxSteps - 1) m_nLast = kMaxSteps - 1;
  for (int i = 0; i <= m_nLast; ++i) {
    StepRecord& work = m_work[i];
    const StepRecord& step = m_steps[i];
    work.strPhrase = step.strPhrase;
    work.strKey = step.strKey;
    work.strTranslation = step.strTranslation;
    work.nPrev = step.nPrev;
    work.nNext = step.nNext;
    work.strGroup.clear();
  }
  // Filled templates may hold everything the steps brought in, and a fixed allowance
  // for the dictionary's own words on top; see FillTemplate.
  m_nFillLimit = kMaxFilledText;
  for (int i = 0; i <= m_nLast; ++i) m_nFillLimit += m_steps[i].strTranslation.size();
  std::string keyList;
  ApplyPhraseRules(keyList);
  return MatchSentence(keyList);
}

void CSentenceBuilder::ApplyPhraseRules(std::string& keyList) {
  CDexFile file(FilesFor(m_bKoreanSource).szRules, DexAccess::Pass);
  const std::vector<KeptRule>& rules = RulesOf(file);
  std::vector<std::size_t> itemEnds;  // see BuildKeyList
  BuildKeyList(keyList, &itemEnds);
  std::string pattern;  // the rule's pattern with its final ","
  for (const KeptRule& record : rules) {
    // A rule is applied until it no longer matches. A one-item rule does not shorten
    // the chain, and one whose merge gives back its own key (result key equal to its
    // item, or a typed-word marker over the same word) would match at the same place
    // for ever; so after a one-item merge the rule only looks at places before it.
    // For every other one-item rule this changes nothing: the merged key no longer
    // matches and no later place matched before. Each rule thus ends after at most
    // kMaxSteps merges.
    int limit = kMaxSteps;
    for (;;) {
      pattern = record.strPattern;
      pattern.push_back(',');
      if (FindRun(keyList, pattern) == 0) break;
      const int start = FindLastKeyRun(keyList, pattern, limit);
      if (start < 0) break;
      const int items = CountItems(pattern);
      const int last = start + items - 1;
      // Only a "," inside a typed word or key makes the key list longer than the chain;
      // a run that does not lie within the records is not merged.
      if (last > m_nLast) break;

      // The template is filled before any record moves, so its references see the
      // run's records as they stand.
      const RuleText rule = SplitRule(record.strText);
      std::string joined = JoinPhrases(m_work, start, last);
      std::string translation = FillTemplate(rule.templ, m_work, start, m_nFillLimit);
      StepRecord& merged = m_work[start];
      merged.strPhrase = std::move(joined);
      merged.strTranslation = std::move(translation);
      merged.strKey.assign(rule.resultKey);
      merged.strGroup = pattern;
      if (last != start)
        CloseGap(start, last);
      else
        limit = start;
      // The list changes only where the run stood, when the run lies among the items
      // the chain walk gave; the records after it moved down with the same items.
      if (last < static_cast<int>(itemEnds.size()))
        SpliceMergedItem(keyList, itemEnds, start, last);
      else
        BuildKeyList(keyList, &itemEnds);
    }
  }
}

void CSentenceBuilder::CloseGap(int start, int last) {
  m_nLast = start;
  if (m_work[last].nNext >= kChainEnd) {
    m_work[start].nNext = kChainEnd;
    return;
  }
  // Records above the new end keep their old contents (a template may still name
  // them), so they are copied down, not moved.
  for (int d = start + 1, s = last + 1; s < kMaxSteps; ++d, ++s) {
    StepRecord& to = m_work[d];
    const StepRecord& from = m_work[s];
    to.strPhrase = from.strPhrase;
    to.strKey = from.strKey;
    to.strTranslation = from.strTranslation;
    to.strGroup = from.strGroup;
    to.nPrev = d - 1;
    to.nNext = d + 1;
    ++m_nLast;
    if (from.nNext >= kChainEnd) break;
  }
  m_work[m_nLast].nNext = kChainEnd;
}

bool CSentenceBuilder::MatchSentence(const std::string& keyList) {
  CDexFile file(FilesFor(m_bKoreanSource).szPatterns);
  const int count = RecordCount(file, kPatternRecordSize);
  // Compared as a zero-terminated text, like the stored key lists.
  std::string searchKey = "," + keyList;
  searchKey.resize(searchKey.find('\0') == std::string::npos ? searchKey.size()
                                                             : searchKey.find('\0'));
  // A stored key list holds at most width - 1 bytes, so a longer search key is in no
  // record: the sentence is incomplete.
  if (searchKey.size() > kPatKeyListWidth - 1) return false;

  unsigned char record[kPatternRecordSize];
  const BisectResult search = BisectForEqual(0, count - 1, [&](int index) {
    file.ReadRecord(index, kPatternRecordSize, record);
    return MbsCompare(searchKey, PlainField(record, kPatKeyListOffset, kPatKeyListWidth));
  });
  if (search.nFound >= 0) {
    // The record buffer still holds the record that compared equal: it was read last.
    std::string templ = ScrambledField(record, kPatTemplateOffset, kPatTemplateWidth);
    m_strSentence = JoinPhrases(m_work, 0, m_nLast);
    m_strTranslation = FillTemplate(templ, m_work, 0, m_nFillLimit);
    return true;
  }
  return false;
}

std::string CSentenceBuilder::GetContinuationKeys(std::string strTail, std::string strHead) {
  // Stage 1: the rules whose pattern begins with the tail's items and goes on; each
  // gives the pair (next key, result key), kept once in the order found.
  std::string pairList = ",";
  std::vector<std::pair<std::string, std::string>> pairs;
  {
    CDexFile file(FilesFor(m_bKoreanSource).szRules, DexAccess::Pass);
    const std::vector<KeptRule>& rules = RulesOf(file);
    // The first items of pattern + "," equal the tail exactly when the pattern begins
    // with the tail and the tail ends its last item with ","; a pattern that begins
    // with the tail is longer than it, so the rule is not yet complete. An empty tail
    // (never passed by the list builder) matches no rule.
    const bool tailEndsItem = !strTail.empty() && strTail.back() == ',';
    std::string entry;
    for (std::size_t r = 0; r < rules.size() && tailEndsItem; ++r) {
      if (!rules[r].strPattern.starts_with(strTail)) continue;
      const RuleText rule = SplitRule(rules[r].strText);
      std::string_view next = rule.pattern.substr(strTail.size());
      next = next.substr(0, next.find(','));
      entry = ',';
      entry += next;
      entry += ';';
      entry += rule.resultKey;
      entry += ',';
      if (pairList.find(entry) != std::string::npos) continue;
      pairList.append(entry, 1);
      pairs.emplace_back(next, rule.resultKey);
    }
  }

  // Stage 2: a next key is offered when some sentence pattern begins with the head's
  // items followed by the rule's result key.
  std::string output = ",";
  CDexFile file(FilesFor(m_bKoreanSource).szPatterns);
  const int count = RecordCount(file, kPatternRecordSize);
  unsigned char record[kPatternRecordSize];
  for (const auto& [next, resultKey] : pairs) {
    const std::string start = strHead + resultKey + ",";
    const int items = CountItems(start);
    const bool accepted = BisectForEqual(0, count - 1, [&](int index) {
      file.ReadRecord(index, kPatternRecordSize, record);
      std::string keys = PlainField(record, kPatKeyListOffset, kPatKeyListWidth);
      std::string_view rest = keys;
      if (!rest.empty()) rest.remove_prefix(1);  // the leading ","
      return MbsCompare(start, FirstItemsView(rest, items));
    }).nFound >= 0;
    if (accepted && output.find("," + next + ",") == std::string::npos) output += next + ",";
  }
  return output;
}
