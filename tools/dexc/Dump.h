// Printing a compiled dictionary as text, for people checking what a build produced.
// One record per line, fields separated by one tab, scrambled fields descrambled and
// every text converted to UTF-8 (bytes that are no valid code page 949 become U+FFFD,
// control characters are shown as \xNN so that each record stays on one line).
// Any bytes are safe to dump: each field is read within its own width, and a partial
// record at the end of the file is left out.
#pragma once
#include <ostream>
#include <string>
#include <string_view>

#include "tools/dexc/DexKinds.h"

//   lexicon:  key, phrase, translation, note
//   rule:     the whole text "pattern;template;result key;"
//   pattern:  key list, template
//   particle: pattern, replacement
void DumpRecords(DexKind kind, std::string_view bytes, std::ostream& out);

// Reads `file` and dumps it as `kind`. A file that cannot be read is reported on err,
// with status 1; otherwise the status is 0.
int DumpFile(const std::string& file, DexKind kind, std::ostream& out, std::ostream& err);
