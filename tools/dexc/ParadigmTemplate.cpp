#include "tools/dexc/ParadigmTemplate.h"

#include "tools/dexc/Diagnostics.h"
#include "tools/dexc/KoreanConjugation.h"

namespace {

constexpr char kOpen = '{';
constexpr char kClose = '}';
constexpr char kFormSeparator = '.';

struct SideName {
  const char* szName;
  ParadigmSide eSide;
};
constexpr SideName kSides[] = {
    {"ko", ParadigmSide::kKorean},
    {"en", ParadigmSide::kEnglish},
    {"note", ParadigmSide::kNote},
    {"sense", ParadigmSide::kSense},
    {"honorific of", ParadigmSide::kHonorificOf},
};
constexpr char kTagOpen = '[';
constexpr char kTagClose = ']';

// A word of each kind whose forms report knows every form name, to check names against.
FormsWord SampleWord(bool korean, bool noun) {
  std::string error;
  std::optional<FormsWord> word = ParseFormsWord(korean ? "하다"
                                                 : noun ? "cat noun"
                                                        : "go",
                                                 &error);
  return word ? *word : FormsWord{};
}

bool IsFormName(ParadigmSide side, bool noun, const std::string& name) {
  if (side == ParadigmSide::kKorean && noun) return false;
  const EnglishTables noTables;
  std::optional<std::string> form;
  return FormByName(SampleWord(side == ParadigmSide::kKorean, noun), name, noTables, &form);
}

std::string PlaceholderText(const ParadigmPiece& piece) {
  for (const SideName& side : kSides)
    if (side.eSide == piece.eSide)
      return std::string(1, kOpen) + side.szName +
             (piece.strForm.empty() ? "" : kFormSeparator + piece.strForm) + kClose;
  return "";
}

bool ParsePlaceholder(const std::string& inside, bool noun, ParadigmPiece* piece,
                      std::string* error) {
  std::size_t dot = inside.find(kFormSeparator);
  std::string sideName = inside.substr(0, dot);
  piece->bPlaceholder = true;
  piece->strForm = dot == std::string::npos ? "" : inside.substr(dot + 1);
  for (const SideName& side : kSides) {
    if (sideName != side.szName) continue;
    piece->eSide = side.eSide;
    if (dot == std::string::npos) return true;
    bool hasForms = side.eSide == ParadigmSide::kKorean || side.eSide == ParadigmSide::kEnglish;
    if (hasForms && IsFormName(side.eSide, noun, piece->strForm)) return true;
    *error = "unknown form name \"" + piece->strForm + "\" in {" + inside + "}: " +
             (!hasForms ? "{" + sideName + "} takes no form"
              : side.eSide == ParadigmSide::kKorean && noun
                  ? "a noun paradigm has no Korean forms, only {ko}"
                  : "the names are those `dexc forms` prints (past, present, honorific, "
                    "third person, plural ...)");
    return false;
  }
  *error = "unknown placeholder {" + inside +
           "}: expected {ko}, {en}, {note}, {sense}, {honorific of}, "
           "{ko.FORM} or {en.FORM}";
  return false;
}

// "[먹다]" for a Korean word whose honorific is another word (드시다), so that two words
// sharing that honorific stay apart in a list; nothing for a word with a sense tag of
// its own, a regular honorific, or an English word.
std::string HonorificSourceTag(const ParadigmWordForms& word) {
  if (!word.korean.bKorean || word.bKoreanNoun || !word.strSense.empty()) return "";
  if (SuppletiveHonorificOf(word.korean.korean).empty()) return "";
  const std::string& text = word.strKoreanText;
  std::size_t space = text.find_last_of(' ');
  return kTagOpen + (space == std::string::npos ? text : text.substr(space + 1)) + kTagClose;
}

// The form a placeholder stands for; nothing when the word lacks it.
std::optional<std::string> FormOf(const ParadigmPiece& piece, const ParadigmWordForms& word,
                                  const EnglishTables& tables) {
  if (piece.eSide == ParadigmSide::kNote) return word.strNote;
  if (piece.eSide == ParadigmSide::kHonorificOf) return HonorificSourceTag(word);
  if (piece.eSide == ParadigmSide::kSense)
    return word.strSense.empty() ? "" : " (" + word.strSense + ")";
  bool korean = piece.eSide == ParadigmSide::kKorean;
  if (piece.strForm.empty()) return korean ? word.strKoreanText : word.strEnglishText;
  std::optional<std::string> form;
  FormByName(korean ? word.korean : word.english, piece.strForm, tables, &form);
  return form;
}

}  // namespace

std::optional<ParadigmTemplate> ParseParadigmTemplate(const std::string& text, bool noun,
                                                      std::string* error) {
  ParadigmTemplate pieces;
  std::size_t pos = 0;
  while (pos < text.size()) {
    std::size_t open = text.find(kOpen, pos);
    if (open != pos) {
      ParadigmPiece literal;
      literal.strText = text.substr(pos, open - pos);
      pieces.push_back(literal);
      if (open == std::string::npos) break;
    }
    std::size_t close = text.find(kClose, open);
    if (close == std::string::npos) {
      *error = "a \"{\" without its closing \"}\" in " + Quoted(text);
      return std::nullopt;
    }
    ParadigmPiece piece;
    if (!ParsePlaceholder(text.substr(open + 1, close - open - 1), noun, &piece, error))
      return std::nullopt;
    pieces.push_back(piece);
    pos = close + 1;
  }
  return pieces;
}

std::optional<std::string> FillParadigmTemplate(const ParadigmTemplate& pieces,
                                                const ParadigmWordForms& word,
                                                const EnglishTables& tables, std::string* missing) {
  std::string text;
  for (const ParadigmPiece& piece : pieces) {
    if (!piece.bPlaceholder) {
      text += piece.strText;
      continue;
    }
    std::optional<std::string> form = FormOf(piece, word, tables);
    if (!form) {
      *missing = PlaceholderText(piece);
      return std::nullopt;
    }
    text += *form;
  }
  return text;
}
