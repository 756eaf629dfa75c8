// A paradigm as a @paradigm block gives it: its name, whether it is of nouns, and its
// lines, each with the key group it fills, the variant it belongs to and the templates
// of the entry's fields. Read and looked up by the expansion of lexicon sources
// (Paradigms.h).
#pragma once
#include <string>
#include <vector>

#include "tools/dexc/Diagnostics.h"
#include "tools/dexc/ParadigmTemplate.h"
#include "tools/dexc/Source.h"

struct ParadigmGroup {
  std::string strKey;
  std::string strVariant;  // "[*_r/favor]": the line words with the option "favor" take
  bool bOptional = false;  // words that lack one of the group's forms are left out silently
  bool bFurther = false;   // "[*_n+]": a second form of each word in the group of the same key
  SourceLocation where;
  ParadigmTemplate phrase, translation, note;
  bool bHasNote = false;       // without a note template the word's own note is the note
  ParadigmTemplate shortNote;  // the note when the first one would not fit its field
  bool bHasShortNote = false;
};

struct Paradigm {
  std::string strName;
  bool bNoun = false;
  SourceLocation where;
  std::vector<ParadigmGroup> groups;
};

// The blank-separated words of a text.
std::vector<std::string> BlankSeparatedWords(const std::string& text);

// Reads "@paradigm NAME" or "@paradigm NAME noun"; reports any other form.
bool ParadigmName(const SourceLine& line, std::string* name, bool* noun, CDiagnostics& diag);

// Reads one paradigm line, "[key] phrase | translation", optionally followed by "| note"
// and "| shorter note"; the key may end in "?" (optional), "+" (a further line of the key,
// whose form each word adds to the group beside the one of the key's own line) or
// "/VARIANT".
bool ParseParadigmGroup(const SourceLine& line, bool noun, CDiagnostics& diag,
                        ParadigmGroup* group);

// Puts the prefix of a @words line in place of the "*" of the paradigm's keys; reports a
// prefix the paradigm has no place for, or a missing one.
bool ApplyPrefix(const std::string& prefix, const SourceLocation& where, CDiagnostics& diag,
                 Paradigm* paradigm);

bool HasGroup(const Paradigm& paradigm, const std::string& key);
bool HasVariant(const Paradigm& paradigm, const std::string& name);
// " (favor, ...)", or " (it has none)", for messages.
std::string VariantList(const Paradigm& paradigm);

// The line of the paradigm that makes the entry under `key` of a word that asks for
// `variants`: such a variant's line, else the plain line; none when the key has only
// variant lines the word does not ask for. With `further`, the same among the key's
// further ("+") lines, which make a second entry.
const ParadigmGroup* GroupFor(const Paradigm& paradigm, const std::string& key,
                              const std::vector<std::string>& variants,
                              bool further = false);
