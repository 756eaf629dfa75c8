// The last walks of one correction pass, kept so that a position takes over the start it
// shares with the walks just before it (a run of one character, or of a few) instead of
// stepping through the tree again. Used only by the particle corrector.
#pragma once
#include <cstddef>
#include <algorithm>
#include <string_view>
#include <vector>

// The last few walks, each with its tree nodes, so that a walk from a position whose
// text begins with the same bytes as a recent walk's takes over that walk's nodes as
// far as the bytes agree: the nodes depend only on the characters. In a run of one
// character every position's walk goes to the run's end, so without this a run costs
// as many steps as the square of its length.
struct WalkPath {
  std::size_t nBegin = 0;               // the byte where the walk began
  std::vector<int> nodes;               // the node after each character
  std::vector<std::size_t> ends;        // each character's end, in bytes after nBegin
  std::vector<int> events;              // the characters (1-based) whose node matched or stopped
};

class RecentWalks {
 public:
  static constexpr int kKept = 4;  // walks compared with: runs of up to four characters
  static constexpr std::size_t kWorthSharing = 3;  // characters of a walk worth taking over

  // A new sequence of positions, one character apart, visited forward (1) or backward
  // (-1): every walk kept so far is forgotten.
  void Restart(std::string_view text, int direction) {
    m_text = text;
    m_direction = direction;
    m_visits = 0;
    m_lost = true;
    for (WalkPath& path : m_paths) path.ends.clear();
  }

  // For the walk about to begin at byte `begin` (the next position of the sequence): of
  // the last kKept walks, the one whose text shares the most whole characters with the
  // text from `begin`, and how many (0: none). Then the slot for the walk itself,
  // emptied, in place of the oldest one.
  const WalkPath* Shared(std::size_t begin, int* pChars) {
    const WalkPath* best = nullptr;
    *pChars = 0;
    const int lags = m_visits < kKept ? m_visits : kKept;
    // Shallow walks are cheaper to make again than to compare: while the recent ones
    // are all shallow, the agreements are not followed (and are counted afresh after).
    bool deep = false;
    for (int lag = 1; lag <= lags; ++lag)
      deep = deep || m_paths[Slot(lag)].ends.size() >= kWorthSharing;
    if (!deep) {
      m_lost = true;
      return nullptr;
    }
    for (int lag = 1; lag <= lags; ++lag) {
      const WalkPath& path = m_paths[Slot(lag)];
      const std::size_t same = SameBytes(begin, path.nBegin, lag, m_lost || lag == m_visits);
      m_same[lag] = same;
      // Only a walk that would share more characters than the best so far counts.
      const auto better = static_cast<std::size_t>(*pChars);
      if (path.ends.size() <= better || same < path.ends[better]) continue;
      const std::size_t usable = std::min(same, path.ends.back());
      const int chars = static_cast<int>(
          std::upper_bound(path.ends.begin(), path.ends.end(), usable) - path.ends.begin());
      if (chars > *pChars) {
        *pChars = chars;
        best = &path;
      }
    }
    m_lost = false;
    return best;
  }

  WalkPath& Start(std::size_t begin) {
    m_next = (m_next + 1) % (kKept + 1);
    WalkPath& path = m_paths[m_next];
    path.nBegin = begin;
    path.nodes.clear();
    path.ends.clear();
    path.events.clear();
    m_lastBegin = begin;
    ++m_visits;
    return path;
  }

 private:
  // The slot of the walk `lag` walks ago.
  int Slot(int lag) const { return (m_next - (lag - 1) + (kKept + 1)) % (kKept + 1); }

  // How many bytes the text from `begin` and from `other` (the position `lag` steps
  // back in the sequence) have in common, from the count the previous position had at
  // the same lag: going forward the agreement goes on one character shorter, going
  // backward one character longer when the new characters agree. Over a sequence the
  // bytes compared add up to about the text's length per lag.
  std::size_t SameBytes(std::size_t begin, std::size_t other, int lag, bool fresh) {
    const std::size_t size = m_text.size();
    const char* text = m_text.data();
    if (m_direction > 0) {
      const std::size_t step = begin - m_lastBegin;  // the previous character's bytes
      std::size_t same = fresh || m_same[lag] < step ? 0 : m_same[lag] - step;
      while (begin + same < size && text[begin + same] == text[other + same]) ++same;
      return same;
    }
    const std::size_t step = m_lastBegin - begin;  // this character's bytes
    if (fresh) {
      std::size_t same = 0;
      while (other + same < size && text[begin + same] == text[other + same]) ++same;
      return same;
    }
    if (other + step > size) return 0;
    for (std::size_t i = 0; i < step; ++i)
      if (text[begin + i] != text[other + i]) return 0;
    return step + m_same[lag];
  }

  std::string_view m_text;
  int m_direction = 1;
  int m_visits = 0;              // walks since the restart
  std::size_t m_lastBegin = 0;   // where the latest walk began
  std::size_t m_same[kKept + 1] = {};  // by lag, for the latest position
  bool m_lost = true;            // m_same was not followed to the latest position
  WalkPath m_paths[kKept + 1];   // a walk without characters is none
  int m_next = 0;                // the slot of the latest walk
};
