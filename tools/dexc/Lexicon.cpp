#include "tools/dexc/Lexicon.h"

#include <algorithm>
#include <map>

#include "dict/Capacities.h"
#include "dict/KeyVocabulary.h"
#include "dict/RecordLayout.h"
#include "tools/dexc/FieldChecks.h"
#include "tools/dexc/SharedFields.h"

namespace {

constexpr const char* kEntryForm = "\"phrase | translation\" or \"phrase | translation | note\"";
constexpr const char* kListLineSeparator = "which separates the parts of a list line";

// Checks and converts the fields of one entry line into *record (key left empty).
bool CompileEntry(const SourceLine& line, CDiagnostics& diag, LexiconRecord* record) {
  const SourceLocation& where = line.where;
  const std::vector<std::string>& f = line.fields;
  if (f.size() < 2 || f.size() > 3) {
    ReportFieldCount(diag, where, "a lexicon entry", kEntryForm, f.size());
    return false;
  }
  const std::string& phrase = f[0];
  const std::string& translation = f[1];
  const std::string note = f.size() > 2 ? f[2] : "";
  bool ok = true;
  if (phrase.empty()) {
    diag.Error(where, "the phrase is empty");
    ok = false;
  }
  ok &= CheckNoChar(diag, where, "phrase", phrase, ';', kListLineSeparator);
  ok &= CheckNoChar(diag, where, "translation", translation, ';', kListLineSeparator);
  ok &= CheckNoChar(diag, where, "translation", translation, '@',
                    "which marks a reference in templates");
  ok &= CheckNoChar(diag, where, "note", note, ';', kListLineSeparator);
  ok &= ConvertAndFit(diag, where, "phrase", phrase, kLexPhraseWidth, &record->strPhrase);
  ok &= ConvertAndFit(diag, where, "translation", translation, kLexTranslationWidth,
                      &record->strTranslation);
  ok &= ConvertAndFit(diag, where, "note", note, kLexNoteWidth, &record->strNote);
  return ok;
}

}  // namespace

bool CheckLexiconKey(CDiagnostics& diag, const SourceLocation& where, const std::string& utf8,
                     std::string* cp949) {
  if (utf8.empty()) {
    diag.Error(where, "the key is empty");
    return false;
  }
  std::string shown = Quoted(utf8);
  bool ok = true;
  if (IsFreeSlotItem(utf8)) {
    diag.Error(where, "the key " + shown + " begins with \"-\", which marks a free slot");
    ok = false;
  } else if (IsResultKey(utf8)) {
    diag.Error(where, "the key " + shown +
                          " begins with \"z\", which marks the result key of a phrase rule");
    ok = false;
  } else if (utf8 == kRuleSlotKey) {
    diag.Error(where, "the key \"mz\" is reserved for words the user types");
    ok = false;
  }
  ok &= CheckNoChar(diag, where, "key " + shown, utf8, ',', "which separates keys");
  ok &= CheckNoChar(diag, where, "key " + shown, utf8, ';', "which separates the parts of a rule");
  ok &= CheckNoChar(diag, where, "key " + shown, utf8, '|', "which separates fields");
  ok &= ConvertAndFit(diag, where, "key", utf8, kLexKeyWidth, cp949);
  return ok;
}

CompiledLexicon CompileLexicon(const std::vector<SourceLine>& lines, CDiagnostics& diag) {
  CompiledLexicon lexicon;
  std::map<std::string, std::size_t> groupOfKey;
  bool haveHeader = false;
  bool keyOk = false;
  std::string key;
  SourceLocation headerWhere;
  SourceLocation firstTooMany;
  std::string keyText, firstTooManyKey;

  std::string file;
  for (const SourceLine& line : lines) {
    if (line.where.strFile != file) {  // a key header holds until the end of its file
      file = line.where.strFile;
      haveHeader = false;
    }
    if (line.bHeader) {
      haveHeader = true;
      headerWhere = line.where;
      keyText = line.strHeaderKey;
      keyOk = CheckLexiconKey(diag, line.where, line.strHeaderKey, &key);
      continue;
    }
    LexiconRecord record;
    bool entryOk = CompileEntry(line, diag, &record);
    if (!haveHeader) {
      diag.Error(line.where, "this entry has no key: write a [key] line above it");
      continue;
    }
    if (!keyOk) continue;
    auto found = groupOfKey.find(key);
    if (found == groupOfKey.end()) {
      found = groupOfKey.emplace(key, lexicon.groups.size()).first;
      lexicon.groups.push_back({key, headerWhere, {}});
      if (lexicon.groups.size() == static_cast<std::size_t>(kMaxTableEntries) + 1) {
        firstTooMany = headerWhere;
        firstTooManyKey = keyText;
      }
    }
    if (!entryOk) continue;
    record.strKey = key;
    lexicon.groups[found->second].entries.push_back(std::move(record));
  }

  if (lexicon.groups.size() > static_cast<std::size_t>(kMaxTableEntries))
    diag.Error(firstTooMany, "the lexicon has " + std::to_string(lexicon.groups.size()) +
                                 " keys, but at most " + std::to_string(kMaxTableEntries) +
                                 " fit; " + Quoted(firstTooManyKey) + " here is number " +
                                 std::to_string(kMaxTableEntries + 1));

  for (LexiconGroup& group : lexicon.groups)
    std::stable_sort(group.entries.begin(), group.entries.end(),
                     [](const LexiconRecord& a, const LexiconRecord& b) {
                       return a.strPhrase < b.strPhrase;
                     });
  return lexicon;
}

std::vector<LexiconRecord> LexiconRecords(const CompiledLexicon& lexicon) {
  std::vector<LexiconRecord> records;
  for (const LexiconGroup& group : lexicon.groups)
    records.insert(records.end(), group.entries.begin(), group.entries.end());
  return records;
}
