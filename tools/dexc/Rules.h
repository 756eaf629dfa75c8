// The phrase-rule compiler (gu, ekgu): "pattern | template | result key" lines, kept
// in source order because that order is the rules' priority. Each rule is stored as
// one text "pattern;template;result key;".
#pragma once
#include <string>
#include <vector>

#include "dict/Records.h"
#include "tools/dexc/Diagnostics.h"
#include "tools/dexc/Source.h"

struct CompiledRule {
  std::vector<std::string> items;  // the pattern's keys, code page 949
  std::string strResultKey;        // code page 949
  RuleRecord record;               // the stored text, code page 949
  SourceLocation where;
};

// Compiles the lines of all source files of one phrase-rule dictionary, in order.
std::vector<CompiledRule> CompileRules(const std::vector<SourceLine>& lines, CDiagnostics& diag);
