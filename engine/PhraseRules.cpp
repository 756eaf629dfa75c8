#include "engine/PhraseRules.h"

#include "dict/DexFile.h"
#include "dict/DictionaryFiles.h"
#include "dict/Fields.h"
#include "dict/RecordLayout.h"
#include "dict/RuleText.h"

const std::vector<KeptRule>& CPhraseRules::Of(CDexFile& file) {
  if (!KeptIndexStillHolds(m_stamp, file.Stamp())) Read(file);
  return m_rules;
}

void CPhraseRules::Read(CDexFile& file) {
  ++m_nPasses;
  m_stamp = file.Stamp();
  m_rules.clear();
  const int count = RecordCount(file, kRuleRecordSize);
  m_rules.reserve(count);
  unsigned char record[kRuleRecordSize];
  for (int r = 0; r < count; ++r) {
    file.ReadRecord(r, kRuleRecordSize, record);
    KeptRule rule;
    rule.strText = ScrambledField(record, kRuleTextOffset, kRuleTextWidth);
    rule.strPattern = SplitRule(rule.strText).pattern;
    m_rules.push_back(std::move(rule));
  }
}
