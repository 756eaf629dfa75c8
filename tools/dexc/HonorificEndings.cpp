#include "tools/dexc/HonorificEndings.h"

#include <map>
#include <set>
#include <span>

#include "tools/dexc/ParadigmDefinition.h"

namespace {

// Each form a sentence may put before the marker, with the form that takes its place.
struct FormPair {
  const char* szPlain;
  const char* szReplacement;
};

// An honoured subject: a third person's wish is 싶어 하세요, not 싶으세요.
constexpr FormPair kHonorificPairs[] = {
    {"present", "present, honorific"},
    {"past", "past, honorific"},
    {"future", "future, honorific"},
    {"negative", "negative, honorific"},
    {"negative past", "negative past, honorific"},
    {"long negative", "long negative, honorific"},
    {"long negative past", "long negative past, honorific"},
    {"want", "want (he/she), honorific"},
    {"can", "can, honorific"},
    {"cannot", "cannot, honorific"},
    {"cannot (못)", "cannot (못), honorific"},
    {"progressive", "progressive, honorific"},
};

// The progressive said of a plan (I'm going to bed early tonight): Korean says it in the
// future (일찍 잘 거예요), never with -고 있어요, which is only what goes on now.
constexpr FormPair kPlanPairs[] = {
    {"progressive", "future"},
};

// The progressive after not (I'm not eating, I'm not coming tomorrow): Korean says the
// plain negative (안 먹어요, 내일 안 와요), which serves what goes on now and a plan alike.
constexpr FormPair kNotPairs[] = {
    {"progressive", "negative"},
};

// A plan of an honoured subject (my father is coming tomorrow: 오실 거예요).
constexpr FormPair kHonorificPlanPairs[] = {
    {"progressive", "future, honorific"},
};

struct Directive {
  std::string_view name;
  std::span<const FormPair> pairs;
  const char* szExample;  // the directive as the error message shows it
};
constexpr Directive kDirectives[] = {
    {"@honorific-endings", kHonorificPairs, "@honorific-endings %"},
    {"@plan-endings", kPlanPairs, "@plan-endings $"},
    {"@not-endings", kNotPairs, "@not-endings *"},
    {"@honorific-plan-endings", kHonorificPlanPairs, "@honorific-plan-endings $%"},
};

// The directive a line is, or null for an ordinary line.
const Directive* DirectiveOf(const SourceLine& line) {
  if (line.bHeader || line.fields.size() != 1) return nullptr;
  std::vector<std::string> words = BlankSeparatedWords(line.fields[0]);
  if (words.empty()) return nullptr;
  for (const Directive& directive : kDirectives)
    if (words[0] == directive.name) return &directive;
  return nullptr;
}

// The marker a directive line names ("%"); empty, with an error, when it names none.
std::string DirectiveMarker(const SourceLine& line, const Directive& directive,
                            CDiagnostics& diag) {
  std::vector<std::string> words = BlankSeparatedWords(line.fields[0]);
  if (words.size() == 2) return words[1];
  diag.Error(line.where, "expected \"" + std::string(directive.name) +
                             " MARKER\", the marker that a sentence pattern writes after a "
                             "verb (\"" + directive.szExample + "\")");
  return "";
}

// The words written before the verb in the dictionary form (을(를) of 을(를) 사다, 출장 of
// 출장 가다) are left out of the pattern, so that it matches whatever noun and particle
// stand there in a sentence; the auxiliary words of a form stay (읽고 싶어요).
std::pair<std::string, std::string> WithoutLeadingWords(const std::string& dictionaryForm,
                                                         const std::string& plain,
                                                         const std::string& honorific) {
  std::size_t lastSpace = dictionaryForm.find_last_of(' ');
  if (lastSpace == std::string::npos) return {plain, honorific};
  std::string lead = dictionaryForm.substr(0, lastSpace + 1);
  if (plain.rfind(lead, 0) != 0 || honorific.rfind(lead, 0) != 0) return {plain, honorific};
  return {plain.substr(lead.size()), honorific.substr(lead.size())};
}

struct Derived {
  std::string strReplacement;
  std::string strWord;  // the dictionary form it came from, for a clash message
};

// Every pattern the words give, keyed by the plain form with its marker. A pattern two
// words give differently is kept in `clashes` with both.
void DeriveEndings(const std::vector<FormsWord>& words, std::span<const FormPair> pairs,
                   const std::string& marker,
                   std::map<std::string, Derived>* endings,
                   std::map<std::string, std::pair<Derived, Derived>>* clashes) {
  const EnglishTables noTables;  // Korean forms need no English tables
  for (const FormsWord& word : words) {
    for (const FormPair& pair : pairs) {
      std::optional<std::string> plain, honorific;
      if (!FormByName(word, pair.szPlain, noTables, &plain) || !plain ||
          !FormByName(word, pair.szReplacement, noTables, &honorific) || !honorific ||
          *plain == *honorific)
        continue;
      auto [from, to] = WithoutLeadingWords(word.korean.strDictionaryForm, *plain, *honorific);
      Derived derived{to, word.korean.strDictionaryForm};
      auto [at, added] = endings->emplace(from + marker, derived);
      if (!added && at->second.strReplacement != to)
        clashes->emplace(from + marker, std::make_pair(at->second, derived));
    }
  }
}

SourceLine EntryLine(const SourceLocation& where, const std::string& pattern,
                     const std::string& replacement) {
  SourceLine line;
  line.where = where;
  line.fields = {pattern, replacement};
  return line;
}

}  // namespace

std::vector<SourceLine> ExpandHonorificEndings(const std::vector<SourceLine>& lines,
                                               const std::vector<FormsWord>& words,
                                               CDiagnostics& diag) {
  std::set<std::string> handWritten;
  for (const SourceLine& line : lines)
    if (!line.bHeader && line.fields.size() == 2) handWritten.insert(line.fields[0]);
  std::vector<SourceLine> out;
  for (const SourceLine& line : lines) {
    const Directive* directive = DirectiveOf(line);
    if (!directive) {
      out.push_back(line);
      continue;
    }
    std::string marker = DirectiveMarker(line, *directive, diag);
    if (marker.empty()) continue;
    std::map<std::string, Derived> endings;
    std::map<std::string, std::pair<Derived, Derived>> clashes;
    DeriveEndings(words, directive->pairs, marker, &endings, &clashes);
    for (const auto& [pattern, derived] : endings) {
      if (handWritten.count(pattern)) continue;
      auto clash = clashes.find(pattern);
      if (clash == clashes.end()) {
        out.push_back(EntryLine(line.where, pattern, derived.strReplacement));
        continue;
      }
      const auto& [first, second] = clash->second;
      diag.Error(line.where, "\"" + pattern + "\" is " + first.strReplacement + " for " +
                                 first.strWord + " but " + second.strReplacement + " for " +
                                 second.strWord + "; write the entry for it by hand");
    }
  }
  return out;
}
