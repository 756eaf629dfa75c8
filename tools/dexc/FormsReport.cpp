#include "tools/dexc/FormsReport.h"

#include <sstream>

#include "tools/dexc/KoreanConjugation.h"
#include "tools/dexc/KoreanHangul.h"

namespace {

constexpr char kSeparator = '|';
constexpr char kComment = '#';
constexpr std::size_t kCheckFields = 3;
const char* const kNoForm = "-";
const char* const kHonorificSuffix = ", honorific";
const char* const kHonorificKey = "hon=";
const char* const kWithArticle = "with a/an";  // a noun's form with its indefinite article

std::string Trim(const std::string& text) {
  const char* blanks = " \t\r";
  std::size_t first = text.find_first_not_of(blanks);
  if (first == std::string::npos) return "";
  return text.substr(first, text.find_last_not_of(blanks) + 1 - first);
}

std::vector<std::string> Split(const std::string& text, char separator) {
  std::vector<std::string> parts;
  std::stringstream in(text);
  std::string part;
  while (std::getline(in, part, separator))
    if (separator != ' ' || !part.empty()) parts.push_back(Trim(part));
  if (separator != ' ' && !text.empty() && text.back() == separator) parts.push_back("");
  return parts;
}

std::string Join(const std::vector<std::string>& words, std::size_t count) {
  std::string text;
  for (std::size_t i = 0; i < count; ++i) text += (i ? " " : "") + words[i];
  return text;
}

// A token's value cannot hold a space; "_" stands for one (past=woke_up).
std::string Spaced(std::string value) {
  for (char& c : value)
    if (c == '_') c = ' ';
  return value;
}

bool IsAscii(const std::string& text) {
  for (char c : text)
    if (static_cast<unsigned char>(c) >= 0x80) return false;
  return true;
}

bool ContainsHangul(const std::string& text) {
  std::optional<std::u32string> decoded = hangul::DecodeUtf8(text);
  if (!decoded) return false;
  for (char32_t c : *decoded)
    if (hangul::IsSyllable(c)) return true;
  return false;
}

// Takes the Korean tokens off the end of the words; the rest is the dictionary form.
bool ParseKorean(const std::vector<std::string>& words, FormsWord* word, std::string* error) {
  std::size_t count = words.size();
  for (; count > 1; --count) {
    const std::string& token = words[count - 1];
    if (token.rfind(kHonorificKey, 0) == 0) {
      word->korean.strHonorific = Spaced(token.substr(std::string(kHonorificKey).size()));
    } else if (IsAscii(token)) {
      if (auto problem = ApplyKoreanClassToken(token, &word->korean)) {
        *error = *problem;
        return false;
      }
    } else {
      break;
    }
  }
  word->korean.strDictionaryForm = Join(words, count);
  if (auto problem = CheckKoreanWord(word->korean)) {
    *error = *problem;
    return false;
  }
  return true;
}

// One English token: true when `token` is one (and applied), false when it is a word of
// the verb or noun; *error is set for a key=value with an unknown key.
bool ApplyEnglishToken(const std::string& token, FormsWord* word, std::string* error) {
  if (token == "noun") return word->bNoun = true;
  if (token == "double") return word->verb.bDoubleFinal = true;
  if (token == "oes") return word->noun.bPluralOes = true;
  std::size_t equals = token.find('=');
  if (equals == std::string::npos) return false;
  std::string key = token.substr(0, equals);
  std::string value = Spaced(token.substr(equals + 1));
  std::string* field = key == "third"     ? &word->verb.strThirdPerson
                       : key == "past"    ? &word->verb.strPast
                       : key == "pp"      ? &word->verb.strParticiple
                       : key == "ing"     ? &word->verb.strIng
                       : key == "plural"  ? &word->noun.strPlural
                       : key == "article" ? &word->noun.strArticle
                                          : nullptr;
  if (!field || value.empty()) {
    *error = "unknown English override '" + token +
             "': expected third=, past=, pp=, ing=, plural= or article= with a form";
    return true;
  }
  if (field == &word->noun.strArticle && value != "a" && value != "an") {
    *error = "the article in '" + token + "' is neither a nor an";
    return true;
  }
  *field = value;
  return true;
}

bool ParseEnglish(const std::vector<std::string>& words, FormsWord* word, std::string* error) {
  std::size_t count = words.size();
  for (; count > 1; --count) {
    if (!ApplyEnglishToken(words[count - 1], word, error)) break;
    if (!error->empty()) return false;
  }
  std::string text = Join(words, count);
  word->verb.strBase = text;
  word->noun.strSingular = text;
  return true;
}

bool KoreanFormByName(const KoreanWord& word, const std::string& name,
                      std::optional<std::string>* form) {
  std::string base = name;
  bool honorific = false;
  std::size_t suffix = name.size() >= std::string(kHonorificSuffix).size()
                           ? name.size() - std::string(kHonorificSuffix).size()
                           : std::string::npos;
  if (suffix != std::string::npos &&
      name.compare(suffix, std::string::npos, kHonorificSuffix) == 0) {
    base = name.substr(0, suffix);
    honorific = true;
  }
  std::optional<KoreanEnding> ending = KoreanEndingFromName(base);
  if (!ending) return false;
  *form = ConjugateKorean(word, *ending, honorific);
  return true;
}

struct EnglishVerbField {
  const char* szName;
  std::string EnglishVerbForms::*pField;
};
const EnglishVerbField kVerbFields[] = {
    {"base", &EnglishVerbForms::strBase},
    {"third person", &EnglishVerbForms::strThirdPerson},
    {"past", &EnglishVerbForms::strPast},
    {"past participle", &EnglishVerbForms::strParticiple},
    {"-ing", &EnglishVerbForms::strIng},
    {"present I", &EnglishVerbForms::strPresentI},
    {"present plural", &EnglishVerbForms::strPresentPlural},
    {"past plural", &EnglishVerbForms::strPastPlural},
};

std::string KoreanHeading(const KoreanWord& word) {
  std::string heading = word.strDictionaryForm + " (";
  if (word.eKind == KoreanKind::kCopula) return heading + KoreanKindName(word.eKind) + ")";
  heading += BehavesAsAdjective(word) ? "adjective" : "verb";
  heading += std::string(", ") + KoreanClassName(word.eClass);
  std::string honorific = SuppletiveHonorificOf(word);
  if (!honorific.empty()) heading += ", honorific " + honorific;
  return heading + ")";
}

std::string KoreanReport(const KoreanWord& word) {
  std::string out = KoreanHeading(word) + "\n";
  for (KoreanEnding ending : AllKoreanEndings()) {
    std::string name = KoreanEndingName(ending);
    std::optional<std::string> plain = ConjugateKorean(word, ending, false);
    if (plain) out += name + ": " + *plain + "\n";
    if (!HasHonorificVariant(ending)) continue;
    std::optional<std::string> honorific = ConjugateKorean(word, ending, true);
    if (honorific && honorific != plain)  // an honorific word: the plain form says it all
      out += name + kHonorificSuffix + ": " + *honorific + "\n";
  }
  return out;
}

std::string EnglishReport(const FormsWord& word, const EnglishTables& tables) {
  if (word.bNoun) {
    bool irregular = HasIrregularPlural(word.noun, tables);
    return word.noun.strSingular + " (noun, " + (irregular ? "irregular plural" : "regular") +
           ")\nplural: " + PluralOf(word.noun, tables) + "\n" + kWithArticle + ": " +
           WithIndefiniteArticle(word.noun) + "\n";
  }
  EnglishVerbForms forms = InflectEnglishVerb(word.verb, tables);
  std::string out = word.verb.strBase + " (verb, " + (forms.bIrregular ? "irregular" : "regular");
  if (word.verb.bDoubleFinal) out += ", doubles its final consonant";
  out += ")\n";
  for (const EnglishVerbField& field : kVerbFields) {
    const std::string& value = forms.*field.pField;
    bool repeats = (field.pField == &EnglishVerbForms::strPresentI ||
                    field.pField == &EnglishVerbForms::strPresentPlural) &&
                   value == forms.strBase;
    if (field.pField == &EnglishVerbForms::strPastPlural && value == forms.strPast) repeats = true;
    if (!repeats) out += std::string(field.szName) + ": " + value + "\n";
  }
  return out;
}

std::string Shown(const std::optional<std::string>& form) { return form ? *form : "no form"; }

}  // namespace

