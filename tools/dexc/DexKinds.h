// The seven dictionaries dexc knows: their names (the base name of source file, source
// folder and output file alike), the record kind and the direction of each. All of it
// is read off the dictionary layer's list of files, in its order, which is the order in
// which dexc reads the sources and writes the files.
#pragma once
#include <string>
#include <vector>

enum class DexKind { kLexicon, kRules, kPatterns, kParticles };

struct DictionaryName {
  std::string strName;  // "main", "ekgu", ... (the output is strName + ".dex")
  DexKind kind;
  bool bKoreanSource;  // true for the Korean-to-English direction (and tosi)
};

// In build order: main, ekmain, gu, ekgu, change, ekchange, tosi.
const std::vector<DictionaryName>& Dictionaries();

// The kind of a dictionary file named `baseName` ("main.dex" or "main", without any
// folder); false for any other name.
bool KindOfFileName(const std::string& baseName, DexKind* kind);

// The names for a message, each followed by `suffix`: "main, ekmain, ... and tosi".
std::string DictionaryNameList(const std::string& suffix);
