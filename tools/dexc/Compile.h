// Compiling a whole source directory: reads the sources of all seven dictionaries,
// reports every fault to diag, and holds the compiled records of each dictionary in
// the order in which they are stored. Nothing here writes files.
#pragma once
#include <string>
#include <utility>
#include <vector>

#include "tools/dexc/Diagnostics.h"
#include "tools/dexc/Lexicon.h"
#include "tools/dexc/Patterns.h"
#include "tools/dexc/Rules.h"

// The three dictionaries of one direction, which the candidate list uses together.
struct CompiledDirection {
  std::string strLexiconName, strRulesName, strPatternsName;  // "main", "gu", "change"
  CompiledLexicon lexicon;
  std::vector<CompiledRule> rules;
  std::vector<CompiledPattern> patterns;
};

struct CompiledDictionaries {
  CompiledDirection korean;   // main, gu, change
  CompiledDirection english;  // ekmain, ekgu, ekchange
  std::vector<ParticleRecord> particles;
};

// Compiles every source of srcDir. Check diag.HasErrors() before using the result.
// Reports a srcDir that is no directory as an error. The paradigms of the lexicons take
// the English grammar tables from grammarDir; empty: DefaultGrammarDir(srcDir).
CompiledDictionaries CompileSources(const std::string& srcDir, CDiagnostics& diag,
                                    const std::string& grammarDir = "");

// Where the grammar tables of a source folder are when no folder is named: srcDir/grammar
// when it exists (the bundled data/grammar), else the folder grammar next to srcDir.
std::string DefaultGrammarDir(const std::string& srcDir);

// The bytes of the seven output files, as (file name, contents), in build order.
std::vector<std::pair<std::string, std::string>> EncodeDictionaries(
    const CompiledDictionaries& compiled);
