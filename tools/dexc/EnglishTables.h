// The irregular English verbs and plurals the inflector looks up, read from the UTF-8
// data files data/grammar/irregular-verbs.txt ("go | went | gone", optionally a fourth
// field for an -ing form no rule makes: "begin | began | begun | beginning") and
// data/grammar/irregular-plurals.txt ("child | children"). Lines starting with # are
// comments.
#pragma once
#include <map>
#include <string>
#include <vector>

struct IrregularVerb {
  std::string strPast;
  std::string strParticiple;
  std::string strIng;  // empty: the -ing rule applies
};

struct EnglishTables {
  std::map<std::string, IrregularVerb> verbs;  // by base form
  std::map<std::string, std::string> plurals;  // singular to plural
};

// Parse one file's text into the tables. Each problem (a malformed line, a field that is
// not a word, a word listed twice) is appended to *errors as "sourceName:line: message";
// the bad line is skipped, the others still count. True when there was none.
bool ParseIrregularVerbs(const std::string& text, const std::string& sourceName,
                         EnglishTables* tables, std::vector<std::string>* errors);
bool ParseIrregularPlurals(const std::string& text, const std::string& sourceName,
                           EnglishTables* tables, std::vector<std::string>* errors);

// Reads irregular-verbs.txt and irregular-plurals.txt from a folder (data/grammar). An
// unreadable file is an error like any other.
bool LoadEnglishTables(const std::string& folder, EnglishTables* tables,
                       std::vector<std::string>* errors);
