#include "particles/ParticleCorrector.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string_view>
#include <utility>
#include <vector>

#include "base/Bisect.h"
#include "base/Cp949.h"
#include "dict/DexFile.h"
#include "dict/DictionaryFiles.h"
#include "dict/Fields.h"
#include "dict/RecordLayout.h"
#include "particles/AlikePositions.h"
#include "particles/KnownLookups.h"
#include "particles/RecentWalks.h"

namespace {

constexpr char kSpace = ' ';
constexpr char kMarker = '#';

// Bytes taken by the character that starts at byte pos of text: two for a lead byte
// with a byte after it, else one (a lone lead byte at the end is a character of its own).
std::size_t CharBytes(std::string_view text, std::size_t pos) { return HighBitCharLength(text, pos); }

// Byte length of the first nChars characters of text (all of it when it has fewer).
std::size_t LeftBytes(std::string_view text, int nChars) {
  std::size_t pos = 0;
  for (int taken = 0; taken < nChars && pos < text.size(); ++taken) pos += CharBytes(text, pos);
  return pos;
}

// The byte offset at which every character of text starts, followed by text's length.
void CharStarts(const std::string& text, std::vector<std::size_t>& starts) {
  starts.clear();
  const auto* bytes = reinterpret_cast<const unsigned char*>(text.data());
  const std::size_t size = text.size();
  std::size_t pos = 0;
  // Every lead byte but a last one takes the byte after it.
  for (; pos + 1 < size; pos += bytes[pos] >= kDoubleByteMin ? 2 : 1) starts.push_back(pos);
  if (pos < size) starts.push_back(pos);
  starts.push_back(size);
}

// Where the characters of a text start, learnt from its beginning as far as a question
// needs, and forgotten only from the place of a replacement on: the characters before a
// place do not depend on what follows it. The matches of one pass are applied in about
// text order, so one pass walks the text about once.
class CharStartMap {
 public:
  explicit CharStartMap(const std::string& text) : m_text(text), m_isStart(text.size() + 1) {}

  bool IsStart(std::size_t pos) {
    while (m_frontier < pos) {
      const std::size_t bytes = CharBytes(m_text, m_frontier);
      m_isStart[m_frontier] = 1;
      if (bytes == 2) m_isStart[m_frontier + 1] = 0;
      m_frontier += bytes;
    }
    return pos == m_frontier || m_isStart[pos];
  }

  // The text changed from pos on (pos itself a character start).
  void ChangedFrom(std::size_t pos) {
    m_isStart.resize(m_text.size() + 1);
    if (m_frontier > pos) m_frontier = pos;
  }

  // The first occurrence of piece at or after byte from that begins at a character
  // start, or npos. A hit at the second byte of a two-byte character is skipped.
  std::size_t Find(const std::string& piece, std::size_t from) {
    for (std::size_t hit = m_text.find(piece, from); hit != std::string::npos;
         hit = m_text.find(piece, hit + 1))
      if (IsStart(hit)) return hit;
    return std::string::npos;
  }

 private:
  const std::string& m_text;
  std::vector<unsigned char> m_isStart;  // valid below m_frontier
  std::size_t m_frontier = 0;            // a character start
};

// Every run of spaces becomes one space: the same as deleting the first space of the
// first pair of spaces until none is left. Spaces are found with memchr, and the text
// between them moves in blocks.
void CollapseSpaces(std::string& text) {
  char* const base = text.data();
  const char* in = base;
  const char* const end = base + text.size();
  char* out = base;
  while (const auto* space = static_cast<const char*>(std::memchr(in, kSpace, end - in))) {
    const char* after = space + 1;
    while (after < end && *after == kSpace) ++after;
    std::memmove(out, in, space + 1 - in);  // up to the run's first space
    out += space + 1 - in;
    in = after;
  }
  std::memmove(out, in, end - in);
  out += end - in;
  text.resize(out - base);
}

// Deletes every marker; the text between markers moves in blocks.
void DeleteMarkers(std::string& text) {
  char* const base = text.data();
  const char* in = base;
  const char* const end = base + text.size();
  char* out = base;
  while (const auto* marker = static_cast<const char*>(std::memchr(in, kMarker, end - in))) {
    std::memmove(out, in, marker - in);
    out += marker - in;
    in = marker + 1;
  }
  std::memmove(out, in, end - in);
  out += end - in;
  text.resize(out - base);
}

int Sign(int value) { return (value > 0) - (value < 0); }

}  // namespace

