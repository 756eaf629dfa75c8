// Field helpers that the rule, pattern and particle compilers share: the messages for a
// line of the wrong form, and the comma-separated key items of rules and patterns.
// The lexicon compiler uses the field-count message too.
#pragma once
#include <cstddef>
#include <string>
#include <vector>

#include "tools/dexc/Diagnostics.h"
#include "tools/dexc/Source.h"

// The form of every line of a rule, pattern or particle file: what one line is, how it
// is written and how many fields it has.
struct LineForm {
  const char* szWhat;  // "a phrase rule"
  const char* szForm;  // "\"pattern | template | result key\""
  std::size_t nFields;
};

// True when the line has the form; otherwise reports a "[key]" header or the wrong
// number of fields.
bool HasLineForm(CDiagnostics& diag, const SourceLine& line, const LineForm& form);

// Reports a line with the wrong number of fields: "<what> is <form>, but this line has
// N fields" (what: "a phrase rule", form: "\"pattern | template | result key\"").
void ReportFieldCount(CDiagnostics& diag, const SourceLocation& where, const std::string& what,
                      const std::string& form, std::size_t count);

// Checks and converts the items of a comma-separated key field ("pattern", "key list")
// into *items (code page 949). Reports an empty field, an empty item and ";".
bool CompileItems(CDiagnostics& diag, const SourceLocation& where, const std::string& fieldName,
                  const std::string& field, std::vector<std::string>* items);

// The items joined with "," (no leading or trailing ",").
std::string JoinItems(const std::vector<std::string>& items);
