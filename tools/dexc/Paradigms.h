// Paradigms in lexicon sources: a word is written once in a @words block, and the
// paradigm it names says, once per key group, which forms make the phrase, translation
// and note of that group's entry. Expanding turns the blocks into ordinary "[key]" and
// entry lines before the lexicon compiler sees them, so every later check applies to
// the expanded entries. The format is described in docs/dictionaries.md.
#pragma once
#include <vector>

#include "tools/dexc/Diagnostics.h"
#include "tools/dexc/EnglishTables.h"
#include "tools/dexc/FormsReport.h"
#include "tools/dexc/Source.h"

// The lines of one lexicon (all of its files, in reading order) with its @paradigm
// blocks taken out and its @words blocks replaced by the entries they make. A paradigm
// may be defined in any file of the lexicon. `koreanPhrases` is true for main (Korean
// phrases, English translations), false for ekmain. `tables` may be null when the
// grammar tables were not found; a @words block is then an error naming `grammarHint`.
// When koreanWords is given, the Korean word of every @words line that inflects (not a
// noun) is added to it, in reading order, for the endings other dictionaries derive from
// the lexicon's words (HonorificEndings.h).
std::vector<SourceLine> ExpandParadigms(const std::vector<SourceLine>& lines, bool koreanPhrases,
                                        const EnglishTables* tables, const std::string& grammarHint,
                                        CDiagnostics& diag,
                                        std::vector<FormsWord>* koreanWords = nullptr);
