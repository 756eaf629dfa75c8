#include "tools/dexc/EnglishInflection.h"

#include <cstring>

namespace {

const char* const kOf = " of ";

bool IsVowel(char c) { return std::strchr("aeiou", c) != nullptr && c != '\0'; }
bool IsLetter(char c) { return c >= 'a' && c <= 'z'; }

// A vowel letter at i, counting the u of "qu" as part of the consonant (quit).
bool VowelAt(const std::string& word, std::size_t i) {
  if (!IsVowel(word[i])) return false;
  return !(word[i] == 'u' && i > 0 && word[i - 1] == 'q');
}

bool EndsWith(const std::string& text, const char* tail) {
  std::size_t n = std::strlen(tail);
  return text.size() >= n && text.compare(text.size() - n, n, tail) == 0;
}

int VowelGroups(const std::string& word) {
  int groups = 0;
  for (std::size_t i = 0; i < word.size(); ++i)
    if (VowelAt(word, i) && (i == 0 || !VowelAt(word, i - 1))) ++groups;
  return groups;
}

// Consonant, one vowel, consonant at the end, the last not w, x or y: stop, plan, quit.
bool EndsConsonantVowelConsonant(const std::string& w) {
  std::size_t n = w.size();
  if (n < 3 || !IsLetter(w[n - 1]) || VowelAt(w, n - 1) || std::strchr("wxy", w[n - 1]))
    return false;
  return VowelAt(w, n - 2) && !VowelAt(w, n - 3);
}

bool DoublesFinal(const std::string& word, bool marked) {
  if (!EndsConsonantVowelConsonant(word)) return false;
  return marked || VowelGroups(word) == 1;
}

bool ConsonantBeforeY(const std::string& w) {
  return w.size() >= 2 && w.back() == 'y' && IsLetter(w[w.size() - 2]) && !IsVowel(w[w.size() - 2]);
}

// -es after a sibilant (watches, fixes, misses, buzzes, washes).
bool TakesEs(const std::string& w) {
  return EndsWith(w, "s") || EndsWith(w, "x") || EndsWith(w, "z") || EndsWith(w, "ch") ||
         EndsWith(w, "sh");
}

// A short word's single z doubles before -es (quiz quizzes, whiz whizzes).
std::string WithEs(const std::string& w) {
  if (w.back() == 'z' && DoublesFinal(w, false)) return w + "zes";
  return w + "es";
}

bool ConsonantBeforeO(const std::string& w) {
  return w.size() >= 2 && w.back() == 'o' && IsLetter(w[w.size() - 2]) && !IsVowel(w[w.size() - 2]);
}

std::string ThirdPerson(const std::string& w) {
  if (w == "be") return "is";
  if (w == "have") return "has";
  if (TakesEs(w) || ConsonantBeforeO(w)) return WithEs(w);  // watches, goes, does
  if (ConsonantBeforeY(w)) return w.substr(0, w.size() - 1) + "ies";
  return w + "s";
}

std::string RegularPast(const std::string& w, bool marked) {
  if (EndsWith(w, "e")) return w + "d";  // liked, agreed, died
  if (ConsonantBeforeY(w)) return w.substr(0, w.size() - 1) + "ied";
  if (DoublesFinal(w, marked)) return w + w.back() + "ed";
  return w + "ed";
}

// A final e is silent, and drops before -ing, when another vowel comes before it and it
// does not belong to ee, oe or ye (make making; see seeing, be being, dye dyeing).
bool HasSilentE(const std::string& w) {
  if (w.size() < 3 || w.back() != 'e' || std::strchr("eoy", w[w.size() - 2])) return false;
  for (std::size_t i = 0; i + 1 < w.size(); ++i)
    if (VowelAt(w, i)) return true;
  return false;
}

std::string IngForm(const std::string& w, bool marked) {
  if (EndsWith(w, "ie")) return w.substr(0, w.size() - 2) + "ying";  // lie lying
  if (HasSilentE(w)) return w.substr(0, w.size() - 1) + "ing";
  if (DoublesFinal(w, marked)) return w + w.back() + "ing";
  return w + "ing";
}

// An override without a space stands for the first word; with one, for the whole verb.
std::string WithOverride(const std::string& overrideForm, const std::string& made,
                         const std::string& rest) {
  if (overrideForm.empty()) return made + rest;
  if (overrideForm.find(' ') != std::string::npos) return overrideForm;
  return overrideForm + rest;
}

std::string RegularPlural(const std::string& w, bool oes) {
  if (TakesEs(w) || (oes && EndsWith(w, "o"))) return WithEs(w);
  if (ConsonantBeforeY(w)) return w.substr(0, w.size() - 1) + "ies";
  return w + "s";
}

// The word of a noun that takes the plural, as [start, end) in the text.
void HeadWord(const std::string& noun, std::size_t* start, std::size_t* end) {
  std::size_t of = noun.find(kOf);
  *end = of == std::string::npos ? noun.size() : of;
  std::size_t space = noun.rfind(' ', *end == 0 ? 0 : *end - 1);
  *start = space == std::string::npos || space >= *end ? 0 : space + 1;
}

bool StartsWith(const std::string& text, const char* head) {
  return text.compare(0, std::strlen(head), head) == 0;
}

bool IsUpper(char c) { return c >= 'A' && c <= 'Z'; }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// Beginnings where a vowel letter sounds as a consonant: "one" begins with w, "eu", "uni",
// "use" ... with y (a one-way ticket, a European, a university, a useful map).
const char* const kConsonantSoundHeads[] = {"one", "once", "eu", "ewe", "uni", "usa", "use",
                                            "usu", "ute", "uti", "uto", "ura", "ure", "uri",
                                            "uro", "uku", "ubi"};
// Exceptions among them, read with a vowel: unimportant, uninteresting, unidentified.
const char* const kVowelSoundHeads[] = {"unim", "unin", "unid"};
// Beginnings with a silent h (an hour, an honest answer, an heir).
const char* const kSilentHHeads[] = {"hour", "honest", "honor", "honour", "heir"};
// Letters whose names begin with a vowel sound: an A, an F, an M, an X.
const char* const kVowelLetterNames = "AEFHILMNORSX";

// A word read letter by letter: two or more capitals (ATM, SUV), or one capital before a
// hyphen or alone (T-shirt, X-ray).
bool IsInitialism(const std::string& word) {
  if (word.empty() || !IsUpper(word[0])) return false;
  if (word.size() == 1 || word[1] == '-') return true;
  for (std::size_t i = 0; i < word.size() && word[i] != '-'; ++i)
    if (!IsUpper(word[i]) && !IsDigit(word[i])) return false;
  return true;
}

bool FirstWordTakesAn(const std::string& noun) {
  std::string word = noun.substr(0, noun.find(' '));
  if (word.empty()) return false;
  if (IsDigit(word[0])) {  // an 8, an 11, an 18, an 80 ...
    bool twoDigits = word.size() >= 2 && IsDigit(word[1]) && (word.size() == 2 || !IsDigit(word[2]));
    return word[0] == '8' || (twoDigits && (StartsWith(word, "11") || StartsWith(word, "18")));
  }
  if (IsInitialism(word)) return std::strchr(kVowelLetterNames, word[0]) != nullptr;
  std::string lower;
  for (char c : word) lower += IsUpper(c) ? static_cast<char>(c - 'A' + 'a') : c;
  for (const char* head : kSilentHHeads)
    if (StartsWith(lower, head)) return true;
  if (!IsVowel(lower[0])) return false;
  for (const char* head : kVowelSoundHeads)
    if (StartsWith(lower, head)) return true;
  for (const char* head : kConsonantSoundHeads)
    if (StartsWith(lower, head)) return false;
  return true;
}

}  // namespace

