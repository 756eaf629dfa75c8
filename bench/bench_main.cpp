// The benchmark program: makes sure the capacity dictionaries exist, then runs the
// benchmarks. Besides Google Benchmark's own flags it takes
//   --capacity_dir=DIR   where the capacity dictionaries are (written when missing)
//   --testdict_dir=DIR   the test dictionaries compiled by dexc
//   --action_clock=cpu   time single user actions in processor time (default: wall)
#include <benchmark/benchmark.h>

#include <cstdio>

#include "bench/BenchSupport.h"

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  for (int i = 1; i < argc; ++i) {
    if (!bench::TakeBenchFlag(argv[i])) {
      std::fprintf(stderr, "unknown argument: %s\n", argv[i]);
      return 2;
    }
  }
  bench::PrepareCapacityWorld();
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
