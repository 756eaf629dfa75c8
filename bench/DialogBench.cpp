// Latency of the user's actions: long scripted sessions through CInterpreterDlg on the
// in-memory backend (the headless driver's code path), on the test dictionaries and on
// the capacity dictionaries. Every action (picking a line, confirming, stepping back,
// restarting, changing direction, Enter in the search box, adding the pair) is timed
// on its own; the counters give the median, 90th percentile and maximum over all
// actions of the run, in milliseconds, and the median and 99th percentile of each kind
// of action.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <array>
#include <memory>
#include <string>
#include <vector>

#include "app/InterpreterDlg.h"
#include "app/MemoryHost.h"
#include "bench/BenchSupport.h"
#include "bench/SessionScripts.h"
#include "candidates/CandidateList.h"
#include "engine/SentenceBuilder.h"
#include "res/DialogTemplate.h"

namespace {

using bench::BrowseSession;
using bench::SampleSession;

enum Kind { kSelect, kConfirm, kStepBack, kRestart, kDirection, kSearch, kAddSentence, kKinds };
constexpr const char* kKindNames[kKinds] = {"select", "confirm", "back", "restart",
                                            "direction", "search", "add"};

double Median(std::vector<double> v) {
  if (v.empty()) return 0;
  std::sort(v.begin(), v.end());
  return v[v.size() / 2];
}

double Percentile(std::vector<double> v, double p) {
  if (v.empty()) return 0;
  std::sort(v.begin(), v.end());
  return v[static_cast<std::size_t>(p * static_cast<double>(v.size() - 1))];
}

// The dialog on its backend, with a stopwatch around every user action.
class TimedSession {
 public:
  // Opening the dialog (reading both indexes and building the first list) is timed
  // apart: it is the program's start, not a user action.
  TimedSession() : m_dialog(std::make_unique<CInterpreterDlg>()), m_host(std::make_unique<CMemoryHost>()) {
    const double start = bench::ActionClockMs();
    m_host->Open(*m_dialog);
    m_dOpenMs = bench::ActionClockMs() - start;
  }
  double OpenMs() const { return m_dOpenMs; }

  int LineCount() const { return m_host->ListState(IDC_CANDIDATES)->GetCount(); }
  std::string LineText(int i) const { return m_host->ListState(IDC_CANDIDATES)->GetText(i); }
  bool Complete() const { return m_host->ButtonState(IDC_ADD_SENTENCE)->IsEnabled(); }

  void Select(int line) {
    Time(kSelect, [&] { m_host->Select(line); });
  }
  void Confirm() {
    Time(kConfirm, [&] { m_host->Click(IDC_CONFIRM); });
  }
  void StepBack() {
    Time(kStepBack, [&] { m_host->Click(IDC_STEP_BACK); });
  }
  void Restart() {
    Time(kRestart, [&] { m_host->Click(IDC_RESTART); });
  }
  void Direction(bool bKorean) {
    Time(kDirection, [&] { m_host->Click(bKorean ? IDC_DIR_KOREAN : IDC_DIR_ENGLISH); });
  }
  // Types the text into the search box (no handler runs) and presses Enter there.
  void Search(const std::string& text) {
    m_host->Type(IDC_SEARCH, text);
    Time(kSearch, [&] { m_host->KeyEnter(IDC_SEARCH); });
  }
  void AddSentence() {
    Time(kAddSentence, [&] { m_host->Click(IDC_ADD_SENTENCE); });
    ++m_nSentences;
  }

  // A pick by index: the user clicks the line, then the confirm button.
  void PickAndConfirm(int line) {
    Select(line);
    Confirm();
  }

  int LinesMax() const { return m_nLinesMax; }
  int Sentences() const { return m_nSentences; }
  std::array<std::vector<double>, kKinds>& Samples() { return m_samples; }

 private:
  template <typename F>
  void Time(Kind kind, F action) {
    const double start = bench::ActionClockMs();
    action();
    m_samples[kind].push_back(bench::ActionClockMs() - start);
    m_nLinesMax = std::max(m_nLinesMax, LineCount());
  }

