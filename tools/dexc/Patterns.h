// The sentence-pattern compiler (change, ekchange): "key,key,key | template" lines,
// stored with the key list ",key,key,key," and sorted by key list in unsigned byte
// order, the order in which the program searches them by bisection.
#pragma once
#include <string>
#include <vector>

#include "dict/Records.h"
#include "tools/dexc/Diagnostics.h"
#include "tools/dexc/Source.h"

struct CompiledPattern {
  std::vector<std::string> items;  // code page 949
  PatternRecord record;            // code page 949
  SourceLocation where;
};

// Compiles the lines of all source files of one sentence-pattern dictionary; the
// result is sorted by key list.
std::vector<CompiledPattern> CompilePatterns(const std::vector<SourceLine>& lines,
                                             CDiagnostics& diag);