int CParticleCorrector::CountChars(const std::string& str) {
  int count = 0;
  for (std::size_t pos = 0; pos < str.size(); pos += CharBytes(str, pos)) ++count;
  return count;
}

std::string CParticleCorrector::LeftChars(const std::string& str, int nChars) {
  return str.substr(0, LeftBytes(str, nChars));
}

bool CParticleCorrector::EndsInLoneLead(const std::string& str) {
  std::size_t last = 0;
  for (std::size_t pos = 0; pos < str.size(); pos += CharBytes(str, pos)) last = pos;
  return !str.empty() && last == str.size() - 1 && static_cast<unsigned char>(str[last]) >= 0x80;
}

int CParticleCorrector::CompareWithRecord(int nIndex, LookupKey key, bool bWhole) {
  unsigned char record[kParticleRecordSize];
  m_fpParticles->ReadRecord(nIndex, kParticleRecordSize, record);
  // Compared where it lies in the record: one correction compares thousands of records.
  const std::string_view pattern = PlainFieldView(record, kPartPatternOffset, kPartPatternWidth);
  const std::string_view text(key.strText);
  if (bWhole) return Sign(text.compare(pattern));

  // The same as comparing with the pattern cut to the key's characters, without walking
  // them: up to the first differing byte both split into the same characters, and that
  // byte lies inside the cut, so it decides.
  const std::size_t common = std::min(text.size(), pattern.size());
  if (common > 0) {
    if (int order = std::memcmp(text.data(), pattern.data(), common)) return Sign(order);
  }
  if (pattern.size() < text.size()) return 1;  // the pattern is a proper start of the key
  if (pattern.size() == text.size()) return 0;
  // The pattern goes on after the key's bytes: a lone lead byte at the key's end pairs
  // with the pattern's next byte into one character, which sorts after the key.
  return key.bEndsInLoneLead ? -1 : 0;
}

int CParticleCorrector::FindRange(int nLo, int nHi, const std::string& strKey, int* pFirst,
                                  int* pLastExact, int* pLastPrefix) {
  return FindRangeOfKey(nLo, nHi, LookupKey{strKey, EndsInLoneLead(strKey)}, pFirst, pLastExact,
                        pLastPrefix);
}

int CParticleCorrector::FindRangeOfKey(int nLo, int nHi, LookupKey key, int* pFirst,
                                       int* pLastExact, int* pLastPrefix) {
  int first = -1, lastExact = -1, lastPrefix = -1;
  auto report = [&]() {
    if (pFirst) *pFirst = first;
    if (pLastExact) *pLastExact = lastExact;
    if (pLastPrefix) *pLastPrefix = lastPrefix;
    return first;
  };
  if (!m_fpParticles) return report();

  // The range never leaves the file's whole records, whatever the caller asks.
  const int nRecords = RecordCount(*m_fpParticles, kParticleRecordSize);
  if (nHi == -1 || nHi > nRecords - 1) nHi = nRecords - 1;
  int lo = nLo < 0 ? 0 : nLo;
  int hi = nHi;

  // Any record whose pattern begins with the key.
  auto prefixOrder = [&](int index) { return CompareWithRecord(index, key, false); };
  auto wholeOrder = [&](int index) { return CompareWithRecord(index, key, true); };
  const BisectResult search = BisectForEqual(lo, hi, prefixOrder);
  const int found = search.nFound;
  if (found < 0) return report();
  lo = search.nLo;
  hi = search.nHi;

  // The lowest such record in [lo, found].
  first = BisectFirstTrue(lo, found - 1, found, [&](int index) { return prefixOrder(index) <= 0; });

  // The last record whose whole pattern is the key; exact ones open the run.
  if (wholeOrder(first) == 0)
    lastExact = BisectLastTrue(first + 1, hi, first, [&](int index) { return wholeOrder(index) >= 0; });

  // The last record whose pattern begins with the key.
  lastPrefix = BisectLastTrue(found + 1, hi, found, [&](int index) { return prefixOrder(index) >= 0; });
  return report();
}

