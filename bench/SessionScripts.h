// The scripted sessions that the action benchmarks replay, written once for every
// backend: a Session offers Direction, LineCount, LineText, PickAndConfirm, Search,
// Confirm, StepBack, Restart, AddSentence and Complete. Used by the in-memory and the
// Qt session benchmarks, so that both time the same actions.
#pragma once
#include <cstddef>

#include "bench/BenchSupport.h"

namespace bench {

// A long session that only looks at the list it is shown: in each direction, rounds of
// up to eight confirmed steps, picked by index or found with Enter in the search box, a
// step back every fourth step; a finished sentence is added; each round ends with a
// restart.
template <typename Session>
void BrowseSession(Session& s, int rounds) {
  for (bool bKorean : {true, false}) {
    s.Direction(bKorean);
    for (int round = 0; round < rounds; ++round) {
      for (int step = 0; step < 8; ++step) {
        const int count = s.LineCount();
        if (count == 0) break;
        const int line = (round * 3 + step * 5 + 1) % count;
        if (step % 3 == 2) {
          s.Search(s.LineText(line));
          s.Confirm();
        } else {
          s.PickAndConfirm(line);
        }
        if (step % 4 == 3) s.StepBack();
        if (s.Complete()) {
          s.AddSentence();
          break;
        }
      }
      s.Restart();
    }
  }
}

// The capacity sample in both directions: each of its 20 steps found with Enter in the
// search box among lists of up to 8000 lines and confirmed; the pair is added; then
// half the sentence again, two step backs and a restart.
template <typename Session>
void SampleSession(Session& s, int& completed) {
  for (bool bKorean : {true, false}) {
    const CapacitySample& sample = bKorean ? World().korean : World().english;
    s.Direction(bKorean);
    for (const CapacityStep& step : sample.steps) {
      s.Search(step.Line());
      s.Confirm();
    }
    if (s.Complete()) {
      ++completed;
      s.AddSentence();
    }
    for (std::size_t i = 0; i < sample.steps.size() / 2; ++i) {
      s.Search(sample.steps[i].Line());
      s.Confirm();
    }
    s.StepBack();
    s.StepBack();
    s.Restart();
  }
}

}  // namespace bench
