// The dexc command line: a table of subcommands (build, check, dump, diff, forms), each
// with its arguments, description and function, and the dispatcher that the dexc
// program's main calls. Status 0 on success, 1 when a command fails, 2 on a usage error.
#pragma once
#include <ostream>
#include <string>
#include <vector>

inline constexpr int kUsageStatus = 2;

// Runs the command line `args` (without the program name).
int RunDexc(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

// The help text.
std::string DexcUsage();
