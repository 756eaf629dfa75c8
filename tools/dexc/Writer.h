// Writing the compiled dictionaries. Every file is first written in full under a
// temporary name in the output directory and only then renamed over its real name, so
// a reader never sees a half-written dictionary and a failed run leaves the old files
// as they were.
#pragma once
#include <string>
#include <utility>
#include <vector>

#include "tools/dexc/Diagnostics.h"

// Writes each (file name, bytes) into outDir, creating outDir when needed. Renames
// only after every file was written; on a failure removes the temporary files,
// reports the fault and returns false.
bool WriteOutputs(const std::string& outDir,
                  const std::vector<std::pair<std::string, std::string>>& files,
                  CDiagnostics& diag);
