// The seven dictionaries dexc knows: their names (the base name of source file, source
// folder and output file alike) and the record kind of each.
#pragma once
#include <string>

enum class DexKind { kLexicon, kRules, kPatterns, kParticles };

struct DictionaryName {
  std::string strName;  // "main", "ekgu", ... (the output is strName + ".dex")
  DexKind kind;
  bool bKoreanSource;   // true for the Korean-to-English direction (and tosi)
};

inline constexpr int kDictionaryCount = 7;

// In build order: main, ekmain, gu, ekgu, change, ekchange, tosi.
const DictionaryName* Dictionaries();

// The kind of a dictionary file named `baseName` ("main.dex" or "main", without any
// folder); false for any other name.
bool KindOfFileName(const std::string& baseName, DexKind* kind);
