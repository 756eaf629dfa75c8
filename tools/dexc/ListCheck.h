// Warnings about compiled dictionaries that are valid but will not behave as their
// author expects. They never stop a build.
//
// List sizes: the candidate list holds at most 100 lexicon runs, 200 free-slot lines
// and 8000 lines. For the first list of a sentence and for every point where a
// sentence pattern continues, this counts what the candidate list builder offers there
// (ListModel.h), after a result key for each rule it may come from. The lists that
// continue an unfinished phrase rule depend on the steps taken and are not replayed.
//
// Keys: an item of a rule or pattern that is neither a lexicon key, a result key of
// the direction's rules nor a free slot (most often a misspelt key), and a sentence
// pattern that begins with a lexicon key, which the first list never offers.
#pragma once
#include "tools/dexc/Compile.h"
#include "tools/dexc/Diagnostics.h"
#include "tools/dexc/ListModel.h"

// Warns about every list of the direction that exceeds a limit.
void CheckListSizes(const CompiledDirection& direction, CDiagnostics& diag);

// Warns about unknown keys and about patterns that cannot be started.
void CheckKeys(const CompiledDirection& direction, CDiagnostics& diag);
