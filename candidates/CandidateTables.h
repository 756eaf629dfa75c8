// The records of the candidate list's tables: the two indexes built when the program
// starts (lexicon groups, first keys of the phrase rules by result key), the runs of one
// list's merge and its free-slot lines. Held by CCandidateList.
#pragma once
#include <string>

#include "dict/Capacities.h"

// One result key of the phrase rules with the first keys of every rule producing it.
struct GuKeyEntry {
  std::string strResultKey;
  std::string strFirstKeys;  // ",k1,k2,": each first key once, in file order
};

// One run of lexicon records with the same key.
struct MainGroup {
  std::string strKey;
  int nFirst = 0;  // record index of the run's first record
  int nLast = -1;  // record index of the run's last record (inclusive)
};

// One run of the candidate merge: element 0 holds the free-slot lines, the others a
// lexicon run. The strings hold the run's current record, the one whose line is next.
struct CandRun {
  std::string strKey;
  std::string strPhrase;  // the merge compares runs by this
  std::string strTranslation;
  std::string strNote;
  int nPrev = -1;       // run before this one in the merge order, -1 for the first
  int nNext = kRunEnd;  // run after this one, kRunEnd for the last
  int nFirst = 0;       // first record (or m_candCodes entry for the free-slot run)
  int nCursor = 0;      // next record (or entry) to load
  int nLast = -1;       // last record (or entry), inclusive
};

// One free-slot line of the candidate list.
struct CandCode {
  std::string strCode;  // the free-slot item, beginning with "-": the line's text
  std::string strKey;   // "zz" (offered by a sentence pattern) or "mz" (by a phrase rule)
};
