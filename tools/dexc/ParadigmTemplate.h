// One field of a paradigm line ("{ko.past}.", "{en.third person}", "{ko}: past, {en}"):
// literal text with placeholders for the forms of a word, checked once when the
// paradigm is read and filled in for every word of a @words block. Used by Paradigms.
#pragma once
#include <optional>
#include <string>
#include <vector>

#include "tools/dexc/FormsReport.h"

// Which side of the word a placeholder takes its text from.
enum class ParadigmSide { kKorean, kEnglish, kNote, kSense, kHonorificOf };

struct ParadigmPiece {
  std::string strText;  // literal text, when bPlaceholder is false
  bool bPlaceholder = false;
  ParadigmSide eSide = ParadigmSide::kKorean;
  std::string strForm;  // a forms report name ("past", "present, honorific"); empty: the word
};

using ParadigmTemplate = std::vector<ParadigmPiece>;

// The two words of one @words line, parsed, with the word's own note.
struct ParadigmWordForms {
  FormsWord korean;
  FormsWord english;
  bool bKoreanNoun = false;  // a noun paradigm: the Korean side is text, it does not inflect
  std::string strKoreanText, strEnglishText;  // the dictionary forms as written
  std::string strNote;
  std::string strSense;  // the sense tag of the word, without brackets ("운동"), or empty
};

// Reads a template. A placeholder is {ko}, {en}, {note}, {sense} (" (운동)" for a word
// tagged [운동], else nothing), {honorific of} ("[먹다]" for a Korean word whose honorific
// is another word, 드시다, so that 먹다 and 마시다 stay apart in a list; nothing for a word
// that has a sense tag or a regular honorific), {ko.FORM} or {en.FORM}, where
// FORM is a name of the forms report; a noun paradigm has no Korean forms and its English
// forms are those of a noun. Nothing, with a message in *error, for an unknown
// placeholder or form name or a brace that is not closed.
std::optional<ParadigmTemplate> ParseParadigmTemplate(const std::string& text, bool noun,
                                                      std::string* error);

// The template filled in for the word. Nothing when a form it names does not exist for
// this word (an adjective's "please"), with that placeholder's text in *missing.
std::optional<std::string> FillParadigmTemplate(const ParadigmTemplate& pieces,
                                                const ParadigmWordForms& word,
                                                const EnglishTables& tables, std::string* missing);
