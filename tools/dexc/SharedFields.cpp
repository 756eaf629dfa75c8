#include "tools/dexc/SharedFields.h"

#include "tools/dexc/FieldChecks.h"

namespace {

// Reports a "[key]" line in a file that is not a lexicon; `form` is the line form
// that belongs there.
void ReportStrayHeader(CDiagnostics& diag, const SourceLocation& where, const std::string& form) {
  diag.Error(where,
             "[key] lines belong in lexicon files (main, ekmain); here every line is " + form);
}

}  // namespace

void ReportFieldCount(CDiagnostics& diag, const SourceLocation& where, const std::string& what,
                      const std::string& form, std::size_t count) {
  diag.Error(where, what + " is " + form + ", but this line has " + std::to_string(count) +
                        (count == 1 ? " field" : " fields"));
}

bool HasLineForm(CDiagnostics& diag, const SourceLine& line, const LineForm& form) {
  if (line.bHeader) {
    ReportStrayHeader(diag, line.where, form.szForm);
    return false;
  }
  if (line.fields.size() == form.nFields) return true;
  ReportFieldCount(diag, line.where, form.szWhat, form.szForm, line.fields.size());
  return false;
}

bool CompileItems(CDiagnostics& diag, const SourceLocation& where, const std::string& fieldName,
                  const std::string& field, std::vector<std::string>* items) {
  items->clear();
  if (field.empty()) {
    diag.Error(where, "the " + fieldName + " is empty");
    return false;
  }
  bool ok = CheckNoChar(diag, where, fieldName, field, ';', "which no key may hold");
  std::vector<std::string> texts = SplitItems(field);
  for (const std::string& text : texts) {
    if (text.empty()) {
      diag.Error(where, "the " + fieldName + " has an empty item; write keys separated by \",\"");
      return false;
    }
  }
  for (const std::string& text : texts) {
    std::string item;
    if (!ConvertField(diag, where, fieldName, text, &item)) return false;
    items->push_back(item);
  }
  return ok;
}

std::string JoinItems(const std::vector<std::string>& items) {
  std::string joined;
  for (std::size_t i = 0; i < items.size(); ++i) {
    if (i > 0) joined += ',';
    joined += items[i];
  }
  return joined;
}
