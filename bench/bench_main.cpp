// The benchmark program: makes sure the capacity dictionaries exist, then runs the
// benchmarks. Besides Google Benchmark's own flags it takes
//   --capacity_dir=DIR   where the capacity dictionaries are (written when missing)
//   --testdict_dir=DIR   the test dictionaries compiled by dexc
//   --action_clock=cpu   time single user actions in processor time (default: wall)
#include <time.h>
#include <unistd.h>

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "bench/BenchSupport.h"

namespace bench {
namespace {
std::string g_capacityDir = DAOLSAE_BENCH_CAPACITY_DIR;
std::string g_testDictDir = DAOLSAE_BENCH_TESTDICT_DIR;
CapacityWorld g_world;
bool g_bActionCpuClock = false;
}  // namespace

double ActionClockMs() {
  struct timespec now {};
  ::clock_gettime(g_bActionCpuClock ? CLOCK_THREAD_CPUTIME_ID : CLOCK_MONOTONIC, &now);
  return static_cast<double>(now.tv_sec) * 1e3 + static_cast<double>(now.tv_nsec) / 1e6;
}

const std::string& CapacityDir() { return g_capacityDir; }
const std::string& TestDictDir() { return g_testDictDir; }
const CapacityWorld& World() { return g_world; }

void EnterDir(const std::string& dir) {
  if (::chdir(dir.c_str()) != 0) {
    std::fprintf(stderr, "cannot change into %s\n", dir.c_str());
    std::exit(2);
  }
}

}  // namespace bench

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  for (int i = 1; i < argc; ++i) {
    const char* arg = argv[i];
    if (std::strncmp(arg, "--capacity_dir=", 15) == 0) {
      bench::g_capacityDir = arg + 15;
    } else if (std::strncmp(arg, "--testdict_dir=", 15) == 0) {
      bench::g_testDictDir = arg + 15;
    } else if (std::strcmp(arg, "--action_clock=cpu") == 0) {
      bench::g_bActionCpuClock = true;
    } else {
      std::fprintf(stderr, "unknown argument: %s\n", arg);
      return 2;
    }
  }
  bench::g_world = EnsureCapacityDictionaries(bench::g_capacityDir);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
