// Filling a translation template: each reference "@N@" is replaced by the translation
// of step record base + N. Used by the sentence builder for phrase rules (base = the
// first step of the run) and for sentence patterns (base = 0).
#pragma once
#include <span>
#include <string>
#include <string_view>

#include "dict/Capacities.h"
#include "engine/StepRecord.h"

// The number of a reference, read the way atoi reads it: leading white space, an
// optional sign, then digits up to the first other byte; no digits give 0. Values
// too large for any record are held at +/- 10^12 instead of overflowing.
long long ReferenceNumber(std::string_view text);

// The template with every reference replaced. A "@" with no closing "@" after it stands
// for record base + 0, and the rest of the template after it is kept. A reference to a
// record outside `records` becomes the empty text. References are replaced once each,
// from left to right; an inserted translation is not searched for references again.
// The result is cut to `limit` bytes (at a character boundary), so rules that copy a
// translation into their own result again and again cannot grow it without end.
std::string FillTemplate(std::string_view templ, std::span<const StepRecord> records, int base,
                         std::size_t limit = kMaxFilledText);
