// Set-up of the desktop-window benchmark beyond the shared one (BenchSupport.h): where
// the bundled dictionaries lie. Fixed by qt_bench_main before any benchmark runs.
#pragma once
#include <string>

namespace bench {

const std::string& BundledDir();  // the dictionaries the program ships, compiled by dexc

}  // namespace bench
