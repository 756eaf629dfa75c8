#include "tools/dexc/ParadigmDefinition.h"

#include <algorithm>
#include <sstream>

#include "tools/dexc/Lexicon.h"

namespace {

constexpr std::string_view kNounFlag = "noun";
constexpr char kOptionalMark = '?';
constexpr char kFurtherMark = '+';
constexpr char kVariantMark = '/';
constexpr char kPrefixPlace = '*';  // in keys: the prefix a @words line names
constexpr char kKeyOpen = '[';
constexpr char kKeyClose = ']';
constexpr std::size_t kMinGroupFields = 2, kNoteGroupFields = 3, kMaxGroupFields = 4;

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

}  // namespace

std::vector<std::string> BlankSeparatedWords(const std::string& text) {
  std::istringstream in(text);
  std::vector<std::string> words;
  std::string word;
  while (in >> word) words.push_back(word);
  return words;
}

bool ParadigmName(const SourceLine& line, std::string* name, bool* noun, CDiagnostics& diag) {
  std::vector<std::string> words = BlankSeparatedWords(line.fields[0]);
  *noun = words.size() == 3 && words[2] == kNounFlag;
  if (line.fields.size() != 1 || words.size() < 2 || (words.size() == 3 && !*noun) ||
      words.size() > 3) {
    diag.Error(line.where, "expected \"@paradigm NAME\" or \"@paradigm NAME noun\"");
    return false;
  }
  *name = words[1];
  return true;
}

bool ParseParadigmGroup(const SourceLine& line, bool noun, CDiagnostics& diag,
                        ParadigmGroup* group) {
  const std::vector<std::string>& f = line.fields;
  std::size_t close = f.empty() ? std::string::npos : f[0].find(kKeyClose);
  if (line.bHeader || f.size() < kMinGroupFields || f.size() > kMaxGroupFields || f[0].empty() ||
      f[0].front() != kKeyOpen || close == std::string::npos) {
    diag.Error(line.where,
               "a paradigm line is \"[key] phrase | translation\", optionally followed by "
               "\"| note\" and \"| shorter note\", with placeholders such as {ko.present} and "
               "{en.past}");
    return false;
  }
  group->where = line.where;
  group->strKey = f[0].substr(1, close - 1);
  // The marks "?" and "+" stand at the end of the key, before or after a "/VARIANT"
  // ("[*_n+?]", "[*_n+/long]"), each at most once.
  auto takeMarks = [&](std::string& key) {
    for (bool marked = true; marked && !key.empty();) {
      bool* flag = key.back() == kOptionalMark ? &group->bOptional
                   : key.back() == kFurtherMark ? &group->bFurther
                                                 : nullptr;
      marked = flag && !*flag;
      if (marked) {
        *flag = true;
        key.pop_back();
      }
    }
  };
  takeMarks(group->strKey);
  std::size_t slash = group->strKey.find(kVariantMark);
  if (slash != std::string::npos) {
    group->strVariant = group->strKey.substr(slash + 1);
    group->strKey.erase(slash);
    takeMarks(group->strKey);
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

bool ApplyPrefix(const std::string& prefix, const SourceLocation& where, CDiagnostics& diag,
                 Paradigm* paradigm) {
  bool hasPlace = std::any_of(
      paradigm->groups.begin(), paradigm->groups.end(),
      [](const ParadigmGroup& g) { return g.strKey.find(kPrefixPlace) != std::string::npos; });
  if (hasPlace == prefix.empty()) {
    diag.Error(where,
               "the paradigm " + Quoted(paradigm->strName) +
                   (hasPlace ? " writes its keys with \"*\": name what stands for it, "
                               "\"@words " +
                                   paradigm->strName + " PREFIX\""
                             : " has no \"*\" in its keys for the prefix " + Quoted(prefix)));
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

const ParadigmGroup* GroupFor(const Paradigm& paradigm, const std::string& key,
                              const std::vector<std::string>& variants, bool further) {
  const ParadigmGroup* plain = nullptr;
  for (const ParadigmGroup& group : paradigm.groups) {
    if (group.strKey != key || group.bFurther != further) continue;
    if (group.strVariant.empty())
      plain = &group;
    else if (std::find(variants.begin(), variants.end(), group.strVariant) != variants.end())
      return &group;
  }
  return plain;
}
