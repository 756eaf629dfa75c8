#include "tools/dexc/Paradigms.h"

#include <algorithm>
#include <map>
#include <sstream>

#include "base/Cp949.h"
#include "dict/RecordLayout.h"
#include "tools/dexc/ParadigmDefinition.h"
#include "tools/dexc/ParadigmWord.h"

namespace {

constexpr std::string_view kParadigmDirective = "@paradigm";
constexpr std::string_view kWordsDirective = "@words";
constexpr std::string_view kEndDirective = "@end";

// The directive a line starts with ("@paradigm", "@words", "@end"), else empty.
std::string DirectiveOf(const SourceLine& line) {
  if (line.bHeader || line.fields.empty()) return "";
  std::vector<std::string> words = BlankSeparatedWords(line.fields[0]);
  if (words.empty()) return "";
  const std::string& first = words[0];
  if (first == kParadigmDirective || first == kWordsDirective || first == kEndDirective)
    return first;
  return "";
}

// The lines of the block opened at `open`: its body ends at `bodyEnd`, and `last` is the
// last line the block takes (its @end). When another directive or the end of the file
// comes before an @end, the missing @end is reported and the block ends there.
struct BlockSpan {
  std::size_t bodyEnd, last;
};

BlockSpan BlockEnd(const std::vector<SourceLine>& lines, std::size_t open, CDiagnostics& diag) {
  std::size_t i = open + 1;
  for (; i < lines.size() && lines[i].where.strFile == lines[open].where.strFile; ++i) {
    std::string directive = DirectiveOf(lines[i]);
    if (directive == kEndDirective) return {i, i};
    if (!directive.empty()) break;
  }
  bool sameFile = i < lines.size() && lines[i].where.strFile == lines[open].where.strFile;
  diag.Error(lines[open].where, "this block has no @end line before " +
                                    (sameFile ? "line " + std::to_string(lines[i].where.nLine)
                                              : std::string("the end of the file")));
  return {i, i - 1};
}

// "@words NAME" or "@words NAME PREFIX", the prefix standing for "*" in the keys.
bool WordsName(const SourceLine& line, std::string* name, std::string* prefix, CDiagnostics& diag) {
  std::vector<std::string> words = BlankSeparatedWords(line.fields[0]);
  if (line.fields.size() != 1 || words.size() < 2 || words.size() > 3) {
    diag.Error(line.where, "expected \"@words PARADIGM\" or \"@words PARADIGM PREFIX\"");
    return false;
  }
  *name = words[1];
  *prefix = words.size() == 3 ? words[2] : "";
  return true;
}

// Reads every @paradigm block of the lexicon; `inBlock` marks the lines they hold.
std::map<std::string, Paradigm> CollectParadigms(const std::vector<SourceLine>& lines,
                                                 std::vector<bool>* inBlock, CDiagnostics& diag) {
  std::map<std::string, Paradigm> paradigms;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    if (DirectiveOf(lines[i]) != kParadigmDirective) continue;
    BlockSpan span = BlockEnd(lines, i, diag);
    std::fill(inBlock->begin() + i, inBlock->begin() + span.last + 1, true);
    Paradigm paradigm;
    paradigm.where = lines[i].where;
    bool ok = ParadigmName(lines[i], &paradigm.strName, &paradigm.bNoun, diag);
    for (std::size_t k = i + 1; k < span.bodyEnd; ++k) {
      ParadigmGroup group;
      if (ParseParadigmGroup(lines[k], paradigm.bNoun, diag, &group)) {
        bool seen = std::any_of(
            paradigm.groups.begin(), paradigm.groups.end(), [&](const ParadigmGroup& g) {
              return g.strKey == group.strKey && g.strVariant == group.strVariant &&
                     g.bFurther == group.bFurther;
            });
        if (seen)
          diag.Error(group.where, "the key [" + group.strKey +
                                      (group.strVariant.empty() ? "" : "/" + group.strVariant) +
                                      "] is already in this paradigm");
        else
          paradigm.groups.push_back(std::move(group));
      }
    }
    i = span.last;
    if (!ok) continue;
    auto [found, added] = paradigms.emplace(paradigm.strName, paradigm);
    if (!added)
      diag.Error(paradigm.where, "the paradigm " + Quoted(paradigm.strName) +
                                     " was already defined at " + found->second.where.strFile +
                                     ":" + std::to_string(found->second.where.nLine));
  }
  return paradigms;
}

// The stored width of a text in code page 949; 0 for a text code page 949 cannot hold,
// which the lexicon compiler reports, naming the character.
std::size_t Cp949Width(const std::string& utf8) {
  std::string cp949;
  std::size_t badOffset = 0;
  return TryUtf8ToCp949(utf8, &cp949, &badOffset) ? cp949.size() : 0;
}

bool Fits(const std::string& fieldName, const std::string& text, std::size_t width,
          const ParadigmGroup& group, const SourceLocation& where, CDiagnostics& diag) {
  std::size_t bytes = Cp949Width(text);
  if (bytes < width) return true;
  diag.Error(where, "the " + fieldName + " " + Quoted(text) + " that [" + group.strKey +
                        "] makes of this word is too long: " + std::to_string(bytes) +
                        " bytes in code page 949, at most " + std::to_string(width - 1) + " fit");
  return false;
}

