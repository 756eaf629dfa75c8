#include "tools/lint/DictionaryPhrases.h"

#include <fstream>
#include <iterator>
#include <set>

#include "dict/DictionaryFiles.h"
#include "dict/KeyVocabulary.h"
#include "dict/RecordLayout.h"
#include "dict/Records.h"
#include "dict/RuleText.h"

namespace {

// The records of a dictionary file, each `size` bytes (a short tail is ignored).
std::vector<std::string> ReadRecords(const char* file, std::size_t size) {
  std::ifstream in(file, std::ios::binary);
  const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  std::vector<std::string> records;
  for (std::size_t at = 0; at + size <= bytes.size(); at += size)
    records.push_back(bytes.substr(at, size));
  return records;
}

const unsigned char* Bytes(const std::string& record) {
  return reinterpret_cast<const unsigned char*>(record.data());
}

// Adds the free-slot items of a comma list ("a,-b,c").
void AddSlotWords(std::string_view list, std::set<std::string>& slots) {
  while (!list.empty()) {
    const std::size_t comma = list.find(',');
    const std::string_view item = list.substr(0, comma);
    if (IsFreeSlotItem(item) && item.size() > 1) slots.emplace(item);
    if (comma == std::string_view::npos) break;
    list.remove_prefix(comma + 1);
  }
}

}  // namespace

std::vector<DictionaryPhrase> ReadDictionaryPhrases(bool koreanSource) {
  const DirectionFiles& files = FilesFor(koreanSource ? 1 : 0);
  std::vector<DictionaryPhrase> phrases;
  std::set<std::string> seen;  // key and phrase
  for (const std::string& record : ReadRecords(files.szLexicon, kLexiconRecordSize)) {
    const LexiconRecord lexicon = DecodeLexicon(Bytes(record));
    if (!seen.insert(lexicon.strKey + '\x01' + lexicon.strPhrase).second) continue;
    phrases.push_back(
        {lexicon.strPhrase, lexicon.strKey,
         lexicon.strPhrase + ";" + lexicon.strTranslation + "; (key " + lexicon.strKey + ")"});
  }
  std::set<std::string> slots;
  for (const std::string& record : ReadRecords(files.szRules, kRuleRecordSize))
    AddSlotWords(SplitRule(DecodeRule(Bytes(record)).strText).pattern, slots);
  for (const std::string& record : ReadRecords(files.szPatterns, kPatternRecordSize))
    AddSlotWords(DecodePattern(Bytes(record)).strKeyList, slots);
  for (const std::string& slot : slots)
    phrases.push_back({slot.substr(1), std::string(1, kFreeSlotLead), slot + " (free slot)"});
  return phrases;
}
