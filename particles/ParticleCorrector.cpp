#include "particles/ParticleCorrector.h"

#include <cstddef>
#include <string_view>
#include <utility>
#include <vector>

#include "base/Bisect.h"
#include "base/Cp949.h"
#include "dict/DexFile.h"
#include "dict/DictionaryFiles.h"
#include "dict/Fields.h"
#include "dict/RecordLayout.h"

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
  std::size_t pos = 0;
  while (pos < text.size()) {
    starts.push_back(pos);
    pos += CharBytes(text, pos);
  }
  starts.push_back(text.size());
}

// The first occurrence of piece in text that begins at a character start, or npos.
// A hit at the second byte of a two-byte character is skipped.
std::size_t FindAtCharStart(const std::string& text, const std::string& piece) {
  std::size_t boundary = 0;  // a character start at or before the search position
  std::size_t from = 0;
  for (;;) {
    std::size_t hit = text.find(piece, from);
    if (hit == std::string::npos) return hit;
    while (boundary < hit) boundary += CharBytes(text, boundary);
    if (boundary == hit) return hit;
    from = boundary;  // the hit lay inside the character before boundary
  }
}

// Every run of spaces becomes one space: the same as deleting the first space of the
// first pair of spaces until none is left.
void CollapseSpaces(std::string& text) {
  std::size_t out = 0;
  for (std::size_t in = 0; in < text.size(); ++in) {
    if (text[in] == kSpace && in + 1 < text.size() && text[in + 1] == kSpace) continue;
    text[out++] = text[in];
  }
  text.resize(out);
}

void DeleteMarkers(std::string& text) {
  std::size_t out = 0;
  for (char c : text)
    if (c != kMarker) text[out++] = c;
  text.resize(out);
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

int CParticleCorrector::CompareWithRecord(int nIndex, const std::string& strKey, int nKeyChars,
                                          bool bWhole) {
  unsigned char record[kParticleRecordSize];
  m_fpParticles->ReadRecord(nIndex, kParticleRecordSize, record);
  // Compared where it lies in the record: one correction compares thousands of records.
  const std::string_view pattern = PlainFieldView(record, kPartPatternOffset, kPartPatternWidth);
  std::size_t length = bWhole ? pattern.size() : LeftBytes(pattern, nKeyChars);
  return Sign(std::string_view(strKey).compare(pattern.substr(0, length)));
}

int CParticleCorrector::FindRange(int nLo, int nHi, const std::string& strKey, int* pFirst,
                                  int* pLastExact, int* pLastPrefix) {
  return FindRangeOfChars(nLo, nHi, strKey, CountChars(strKey), pFirst, pLastExact, pLastPrefix);
}

int CParticleCorrector::FindRangeOfChars(int nLo, int nHi, const std::string& strKey, int nKeyChars,
                                         int* pFirst, int* pLastExact, int* pLastPrefix) {
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
  auto prefixOrder = [&](int index) { return CompareWithRecord(index, strKey, nKeyChars, false); };
  auto wholeOrder = [&](int index) { return CompareWithRecord(index, strKey, nKeyChars, true); };
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

void CParticleCorrector::AddMatches(const std::string& strText, int nStart, int nChars,
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
    match.strText = strText;
    match.nStart = nStart;
    match.nEnd = nStart + nChars - 1;
    match.strReplacement = PlainField(record, kPartReplacementOffset, kPartReplacementWidth);
  }
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
  for (int e = 0; e < m_nMatches && e < kMaxParticleMatches; ++e) {
    const ParticleMatch& match = m_matches[e];
    std::size_t at = FindAtCharStart(strText, match.strText);
    if (at != std::string::npos) strText.replace(at, match.strText.size(), match.strReplacement);
  }
}

void CParticleCorrector::Correct(std::string& strSentence) {
  std::string text = strSentence;
  {
    CDexFile file(kTosi);  // a missing file ends the program here
    m_fpParticles = &file;

    std::vector<std::size_t> starts;
    std::string candidate;
    for (int pass = 0; pass < kMaxCorrectionPasses; ++pass) {
      m_nMatches = 0;
      CharStarts(text, starts);
      const int n = static_cast<int>(starts.size()) - 1;
      for (int j = 1; j <= n; ++j) {
        // Grow the candidate one character at a time from position j, each lookup
        // searching only the run of patterns that begin with the shorter candidate.
        int lo = 0, hi = -1;
        candidate.clear();
        for (int k = 1; j + k - 1 <= n; ++k) {
          std::size_t from = starts[j + k - 2];
          candidate.append(text, from, starts[j + k - 1] - from);
          int first = -1, lastExact = -1, lastPrefix = -1;
          if (FindRangeOfChars(lo, hi, candidate, k, &first, &lastExact, &lastPrefix) < 0) break;
          lo = first;
          hi = lastPrefix;
          if (lastExact >= 0) AddMatches(candidate, j, k, first, lastExact);
        }
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
