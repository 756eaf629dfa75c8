// Particle correction of a 100-character Korean sentence with particle pairs after its
// words, on the 100,000-record tosi.dex of the capacity dictionaries.
#include <benchmark/benchmark.h>

#include <memory>

#include "bench/BenchSupport.h"
#include "particles/ParticleCorrector.h"

namespace {

void BM_Correct100Chars(benchmark::State& state) {
  bench::EnterDir(bench::CapacityDir());
  const std::string& sentence = bench::World().strParticleSentence;
  auto corrector = std::make_unique<CParticleCorrector>();
  std::string text;
  for (auto _ : state) {
    text = sentence;
    corrector->Correct(text);
    benchmark::DoNotOptimize(text);
  }
  state.counters["chars"] = CParticleCorrector::CountChars(sentence);
  state.counters["changed"] = text != sentence ? 1 : 0;
}
BENCHMARK(BM_Correct100Chars)->Unit(benchmark::kMillisecond);

}  // namespace
