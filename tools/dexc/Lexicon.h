// The lexicon compiler (main, ekmain): "[key]" headers and "phrase | translation |
// note" entries. All entries of a key are gathered into one group however the sources
// scatter them; groups keep the order in which their keys first received an entry, and
// each group is sorted by phrase in code page 949 byte order (equal phrases keep their
// source order).
#pragma once
#include <string>
#include <vector>

#include "dict/Records.h"
#include "tools/dexc/Diagnostics.h"
#include "tools/dexc/Source.h"

struct LexiconGroup {
  std::string strKey;                   // code page 949
  SourceLocation where;                 // the header above the key's first entry
  std::vector<LexiconRecord> entries;   // code page 949, sorted once the lexicon is done
};

struct CompiledLexicon {
  std::vector<LexiconGroup> groups;
};

// Checks a lexicon key written in a header and converts it; reports every fault.
bool CheckLexiconKey(CDiagnostics& diag, const SourceLocation& where, const std::string& utf8,
                     std::string* cp949);

// Compiles the lines of all source files of one lexicon, in reading order.
CompiledLexicon CompileLexicon(const std::vector<SourceLine>& lines, CDiagnostics& diag);

// The records in file order: group after group.
std::vector<LexiconRecord> LexiconRecords(const CompiledLexicon& lexicon);
