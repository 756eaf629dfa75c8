// The lookups one particle correction has made, kept in a tree of characters: a key's
// node hangs under the node of the key one character shorter. Used only by the particle
// corrector, which walks this tree once for every character of every pass.
#pragma once
#include <cstddef>
#include <cstdint>
#include <vector>

struct FoundRange {
  int nFirst = -1, nLastExact = -1, nLastPrefix = -1;
};

// A lookup searches the range the lookup of its key without the last character found,
// so every key has one result. Nothing else changes a result while the correction holds
// the file open, and a text grown by its replacements repeats the same characters and
// pieces many times over. The edges live in one open-addressed array: a node-based map
// spent most of the walk allocating nodes and following pointers.
class KnownLookups {
 public:
  static constexpr int kRoot = 0;  // the empty key: its range is the whole file (0 to -1)

  KnownLookups() : m_ranges(1, FoundRange{0, -1, -1}), m_edges(kFirstEdgeSlots) {}

  // The node of `node`'s key followed by the character `code`; `search` fills in the
  // range of a key not looked up before.
  template <typename Search>
  int Step(int node, std::uint32_t code, Search search) {
    const std::uint64_t key = (static_cast<std::uint64_t>(node) << kCodeBits) | code;
    Edge& edge = FindEdge(key);
    if (edge.nChild >= 0) return edge.nChild;
    const int child = static_cast<int>(m_ranges.size());
    edge = Edge{key, child};
    FoundRange range;
    search(range);
    m_ranges.push_back(range);
    if (++m_nEdges * 2 > m_edges.size()) Grow();
    return child;
  }

  // (Nodes come only from Step, so no bounds check here: this runs once per step.)
  const FoundRange& Range(int node) const { return m_ranges.data()[node]; }

  // One character of `bytes` bytes as a number: a single byte as itself, a pair above
  // every single byte.
  static std::uint32_t CodeOf(const unsigned char* at, std::size_t bytes) {
    return bytes == 2 ? (1u << 16) | (std::uint32_t{at[0]} << 8) | at[1] : at[0];
  }

 private:
  static constexpr int kCodeBits = 17;
  static constexpr std::size_t kFirstEdgeSlots = 256;  // a power of two

  struct Edge {
    std::uint64_t nKey = 0;
    int nChild = -1;  // -1: a free slot
  };

  // The slot that holds `key`, or the free slot where it belongs. The table is never
  // more than half full, so a free slot is always found.
  Edge& FindEdge(std::uint64_t key) {
    const std::size_t mask = m_edges.size() - 1;
    Edge* slots = m_edges.data();
    for (std::size_t slot = Hash(key) & mask;; slot = (slot + 1) & mask)
      if (slots[slot].nChild < 0 || slots[slot].nKey == key) return slots[slot];
  }

  static std::size_t Hash(std::uint64_t key) {
    return static_cast<std::size_t>((key * 0x9E3779B97F4A7C15ull) >> 32);
  }

  void Grow() {
    std::vector<Edge> old(m_edges.size() * 2);
    old.swap(m_edges);
    for (const Edge& edge : old)
      if (edge.nChild >= 0) FindEdge(edge.nKey) = edge;
  }

  std::vector<FoundRange> m_ranges;  // by node
  std::vector<Edge> m_edges;
  std::size_t m_nEdges = 0;
};
