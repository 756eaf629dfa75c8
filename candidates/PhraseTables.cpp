// The two indexes built once when the dialog starts, for both directions: the lexicon
// groups (the record range of each key run) and, for each result key of the phrase
// rules, the first keys of the rules that produce it.
#include "candidates/CandidateList.h"
#include "dict/DexFile.h"
#include "dict/DictionaryFiles.h"
#include "dict/Fields.h"
#include "dict/RecordLayout.h"
#include "dict/RuleText.h"

#include <string>
#include <unordered_set>
#include <vector>

namespace {

// Fills table/last from the key runs of one lexicon file. A run that finds the table
// full is not stored; the stored runs keep their exact ranges.
void LoadGroups(const char* fileName, MainGroup* table, int& last) {
  CDexFile file(fileName, DexAccess::Pass);
  const int count = RecordCount(file, kLexiconRecordSize);
  unsigned char record[kLexiconRecordSize];
  std::string previous;
  int g = 0;
  bool full = false;
  for (int r = 0; r < count; ++r) {
    file.ReadRecord(r, kLexiconRecordSize, record);
    std::string key = PlainField(record, kLexKeyOffset, kLexKeyWidth);
    if (key == previous) continue;
    if (g > 0) table[g - 1].nLast = r - 1;
    if (g == kMaxTableEntries) {
      full = true;
      break;
    }
    table[g].strKey = key;
    table[g].nFirst = r;
    ++g;
    previous = key;
  }
  if (g > 0 && !full) table[g - 1].nLast = count - 1;
  last = g - 1;
}

// Fills table/last from one phrase-rule file. A result key that finds the table full
// is not stored; rules of the stored keys still add their first keys.
void LoadFirstKeys(const char* fileName, GuKeyEntry* table, int& last) {
  CDexFile file(fileName, DexAccess::Pass);
  last = -1;
  const int count = RecordCount(file, kRuleRecordSize);
  unsigned char record[kRuleRecordSize];
  std::vector<std::unordered_set<std::string>> listed(kMaxTableEntries);
  for (int r = 0; r < count; ++r) {
    file.ReadRecord(r, kRuleRecordSize, record);
    const std::string text = ScrambledField(record, kRuleTextOffset, kRuleTextWidth);

    const std::string firstKey(RuleFirstKey(text));
    const std::string resultKey(SplitRule(text).resultKey);

    bool matched = false;
    for (int e = 0; e <= last; ++e) {
      if (table[e].strResultKey != resultKey) continue;
      matched = true;
      // A first key holds no ",", so the list holds ",key," exactly when the key is in
      // the entry's set: the set answers in constant time where a search of the growing
      // list would make loading many rules of one result key quadratic.
      if (listed[e].insert(firstKey).second) table[e].strFirstKeys += firstKey + ",";
    }
    if (!matched && last + 1 < kMaxTableEntries) {
      ++last;
      table[last].strResultKey = resultKey;
      table[last].strFirstKeys = "," + firstKey + ",";
      listed[last] = {firstKey};
    }
  }
}

}  // namespace

void CCandidateList::LoadMainGroups() {
  LoadGroups(kMainKor, m_mainKor, m_nMainKor);
  LoadGroups(kMainEng, m_mainEng, m_nMainEng);
}

void CCandidateList::LoadGuFirstKeys() {
  LoadFirstKeys(kGuKor, m_guKor, m_nGuKor);
  LoadFirstKeys(kGuEng, m_guEng, m_nGuEng);
}
