#include "tools/dexc/FormsCommand.h"

#include <fstream>
#include <sstream>

#include "tools/dexc/FormsReport.h"

namespace {

constexpr int kStatusOk = 0;
constexpr int kStatusFailed = 1;
constexpr const char* kCheckFlag = "--check";

bool ReadText(const std::string& file, std::string* text) {
  std::ifstream in(file, std::ios::binary);
  if (!in) return false;
  std::ostringstream buffer;
  buffer << in.rdbuf();
  *text = buffer.str();
  return !in.bad();
}

int CheckTable(const std::string& file, const EnglishTables& tables, std::ostream& out,
               std::ostream& err) {
  std::string text;
  if (!ReadText(file, &text)) {
    err << file << ": cannot read the file\n";
    return kStatusFailed;
  }
  std::vector<std::string> problems = CheckForms(text, file, tables);
  for (const std::string& problem : problems) out << problem << "\n";
  if (problems.empty()) out << file << ": every form is as expected\n";
  return problems.empty() ? kStatusOk : kStatusFailed;
}

}  // namespace

std::string DefaultFormsGrammarDir() {
#ifdef DAOLSAE_GRAMMAR_DIR
  return DAOLSAE_GRAMMAR_DIR;
#else
  return "data/grammar";
#endif
}

int RunForms(const std::vector<std::string>& args, const std::string& grammarDir, std::ostream& out,
             std::ostream& err) {
  EnglishTables tables;
  std::vector<std::string> errors;
  if (!LoadEnglishTables(grammarDir, &tables, &errors)) {
    for (const std::string& error : errors) err << error << "\n";
    err << "dexc: name the folder of the grammar tables with --grammar DIR\n";
    return kStatusFailed;
  }
  if (args[0] == kCheckFlag) return CheckTable(args[1], tables, out, err);
  std::string text;
  for (const std::string& arg : args) text += (text.empty() ? "" : " ") + arg;
  std::string error;
  std::optional<FormsWord> word = ParseFormsWord(text, &error);
  if (!word) {
    err << "dexc: " << error << "\n";
    return kStatusFailed;
  }
  out << FormsReport(*word, tables);
  return kStatusOk;
}
