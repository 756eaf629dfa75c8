// Shared set-up of the benchmarks: where the capacity dictionaries and the test
// dictionaries lie, and the generated sample data. The directories are fixed by
// bench_main before any benchmark runs; each benchmark changes into the directory it
// reads from (the program reads its dictionaries from the current directory).
#pragma once
#include <string>

#include "bench/CapacityDictionaries.h"

namespace bench {

const std::string& CapacityDir();  // the dictionaries at full capacity
const std::string& TestDictDir();  // the test dictionaries compiled by dexc
const CapacityWorld& World();      // samples that the capacity dictionaries complete

// Changes into `dir`; ends the process with a message when that fails.
void EnterDir(const std::string& dir);

// Milliseconds on the clock that times single user actions: the wall clock, or with
// --action_clock=cpu the calling thread's processor time, which a machine shared with
// other work does not inflate (the files are in the page cache, so an action waits for
// nothing but the processor).
double ActionClockMs();

}  // namespace bench
