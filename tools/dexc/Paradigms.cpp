#include "tools/dexc/Paradigms.h"

#include <algorithm>
#include <map>
#include <sstream>

#include "dict/RecordLayout.h"
#include "tools/dexc/Lexicon.h"
#include "tools/dexc/ParadigmTemplate.h"

namespace {

constexpr std::string_view kParadigmDirective = "@paradigm";
constexpr std::string_view kWordsDirective = "@words";
constexpr std::string_view kEndDirective = "@end";
constexpr std::string_view kNounFlag = "noun";
constexpr std::string_view kOnlyOption = "only";
constexpr std::string_view kExceptOption = "except";
constexpr char kOptionalMark = '?';
constexpr char kVariantMark = '/';
constexpr char kPrefixPlace = '*';  // in a paradigm's keys, the prefix of the @words line
constexpr char kTagOpen = '[';
constexpr char kTagClose = ']';
constexpr std::size_t kMinGroupFields = 2, kNoteGroupFields = 3, kMaxGroupFields = 4;
constexpr std::size_t kMinWordFields = 2, kMaxWordFields = 4;
constexpr std::size_t kOptionsField = 2, kNoteField = 3;
constexpr unsigned char kAsciiEnd = 0x80;
constexpr unsigned char kUtf8ContinuationMask = 0xC0, kUtf8Continuation = 0x80;
constexpr std::size_t kWideCharBytes = 2;  // every non-ASCII character of code page 949

struct ParadigmGroup {
  std::string strKey;
  std::string strVariant;  // "[*_r/favor]": the line words with the option "favor" take
  bool bOptional = false;  // words that lack one of the group's forms are left out silently
  SourceLocation where;
  ParadigmTemplate phrase, translation, note;
  bool bHasNote = false;  // without a note template the word's own note is the note
  ParadigmTemplate shortNote;  // the note when the first one would not fit its field
  bool bHasShortNote = false;
};

struct Paradigm {
  std::string strName;
  bool bNoun = false;
  SourceLocation where;
  std::vector<ParadigmGroup> groups;
};

struct ParsedWord {
  ParadigmWordForms forms;
  std::string strTag;  // "[운동]", appended to every phrase
  std::vector<std::string> only, except;
  std::vector<std::string> variants;  // the paradigm's variant lines this word takes
};

std::vector<std::string> Words(const std::string& text) {
  std::istringstream in(text);
  std::vector<std::string> words;
  std::string word;
  while (in >> word) words.push_back(word);
  return words;
}

// The directive a line starts with ("@paradigm", "@words", "@end"), else empty.
std::string DirectiveOf(const SourceLine& line) {
  if (line.bHeader || line.fields.empty()) return "";
  std::vector<std::string> words = Words(line.fields[0]);
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
  diag.Error(lines[open].where,
             "this block has no @end line before " +
                 (sameFile ? "line " + std::to_string(lines[i].where.nLine)
                           : std::string("the end of the file")));
  return {i, i - 1};
}

// "@paradigm NAME" or "@paradigm NAME noun".
bool ParadigmName(const SourceLine& line, std::string* name, bool* noun, CDiagnostics& diag) {
  std::vector<std::string> words = Words(line.fields[0]);
  *noun = words.size() == 3 && words[2] == kNounFlag;
  if (line.fields.size() != 1 || words.size() < 2 || (words.size() == 3 && !*noun) ||
      words.size() > 3) {
    diag.Error(line.where, "expected \"@paradigm NAME\" or \"@paradigm NAME noun\"");
    return false;
  }
  *name = words[1];
  return true;
}

// "@words NAME" or "@words NAME PREFIX", the prefix standing for "*" in the keys.
bool WordsName(const SourceLine& line, std::string* name, std::string* prefix,
               CDiagnostics& diag) {
  std::vector<std::string> words = Words(line.fields[0]);
  if (line.fields.size() != 1 || words.size() < 2 || words.size() > 3) {
    diag.Error(line.where, "expected \"@words PARADIGM\" or \"@words PARADIGM PREFIX\"");
    return false;
  }
  *name = words[1];
  *prefix = words.size() == 3 ? words[2] : "";
  return true;
}

bool ParseTemplate(const std::string& text, bool noun, const SourceLocation& where,
                   CDiagnostics& diag, ParadigmTemplate* pieces) {
  std::string error;
  std::optional<ParadigmTemplate> parsed = ParseParadigmTemplate(text, noun, &error);
  if (!parsed) {
    diag.Error(where, error);
    return false;
  }
  *pieces = std::move(*parsed);
  return true;
}

// One paradigm line: "[key] phrase template | translation template | note template".
bool ParseGroup(const SourceLine& line, bool noun, CDiagnostics& diag, ParadigmGroup* group) {
  const std::vector<std::string>& f = line.fields;
  std::size_t close = f.empty() ? std::string::npos : f[0].find(kTagClose);
  if (line.bHeader || f.size() < kMinGroupFields || f.size() > kMaxGroupFields ||
      f[0].empty() || f[0].front() != kTagOpen || close == std::string::npos) {
    diag.Error(line.where,
               "a paradigm line is \"[key] phrase | translation\", optionally followed by "
               "\"| note\" and \"| shorter note\", with placeholders such as {ko.present} and "
               "{en.past}");
    return false;
  }
  group->where = line.where;
  group->strKey = f[0].substr(1, close - 1);
  if (!group->strKey.empty() && group->strKey.back() == kOptionalMark) {
    group->bOptional = true;
    group->strKey.pop_back();
  }
  std::size_t slash = group->strKey.find(kVariantMark);
  if (slash != std::string::npos) {
    group->strVariant = group->strKey.substr(slash + 1);
    group->strKey.erase(slash);
  }
  std::string cp949;
  bool ok = CheckLexiconKey(diag, line.where, group->strKey, &cp949);
  std::string phrase = f[0].substr(close + 1);
  phrase.erase(0, phrase.find_first_not_of(" \t"));
  ok &= ParseTemplate(phrase, noun, line.where, diag, &group->phrase);
  ok &= ParseTemplate(f[1], noun, line.where, diag, &group->translation);
  group->bHasNote = f.size() >= kNoteGroupFields;
  if (group->bHasNote) ok &= ParseTemplate(f[2], noun, line.where, diag, &group->note);
  group->bHasShortNote = f.size() == kMaxGroupFields;
  if (group->bHasShortNote) ok &= ParseTemplate(f[3], noun, line.where, diag, &group->shortNote);
  return ok;
}

// Reads every @paradigm block of the lexicon; `inBlock` marks the lines they hold.
std::map<std::string, Paradigm> CollectParadigms(const std::vector<SourceLine>& lines,
                                                 std::vector<bool>* inBlock,
                                                 CDiagnostics& diag) {
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
      if (ParseGroup(lines[k], paradigm.bNoun, diag, &group)) {
        bool seen = std::any_of(paradigm.groups.begin(), paradigm.groups.end(),
                                [&](const ParadigmGroup& g) {
                                  return g.strKey == group.strKey &&
                                         g.strVariant == group.strVariant;
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

// Puts the prefix of a @words line in place of the "*" of the paradigm's keys; reports a
// prefix the paradigm has no place for, or a missing one.
bool ApplyPrefix(const std::string& prefix, const SourceLocation& where, CDiagnostics& diag,
                 Paradigm* paradigm) {
  bool hasPlace = std::any_of(paradigm->groups.begin(), paradigm->groups.end(),
                              [](const ParadigmGroup& g) {
                                return g.strKey.find(kPrefixPlace) != std::string::npos;
                              });
  if (hasPlace == prefix.empty()) {
    diag.Error(where, "the paradigm " + Quoted(paradigm->strName) +
                          (hasPlace ? " writes its keys with \"*\": name what stands for it, "
                                      "\"@words " + paradigm->strName + " PREFIX\""
                                    : " has no \"*\" in its keys for the prefix " +
                                          Quoted(prefix)));
    return false;
  }
  for (ParadigmGroup& group : paradigm->groups) {
    std::string& key = group.strKey;
    for (std::size_t at = key.find(kPrefixPlace); at != std::string::npos;
         at = key.find(kPrefixPlace, at + prefix.size()))
      key.replace(at, 1, prefix);
  }
  return true;
}

bool HasGroup(const Paradigm& paradigm, const std::string& key) {
  return std::any_of(paradigm.groups.begin(), paradigm.groups.end(),
                     [&](const ParadigmGroup& g) { return g.strKey == key; });
}

bool HasVariant(const Paradigm& paradigm, const std::string& name) {
  return std::any_of(paradigm.groups.begin(), paradigm.groups.end(),
                     [&](const ParadigmGroup& g) { return g.strVariant == name; });
}

// " (favor, ...)", or " (it has none)".
std::string VariantList(const Paradigm& paradigm) {
  std::vector<std::string> names;
  for (const ParadigmGroup& group : paradigm.groups)
    if (!group.strVariant.empty() &&
        std::find(names.begin(), names.end(), group.strVariant) == names.end())
      names.push_back(group.strVariant);
  std::string list;
  for (const std::string& name : names) list += (list.empty() ? "" : ", ") + name;
  return " (" + (list.empty() ? std::string("it has none") : list) + ")";
}

// The "only ...", "except ..." and variant options of a word line.
bool ParseOptions(const std::string& text, const Paradigm& paradigm, const SourceLocation& where,
                  CDiagnostics& diag, ParsedWord* word) {
  std::vector<std::string>* list = nullptr;
  bool ok = true;
  for (const std::string& token : Words(text)) {
    if (token == kOnlyOption || token == kExceptOption) {
      list = token == kOnlyOption ? &word->only : &word->except;
    } else if (HasVariant(paradigm, token)) {
      word->variants.push_back(token);
    } else if (!list) {
      diag.Error(where, "unknown option " + Quoted(token) +
                            ": the options are \"only KEY ...\", \"except KEY ...\" and the "
                            "variants of the paradigm " + Quoted(paradigm.strName) + VariantList(paradigm));
      ok = false;
    } else if (!HasGroup(paradigm, token)) {
      diag.Error(where, "the key " + Quoted(token) + " is not in the paradigm " +
                            Quoted(paradigm.strName));
      ok = false;
    } else {
      list->push_back(token);
    }
  }
  return ok;
}

// Takes a sense tag "[...]" out of the phrase side's word.
std::string TakeTag(std::string* text) {
  std::size_t open = text->find(kTagOpen);
  if (open == std::string::npos) return "";
  std::size_t close = text->find(kTagClose, open);
  if (close == std::string::npos) return "";
  std::string tag = text->substr(open, close + 1 - open);
  text->erase(open, close + 1 - open);
  return tag;
}

// One side of a word line, parsed as a Korean or an English word.
bool ParseSide(const std::string& text, bool korean, bool noun, const SourceLocation& where,
               CDiagnostics& diag, ParadigmWordForms* forms) {
  if (korean && noun) {
    forms->bKoreanNoun = true;
    forms->strKoreanText = text;
    return true;
  }
  std::string error;
  std::optional<FormsWord> word =
      ParseFormsWord(korean || !noun ? text : text + " " + std::string(kNounFlag), &error);
  if (word && word->bKorean != korean)
    error = Quoted(text) + " is not " + (korean ? "a Korean" : "an English") +
            " word; a word line is \"" + "PHRASE WORD | TRANSLATION WORD\" in the dictionary's "
            "direction";
  if (!word || !error.empty()) {
    diag.Error(where, error);
    return false;
  }
  if (korean) {
    forms->korean = *word;
    forms->strKoreanText = word->korean.strDictionaryForm;
  } else {
    forms->english = *word;
    forms->strEnglishText = noun ? word->noun.strSingular : word->verb.strBase;
  }
  return true;
}

bool ParseWord(const SourceLine& line, const Paradigm& paradigm, bool koreanPhrases,
               CDiagnostics& diag, ParsedWord* word) {
  const std::vector<std::string>& f = line.fields;
  if (line.bHeader) {
    diag.Error(line.where, "a [key] line cannot stand in a @words block; the paradigm " +
                               Quoted(paradigm.strName) + " names the keys");
    return false;
  }
  if (f.size() < kMinWordFields || f.size() > kMaxWordFields || f[0].empty() || f[1].empty()) {
    diag.Error(line.where, "a word line is \"word | translation\", optionally followed by "
                           "\"| options | note\"; " +
                               std::string(f.size() < kMinWordFields || f[1].empty()
                                               ? "the translation is missing"
                                               : f[0].empty() ? "the word is missing"
                                                              : "there are too many fields"));
    return false;
  }
  // A sense tag on the phrase side goes into every phrase; one on the translation side
  // (which cannot hide it) only into the notes, through {sense}.
  std::string phraseSide = f[0], translationSide = f[1];
  word->strTag = TakeTag(&phraseSide);
  std::string sense = word->strTag.empty() ? TakeTag(&translationSide) : word->strTag;
  if (!sense.empty()) word->forms.strSense = sense.substr(1, sense.size() - 2);
  const std::string& korean = koreanPhrases ? phraseSide : translationSide;
  const std::string& english = koreanPhrases ? translationSide : phraseSide;
  bool ok = ParseSide(korean, true, paradigm.bNoun, line.where, diag, &word->forms);
  ok &= ParseSide(english, false, paradigm.bNoun, line.where, diag, &word->forms);
  if (f.size() > kOptionsField) ok &= ParseOptions(f[kOptionsField], paradigm, line.where, diag, word);
  if (f.size() > kNoteField) word->forms.strNote = f[kNoteField];
  return ok;
}

bool Joins(const ParsedWord& word, const std::string& key) {
  auto has = [&key](const std::vector<std::string>& list) {
    return std::find(list.begin(), list.end(), key) != list.end();
  };
  return (word.only.empty() || has(word.only)) && !has(word.except);
}

// The width of a text in code page 949: one byte per ASCII character, two for others.
std::size_t Cp949Width(const std::string& utf8) {
  std::size_t bytes = 0;
  for (char c : utf8) {
    unsigned char b = static_cast<unsigned char>(c);
    if (b < kAsciiEnd) ++bytes;
    else if ((b & kUtf8ContinuationMask) != kUtf8Continuation) bytes += kWideCharBytes;
  }
  return bytes;
}

bool Fits(const std::string& fieldName, const std::string& text, std::size_t width,
          const ParadigmGroup& group, const SourceLocation& where, CDiagnostics& diag) {
  std::size_t bytes = Cp949Width(text);
  if (bytes < width) return true;
  diag.Error(where, "the " + fieldName + " " + Quoted(text) + " that [" + group.strKey +
                        "] makes of this word is too long: " + std::to_string(bytes) +
                        " bytes in code page 949, at most " + std::to_string(width - 1) +
                        " fit");
  return false;
}

// The line of the paradigm that makes the word's entry under `key`: the variant the
// word asks for, else the plain line; none when the key has only variants it lacks.
const ParadigmGroup* GroupFor(const Paradigm& paradigm, const std::string& key,
                              const ParsedWord& word) {
  const ParadigmGroup* plain = nullptr;
  for (const ParadigmGroup& group : paradigm.groups) {
    if (group.strKey != key) continue;
    if (group.strVariant.empty()) plain = &group;
    else if (std::find(word.variants.begin(), word.variants.end(), group.strVariant) !=
             word.variants.end())
      return &group;
  }
  return plain;
}

// The entry one group makes of one word, appended to *out; nothing when the group
// leaves the word out or a fault was reported.
void ExpandEntry(const ParadigmGroup& group, const ParsedWord& word, const SourceLocation& where,
                 const EnglishTables& tables, CDiagnostics& diag, std::vector<SourceLine>* out) {
  if (!Joins(word, group.strKey)) return;
  std::string missing;
  std::optional<std::string> phrase =
      FillParadigmTemplate(group.phrase, word.forms, tables, &missing);
  std::optional<std::string> translation =
      phrase ? FillParadigmTemplate(group.translation, word.forms, tables, &missing) : phrase;
  std::optional<std::string> note =
      !translation   ? translation
      : group.bHasNote ? FillParadigmTemplate(group.note, word.forms, tables, &missing)
                       : word.forms.strNote;
  if (!note) {
    if (!group.bOptional)
      diag.Error(where, Quoted(word.forms.strKoreanText) + " has no form " + missing +
                            ", which [" + group.strKey + "] takes; leave the word out of it (\"except " +
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
                 const EnglishTables* tables, const std::string& grammarHint,
                 CDiagnostics& diag, std::vector<SourceLine>* out) {
  std::string name, prefix;
  if (!WordsName(lines[open], &name, &prefix, diag)) return;
  auto found = paradigms.find(name);
  if (found == paradigms.end()) {
    diag.Error(lines[open].where, "no paradigm is called " + Quoted(name) +
                                      "; define it in a @paradigm block of this dictionary");
    return;
  }
  if (!tables) {
    diag.Error(lines[open].where, "the English grammar tables (irregular-verbs.txt and "
                                  "irregular-plurals.txt) were not found in " +
                                      grammarHint + "; name their folder with --grammar DIR");
    return;
  }
  Paradigm paradigm = found->second;
  if (!ApplyPrefix(prefix, lines[open].where, diag, &paradigm)) return;
  std::vector<std::pair<ParsedWord, SourceLocation>> words;
  for (std::size_t i = open + 1; i < end; ++i) {
    ParsedWord word;
    if (ParseWord(lines[i], paradigm, koreanPhrases, diag, &word))
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
    for (const auto& [word, where] : words)
      if (const ParadigmGroup* group = GroupFor(paradigm, key, word))
        ExpandEntry(*group, word, where, *tables, diag, out);
  }
}

}  // namespace

std::vector<SourceLine> ExpandParadigms(const std::vector<SourceLine>& lines, bool koreanPhrases,
                                        const EnglishTables* tables,
                                        const std::string& grammarHint, CDiagnostics& diag) {
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
                  &out);
      needHeader = true;
      i = span.last;
    } else if (directive == kEndDirective) {
      diag.Error(line.where, "@end without a @paradigm or @words line above it");
    } else if (needHeader && !line.bHeader) {
      diag.Error(line.where, "this entry has no key: a @words block ends the key above it, so "
                             "write a [key] line above the entry");
    } else {
      needHeader = needHeader && !line.bHeader;
      out.push_back(line);
    }
  }
  return out;
}
