// The candidate list: which lines the list box offers for the next step, and the key of
// each line. Owns the two indexes built when the program starts, the runs and free-slot
// lines of one list's merge and the key table; reads the dictionaries of the direction
// afresh on every build, except the first items of the sentence patterns, which it keeps
// while their file is unchanged (candidates/PatternStarts.h). Owned by the dialog, which
// hands it a sink over its list control; tests, fuzzers and benchmarks drive it without
// any dialog.
#pragma once
#include <string>
#include <string_view>

#include "candidates/CandidateTables.h"
#include "candidates/ListKeys.h"
#include "candidates/PatternStarts.h"
#include "dict/Capacities.h"

class CDexFile;
class CSentenceBuilder;

// Where the list's lines go: the dialog's list control, or a test's vector.
class ICandidateSink {
 public:
  // Empties the list.
  virtual void ResetLines() = 0;
  // Inserts line nIndex (the lines arrive in order, 0, 1, 2, ...).
  virtual void InsertLine(int nIndex, const std::string& strText) = 0;

 protected:
  ~ICandidateSink() = default;
};

class CCandidateList {
 public:
  // The lexicon groups of both directions (main.dex, ekmain.dex).
  void LoadMainGroups();
  // The first keys of the phrase rules by result key, both directions (gu.dex, ekgu.dex).
  void LoadGuFirstKeys();

  // Reads ahead the first items of direction bKoreanSource's sentence patterns, so that
  // the first list of that direction finds them kept. Only a file that can be opened and
  // has settled is read (DexStamp.h); anything else is left to the build that needs it,
  // which ends the program for a missing file as always.
  void PrepareFirstList(unsigned char bKoreanSource);

  // Empties the sink and fills it with the list for the step after nSteps committed
  // steps, in direction bKoreanSource: the first list of a sentence when nSteps <= 0,
  // otherwise what may follow the builder's working records as the last completion
  // check left them.
  void Build(CSentenceBuilder& builder, int nSteps, unsigned char bKoreanSource, ICandidateSink& sink);

  // Merges the runs m_candWork[1..m_nCandWork] and the free-slot lines m_candCodes into
  // the sink's lines in phrase order and records each line's key in m_strListKeys.
  void Fill(ICandidateSink& sink);

  // Tables of the phrase rules' first keys and of the lexicon groups, per direction.
  GuKeyEntry m_guKor[kMaxTableEntries];
  int m_nGuKor = -1;
  GuKeyEntry m_guEng[kMaxTableEntries];
  int m_nGuEng = -1;
  MainGroup m_mainKor[kMaxTableEntries];
  int m_nMainKor = -1;
  MainGroup m_mainEng[kMaxTableEntries];
  int m_nMainEng = -1;

  // Runs of the candidate merge; element 0 is the free-slot run.
  CandRun m_candWork[kRunTableSize];
  int m_nCandWork = 0;  // number of lexicon runs (elements 1 .. m_nCandWork)

  CandCode m_candCodes[kMaxTableEntries];
  int m_nCandCodes = -1;

  CListKeys m_strListKeys;  // key of each candidate line

  unsigned char m_bKoreanSource = 1;  // direction of the last build: 1 Korean to English

  // The first items of the sentence patterns, kept between builds: [0] English to
  // Korean (ekchange.dex), [1] Korean to English (change.dex).
  CPatternStarts m_patternStarts[2];

 private:
  // Pieces of the builder (candidates/CandidateList.cpp).
  void AddFreeSlot(const std::string& strItem, std::string_view szMarker);
  void OfferPatternItem(const std::string& strItem, std::string& strAccumulator);
  void OfferPatternStarts(std::string& strAccumulator);
  void ContinuePatterns(const CSentenceBuilder& builder, int nLastStep, std::string& strAccumulator);
  void ContinuePhrase(CSentenceBuilder& builder, int nLastStep, std::string& strAccumulator);
  void ContinueGroup(CSentenceBuilder& builder, int nLastStep, std::string& strAccumulator);
  void DistributeCandidates(std::string strAccumulator);

  // Pieces of the fill (candidates/CandidateFill.cpp).
  void LoadRunEntry(int nRun, int nEntry, CDexFile& file);
  void InsertRun(int nRun, int& nHead);
};
