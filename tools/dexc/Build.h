// The two commands that read a source directory: build compiles it into .dex files,
// check only reports. Both print every error as "file:line: message" and every warning
// as "warning: file: message" on err; any error gives status 1 and, for build, leaves
// the output directory untouched.
#pragma once
#include <ostream>
#include <string>

// grammarDir: the folder of the English grammar tables that paradigms use; empty: the
// default of CompileSources.
int BuildDictionaries(const std::string& srcDir, const std::string& outDir, std::ostream& err,
                      const std::string& grammarDir = "");
int CheckDictionaries(const std::string& srcDir, std::ostream& err,
                      const std::string& grammarDir = "");
