#include "bench/BenchSupport.h"

#include <time.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>

namespace bench {
namespace {

std::string g_capacityDir = DAOLSAE_BENCH_CAPACITY_DIR;
std::string g_testDictDir = DAOLSAE_BENCH_TESTDICT_DIR;
std::string g_bundledDir = DAOLSAE_BENCH_BUNDLED_DIR;
CapacityWorld g_world;
bool g_bActionCpuClock = false;

// Sets *value to what follows `flag` in `arg`; false when arg is not that flag.
bool TakeValue(std::string_view arg, std::string_view flag, std::string* value) {
  if (!arg.starts_with(flag)) return false;
  *value = arg.substr(flag.size());
  return true;
}

}  // namespace

bool TakeBenchFlag(std::string_view arg) {
  if (arg == "--action_clock=cpu") {
    g_bActionCpuClock = true;
    return true;
  }
  return TakeValue(arg, "--capacity_dir=", &g_capacityDir) ||
         TakeValue(arg, "--testdict_dir=", &g_testDictDir) ||
         TakeValue(arg, "--bundled_dir=", &g_bundledDir);
}

void PrepareCapacityWorld() { g_world = EnsureCapacityDictionaries(g_capacityDir); }

double ActionClockMs() {
  struct timespec now {};
  ::clock_gettime(g_bActionCpuClock ? CLOCK_THREAD_CPUTIME_ID : CLOCK_MONOTONIC, &now);
  return static_cast<double>(now.tv_sec) * 1e3 + static_cast<double>(now.tv_nsec) / 1e6;
}

const std::string& CapacityDir() { return g_capacityDir; }
const std::string& TestDictDir() { return g_testDictDir; }
const std::string& BundledDir() { return g_bundledDir; }
const CapacityWorld& World() { return g_world; }

void EnterDir(const std::string& dir) {
  if (::chdir(dir.c_str()) != 0) {
    std::fprintf(stderr, "cannot change into %s\n", dir.c_str());
    std::exit(2);
  }
}

}  // namespace bench
