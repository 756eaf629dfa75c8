// The desktop-window benchmark program: one application object on the offscreen
// platform (unless the environment names another), the capacity dictionaries written
// when missing, then the benchmarks. Besides Google Benchmark's own flags it takes
//   --capacity_dir=DIR   where the capacity dictionaries are (written when missing)
//   --bundled_dir=DIR    the bundled dictionaries compiled by dexc
#include <unistd.h>

#include <benchmark/benchmark.h>

#include <QApplication>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string_view>

#include "bench/BenchSupport.h"
#include "bench/QtBenchSupport.h"

namespace bench {
namespace {
std::string g_capacityDir = DAOLSAE_BENCH_CAPACITY_DIR;
std::string g_bundledDir = DAOLSAE_BENCH_BUNDLED_DIR;
CapacityWorld g_world;
constexpr std::string_view kCapacityFlag = "--capacity_dir=";
constexpr std::string_view kBundledFlag = "--bundled_dir=";
}  // namespace

const std::string& CapacityDir() { return g_capacityDir; }
const std::string& BundledDir() { return g_bundledDir; }
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
    const std::string_view arg = argv[i];
    if (arg.starts_with(bench::kCapacityFlag)) {
      bench::g_capacityDir = arg.substr(bench::kCapacityFlag.size());
    } else if (arg.starts_with(bench::kBundledFlag)) {
      bench::g_bundledDir = arg.substr(bench::kBundledFlag.size());
    } else {
      std::fprintf(stderr, "unknown argument: %s\n", argv[i]);
      return 2;
    }
  }
  if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  int qtArgc = 1;
  QApplication application(qtArgc, argv);
  bench::g_world = EnsureCapacityDictionaries(bench::g_capacityDir);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
