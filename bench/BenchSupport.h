// Shared set-up of the benchmark programs: where the capacity, test and bundled
// dictionaries lie, the generated sample data, and the clock of single actions. Each
// program's main hands its arguments to TakeBenchFlag and calls PrepareCapacityWorld
// before any benchmark runs; each benchmark changes into the directory it reads from
// (the program reads its dictionaries from the current directory).
#pragma once
#include <string>
#include <string_view>

#include "bench/CapacityDictionaries.h"

namespace bench {

const std::string& CapacityDir();  // the dictionaries at full capacity
const std::string& TestDictDir();  // the test dictionaries compiled by dexc
const std::string& BundledDir();   // the dictionaries the program ships, compiled by dexc
const CapacityWorld& World();      // samples that the capacity dictionaries complete

// Takes one of the shared flags: --capacity_dir=DIR, --testdict_dir=DIR,
// --bundled_dir=DIR, --action_clock=cpu. False for any other argument.
bool TakeBenchFlag(std::string_view arg);

// Writes the capacity dictionaries when they are missing and reads their samples.
void PrepareCapacityWorld();

// Changes into `dir`; ends the process with a message when that fails.
void EnterDir(const std::string& dir);

// Milliseconds on the clock that times single user actions: the wall clock, or with
// --action_clock=cpu the calling thread's processor time, which a machine shared with
// other work does not inflate (the files are in the page cache, so an action waits for
// nothing but the processor).
double ActionClockMs();

}  // namespace bench
