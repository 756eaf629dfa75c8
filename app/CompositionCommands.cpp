// The commands that change the composition: confirm a step, take one back, restart,
// add the finished pair to the collected text, and follow the user's edits of it.
#include "app/InterpreterDlg.h"
#include "base/Cp949.h"
#include "dict/KeyVocabulary.h"
#include "engine/PhraseJoin.h"
#include "res/Strings.h"

namespace {

constexpr const char* kWhiteSpace = " \t\r\n\v\f";

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

void CInterpreterDlg::AppendPhrase(const std::string& strPhrase) {
  ::AppendPhrase(m_strSentence, strPhrase);
  // A particle slot ("(...") is resolved at once, so the sentence box shows the
  // particle that fits the word before it.
  if (!strPhrase.empty() && strPhrase[0] == '(') m_corrector.Correct(m_strSentence);
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
  int selected = m_listCandidates.GetCurSel();
  if (selected < 0 || selected >= kMaxListLines) {
    MessageBox(PickFromListMessage());
    return;
  }
  const std::string key = m_candidates.m_strListKeys[selected];
  if (!IsFreeInputKey(key) && m_strSearch.find(';') == std::string::npos) {
    MessageBox(PickFromListMessage());
    return;
  }

  const int index = m_nSteps;
  StepRecord& step = m_builder.m_steps[index];
  std::string line = m_strSearch;
  if (!IsFreeInputKey(key)) {
    std::string::size_type semicolon = line.find(';');
    step.strPhrase = line.substr(0, semicolon);
    line.erase(0, semicolon + 1);
    semicolon = line.find(';');
    step.strTranslation = semicolon == std::string::npos ? std::string() : line.substr(0, semicolon);
  } else {
    // The line's marker character (or whatever the user left in its place) goes; a
    // double-byte character goes whole, so the phrase never starts with a lone trail byte.
    step.strPhrase = line.substr(FirstCharLength(line));
    step.strTranslation.clear();
  }
  step.strKey = key;
  if (index > 0) m_builder.m_steps[index - 1].nNext = index;
  step.nPrev = index - 1;
  step.nNext = kChainEnd;

  m_builder.m_nLast = index;
  m_builder.m_bKoreanSource = m_bKoreanSource;
  if (m_builder.CheckSentence()) {
    FinishSentence();
  } else {
    AppendPhrase(step.strPhrase);
    m_btnAddSentence.EnableWindow(false);
  }

  m_nSteps = index + 1;
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
  const int last = m_nSteps;
  if (last < 0) {
    OnRestart();
    return;
  }
  m_builder.m_steps[last].nNext = kChainEnd;

  m_builder.m_nLast = last;
  m_builder.m_bKoreanSource = m_bKoreanSource;
  if (m_builder.CheckSentence()) {
    FinishSentence();
  } else {
    m_strSentence.clear();
    for (int i = 0; i <= last; ++i) AppendPhrase(m_builder.m_steps[i].strPhrase);
    m_btnAddSentence.EnableWindow(false);
    m_strTranslation.clear();
  }
  UpdateData(false);
  m_nSteps = last + 1;
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
