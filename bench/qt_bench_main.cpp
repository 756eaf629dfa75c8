// The desktop-window benchmark program: one application object on the offscreen
// platform (unless the environment names another), the capacity dictionaries written
// when missing, then the benchmarks. Besides Google Benchmark's own flags it takes
//   --capacity_dir=DIR   where the capacity dictionaries are (written when missing)
//   --bundled_dir=DIR    the bundled dictionaries compiled by dexc
#include <benchmark/benchmark.h>

#include <QApplication>
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
  if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  int qtArgc = 1;
  QApplication application(qtArgc, argv);
  bench::PrepareCapacityWorld();
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