EnglishVerbForms InflectEnglishVerb(const EnglishVerb& verb, const EnglishTables& tables) {
  std::size_t space = verb.strBase.find(' ');
  std::string first = verb.strBase.substr(0, space);
  std::string rest = space == std::string::npos ? "" : verb.strBase.substr(space);
  auto irregular = tables.verbs.find(first);
  bool listed = irregular != tables.verbs.end();

  std::string past = listed ? irregular->second.strPast : RegularPast(first, verb.bDoubleFinal);
  std::string participle = listed ? irregular->second.strParticiple : past;
  std::string ing = listed && !irregular->second.strIng.empty() ? irregular->second.strIng
                                                                : IngForm(first, verb.bDoubleFinal);

  EnglishVerbForms forms;
  forms.strBase = verb.strBase;
  forms.strThirdPerson = WithOverride(verb.strThirdPerson, ThirdPerson(first), rest);
  forms.strPast = WithOverride(verb.strPast, past, rest);
  forms.strParticiple = WithOverride(verb.strParticiple, participle, rest);
  forms.strIng = WithOverride(verb.strIng, ing, rest);
  bool be = first == "be";
  forms.strPresentI = be ? "am" + rest : verb.strBase;
  forms.strPresentPlural = be ? "are" + rest : verb.strBase;
  forms.strPastPlural = be ? "were" + rest : forms.strPast;
  forms.bIrregular = listed || !verb.strPast.empty() || !verb.strParticiple.empty();
  return forms;
}

std::string PluralOf(const EnglishNoun& noun, const EnglishTables& tables) {
  if (!noun.strPlural.empty()) return noun.strPlural;
  if (auto whole = tables.plurals.find(noun.strSingular); whole != tables.plurals.end())
    return whole->second;
  std::size_t start = 0, end = 0;
  HeadWord(noun.strSingular, &start, &end);
  std::string head = noun.strSingular.substr(start, end - start);
  auto listed = tables.plurals.find(head);
  std::string plural =
      listed != tables.plurals.end() ? listed->second : RegularPlural(head, noun.bPluralOes);
  return noun.strSingular.substr(0, start) + plural + noun.strSingular.substr(end);
}

bool HasIrregularPlural(const EnglishNoun& noun, const EnglishTables& tables) {
  if (!noun.strPlural.empty() || tables.plurals.count(noun.strSingular)) return true;
  std::size_t start = 0, end = 0;
  HeadWord(noun.strSingular, &start, &end);
  return tables.plurals.count(noun.strSingular.substr(start, end - start)) > 0;
}

std::string WithIndefiniteArticle(const EnglishNoun& noun) {
  std::string article = !noun.strArticle.empty()              ? noun.strArticle
                        : FirstWordTakesAn(noun.strSingular) ? "an"
                                                              : "a";
  return article + " " + noun.strSingular;
}