void CParticleCorrector::AddMatches(std::string_view strText, int nStart, int nChars,
                                    int nFirst, int nLast) {
  unsigned char record[kParticleRecordSize];
  for (int x = nFirst; x <= nLast; ++x) {
    int entry = m_nMatches;
    if (m_nMatches >= kMaxParticleMatches) {
      // A full table keeps only the last match in its last entry, so of the records
      // still to come only the last one can leave a trace.
      entry = kMaxParticleMatches - 1;
      x = nLast;
    } else {
      ++m_nMatches;
    }
    m_fpParticles->ReadRecord(x, kParticleRecordSize, record);
    ParticleMatch& match = m_matches[entry];
    match.strText.assign(strText);
    match.nStart = nStart;
    match.nEnd = nStart + nChars - 1;
    match.strReplacement.assign(PlainFieldView(record, kPartReplacementOffset, kPartReplacementWidth));
    match.nRecord = x;
  }
}

bool CParticleCorrector::AddWholeMatchAhead(const std::string& strText,
                                            const std::vector<std::size_t>& starts, int nStart,
                                            int nChars, int nRecord, std::size_t* pReach) {
  unsigned char record[kParticleRecordSize];
  m_fpParticles->ReadRecord(nRecord, kParticleRecordSize, record);
  const std::string_view pattern = PlainFieldView(record, kPartPatternOffset, kPartPatternWidth);
  // Whether the pattern ends where a character ends depends on its bytes and on whether
  // a byte follows them.
  *pReach = pattern.size() + 1;
  const std::size_t begin = starts[static_cast<std::size_t>(nStart) - 1];
  const std::size_t end = begin + pattern.size();
  const auto reached = starts.begin() + (nStart - 1) + nChars;  // the candidate's end
  if (end <= *reached || end > strText.size()) return false;
  if (strText.compare(begin, pattern.size(), pattern) != 0) return false;
  const auto boundary = std::lower_bound(reached, starts.end(), end);
  if (boundary == starts.end() || *boundary != end) return false;  // the pattern ends mid-character
  const int chars = static_cast<int>(boundary - starts.begin()) - (nStart - 1);
  AddMatches(std::string_view(strText).substr(begin, pattern.size()), nStart, chars, nRecord,
             nRecord);
  return true;
}

void CParticleCorrector::ResolveOverlaps() {
  enum Mark : unsigned char { kUndecided, kKeep, kDrop };
  const int count = m_nMatches < 0                      ? 0
                    : m_nMatches > kMaxParticleMatches ? kMaxParticleMatches
                                                       : m_nMatches;
  Mark marks[kMaxParticleMatches] = {};
  int group[kMaxParticleMatches];

  for (;;) {
    int i = 0;
    while (i < count && marks[i] != kUndecided) ++i;
    if (i == count) break;

    const ParticleMatch& mi = m_matches[i];
    const int lengthI = mi.nEnd - mi.nStart + 1;
    int members = 0;
    group[members++] = i;
    bool beaten = false;
    for (int j = i + 1; j < count && !beaten; ++j) {
      if (marks[j] != kUndecided) continue;
      const ParticleMatch& mj = m_matches[j];
      if (mj.nStart > mi.nEnd || mi.nStart > mj.nEnd) continue;  // no shared position
      const int lengthJ = mj.nEnd - mj.nStart + 1;
      if (lengthJ == lengthI) {
        group[members++] = j;
      } else if (lengthJ < lengthI) {
        marks[j] = kDrop;
      } else {
        beaten = true;
      }
    }
    for (int g = 0; g < members; ++g) marks[group[g]] = beaten ? kDrop : kKeep;
  }

  int kept = 0;
  for (int e = 0; e < count; ++e) {
    if (marks[e] != kKeep) continue;
    if (kept != e) m_matches[kept] = std::move(m_matches[e]);
    ++kept;
  }
  m_nMatches = kept;
}

