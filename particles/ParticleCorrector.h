// The particle corrector: rewrites a rendered sentence in place by replacing every
// piece that equals a pattern of the particle dictionary tosi.dex (longest match wins,
// up to five passes), then collapses runs of spaces and deletes every "#".
// Owned by the dialog; opens tosi.dex afresh for every correction.
#pragma once
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "dict/Capacities.h"

class CDexFile;
class KnownLookups;
class RecentWalks;

struct ParticleMatch {
  std::string strText;         // the matched text, equal to the record's pattern
  int nStart = 0;              // 1-based character position of its first character
  int nEnd = 0;                // 1-based character position of its last character
  std::string strReplacement;  // the record's replacement
  int nRecord = -1;            // the record's index (-1: not known)
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

  // A lookup key and whether its last character is a lone lead byte (a byte of 0x80 or
  // above with nothing after it), the one case where a pattern that begins with the
  // key's bytes does not begin with its characters.
  struct LookupKey {
    std::string_view strText;
    bool bEndsInLoneLead;
  };
  static bool EndsInLoneLead(const std::string& str);

  // FindRange for a key whose last character the caller knows: the correction grows its
  // key one character at a time and need not walk it again for every lookup.
  int FindRangeOfKey(int nLo, int nHi, LookupKey key, int* pFirst, int* pLastExact,
                     int* pLastPrefix);

  // One probe: reads record nIndex and compares the key with its pattern, cut to as many
  // characters as the key has, or whole. Negative, zero or positive as the key sorts
  // before, equal to or after the pattern.
  int CompareWithRecord(int nIndex, LookupKey key, bool bWhole);

  // Adds a match for every record nFirst..nLast; a full table keeps overwriting its
  // last entry.
  void AddMatches(std::string_view strText, int nStart, int nChars, int nFirst, int nLast);

  // The rest of a candidate's growth once its lookups have narrowed to the one record
  // nRecord: every longer lookup would compare just that record, so at most the candidate
  // that equals its whole pattern matches, and the growth stops after it. strText's
  // characters start at `starts` (1-based positions); the candidate is nChars characters
  // from position nStart. True when it added the match.
  // *pReach receives how many bytes from the candidate's start the answer depended on.
  bool AddWholeMatchAhead(const std::string& strText, const std::vector<std::size_t>& starts,
                          int nStart, int nChars, int nRecord, std::size_t* pReach);

  // What a walk from one position did: whether it added a match, and how many bytes
  // from the position's start its outcome depended on (past the text's end when it
  // depended on where the text ends).
  struct Walk {
    bool bMatched = false;
    std::size_t nReach = 0;
  };

  // Looks up every candidate that begins at character j (1-based) of a text whose
  // characters start at `starts`, and adds their matches. The start it shares with a
  // walk of `recent` is taken from it.
  Walk MatchFrom(const std::string& text, const std::vector<std::size_t>& starts, int j,
                 KnownLookups& known, RecentWalks& recent);

  // Replaces, entry by entry, the first occurrence of each entry's text in strText.
  void ApplyMatches(std::string& strText) const;

  // For each of the first `count` entries, the lowest entry known to have the same text.
  std::vector<int> TextGroups(int count) const;
};
