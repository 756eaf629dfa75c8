// Latency of the user's actions in the desktop window: the main dialog on the Qt
// backend, its window shown on the offscreen platform, driven the way a user drives it
// (mouse clicks on list lines and buttons, text typed into the search box as an input
// method commits it, Enter there). Each action is timed in CPU time of the process,
// from the first event until Qt has processed everything the action posted (layout,
// repaint of the window), on the bundled dictionaries and at capacity. The counters
// give, per kind of action, the median, 90th and 99th percentile in milliseconds, and
// for the actions that rebuild the list the part Qt spends after the handler returned.
// The same sessions on the in-memory backend, in the same clock, are the baseline: what
// the dialog costs without widgets.
#include <benchmark/benchmark.h>
#include <time.h>

#include <QApplication>
#include <QDialog>
#include <QInputMethodEvent>
#include <QLineEdit>
#include <QListView>
#include <QLocale>
#include <QMessageBox>
#include <QTest>

#include <algorithm>
#include <array>
#include <memory>
#include <string>
#include <vector>

#include "app/InterpreterDlg.h"
#include "app/MemoryHost.h"
#include "app/qt/DesktopWindow.h"
#include "app/qt/QtDialogHost.h"
#include "base/Cp949.h"
#include "bench/BenchSupport.h"
#include "bench/SessionScripts.h"
#include "res/DialogTemplate.h"

namespace {

using bench::BrowseSession;
using bench::SampleSession;

enum Kind { kSelect, kConfirm, kStepBack, kRestart, kDirection, kType, kSearch, kAddSentence, kKinds };
constexpr const char* kKindNames[kKinds] = {"select", "confirm", "back", "restart",
                                            "direction", "type", "search", "add"};
constexpr double kP90 = 0.9;
constexpr double kP99 = 0.99;
constexpr double kNanosPerMilli = 1e6;
// Rounds of processing after an action: the delayed layout of the list posts the
// repaint that a later round carries out.
constexpr int kEventRounds = 3;

double CpuMs() {
  timespec now{};
  clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
  return (static_cast<double>(now.tv_sec) * 1e9 + static_cast<double>(now.tv_nsec)) / kNanosPerMilli;
}

double Percentile(std::vector<double> v, double p) {
  if (v.empty()) return 0;
  std::sort(v.begin(), v.end());
  return v[static_cast<std::size_t>(p * static_cast<double>(v.size() - 1))];
}

void ProcessPendingEvents() {
  for (int round = 0; round < kEventRounds; ++round) {
    QCoreApplication::sendPostedEvents();
    QCoreApplication::processEvents(QEventLoop::AllEvents);
  }
}

// Closes every message box as soon as it shows (a session should open none; the
// counter says whether one did).
class MessageBoxCloser : public QObject {
 public:
  int m_nShown = 0;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Show) {
      if (auto* box = qobject_cast<QMessageBox*>(watched)) {
        ++m_nShown;
        QMetaObject::invokeMethod(box, [box] { box->done(0); }, Qt::QueuedConnection);
      }
    }
    return false;
  }
};

// CPU time of every user action, by kind, and of the part spent processing the events
// that the action posted.
class CActionTimes {
 public:
  std::array<std::vector<double>, kKinds>& Samples() { return m_samples; }
  std::array<std::vector<double>, kKinds>& Events() { return m_events; }
  int LinesMax() const { return m_nLinesMax; }

 protected:
  template <typename F>
  void Time(Kind kind, F action, bool bProcessEvents, int lines) {
    const double start = CpuMs();
    action();
    const double handled = CpuMs();
    if (bProcessEvents) ProcessPendingEvents();
    const double end = CpuMs();
    m_samples[kind].push_back(end - start);
    m_events[kind].push_back(end - handled);
    m_nLinesMax = std::max(m_nLinesMax, lines);
  }

 private:
  std::array<std::vector<double>, kKinds> m_samples;
  std::array<std::vector<double>, kKinds> m_events;  // of which: processing what it posted
  int m_nLinesMax = 0;
};

