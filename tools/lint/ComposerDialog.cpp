#include "tools/lint/ComposerDialog.h"

#include <algorithm>

#include "res/DialogTemplate.h"

namespace {

// Separators of the state text: control characters, which no dictionary text holds.
constexpr char kFieldEnd = '\x01';
constexpr char kRecordEnd = '\x02';

}  // namespace

CComposerDialog::CComposerDialog(bool koreanSource) : m_pDlg(std::make_unique<CInterpreterDlg>()) {
  m_host.Open(*m_pDlg);
  if (!koreanSource) m_host.Click(IDC_DIR_ENGLISH);
  m_host.TakeMessages();
}

bool CComposerDialog::Apply(const ComposeAction& action) {
  if (action.nLine < 0 || action.nLine >= LineCount() || LineText(action.nLine) != action.strLine)
    return false;
  const int before = Steps();
  m_host.Select(action.nLine);
  if (action.bTyped) m_host.Type(IDC_SEARCH, action.strTyped);
  m_host.Click(IDC_CONFIRM);
  m_host.TakeMessages();  // a refused step shows a message box; the step count tells
  return Steps() == before + 1;
}

void CComposerDialog::StepBack() {
  m_host.Click(IDC_STEP_BACK);
  m_host.TakeMessages();
}

void CComposerDialog::Restart() {
  m_host.Click(IDC_RESTART);
  m_host.TakeMessages();
}

std::string CComposerDialog::Sentence() const { return m_host.EditState(IDC_SENTENCE)->GetText(); }

std::string CComposerDialog::Translation() const {
  return m_host.EditState(IDC_TRANSLATION)->GetText();
}

bool CComposerDialog::Finished() const { return m_host.ButtonState(IDC_ADD_SENTENCE)->IsEnabled(); }

int CComposerDialog::LineCount() const { return m_host.ListState(IDC_CANDIDATES)->GetCount(); }

std::string CComposerDialog::LineText(int line) const {
  return m_host.ListState(IDC_CANDIDATES)->GetText(line);
}

std::string CComposerDialog::State() const {
  std::string state = Sentence();
  state += kRecordEnd;
  state += Finished() ? '1' : '0';
  state += std::to_string(Steps());
  state += kRecordEnd;
  const CSentenceBuilder& builder = m_pDlg->m_builder;
  const int steps = std::min(Steps(), kMaxSteps);
  for (int i = 0; i < steps; ++i) {
    const StepRecord& s = builder.m_steps[i];
    state += s.strKey + kFieldEnd + s.strPhrase + kFieldEnd + s.strTranslation + kRecordEnd;
  }
  // Before the first step the list is built afresh and the working records are not read.
  if (steps > 0) state += std::to_string(builder.m_nLast) + kRecordEnd;
  for (int i = 0; steps > 0 && i <= builder.m_nLast && i < kMaxSteps; ++i) {
    const StepRecord& w = builder.m_work[i];
    state += w.strKey + kFieldEnd + w.strPhrase + kFieldEnd + w.strTranslation + kFieldEnd +
             w.strGroup + kFieldEnd + std::to_string(w.nNext) + kRecordEnd;
  }
  const int lines = LineCount();
  for (int i = 0; i < lines; ++i) state += LineText(i) + kFieldEnd + LineKey(i) + kRecordEnd;
  return state;
}
