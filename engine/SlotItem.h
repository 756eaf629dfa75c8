// How a step taken from a free-slot line stands in a key list: "-" followed by the word
// the user typed. Used by the sentence builder and the candidate list builder alike.
#pragma once
#include <string>

// Stands in a typed word's "," for this byte, so that the word stays one item of the
// list: a "," would split it into items that belong to no step, shift every later item
// against its step, and let rules merge the wrong steps. Dictionary items never hold
// the byte (the compiler refuses control characters), so such a word simply matches no
// item, as a word with "," could never match one either.
inline constexpr char kTypedCommaStandIn = '\x1F';

// "-" + phrase, with every "," of the phrase replaced by kTypedCommaStandIn.
std::string FreeSlotItem(const std::string& phrase);
// The same item, added to the end of list.
void AppendFreeSlotItem(std::string& list, const std::string& phrase);
