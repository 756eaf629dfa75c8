// The particle corrector: rewrites a rendered sentence in place by replacing every
// piece that equals a pattern of the particle dictionary tosi.dex (longest match wins,
// up to five passes), then collapses runs of spaces and deletes every "#".
// Owned by the dialog; opens tosi.dex afresh for every correction.
#pragma once
#include <string>

#include "dict/Capacities.h"

class CDexFile;

struct ParticleMatch {
  std::string strText;         // the matched text, equal to the record's pattern
  int nStart = 0;              // 1-based character position of its first character
  int nEnd = 0;                // 1-based character position of its last character
  std::string strReplacement;  // the record's replacement
};

class CParticleCorrector {
 public:
  CParticleCorrector() = default;

  void Correct(std::string& strSentence);

  // Character model: a byte of 0x80 or above begins a two-byte character.
  static int CountChars(const std::string& str);
  static std::string LeftChars(const std::string& str, int nChars);

  // Range lookup of strKey among records nLo..nHi (nHi = -1: the last record) of the
  // open particle file. Stores the first index whose pattern begins with strKey, the
  // last whose pattern equals it (-1 if none) and the last whose pattern begins with
  // it; returns the first, or -1 (all three -1) when no pattern begins with strKey.
  // The range is clamped to the records of the file; without an open file it finds
  // nothing.
  int FindRange(int nLo, int nHi, const std::string& strKey, int* pFirst, int* pLastExact,
                int* pLastPrefix);

  ParticleMatch m_matches[kMaxParticleMatches];
  int m_nMatches = 0;
  CDexFile* m_fpParticles = nullptr;  // open only while Correct runs

 private:
  friend class ParticleCorrectorPeer;  // the unit tests drive ResolveOverlaps directly

  // Decides which entries of the table are applied where matches overlap (the longer
  // wins) and compacts the table to them, keeping their order.
  void ResolveOverlaps();

  // FindRange for a key whose character count the caller knows: the correction grows
  // its key one character at a time and need not count it again for every lookup.
  int FindRangeOfChars(int nLo, int nHi, const std::string& strKey, int nKeyChars, int* pFirst,
                       int* pLastExact, int* pLastPrefix);

  // One probe: reads record nIndex and compares strKey with its pattern, cut to
  // nKeyChars characters or whole. Negative, zero or positive as strKey sorts before,
  // equal to or after the pattern.
  int CompareWithRecord(int nIndex, const std::string& strKey, int nKeyChars, bool bWhole);

  // Adds a match for every record nFirst..nLast; a full table keeps overwriting its
  // last entry.
  void AddMatches(const std::string& strText, int nStart, int nChars, int nFirst, int nLast);

  // Replaces, entry by entry, the first occurrence of each entry's text in strText.
  void ApplyMatches(std::string& strText) const;
};
