// The candidate list and the search box working together: picking a line copies its
// text into the search box; Enter in the search box finds where a typed text belongs.
#include <algorithm>

#include "app/InterpreterDlg.h"
#include "base/Bisect.h"
#include "base/MbsCompare.h"
#include "res/DialogTemplate.h"

namespace {
// Lines selected below the found one first, so that the list scrolls it near the top.
constexpr int kScrollAhead = 15;
}  // namespace

void CInterpreterDlg::OnCandidateSelChange() {
  const int sel = m_listCandidates.GetCurSel();
  if (sel < 0) return;  // a selection change always leaves a line selected
  m_strSearch = m_listCandidates.GetText(sel);
  UpdateData(false);  // may move the selection to an earlier line with the same start
  m_listCandidates.SetCurSel(sel);
}

bool CInterpreterDlg::PreTranslateMessage(const KeyMessage& message) {
  if (message.nKeyCode != kKeyEnter) return CDialog::PreTranslateMessage(message);
  // Enter elsewhere reaches the focused control as an ordinary key: it never presses a
  // default button and never closes the dialog.
  if (message.nTargetId != IDC_SEARCH) return false;

  UpdateData(true);
  const int count = m_listCandidates.GetCount();
  const BisectResult search = BisectForEqual(0, count - 1, [&](int index) {
    return MbsCompare(m_strSearch, m_listCandidates.GetText(index));
  });
  if (count > 0) {  // an empty list compares nothing and selects nothing
    // Without an equal line the last line compared may be the neighbour that sorts
    // before the text; the text belongs at the search's lower bound, the first line that
    // sorts after it (the last line when the text sorts after every line).
    const int found = search.nFound >= 0 ? search.nFound : std::min(search.nLo, count - 1);
    if (found + kScrollAhead < count) m_listCandidates.SetCurSel(found + kScrollAhead);
    m_listCandidates.SetCurSel(found);
  }
  return false;
}
