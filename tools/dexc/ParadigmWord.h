// One line of a @words block: the word on each side, parsed for the conjugator and the
// inflector, its sense tag and note, and the groups and variants it asks for. Used by the
// expansion of lexicon sources (Paradigms.h).
#pragma once
#include <string>
#include <vector>

#include "tools/dexc/Diagnostics.h"
#include "tools/dexc/ParadigmDefinition.h"
#include "tools/dexc/ParadigmTemplate.h"
#include "tools/dexc/Source.h"

struct ParadigmWord {
  ParadigmWordForms forms;
  std::string strTag;  // "[운동]", appended to every phrase
  std::vector<std::string> only, except;
  std::vector<std::string> variants;  // the paradigm's variant lines this word takes
};

// Reads "word | translation", optionally followed by "| options | note", the word first in
// the dictionary's direction (Korean first when koreanPhrases). Reports every fault.
bool ParseParadigmWord(const SourceLine& line, const Paradigm& paradigm, bool koreanPhrases,
                       CDiagnostics& diag, ParadigmWord* word);

// Whether the word's "only" and "except" let it into the group of `key`.
bool JoinsGroup(const ParadigmWord& word, const std::string& key);
