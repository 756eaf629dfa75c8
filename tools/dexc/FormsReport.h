// Every form of one word, named, for `dexc forms WORD`, and the check of a table of
// expected forms against the conjugator and inflector, for `dexc forms --check FILE`.
//
// A word is written as the word and then its tokens:
//   Korean:  듣다 d, 춥다 b adj, 학생이다 cop, 먹다 hon=잡수시다, 음악을 듣다 d,
//            샤워하다 split, 입어 보다 aux (the tokens of ApplyKoreanClassToken, and
//            hon= the honorific form)
//   English: go, listen to, prefer double, person noun, potato noun oes,
//            lie past=lied pp=lied, SIM card noun article=a (overrides third= past= pp=
//            ing= plural= article=)
// In a value "_" stands for a space: wake up past=woke_up, 밥을 먹다 hon=진지를_드시다.
// An expected-forms line is "word tokens | form name | expected form", "-" for no form:
//   듣다 d | past | 들었어요
//   가다 | present, honorific | 가세요
//   크다 adj | progressive | -
//   go | past participle | gone
#pragma once
#include <optional>
#include <string>
#include <vector>

#include "tools/dexc/EnglishInflection.h"
#include "tools/dexc/KoreanWord.h"

struct FormsWord {
  bool bKorean = false;
  KoreanWord korean;
  bool bNoun = false;  // English only
  EnglishVerb verb;
  EnglishNoun noun;
};

// Reads "word tokens". Nothing, with a message in *error, for an unknown token, an empty
// word or a Korean word that fails its class check.
std::optional<FormsWord> ParseFormsWord(const std::string& wordText, std::string* error);

// The form called `name` in the report ("past", "present, honorific", "-ing", "plural",
// "with a/an").
// False for a name the word does not have; *form is left empty where the form does not
// exist (an adjective's progressive).
bool FormByName(const FormsWord& word, const std::string& name, const EnglishTables& tables,
                std::optional<std::string>* form);

// The printable report: a heading with the kind and class, then "name: form" for every
// form that exists, one per line.
std::string FormsReport(const FormsWord& word, const EnglishTables& tables);

// Checks a table of expected forms; each mismatch or bad line as "fileName:line: message".
std::vector<std::string> CheckForms(const std::string& text, const std::string& fileName,
                                    const EnglishTables& tables);