// The entry one group makes of one word, appended to *out; nothing when the group
// leaves the word out or a fault was reported.
void ExpandEntry(const ParadigmGroup& group, const ParadigmWord& word, const SourceLocation& where,
                 const EnglishTables& tables, CDiagnostics& diag, std::vector<SourceLine>* out) {
  if (!JoinsGroup(word, group.strKey)) return;
  std::string missing;
  std::optional<std::string> phrase =
      FillParadigmTemplate(group.phrase, word.forms, tables, &missing);
  std::optional<std::string> translation =
      phrase ? FillParadigmTemplate(group.translation, word.forms, tables, &missing) : phrase;
  std::optional<std::string> note =
      !translation     ? translation
      : group.bHasNote ? FillParadigmTemplate(group.note, word.forms, tables, &missing)
                       : word.forms.strNote;
  if (!note) {
    if (!group.bOptional)
      diag.Error(where, Quoted(word.forms.strKoreanText) + " has no form " + missing + ", which [" +
                            group.strKey + "] takes; leave the word out of it (\"except " +
                            group.strKey + "\") or mark the group optional ([" + group.strKey +
                            "?]) in the paradigm");
    return;
  }
  if (group.bHasShortNote && Cp949Width(*note) >= kLexNoteWidth)
    note = FillParadigmTemplate(group.shortNote, word.forms, tables, &missing);
  if (!note) {
    diag.Error(where, Quoted(word.forms.strKoreanText) + " has no form " + missing +
                          ", which the shorter note of [" + group.strKey + "] takes");
    return;
  }
  *phrase += word.strTag;
  if (!Fits("phrase", *phrase, kLexPhraseWidth, group, where, diag) ||
      !Fits("translation", *translation, kLexTranslationWidth, group, where, diag) ||
      !Fits("note", *note, kLexNoteWidth, group, where, diag))
    return;
  SourceLine entry;
  entry.where = where;
  entry.fields = {*phrase, *translation, *note};
  out->push_back(std::move(entry));
}

// The lines a @words block makes: for each key of the paradigm a header and the entry
// of every word that joins it.
void ExpandWords(const std::vector<SourceLine>& lines, std::size_t open, std::size_t end,
                 const std::map<std::string, Paradigm>& paradigms, bool koreanPhrases,
                 const EnglishTables* tables, const std::string& grammarHint, CDiagnostics& diag,
                 std::vector<SourceLine>* out, std::vector<FormsWord>* koreanWords) {
  std::string name, prefix;
  if (!WordsName(lines[open], &name, &prefix, diag)) return;
  auto found = paradigms.find(name);
  if (found == paradigms.end()) {
    diag.Error(lines[open].where, "no paradigm is called " + Quoted(name) +
                                      "; define it in a @paradigm block of this dictionary");
    return;
  }
  if (!tables) {
    diag.Error(lines[open].where,
               "the English grammar tables (irregular-verbs.txt and "
               "irregular-plurals.txt) were not found in " +
                   grammarHint + "; name their folder with --grammar DIR");
    return;
  }
  Paradigm paradigm = found->second;
  if (!ApplyPrefix(prefix, lines[open].where, diag, &paradigm)) return;
  std::vector<std::pair<ParadigmWord, SourceLocation>> words;
  for (std::size_t i = open + 1; i < end; ++i) {
    ParadigmWord word;
    if (!ParseParadigmWord(lines[i], paradigm, koreanPhrases, diag, &word)) continue;
    if (koreanWords && !word.forms.bKoreanNoun && word.forms.korean.bKorean)
      koreanWords->push_back(word.forms.korean);
    words.emplace_back(std::move(word), lines[i].where);
  }
  std::vector<std::string> keys;
  for (const ParadigmGroup& group : paradigm.groups)
    if (std::find(keys.begin(), keys.end(), group.strKey) == keys.end())
      keys.push_back(group.strKey);
  for (const std::string& key : keys) {
    SourceLine header;
    header.where = lines[open].where;
    header.bHeader = true;
    header.strHeaderKey = key;
    out->push_back(header);
    for (const auto& [word, where] : words) {
      if (const ParadigmGroup* group = GroupFor(paradigm, key, word.variants))
        ExpandEntry(*group, word, where, *tables, diag, out);
      if (const ParadigmGroup* further = GroupFor(paradigm, key, word.variants, true))
        ExpandEntry(*further, word, where, *tables, diag, out);
    }
  }
}

}  // namespace

std::vector<SourceLine> ExpandParadigms(const std::vector<SourceLine>& lines, bool koreanPhrases,
                                        const EnglishTables* tables, const std::string& grammarHint,
                                        CDiagnostics& diag, std::vector<FormsWord>* koreanWords) {
  std::vector<bool> inParadigm(lines.size(), false);
  std::map<std::string, Paradigm> paradigms = CollectParadigms(lines, &inParadigm, diag);
  std::vector<SourceLine> out;
  std::string file;
  bool needHeader = false;  // a @words block ended the key of the lines above it
  for (std::size_t i = 0; i < lines.size(); ++i) {
    const SourceLine& line = lines[i];
    if (line.where.strFile != file) {
      file = line.where.strFile;
      needHeader = false;
    }
    if (inParadigm[i]) continue;
    std::string directive = DirectiveOf(line);
    if (directive == kWordsDirective) {
      BlockSpan span = BlockEnd(lines, i, diag);
      ExpandWords(lines, i, span.bodyEnd, paradigms, koreanPhrases, tables, grammarHint, diag,
                  &out, koreanWords);
      needHeader = true;
      i = span.last;
    } else if (directive == kEndDirective) {
      diag.Error(line.where, "@end without a @paradigm or @words line above it");
    } else if (needHeader && !line.bHeader) {
      diag.Error(line.where,
                 "this entry has no key: a @words block ends the key above it, so "
                 "write a [key] line above the entry");
    } else {
      needHeader = needHeader && !line.bHeader;
      out.push_back(line);
    }
  }
  return out;
}
