// The honorific endings a particle dictionary derives from the verbs and adjectives of
// its lexicon: "@honorific-endings %" in a particle source stands for one entry
// "FORM%" | "HONORIFIC FORM" per form of every such word (읽어요% -> 읽으세요), so that a
// sentence pattern can mark a verb for an honoured subject. "@plan-endings $" does the
// same for a progressive said of a plan, which Korean says in the future (자고 있어요$ ->
// 잘 거예요), and "@not-endings *" for a progressive after not, which Korean says as the
// plain negative (자고 있어요* -> 안 자요); "@honorific-plan-endings $%" gives an honoured
// subject's plan (자고 있어요$% -> 주무실 거예요). Used by the compiler.
#pragma once
#include <vector>

#include "tools/dexc/Diagnostics.h"
#include "tools/dexc/FormsReport.h"
#include "tools/dexc/Source.h"

// The lines of a particle dictionary with every "@honorific-endings MARKER",
// "@plan-endings MARKER", "@not-endings MARKER" and "@honorific-plan-endings MARKER"
// line replaced by the entries it stands for, made from `words`
// (the Korean words of the lexicon of the same direction). An entry written by hand
// anywhere in the dictionary keeps its pattern; two words that give one pattern different
// forms (걸어요: 걷다 걸으세요, 걸다 거세요) are an error naming both, to be settled by a
// hand-written entry.
std::vector<SourceLine> ExpandHonorificEndings(const std::vector<SourceLine>& lines,
                                               const std::vector<FormsWord>& words,
                                               CDiagnostics& diag);
