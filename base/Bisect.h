// Bisection over a sorted range of indexes, the one search every sorted dictionary file
// and the candidate list are read with. The caller supplies the comparison of one index,
// so a probe can read a record from disk only when the search needs it.
#pragma once

// Where a search for an equal element ended.
struct BisectResult {
  int nFound = -1;  // an index that compared equal, -1 when none did
  int nLo = 0;      // the search's lower bound at its end: where the wanted element belongs
  int nHi = -1;     // the search's upper bound at its end
  int nLast = -1;   // the last index compared, -1 when the range was empty
};

// Searches [lo, hi] for an index at which orderAt(index) is 0; orderAt answers < 0 when
// the wanted element sorts before the element at that index and > 0 when after it. The
// probes are the classic midpoints (lo + hi) / 2, so a search visits the same indexes
// wherever it is written.
template <typename OrderAt>
BisectResult BisectForEqual(int lo, int hi, OrderAt orderAt) {
  BisectResult result;
  while (lo <= hi) {
    const int mid = lo + (hi - lo) / 2;
    result.nLast = mid;
    const int order = orderAt(mid);
    if (order < 0) {
      hi = mid - 1;
    } else if (order > 0) {
      lo = mid + 1;
    } else {
      result.nFound = mid;
      break;
    }
  }
  result.nLo = lo;
  result.nHi = hi;
  return result;
}

// The lowest index in [lo, hi] at which holdsAt is true, where holdsAt is false and then
// true along the range; `none` when it holds nowhere.
template <typename HoldsAt>
int BisectFirstTrue(int lo, int hi, int none, HoldsAt holdsAt) {
  int first = none;
  while (lo <= hi) {
    const int mid = lo + (hi - lo) / 2;
    if (holdsAt(mid)) {
      first = mid;
      hi = mid - 1;
    } else {
      lo = mid + 1;
    }
  }
  return first;
}

// The highest index in [lo, hi] at which holdsAt is true, where holdsAt is true and then
// false along the range; `none` when it holds nowhere.
template <typename HoldsAt>
int BisectLastTrue(int lo, int hi, int none, HoldsAt holdsAt) {
  int last = none;
  while (lo <= hi) {
    const int mid = lo + (hi - lo) / 2;
    if (holdsAt(mid)) {
      last = mid;
      lo = mid + 1;
    } else {
      hi = mid - 1;
    }
  }
  return last;
}
