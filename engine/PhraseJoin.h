// Joining the phrases of consecutive step records into one text, the way the sentence
// box shows them: one blank between phrases, text from a "[" on dropped, "(" and "~"
// phrases attached without a blank (the "~" itself dropped), no white space in front.
#pragma once
#include <string>
#include <string_view>

#include "engine/StepRecord.h"

// Appends one phrase to a joined text (without removing leading white space).
void AppendPhrase(std::string& joined, std::string_view phrase);

// The phrases of records[first..last], by array index, joined; leading white space
// (blank, tab, CR, LF, VT, FF) removed.
std::string JoinPhrases(const StepRecord* records, int first, int last);
