// The commands that change the composition: confirm a step, take one back, restart,
// add the finished pair to the collected text, and follow the user's edits of it.
#include "app/InterpreterDlg.h"
#include "dict/Cp949.h"
#include "res/Strings.h"

namespace {

constexpr const char* kWhiteSpace = " \t\r\n\v\f";

bool IsFreeInputKey(const std::string& key) { return key == "zz" || key == "mz"; }

// Bytes of the first character of `text`: a double-byte character counts whole.
std::size_t FirstCharLength(const std::string& text) {
  if (text.empty()) return 0;
  if (text.size() >= 2 && IsCp949LeadByte(static_cast<unsigned char>(text[0])) &&
      IsCp949TrailByte(static_cast<unsigned char>(text[1])))
    return 2;
  return 1;
}

void TrimLeft(std::string& text) { text.erase(0, text.find_first_not_of(kWhiteSpace)); }

void CapitaliseFirst(std::string& text) {
  if (!text.empty() && text[0] >= 'a' && text[0] <= 'z') text[0] = static_cast<char>(text[0] - 'a' + 'A');
}

}  // namespace

void CInterpreterDlg::AppendPhrase(std::string strPhrase) {
  std::string::size_type bracket = strPhrase.find('[');
  if (bracket != std::string::npos) strPhrase.erase(bracket);
  if (!strPhrase.empty() && strPhrase[0] == '(') {
    m_strSentence += strPhrase;
    m_corrector.Correct(m_strSentence);
  } else if (!strPhrase.empty() && strPhrase[0] == '~') {
    m_strSentence += strPhrase.substr(1);
  } else {
    m_strSentence += " " + strPhrase;
  }
}

void CInterpreterDlg::FinishSentence() {
  m_strSentence = " " + m_builder.m_strSentence;
  m_strTranslation = " " + m_builder.m_strTranslation;
  if (m_bKoreanSource == 1) m_corrector.Correct(m_strSentence);
  m_corrector.Correct(m_strTranslation);
  TrimLeft(m_strSentence);
  TrimLeft(m_strTranslation);
  CapitaliseFirst(m_strSentence);
  CapitaliseFirst(m_strTranslation);
  m_btnAddSentence.EnableWindow(true);
}

void CInterpreterDlg::OnConfirmStep() {
  UpdateData(true);

  // A list longer than the key table cannot arise (the fill stops at its size); a
  // selection past it is treated as no usable line all the same.
  int sel = m_listCandidates.GetCurSel();
  if (sel < 0 || sel >= kMaxListLines) {
    MessageBox(PickFromListMessage());
    return;
  }
  const std::string key = m_strListKeys[sel];
  if (!IsFreeInputKey(key) && m_strSearch.find(';') == std::string::npos) {
    MessageBox(PickFromListMessage());
    return;
  }

  const int n = m_nSteps;
  StepRecord& r = m_builder.m_steps[n];
  std::string t = m_strSearch;
  if (!IsFreeInputKey(key)) {
    std::string::size_type semicolon = t.find(';');
    r.strPhrase = t.substr(0, semicolon);
    t.erase(0, semicolon + 1);
    semicolon = t.find(';');
    r.strTranslation = semicolon == std::string::npos ? std::string() : t.substr(0, semicolon);
  } else {
    // The line's marker character (or whatever the user left in its place) goes; a
    // double-byte character goes whole, so the phrase never starts with a lone trail byte.
    r.strPhrase = t.substr(FirstCharLength(t));
    r.strTranslation.clear();
  }
  r.strKey = key;
  if (n > 0) m_builder.m_steps[n - 1].nNext = n;
  r.nPrev = n - 1;
  r.nNext = kChainEnd;

  m_builder.m_nLast = n;
  m_builder.m_bKoreanSource = m_bKoreanSource;
  if (m_builder.CheckSentence()) {
    FinishSentence();
  } else {
    AppendPhrase(r.strPhrase);
    m_btnAddSentence.EnableWindow(false);
  }

  m_nSteps = n + 1;
  if (m_nSteps >= kMaxSteps) {
    MessageBox(SentenceTooLongMessage());
    m_nSteps -= 2;
  }

  UpdateData(false);
  BuildCandidateList();
  m_strSearch.clear();
  UpdateData(false);  // also selects the new line that begins like the one just chosen
}

void CInterpreterDlg::OnStepBack() {
  m_nSteps -= 2;
  const int a = m_nSteps;
  if (a < 0) {
    OnRestart();
    return;
  }
  m_builder.m_steps[a].nNext = kChainEnd;

  m_builder.m_nLast = a;
  m_builder.m_bKoreanSource = m_bKoreanSource;
  if (m_builder.CheckSentence()) {
    FinishSentence();
  } else {
    m_strSentence.clear();
    for (int i = 0; i <= a; ++i) AppendPhrase(m_builder.m_steps[i].strPhrase);
    m_btnAddSentence.EnableWindow(false);
    m_strTranslation.clear();
  }
  UpdateData(false);
  m_nSteps = a + 1;
  BuildCandidateList();
}

void CInterpreterDlg::OnRestart() {
  m_nSteps = 0;
  m_strTranslation.clear();
  m_strSentence.clear();
  m_btnAddSentence.EnableWindow(false);
  UpdateData(false);
  BuildCandidateList();
}

void CInterpreterDlg::OnAddSentence() {
  m_strCollected += m_strSentence + "\r\n" + m_strTranslation + "\r\n\r\n";
  m_btnAddSentence.EnableWindow(false);
  m_nSteps = 0;
  m_strTranslation.clear();
  m_strSentence.clear();
  UpdateData(false);
  const int end = static_cast<int>(m_strCollected.size());
  m_editCollected.SetSel(end, end);
  m_editCollected.ScrollCaret();
  BuildCandidateList();
}

void CInterpreterDlg::OnCollectedChange() {
  UpdateData(true);
  UpdateData(false);
}
