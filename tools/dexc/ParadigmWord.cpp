#include "tools/dexc/ParadigmWord.h"

#include <algorithm>

namespace {

constexpr std::string_view kNounFlag = "noun";
constexpr std::string_view kOnlyOption = "only";
constexpr std::string_view kExceptOption = "except";
constexpr char kTagOpen = '[';
constexpr char kTagClose = ']';
constexpr std::size_t kMinWordFields = 2, kMaxWordFields = 4;
constexpr std::size_t kOptionsField = 2, kNoteField = 3;

// The "only ...", "except ..." and variant options of a word line.
bool ParseOptions(const std::string& text, const Paradigm& paradigm, const SourceLocation& where,
                  CDiagnostics& diag, ParadigmWord* word) {
  std::vector<std::string>* list = nullptr;
  bool ok = true;
  for (const std::string& token : BlankSeparatedWords(text)) {
    if (token == kOnlyOption || token == kExceptOption) {
      list = token == kOnlyOption ? &word->only : &word->except;
    } else if (HasVariant(paradigm, token)) {
      word->variants.push_back(token);
    } else if (!list) {
      diag.Error(where, "unknown option " + Quoted(token) +
                            ": the options are \"only KEY ...\", \"except KEY ...\" and the "
                            "variants of the paradigm " +
                            Quoted(paradigm.strName) + VariantList(paradigm));
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
            " word; a word line is \"" +
            "PHRASE WORD | TRANSLATION WORD\" in the dictionary's "
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

}  // namespace

bool ParseParadigmWord(const SourceLine& line, const Paradigm& paradigm, bool koreanPhrases,
                       CDiagnostics& diag, ParadigmWord* word) {
  const std::vector<std::string>& f = line.fields;
  if (line.bHeader) {
    diag.Error(line.where, "a [key] line cannot stand in a @words block; the paradigm " +
                               Quoted(paradigm.strName) + " names the keys");
    return false;
  }
  if (f.size() < kMinWordFields || f.size() > kMaxWordFields || f[0].empty() || f[1].empty()) {
    diag.Error(
        line.where,
        "a word line is \"word | translation\", optionally followed by "
        "\"| options | note\"; " +
            std::string(f.size() < kMinWordFields || f[1].empty() ? "the translation is missing"
                        : f[0].empty()                            ? "the word is missing"
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
  if (f.size() > kOptionsField)
    ok &= ParseOptions(f[kOptionsField], paradigm, line.where, diag, word);
  if (f.size() > kNoteField) word->forms.strNote = f[kNoteField];
  return ok;
}

bool JoinsGroup(const ParadigmWord& word, const std::string& key) {
  auto has = [&key](const std::vector<std::string>& list) {
    return std::find(list.begin(), list.end(), key) != list.end();
  };
  return (word.only.empty() || has(word.only)) && !has(word.except);
}