std::optional<FormsWord> ParseFormsWord(const std::string& wordText, std::string* error) {
  std::vector<std::string> words = Split(Trim(wordText), ' ');
  error->clear();
  if (words.empty()) {
    *error = "no word given";
    return std::nullopt;
  }
  FormsWord word;
  word.bKorean = ContainsHangul(wordText);
  bool ok = word.bKorean ? ParseKorean(words, &word, error) : ParseEnglish(words, &word, error);
  if (!ok) return std::nullopt;
  return word;
}

bool FormByName(const FormsWord& word, const std::string& name, const EnglishTables& tables,
                std::optional<std::string>* form) {
  form->reset();
  if (word.bKorean) return KoreanFormByName(word.korean, name, form);
  if (word.bNoun) {
    if (name == "plural") *form = PluralOf(word.noun, tables);
    if (name == kWithArticle) *form = WithIndefiniteArticle(word.noun);
    return form->has_value();
  }
  EnglishVerbForms forms = InflectEnglishVerb(word.verb, tables);
  for (const EnglishVerbField& field : kVerbFields) {
    if (name != field.szName) continue;
    *form = forms.*field.pField;
    return true;
  }
  return false;
}

std::string FormsReport(const FormsWord& word, const EnglishTables& tables) {
  return word.bKorean ? KoreanReport(word.korean) : EnglishReport(word, tables);
}

std::vector<std::string> CheckForms(const std::string& text, const std::string& fileName,
                                    const EnglishTables& tables) {
  std::vector<std::string> problems;
  std::stringstream in(text);
  std::string line;
  int number = 0;
  while (std::getline(in, line)) {
    ++number;
    std::string where = fileName + ":" + std::to_string(number) + ": ";
    std::string trimmed = Trim(line);
    if (trimmed.empty() || trimmed.front() == kComment) continue;
    std::vector<std::string> fields = Split(trimmed, kSeparator);
    if (fields.size() != kCheckFields || fields[0].empty() || fields[1].empty() ||
        fields[2].empty()) {
      problems.push_back(where + "expected 'word [tokens] | form name | expected form'");
      continue;
    }
    std::string error;
    std::optional<FormsWord> word = ParseFormsWord(fields[0], &error);
    if (!word) {
      problems.push_back(where + error);
      continue;
    }
    std::optional<std::string> actual;
    if (!FormByName(*word, fields[1], tables, &actual)) {
      problems.push_back(where + "unknown form name '" + fields[1] + "'");
      continue;
    }
    std::optional<std::string> expected;
    if (fields[2] != kNoForm) expected = fields[2];
    if (actual != expected)
      problems.push_back(where + fields[0] + " | " + fields[1] + ": expected " + Shown(expected) +
                         ", got " + Shown(actual));
  }
  return problems;
}