// The dialog in its shown window, with a CPU stopwatch around every user action.
class QtTimedSession : public CActionTimes {
 public:
  // Opening the dialog (reading the indexes, building the first list, showing the
  // window) is timed apart: it is the program's start, not a user action.
  QtTimedSession() : m_dialog(std::make_unique<CInterpreterDlg>()) {
    const double start = CpuMs();
    m_host = std::make_unique<CQtDialogHost>(kInterpreterTemplate, m_dialog.get());
    PrepareDesktopWindow(*m_host, QLocale());
    m_dialog->Create(m_host.get());
    m_host->FocusFirstControl();
    m_host->Window()->show();
    (void)QTest::qWaitForWindowExposed(m_host->Window());
    ProcessPendingEvents();
    m_dOpenMs = CpuMs() - start;
    qApp->installEventFilter(&m_closer);
  }
  ~QtTimedSession() { qApp->removeEventFilter(&m_closer); }
  QtTimedSession(const QtTimedSession&) = delete;
  QtTimedSession& operator=(const QtTimedSession&) = delete;

  double OpenMs() const { return m_dOpenMs; }
  int MessagesShown() const { return m_closer.m_nShown; }
  int LineCount() const { return m_host->List(IDC_CANDIDATES)->GetCount(); }
  std::string LineText(int i) const { return m_host->List(IDC_CANDIDATES)->GetText(i); }
  bool Complete() const { return m_host->Button(IDC_ADD_SENTENCE)->IsEnabled(); }

  // A click on line `line`; the list is scrolled to it first (untimed, as the user's
  // scrolling is not part of the click).
  void Select(int line) {
    auto* list = qobject_cast<QListView*>(m_host->Control(IDC_CANDIDATES));
    const QModelIndex index = list->model()->index(line, 0);
    list->scrollTo(index);
    ProcessPendingEvents();
    const QPoint center = list->visualRect(index).center();
    Time(kSelect, [&] { QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::NoModifier, center); });
  }
  void Confirm() { Click(kConfirm, IDC_CONFIRM); }
  void StepBack() { Click(kStepBack, IDC_STEP_BACK); }
  void Restart() { Click(kRestart, IDC_RESTART); }
  void Direction(bool bKorean) { Click(kDirection, bKorean ? IDC_DIR_KOREAN : IDC_DIR_ENGLISH); }
  // Types the text into the search box (the list follows it), then presses Enter there.
  void Search(const std::string& cp949) {
    auto* search = qobject_cast<QLineEdit*>(m_host->Control(IDC_SEARCH));
    search->setFocus(Qt::OtherFocusReason);
    search->selectAll();
    const QString text = QString::fromStdString(Cp949ToUtf8(cp949));
    Time(kType, [&] {
      QInputMethodEvent commit;
      commit.setCommitString(text);
      QApplication::sendEvent(search, &commit);
    });
    Time(kSearch, [&] { QTest::keyClick(search, Qt::Key_Return); });
  }
  void AddSentence() { Click(kAddSentence, IDC_ADD_SENTENCE); }
  void PickAndConfirm(int line) {
    Select(line);
    Confirm();
  }


 private:
  void Click(Kind kind, int id) {
    QWidget* button = m_host->Control(id);
    Time(kind, [&] { QTest::mouseClick(button, Qt::LeftButton); });
  }
  template <typename F>
  void Time(Kind kind, F action) {
    CActionTimes::Time(kind, action, true, LineCount());
  }

  std::unique_ptr<CInterpreterDlg> m_dialog;
  std::unique_ptr<CQtDialogHost> m_host;
  MessageBoxCloser m_closer;
  double m_dOpenMs = 0;
};

// The same actions on the in-memory backend, in the same CPU time: what the dialog
// itself costs, without any widget.
class MemoryTimedSession : public CActionTimes {
 public:
  MemoryTimedSession() : m_dialog(std::make_unique<CInterpreterDlg>()), m_host(std::make_unique<CMemoryHost>()) {
    const double start = CpuMs();
    m_host->Open(*m_dialog);
    m_dOpenMs = CpuMs() - start;
  }

  double OpenMs() const { return m_dOpenMs; }
  int MessagesShown() const { return 0; }
  int LineCount() const { return m_host->ListState(IDC_CANDIDATES)->GetCount(); }
  std::string LineText(int i) const { return m_host->ListState(IDC_CANDIDATES)->GetText(i); }
  bool Complete() const { return m_host->ButtonState(IDC_ADD_SENTENCE)->IsEnabled(); }

  void Select(int line) { Time(kSelect, [&] { m_host->Select(line); }); }
  void Confirm() { Click(kConfirm, IDC_CONFIRM); }
  void StepBack() { Click(kStepBack, IDC_STEP_BACK); }
  void Restart() { Click(kRestart, IDC_RESTART); }
  void Direction(bool bKorean) { Click(kDirection, bKorean ? IDC_DIR_KOREAN : IDC_DIR_ENGLISH); }
  void Search(const std::string& cp949) {
    Time(kType, [&] { m_host->Type(IDC_SEARCH, cp949); });
    Time(kSearch, [&] { m_host->KeyEnter(IDC_SEARCH); });
  }
  void AddSentence() { Click(kAddSentence, IDC_ADD_SENTENCE); }
  void PickAndConfirm(int line) {
    Select(line);
    Confirm();
  }