void CParticleCorrector::ApplyMatches(std::string& strText) const {
  const int count = std::min(m_nMatches, kMaxParticleMatches);
  const std::vector<int> texts = TextGroups(count);
  // Per group of entries with one text: no occurrence of it begins before `from` in the
  // text as it stood after the first `changes` replacements. A replacement at r leaves
  // every piece that ends before r as it was, so the bound stays good up to r minus the
  // text's length: the next entry of the group searches on from there, not from the
  // start, and a pass that replaces in text order walks the text about once.
  struct Searched {
    std::size_t from = 0, changes = 0;
  };
  std::vector<Searched> searched(static_cast<std::size_t>(count));
  std::vector<std::size_t> changes;  // where each replacement of this pass began

  CharStartMap starts(strText);
  for (int e = 0; e < count; ++e) {
    const ParticleMatch& match = m_matches[e];
    const std::size_t length = match.strText.size();
    Searched& group = searched[static_cast<std::size_t>(texts[static_cast<std::size_t>(e)])];
    for (; group.changes < changes.size(); ++group.changes) {
      const std::size_t r = changes[group.changes];
      group.from = std::min(group.from, r + 1 > length ? r + 1 - length : 0);
    }
    const std::size_t at = starts.Find(match.strText, group.from);
    group.from = at == std::string::npos ? strText.size() : at;
    if (at == std::string::npos) continue;
    strText.replace(at, length, match.strReplacement);
    starts.ChangedFrom(at);
    changes.push_back(at);
  }
}

std::vector<int> CParticleCorrector::TextGroups(int count) const {
  // The entries of one record have its pattern as their text when the file is sorted;
  // the text is compared all the same, since an unsorted file's ranges can hold records
  // of other patterns. An entry of no known record is a group of its own.
  std::vector<std::pair<int, int>> byRecord;  // (record, entry)
  for (int e = 0; e < count; ++e)
    if (m_matches[e].nRecord >= 0) byRecord.emplace_back(m_matches[e].nRecord, e);
  std::sort(byRecord.begin(), byRecord.end());
  std::vector<int> groups(static_cast<std::size_t>(count));
  for (int e = 0; e < count; ++e) groups[static_cast<std::size_t>(e)] = e;
  for (std::size_t i = 1; i < byRecord.size(); ++i) {
    const int leader = groups[static_cast<std::size_t>(byRecord[i - 1].second)];
    const int entry = byRecord[i].second;
    if (byRecord[i].first == byRecord[i - 1].first &&
        m_matches[entry].strText == m_matches[leader].strText)
      groups[static_cast<std::size_t>(entry)] = leader;
  }
  return groups;
}

