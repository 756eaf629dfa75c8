// dexc's own model of what the candidate list builder offers, from the compiled records
// alone (the compiler does not link the builder): the list size warnings rest on it,
// and a test holds it to the real builder.
//
// A list offers the next items of the sentence patterns that begin with the composed
// keys (a result key stands for the first keys of the rules that produce it, a free
// slot for one line) and, after a result key or a free slot, the keys that continue the
// phrase rule it came from into a longer rule whose result a pattern takes there.
#pragma once
#include <map>
#include <string>
#include <vector>

#include "tools/dexc/Compile.h"
#include "tools/dexc/Diagnostics.h"

// What a list offers, counted.
struct ListSize {
  int nRuns = 0;       // distinct keys that have a lexicon group
  int nFreeSlots = 0;  // free-slot lines
  int nLines = 0;      // lexicon entries of those groups plus free-slot lines
};

// What the builder knows of one direction: group sizes by key and the first keys of the
// rules by result key (in rule order, each once).
struct DirectionIndex {
  std::map<std::string, int> groupSize;
  std::map<std::string, std::vector<std::string>> firstKeys;

  explicit DirectionIndex(const CompiledDirection& direction);
};

// The size of the list after the key-list prefix `prefix` (code page 949 items; empty
// for the first list of a sentence). When its last item is a result key, `group` holds
// the pattern of the rule that produced it (none: no rule continues); after a free slot
// the slot itself is the group.
ListSize ListSizeAfter(const CompiledDirection& direction, const std::vector<std::string>& prefix,
                       const std::vector<std::string>& group = {});

// The patterns of the rules that a result key may stand for, each once, in rule order.
std::vector<std::vector<std::string>> GroupsOf(const CompiledDirection& direction,
                                               const std::string& resultKey);

// The largest list after the prefix, whichever rule its last result key came from:
// each count is the largest of that count over those rules.
ListSize LargestListAfter(const CompiledDirection& direction,
                          const std::vector<std::string>& prefix);

// A point where the builder continues the sentence patterns: a key-list prefix of a
// pattern whose last item is a result key or a free slot, and the first pattern with it.
struct PatternPrefix {
  std::vector<std::string> items;  // code page 949, never empty
  SourceLocation where;
};

// Every such prefix of the direction, each once, in the order of the patterns.
std::vector<PatternPrefix> ContinuedPrefixes(const CompiledDirection& direction);