  std::unique_ptr<CInterpreterDlg> m_dialog;
  std::unique_ptr<CMemoryHost> m_host;
  std::array<std::vector<double>, kKinds> m_samples;
  int m_nLinesMax = 0;
  int m_nSentences = 0;
  double m_dOpenMs = 0;
};

void Report(benchmark::State& state, std::array<std::vector<double>, kKinds>& samples,
            int linesMax, const std::vector<double>& opens) {
  state.counters["open_ms"] = Median(opens);
  std::vector<double> all;
  for (int k = 0; k < kKinds; ++k) {
    all.insert(all.end(), samples[k].begin(), samples[k].end());
    state.counters[std::string(kKindNames[k]) + "_ms"] = Median(samples[k]);
    state.counters[std::string(kKindNames[k]) + "_p99_ms"] = Percentile(samples[k], 0.99);
  }
  state.counters["actions"] = static_cast<double>(all.size());
  state.counters["median_ms"] = Median(all);
  state.counters["p90_ms"] = Percentile(all, 0.9);
  state.counters["p99_ms"] = Percentile(all, 0.99);
  state.counters["max_ms"] = all.empty() ? 0 : *std::max_element(all.begin(), all.end());
  state.counters["lines_max"] = linesMax;
}

void BM_SessionTestDictionaries(benchmark::State& state) {
  bench::EnterDir(bench::TestDictDir());
  std::array<std::vector<double>, kKinds> samples;
  std::vector<double> opens;
  int linesMax = 0;
  for (auto _ : state) {
    TimedSession s;
    opens.push_back(s.OpenMs());
    BrowseSession(s, 12);
    for (int k = 0; k < kKinds; ++k)
      samples[k].insert(samples[k].end(), s.Samples()[k].begin(), s.Samples()[k].end());
    linesMax = std::max(linesMax, s.LinesMax());
  }
  Report(state, samples, linesMax, opens);
}
BENCHMARK(BM_SessionTestDictionaries)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_SessionCapacity(benchmark::State& state) {
  bench::EnterDir(bench::CapacityDir());
  std::array<std::vector<double>, kKinds> samples;
  std::vector<double> opens;
  int linesMax = 0;
  int completed = 0, sessions = 0;
  for (auto _ : state) {
    TimedSession s;
    opens.push_back(s.OpenMs());
    SampleSession(s, completed);
    BrowseSession(s, 2);
    ++sessions;
    for (int k = 0; k < kKinds; ++k)
      samples[k].insert(samples[k].end(), s.Samples()[k].begin(), s.Samples()[k].end());
    linesMax = std::max(linesMax, s.LinesMax());
  }
  Report(state, samples, linesMax, opens);
  // Both directions of the sample complete in every session.
  state.counters["samples_complete"] = sessions ? completed / (2.0 * sessions) : 0;
}
BENCHMARK(BM_SessionCapacity)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);

}  // namespace

namespace {

// Counts the lines of a list, as a list control would take them.
class CLineCounter : public ICandidateSink {
 public:
  void ResetLines() override { m_nLines = 0; }
  void InsertLine(int, const std::string&) override { ++m_nLines; }
  int m_nLines = 0;
};

// The two halves of the first candidate list on the capacity dictionaries (8000 lines
// from 100 runs), on the candidate list alone: the whole build (the scan of all 200,000
// sentence patterns for their first items, then the fill), and the fill alone (the
// merge of the 100 runs, reading each of the 8000 lexicon records).
void BM_FirstListBuildCapacity(benchmark::State& state) {
  bench::EnterDir(bench::CapacityDir());
  auto list = std::make_unique<CCandidateList>();
  auto builder = std::make_unique<CSentenceBuilder>();
  CLineCounter lines;
  list->LoadMainGroups();
  list->LoadGuFirstKeys();
  for (auto _ : state) list->Build(*builder, 0, 1, lines);
  state.counters["lines"] = lines.m_nLines;
  state.counters["runs"] = list->m_nCandWork;
}
BENCHMARK(BM_FirstListBuildCapacity)->Unit(benchmark::kMillisecond);

void BM_FirstListFillCapacity(benchmark::State& state) {
  bench::EnterDir(bench::CapacityDir());
  auto list = std::make_unique<CCandidateList>();
  auto builder = std::make_unique<CSentenceBuilder>();
  CLineCounter lines;
  list->LoadMainGroups();
  list->LoadGuFirstKeys();
  list->Build(*builder, 0, 1, lines);
  for (auto _ : state) {
    state.PauseTiming();
    lines.ResetLines();
    for (int j = 1; j <= list->m_nCandWork; ++j) list->m_candWork[j].nCursor = list->m_candWork[j].nFirst;
    state.ResumeTiming();
    list->Fill(lines);
  }
  state.counters["lines"] = lines.m_nLines;
  state.counters["runs"] = list->m_nCandWork;
}
BENCHMARK(BM_FirstListFillCapacity)->Unit(benchmark::kMillisecond);

}  // namespace