CParticleCorrector::Walk CParticleCorrector::MatchFrom(const std::string& text,
                                                      const std::vector<std::size_t>& starts,
                                                      int j, KnownLookups& known,
                                                      RecentWalks& recent) {
  // Grow the candidate one character at a time from position j, each lookup searching
  // only the run of patterns that begin with the shorter candidate.
  const int n = static_cast<int>(starts.size()) - 1;
  const std::size_t* start = starts.data();  // start[i]: character i + 1
  const auto* bytes = reinterpret_cast<const unsigned char*>(text.data());
  const std::size_t begin = start[j - 1];
  Walk walk;
  // The walk's outcome depends on its bytes up to `reach`; one that reached the text's
  // end depends on where the text ends, and says so with a reach past it.
  auto finish = [&](std::size_t reach) {
    walk.nReach = begin + reach < text.size() ? reach : text.size() - begin + 1;
    return walk;
  };

  // What happens at the node of the candidate of k characters (`bytes` long): its
  // matches are added, and the walk ends when no record or one record is left. False
  // when it ends.
  auto visit = [&](int node, int k, std::size_t bytes, WalkPath& path) {
    const FoundRange& found = known.Range(node);
    const bool ends = found.nFirst < 0 || found.nFirst == found.nLastPrefix;
    if (found.nLastExact >= 0 || ends) path.events.push_back(k);
    walk.nReach = bytes;
    if (found.nFirst < 0) return false;
    if (found.nLastExact >= 0) {
      const std::string_view candidate(text.data() + begin, start[j + k - 1] - begin);
      AddMatches(candidate, j, k, found.nFirst, found.nLastExact);
      walk.bMatched = true;
    }
    if (found.nFirst == found.nLastPrefix) {
      std::size_t whole = 0;
      walk.bMatched |= AddWholeMatchAhead(text, starts, j, k, found.nFirst, &whole);
      walk.nReach = std::max(bytes, whole);
      return false;
    }
    return true;
  };

  // The characters this position shares with a recent walk lead to that walk's nodes:
  // only the nodes where something happened are visited.
  int shared = 0;
  const WalkPath* like = recent.Shared(begin, &shared);
  WalkPath& path = recent.Start(begin);
  int node = KnownLookups::kRoot;
  int k = 1;
  if (like) {
    path.nodes.assign(like->nodes.begin(), like->nodes.begin() + shared);
    path.ends.assign(like->ends.begin(), like->ends.begin() + shared);
    for (int event : like->events) {
      if (event > shared) break;
      const auto at = static_cast<std::size_t>(event) - 1;
      if (!visit(like->nodes[at], event, like->ends[at], path)) {
        path.nodes.resize(at + 1);
        path.ends.resize(at + 1);
        return finish(walk.nReach);
      }
    }
    node = path.nodes.back();
    k = shared + 1;
  }

  for (; j + k - 1 <= n; ++k) {
    const std::size_t from = start[j + k - 2], end = start[j + k - 1];
    const std::size_t added = end - from;
    // Only the text's last character can be a lone lead byte.
    const bool loneLead = added == 1 && bytes[from] >= 0x80;
    const std::string_view candidate(text.data() + begin, end - begin);
    const int shorter = node;
    node = known.Step(node, KnownLookups::CodeOf(bytes + from, added), [&](FoundRange& range) {
      const FoundRange& within = known.Range(shorter);
      FindRangeOfKey(within.nFirst, within.nLastPrefix, LookupKey{candidate, loneLead},
                     &range.nFirst, &range.nLastExact, &range.nLastPrefix);
    });
    // A lone lead byte is a character only at the text's end: no later walk may take
    // its node for the same byte followed by more.
    if (!loneLead) {
      path.nodes.push_back(node);
      path.ends.push_back(end - begin);
    }
    if (!visit(node, k, end - begin, path)) return finish(walk.nReach);
  }
  return finish(text.size() - begin);  // the candidates ran out with the text
}

void CParticleCorrector::Correct(std::string& strSentence) {
  std::string text = strSentence;
  {
    CDexFile file(kTosi);  // a missing file ends the program here
    m_fpParticles = &file;

    std::vector<std::size_t> starts;
    KnownLookups known;
    RecentWalks recent;
    for (int pass = 0; pass < kMaxCorrectionPasses; ++pass) {
      m_nMatches = 0;
      CharStarts(text, starts);
      recent.Restart(text, 1);
      const int n = static_cast<int>(starts.size()) - 1;
      for (int j = 1; j <= n; ++j) {
        const Walk walk = MatchFrom(text, starts, j, known, recent);
        if (m_nMatches < kMaxParticleMatches) {
          // The copies of a character that found nothing, far enough from the end of
          // their run, find nothing either.
          if (walk.bMatched) continue;
          if (const int alike = alike::AlikeAhead(text, starts, j, n, walk.nReach)) {
            j += alike;
            recent.Restart(text, 1);
          }
          continue;
        }
        // The table is full: of all the matches still to come, only the pass's last one
        // stays, in the last entry. It starts at the last position that has a match at
        // all, so the positions are searched from the end.
        recent.Restart(text, -1);
        for (int last = n; last > j; --last) {
          const Walk back = MatchFrom(text, starts, last, known, recent);
          if (back.bMatched) break;
          if (const int alike = alike::AlikeBehind(text, starts, last, j, back.nReach)) {
            last -= alike;
            recent.Restart(text, -1);
          }
        }
        break;
      }
      if (m_nMatches == 0) break;
      if (m_nMatches >= 2) ResolveOverlaps();
      ApplyMatches(text);
    }
    m_fpParticles = nullptr;
  }
  CollapseSpaces(text);
  DeleteMarkers(text);
  strSentence = std::move(text);
}
