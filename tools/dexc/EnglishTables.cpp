#include "tools/dexc/EnglishTables.h"

#include <fstream>
#include <sstream>

namespace {

constexpr char kComment = '#';
constexpr char kSeparator = '|';
constexpr std::size_t kMinVerbFields = 3;
constexpr std::size_t kMaxVerbFields = 4;
constexpr std::size_t kPluralFields = 2;
const char* const kVerbFile = "irregular-verbs.txt";
const char* const kPluralFile = "irregular-plurals.txt";

std::string Trim(const std::string& text) {
  const char* blanks = " \t\r";
  std::size_t first = text.find_first_not_of(blanks);
  if (first == std::string::npos) return "";
  return text.substr(first, text.find_last_not_of(blanks) + 1 - first);
}

std::vector<std::string> Fields(const std::string& line) {
  std::vector<std::string> fields;
  std::stringstream in(line);
  std::string field;
  while (std::getline(in, field, kSeparator)) fields.push_back(Trim(field));
  if (!line.empty() && line.back() == kSeparator) fields.push_back("");
  return fields;
}

// A word of the tables: lower-case letters, with inner hyphens, apostrophes or spaces
// (passer-by, passers-by).
bool IsWord(const std::string& text) {
  if (text.empty() || !(text.front() >= 'a' && text.front() <= 'z')) return false;
  for (char c : text)
    if (!((c >= 'a' && c <= 'z') || c == '-' || c == '\'' || c == ' ')) return false;
  return text.back() >= 'a' && text.back() <= 'z';
}

// Calls parseLine(fields, lineNumber) for each line that is not blank or a comment.
template <typename ParseLine>
void ForEachLine(const std::string& text, ParseLine parseLine) {
  std::stringstream in(text);
  std::string line;
  int number = 0;
  while (std::getline(in, line)) {
    ++number;
    std::string trimmed = Trim(line);
    if (trimmed.empty() || trimmed.front() == kComment) continue;
    parseLine(Fields(trimmed), number);
  }
}

class CProblems {
 public:
  CProblems(const std::string& source, std::vector<std::string>* errors)
      : m_strSource(source), m_pErrors(errors) {}
  void Add(int line, const std::string& message) {
    ++m_nCount;
    if (m_pErrors) m_pErrors->push_back(m_strSource + ":" + std::to_string(line) + ": " + message);
  }
  bool None() const { return m_nCount == 0; }

 private:
  std::string m_strSource;
  std::vector<std::string>* m_pErrors;
  int m_nCount = 0;
};

bool AllWords(const std::vector<std::string>& fields, int line, CProblems* problems) {
  for (const std::string& field : fields) {
    if (IsWord(field)) continue;
    problems->Add(line, "'" + field + "' is not a word in lower-case letters");
    return false;
  }
  return true;
}

bool ReadFile(const std::string& path, std::string* text) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return false;
  std::ostringstream all;
  all << in.rdbuf();
  *text = all.str();
  return !in.bad();
}

// Records the line where `word` is first listed; false, with a problem, when it was
// listed before.
bool FirstListing(const std::string& word, int line, std::map<std::string, int>* firstLine,
                  CProblems* problems) {
  auto [it, added] = firstLine->emplace(word, line);
  if (added) return true;
  problems->Add(line, "'" + word + "' is listed twice (first on line " + std::to_string(it->second) + ")");
  return false;
}

}  // namespace

bool ParseIrregularVerbs(const std::string& text, const std::string& sourceName,
                         EnglishTables* tables, std::vector<std::string>* errors) {
  CProblems problems(sourceName, errors);
  std::map<std::string, int> firstLine;
  ForEachLine(text, [&](const std::vector<std::string>& fields, int line) {
    if (fields.size() < kMinVerbFields || fields.size() > kMaxVerbFields) {
      problems.Add(line, "expected 'base | past | participle' and optionally '| -ing form'");
      return;
    }
    if (!AllWords(fields, line, &problems)) return;
    if (!FirstListing(fields[0], line, &firstLine, &problems)) return;
    IrregularVerb verb{fields[1], fields[2], fields.size() == kMaxVerbFields ? fields[3] : ""};
    tables->verbs[fields[0]] = verb;
  });
  return problems.None();
}

bool ParseIrregularPlurals(const std::string& text, const std::string& sourceName,
                           EnglishTables* tables, std::vector<std::string>* errors) {
  CProblems problems(sourceName, errors);
  std::map<std::string, int> firstLine;
  ForEachLine(text, [&](const std::vector<std::string>& fields, int line) {
    if (fields.size() != kPluralFields) {
      problems.Add(line, "expected 'singular | plural'");
      return;
    }
    if (!AllWords(fields, line, &problems)) return;
    if (!FirstListing(fields[0], line, &firstLine, &problems)) return;
    tables->plurals[fields[0]] = fields[1];
  });
  return problems.None();
}

bool LoadEnglishTables(const std::string& folder, EnglishTables* tables,
                       std::vector<std::string>* errors) {
  bool ok = true;
  struct File {
    const char* szName;
    bool (*parse)(const std::string&, const std::string&, EnglishTables*,
                  std::vector<std::string>*);
  };
  for (const File& file :
       {File{kVerbFile, ParseIrregularVerbs}, File{kPluralFile, ParseIrregularPlurals}}) {
    std::string path = folder + "/" + file.szName;
    std::string text;
    if (!ReadFile(path, &text)) {
      if (errors) errors->push_back(path + ": cannot be read");
      ok = false;
      continue;
    }
    ok = file.parse(text, path, tables, errors) && ok;
  }
  return ok;
}
