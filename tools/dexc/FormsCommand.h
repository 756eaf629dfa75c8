// `dexc forms`: prints every form of one Korean or English word, or checks a table of
// expected forms and lists each mismatch as "file:line: message" (status 1 when any).
// The English grammar tables come from the folder the caller names.
#pragma once
#include <ostream>
#include <string>
#include <vector>

// The grammar folder `dexc forms` uses when none is named: the source tree's data/grammar.
std::string DefaultFormsGrammarDir();

// args: the word and its tokens ("듣다", "d"), or "--check" and a file.
int RunForms(const std::vector<std::string>& args, const std::string& grammarDir, std::ostream& out,
             std::ostream& err);
