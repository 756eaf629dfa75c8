// The deep walks of one correction pass, kept so that a later position whose text goes
// on with the same bytes repeats a walk instead of stepping through it again. Used only
// by the particle corrector.
#pragma once
#include <cstddef>
#include <vector>

// A walk that got past its first kWalkKeyChars characters, from the character after them
// to where it stopped. The walk of any position that reaches the same tree node after
// kWalkKeyChars characters, and whose text goes on with the same bytes, makes the same
// lookups: the same matches at the same lengths, and the same end. Texts that the
// replacements have grown repeat themselves, and a walk through a long run of one
// character can be hundreds of lookups deep at every position of the run.
struct RepeatedWalk {
  struct Match {
    int nChars;  // the candidate's length in characters
    int nFirst, nLastExact;
  };
  std::size_t nRestBegin = 0;  // the bytes after the first kWalkKeyChars characters,
  std::size_t nRestBytes = 0;  // as far as the last character the walk looked up
  int nChars = 0;              // characters looked up
  int nSingle = -1;            // the one record it narrowed to, or -1 (no record left)
  std::vector<Match> matches;  // found after the first kWalkKeyChars characters
};

class RepeatedWalks {
 public:
  static constexpr int kWalkKeyChars = 4;  // shallower walks are just walked

  // The walk kept for the tree node a walk reached after kWalkKeyChars characters.
  const RepeatedWalk* Find(int node) const {
    if (node < 0 || static_cast<std::size_t>(node) >= m_slotOfNode.size()) return nullptr;
    const int slot = m_slotOfNode[static_cast<std::size_t>(node)];
    return slot < 0 ? nullptr : &m_walks[static_cast<std::size_t>(slot)];
  }

  // Keeps `walk` for `node`, in place of the one kept before.
  void Keep(int node, const RepeatedWalk& walk) {
    if (static_cast<std::size_t>(node) >= m_slotOfNode.size())
      m_slotOfNode.resize(static_cast<std::size_t>(node) + 1, -1);
    int& slot = m_slotOfNode[static_cast<std::size_t>(node)];
    if (slot < 0) {
      slot = static_cast<int>(m_walks.size());
      m_walks.push_back(walk);
    } else {
      m_walks[static_cast<std::size_t>(slot)] = walk;
    }
  }

  // A new pass: the text changed, and with it every kept walk's bytes.
  void Clear() {
    m_slotOfNode.clear();
    m_walks.clear();
  }

  // The walk being made, kept here so that its list of matches is not allocated anew.
  RepeatedWalk& Current() { return m_current; }

 private:
  RepeatedWalk m_current;
  std::vector<int> m_slotOfNode;
  std::vector<RepeatedWalk> m_walks;
};