 private:
  void Click(Kind kind, int id) {
    Time(kind, [&] { m_host->Click(id); });
  }
  template <typename F>
  void Time(Kind kind, F action) {
    CActionTimes::Time(kind, action, false, LineCount());
  }

  std::unique_ptr<CInterpreterDlg> m_dialog;
  std::unique_ptr<CMemoryHost> m_host;
  double m_dOpenMs = 0;
};

struct SessionTotals {
  std::array<std::vector<double>, kKinds> samples;
  std::array<std::vector<double>, kKinds> events;
  std::vector<double> opens;
  int nLinesMax = 0;
  int nMessages = 0;

  template <typename Session>
  void Add(Session& s) {
    opens.push_back(s.OpenMs());
    for (int k = 0; k < kKinds; ++k) {
      samples[k].insert(samples[k].end(), s.Samples()[k].begin(), s.Samples()[k].end());
      events[k].insert(events[k].end(), s.Events()[k].begin(), s.Events()[k].end());
    }
    nLinesMax = std::max(nLinesMax, s.LinesMax());
    nMessages += s.MessagesShown();
  }

  void Report(benchmark::State& state) const {
    state.counters["open_ms"] = Percentile(opens, 0.5);
    std::vector<double> clicks, clickEvents;
    double actions = 0;
    for (int k = 0; k < kKinds; ++k) {
      const std::string name = kKindNames[k];
      state.counters[name + "_ms"] = Percentile(samples[k], 0.5);
      state.counters[name + "_p90"] = Percentile(samples[k], kP90);
      state.counters[name + "_p99"] = Percentile(samples[k], kP99);
      actions += static_cast<double>(samples[k].size());
      if (k == kType || k == kSelect) continue;
      clicks.insert(clicks.end(), samples[k].begin(), samples[k].end());
      clickEvents.insert(clickEvents.end(), events[k].begin(), events[k].end());
    }
    // The actions that rebuild the list (buttons and Enter), taken together.
    state.counters["list_ms"] = Percentile(clicks, 0.5);
    state.counters["list_p90"] = Percentile(clicks, kP90);
    state.counters["list_p99"] = Percentile(clicks, kP99);
    // Of those, what Qt spends once the handler has returned: layout and repaint.
    state.counters["list_events_ms"] = Percentile(clickEvents, 0.5);
    state.counters["list_events_p99"] = Percentile(clickEvents, kP99);
    state.counters["actions"] = actions;
    state.counters["lines_max"] = nLinesMax;
    state.counters["messages"] = nMessages;
  }
};

template <typename Session>
void SessionBundled(benchmark::State& state) {
  bench::EnterDir(bench::BundledDir());
  SessionTotals totals;
  for (auto _ : state) {
    Session s;
    BrowseSession(s, 12);
    totals.Add(s);
  }
  totals.Report(state);
}

template <typename Session>
void SessionCapacity(benchmark::State& state) {
  bench::EnterDir(bench::CapacityDir());
  SessionTotals totals;
  int completed = 0, sessions = 0;
  for (auto _ : state) {
    Session s;
    SampleSession(s, completed);
    BrowseSession(s, 2);
    totals.Add(s);
    ++sessions;
  }
  totals.Report(state);
  // Both directions of the sample complete in every session.
  state.counters["samples_complete"] = sessions ? completed / (2.0 * sessions) : 0;
}

void BM_QtSessionBundled(benchmark::State& state) { SessionBundled<QtTimedSession>(state); }
void BM_QtSessionCapacity(benchmark::State& state) { SessionCapacity<QtTimedSession>(state); }
// The baseline: the same sessions without widgets.
void BM_MemorySessionBundled(benchmark::State& state) { SessionBundled<MemoryTimedSession>(state); }
void BM_MemorySessionCapacity(benchmark::State& state) { SessionCapacity<MemoryTimedSession>(state); }
BENCHMARK(BM_QtSessionBundled)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_QtSessionCapacity)->Unit(benchmark::kMillisecond)->Iterations(2);
BENCHMARK(BM_MemorySessionBundled)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_MemorySessionCapacity)->Unit(benchmark::kMillisecond)->Iterations(2);

}  // namespace
