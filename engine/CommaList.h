// Comma lists: strings in which every item is followed by one "," ("a,b,c,"), used for
// key sequences by the engine and the candidate list builder. All are free functions
// that never change the caller's string.
#pragma once
#include <string>

// Number of "," in the list, that is, its number of items. "" gives 0.
int CountItems(std::string list);

// The first n items, each with its ",". Fewer items give all of them; text after the
// last "," is never taken; a negative n takes all items.
std::string FirstItems(std::string list, int n);

// The last n items, each with its ",". The first item of a list is never taken: for
// n >= the item count (or negative n) the result is every item but the first.
std::string LastItems(std::string list, int n);
