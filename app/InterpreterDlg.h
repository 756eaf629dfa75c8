// The main dialog: the composition of a sentence step by step from the candidates that
// the dictionaries offer, its completion and translation, and the collected text. It
// owns every other object of the program by value for its whole life (index tables,
// candidate tables, sentence builder, particle corrector) and talks to its controls
// only through the framework, so it runs unchanged on any control backend.
#pragma once
#include <string>

#include "app/Framework.h"
#include "dict/Capacities.h"
#include "engine/SentenceBuilder.h"
#include "particles/ParticleCorrector.h"

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
  int nPrev = -1;    // run before this one in the merge order, -1 for the first
  int nNext = kRunEnd;  // run after this one, kRunEnd for the last
  int nFirst = 0;    // first record (or m_candCodes entry for the free-slot run)
  int nCursor = 0;   // next record (or entry) to load
  int nLast = -1;    // last record (or entry), inclusive
};

// One free-slot line of the candidate list.
struct CandCode {
  std::string strCode;  // the free-slot item, beginning with "-": the line's text
  std::string strKey;   // "zz" (offered by a sentence pattern) or "mz" (by a phrase rule)
};

class CInterpreterDlg : public CDialog {
 public:
  CInterpreterDlg();

  bool PreTranslateMessage(const KeyMessage& message) override;
  void OnControlEvent(int id, ControlEvent event) override;

  // Composition commands.
  void OnConfirmStep();
  void OnStepBack();
  void OnRestart();
  void OnAddSentence();
  void OnCollectedChange();

  // Direction radio buttons.
  void OnDirectionKorean();
  void OnDirectionEnglish();

  // Candidate list navigation.
  void OnCandidateSelChange();

  int OnQueryDragIcon() const { return m_hAppIcon; }

  // Index tables, built once at initialisation (dict/PhraseTables.cpp).
  void LoadMainGroups();
  void LoadGuFirstKeys();

  // The candidate list for the next step (dict/CandidateList.cpp, dict/CandidateFill.cpp).
  void BuildCandidateList();
  void FillCandidateList();

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

  unsigned char m_bKoreanSource = 1;  // 1: Korean to English, 0: English to Korean
  int m_nSteps = 0;                   // committed steps = index of the next record to fill

  CParticleCorrector m_corrector;
  CSentenceBuilder m_builder;

  std::string m_strListKeys[kMaxListLines];  // key of each candidate line

  CandCode m_candCodes[kMaxTableEntries];
  int m_nCandCodes = -1;

  // Control objects.
  CEdit m_editCollected;
  CButton m_btnAddSentence;
  CButton m_btnStepBack;
  CButton m_btnRestart;
  CButton m_btnConfirm;
  CListBox m_listCandidates;

  // Values bound to controls.
  std::string m_strListSel;
  std::string m_strSentence;
  std::string m_strTranslation;
  int m_nDirection = -1;
  std::string m_strCollected;
  std::string m_strSearch;

  int m_hAppIcon = 0;

 protected:
  void DoDataExchange(CDataExchange* pDX) override;
  bool OnInitDialog() override;

 private:
  // Shared steps of the composition commands (app/CompositionCommands.cpp).
  void AppendPhrase(std::string strPhrase);
  void FinishSentence();
  void SetDirection(unsigned char bKoreanSource);

  // Pieces of the candidate list builder (dict/CandidateList.cpp).
  void AddFreeSlot(const std::string& strItem, const char* szMarker);
  void OfferPatternItem(const std::string& strItem, std::string& strAccumulator);
  void ScanPatternStarts(std::string& strAccumulator);
  void ContinuePatterns(int nLastStep, std::string& strAccumulator);
  void ContinuePhrase(int nLastStep, std::string& strAccumulator);
  void ContinueGroup(int nLastStep, std::string& strAccumulator);
  void DistributeCandidates(std::string strAccumulator);

  // Pieces of the list fill (dict/CandidateFill.cpp).
  void LoadRunEntry(int nRun, int nEntry, class CDexFile& file);
  void InsertRun(int nRun, int& nHead);
};

// Byte order of code page 949 texts as the dialog compares them: unsigned bytes, which
// orders double-byte characters as units.
int MbsCompare(const std::string& a, const std::string& b);
