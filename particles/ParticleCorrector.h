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
  virtual ~CParticleCorrector() = default;

  void Correct(std::string& strSentence);

  // Character model: a byte of 0x80 or above begins a two-byte character.
  static int CountChars(const std::string& str);
  static std::string LeftChars(const std::string& str, int nChars);

  // Range lookup of strKey among records nLo..nHi (nHi = -1: the last record) of the
  // open particle file; see the implementation for the three results. Returns first.
  int FindRange(int nLo, int nHi, const std::string& strKey, int* pFirst, int* pLastExact,
                int* pLastPrefix);

  ParticleMatch m_matches[kMaxParticleMatches];
  int m_nMatches = 0;
  CDexFile* m_fpParticles = nullptr;  // open only while Correct runs

 private:
  void ResolveOverlaps();
};
