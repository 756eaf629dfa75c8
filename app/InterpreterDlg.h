// The main dialog: the composition of a sentence step by step from the candidates that
// the dictionaries offer, its completion and translation, and the collected text. It
// owns every other object of the program by value for its whole life (candidate list,
// sentence builder, particle corrector) and talks to its controls only through the
// framework, so it runs unchanged on any control backend.
#pragma once
#include <string>

#include "app/Framework.h"
#include "candidates/CandidateList.h"
#include "dict/Capacities.h"
#include "engine/SentenceBuilder.h"
#include "particles/ParticleCorrector.h"

class CInterpreterDlg : public CDialog, private ICandidateSink {
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

  // The candidate list's index tables, built once at initialisation.
  void LoadMainGroups() { m_candidates.LoadMainGroups(); }
  void LoadGuFirstKeys() { m_candidates.LoadGuFirstKeys(); }

  // The candidate list for the next step, into the list control.
  void BuildCandidateList() { m_candidates.Build(m_builder, m_nSteps, m_bKoreanSource, *this); }
  void FillCandidateList() { m_candidates.Fill(*this); }

  // Index tables, runs, free-slot lines and the key of each line.
  CCandidateList m_candidates;

  unsigned char m_bKoreanSource = 1;  // 1: Korean to English, 0: English to Korean
  int m_nSteps = 0;                   // committed steps = index of the next record to fill

  CParticleCorrector m_corrector;
  CSentenceBuilder m_builder;

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
  void AppendPhrase(const std::string& strPhrase);
  void FinishSentence();
  void SetDirection(unsigned char bKoreanSource);

  // The candidate list's lines go into the list control.
  void ResetLines() override { m_listCandidates.ResetContent(); }
  void InsertLine(int nIndex, const std::string& strText) override {
    m_listCandidates.InsertString(nIndex, strText);
  }
};
