// The sentence engine on the capacity dictionaries (10,000 phrase rules, 200,000
// sentence patterns): the completion check of a 20-step composition and the phrase
// expansion asked while its last phrase is being built. Both read the dictionaries
// afresh on every call, as the program does.
#include <benchmark/benchmark.h>

#include <memory>

#include "bench/BenchSupport.h"
#include "dict/Capacities.h"
#include "engine/SentenceBuilder.h"

namespace {

const CapacitySample& Sample(bool bKorean) {
  return bKorean ? bench::World().korean : bench::World().english;
}

void LoadSteps(CSentenceBuilder& builder, const CapacitySample& sample) {
  int n = static_cast<int>(sample.steps.size());
  for (int i = 0; i < n; ++i) {
    StepRecord& r = builder.m_steps[i];
    r.strPhrase = sample.steps[static_cast<std::size_t>(i)].strPhrase;
    r.strKey = sample.steps[static_cast<std::size_t>(i)].strKey;
    r.strTranslation = sample.steps[static_cast<std::size_t>(i)].strTranslation;
    r.nPrev = i - 1;
    r.nNext = i + 1 < n ? i + 1 : kChainEnd;
  }
}

// Arg: 1 Korean to English (gu/change), 0 English to Korean (ekgu/ekchange).
void BM_CheckSentence20Steps(benchmark::State& state) {
  bench::EnterDir(bench::CapacityDir());
  bool bKorean = state.range(0) != 0;
  const CapacitySample& sample = Sample(bKorean);
  auto builder = std::make_unique<CSentenceBuilder>();
  LoadSteps(*builder, sample);
  builder->m_bKoreanSource = bKorean ? 1 : 0;
  int last = static_cast<int>(sample.steps.size()) - 1;
  bool complete = false;
  for (auto _ : state) {
    builder->m_nLast = last;
    complete = builder->CheckSentence();
    benchmark::DoNotOptimize(complete);
  }
  state.counters["complete"] = complete ? 1 : 0;
  state.counters["phrases"] = builder->m_nLast + 1;
  state.SetLabel(bKorean ? "gu+change" : "ekgu+ekchange");
}
BENCHMARK(BM_CheckSentence20Steps)->Arg(1)->Arg(0)->Unit(benchmark::kMillisecond);

void BM_GetContinuationKeys(benchmark::State& state) {
  bench::EnterDir(bench::CapacityDir());
  bool bKorean = state.range(0) != 0;
  const CapacitySample& sample = Sample(bKorean);
  auto builder = std::make_unique<CSentenceBuilder>();
  builder->m_bKoreanSource = bKorean ? 1 : 0;
  std::string keys;
  for (auto _ : state) {
    keys = builder->GetContinuationKeys(sample.strContinuationTail, sample.strContinuationHead);
    benchmark::DoNotOptimize(keys);
  }
  const std::string& expected = sample.steps[static_cast<std::size_t>(20 - sample.groupSizes.back() + 1)].strKey;
  state.counters["offers_next_key"] = keys.find("," + expected + ",") != std::string::npos ? 1 : 0;
  state.SetLabel(bKorean ? "gu+change" : "ekgu+ekchange");
}
BENCHMARK(BM_GetContinuationKeys)->Arg(1)->Arg(0)->Unit(benchmark::kMillisecond);

}  // namespace
