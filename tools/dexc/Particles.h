// The particle dictionary compiler (tosi): "pattern | replacement" lines, usually
// quoted because spaces matter. A pattern may hold one class token (see
// CharacterClasses.h), which expands the line into one record per character of the class.
// The records are sorted by pattern in unsigned byte order, equal patterns keeping
// their source order, as the on-disk range lookup needs.
#pragma once
#include <vector>

#include "dict/Records.h"
#include "tools/dexc/Diagnostics.h"
#include "tools/dexc/Source.h"

// Compiles the lines of all source files of the particle dictionary; the result is
// expanded and sorted, code page 949.
std::vector<ParticleRecord> CompileParticles(const std::vector<SourceLine>& lines,
                                             CDiagnostics& diag);
