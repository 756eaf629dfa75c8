// The dialog's construction, data exchange, initialisation, direction radio buttons and
// message map.
#include "app/InterpreterDlg.h"

#include "res/DialogTemplate.h"
#include "res/Strings.h"

CInterpreterDlg::CInterpreterDlg() {
  // The icon resource stands for its handle; the backend draws it.
  m_hAppIcon = IDR_MAINFRAME;
}

void CInterpreterDlg::DoDataExchange(CDataExchange* pDX) {
  DDX_Control(pDX, IDC_COLLECTED, m_editCollected);
  DDX_Control(pDX, IDC_ADD_SENTENCE, m_btnAddSentence);
  DDX_Control(pDX, IDC_STEP_BACK, m_btnStepBack);
  DDX_Control(pDX, IDC_RESTART, m_btnRestart);
  DDX_Control(pDX, IDC_CONFIRM, m_btnConfirm);
  DDX_Control(pDX, IDC_CANDIDATES, m_listCandidates);
  DDX_LBString(pDX, IDC_CANDIDATES, m_strListSel);
  DDX_Text(pDX, IDC_SENTENCE, m_strSentence);
  DDX_Text(pDX, IDC_TRANSLATION, m_strTranslation);
  DDX_Radio(pDX, IDC_DIR_KOREAN, m_nDirection);
  DDX_Text(pDX, IDC_COLLECTED, m_strCollected);
  DDX_Text(pDX, IDC_SEARCH, m_strSearch);
}

bool CInterpreterDlg::OnInitDialog() {
  CDialog::OnInitDialog();  // members to controls once; no radio button is checked yet

  SetIcon(m_hAppIcon, true);
  SetIcon(m_hAppIcon, false);

  m_nSteps = 0;
  m_nDirection = 0;
  m_bKoreanSource = 1;
  UpdateData(false);

  LoadMainGroups();
  LoadGuFirstKeys();
  BuildCandidateList();
  // The first change of direction then finds its first list's pattern items kept.
  m_candidates.PrepareFirstList(0);
  return true;
}

void CInterpreterDlg::SetDirection(unsigned char bKoreanSource) {
  const ButtonCaptions& captions = bKoreanSource ? KoreanCaptions() : EnglishCaptions();
  m_bKoreanSource = bKoreanSource;
  m_nDirection = bKoreanSource ? 0 : 1;
  m_nSteps = 0;
  m_strSentence.clear();
  m_strTranslation.clear();
  m_btnStepBack.SetWindowText(captions.strStepBack);
  m_btnRestart.SetWindowText(captions.strRestart);
  m_btnConfirm.SetWindowText(captions.strConfirm);
  m_btnAddSentence.SetWindowText(captions.strAddSentence);
  // The composition is cleared, so there is no finished pair left to add: the button
  // goes off as after a restart (left on, it would append an empty pair).
  m_btnAddSentence.EnableWindow(false);
  UpdateData(false);
  BuildCandidateList();
}

void CInterpreterDlg::OnDirectionKorean() { SetDirection(1); }

void CInterpreterDlg::OnDirectionEnglish() { SetDirection(0); }

void CInterpreterDlg::OnControlEvent(int id, ControlEvent event) {
  if (event == ControlEvent::Clicked) {
    switch (id) {
      case IDC_STEP_BACK: OnStepBack(); break;
      case IDC_CONFIRM: OnConfirmStep(); break;
      case IDC_RESTART: OnRestart(); break;
      case IDC_DIR_KOREAN: OnDirectionKorean(); break;
      case IDC_DIR_ENGLISH: OnDirectionEnglish(); break;
      case IDC_ADD_SENTENCE: OnAddSentence(); break;
      default: break;
    }
  } else if (event == ControlEvent::SelChange && id == IDC_CANDIDATES) {
    OnCandidateSelChange();
  } else if (event == ControlEvent::DoubleClicked && id == IDC_CANDIDATES) {
    // A line chosen outright is taken as if the user had picked it and confirmed.
    OnCandidateSelChange();
    OnConfirmStep();
  } else if (event == ControlEvent::TextChanged && id == IDC_COLLECTED) {
    OnCollectedChange();
  }
}
