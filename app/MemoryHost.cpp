#include "app/MemoryHost.h"

#include "app/Framework.h"
#include "base/Cp949.h"

void CMemoryEdit::SetText(const std::string& text) {
  m_strText = text;
  m_nSelStart = m_nSelEnd = 0;  // a new text puts the caret at its start
}

void CMemoryEdit::SetSel(int start, int end) {
  const int length = static_cast<int>(m_strText.size());
  if (end < 0 || end > length) end = length;
  if (start < 0) start = 0;
  if (start > end) start = end;
  m_nSelStart = start;
  m_nSelEnd = end;
}

void CMemoryList::ResetContent() {
  m_lines.clear();
  m_nCurSel = -1;
}

int CMemoryList::InsertString(int index, const std::string& text) {
  // Index -1 (or past the end) appends, as a list box does.
  if (index < 0 || index > GetCount()) index = GetCount();
  m_lines.insert(m_lines.begin() + index, text);
  if (m_nCurSel >= index) ++m_nCurSel;
  return index;
}

void CMemoryList::SetCurSel(int index) { m_nCurSel = (index >= 0 && index < GetCount()) ? index : -1; }

std::string CMemoryList::GetText(int index) const {
  if (index < 0 || index >= GetCount()) return std::string();
  return m_lines[static_cast<std::size_t>(index)];
}

CMemoryHost::CMemoryHost(const DialogTemplate& dialogTemplate) : m_template(dialogTemplate) {
  for (const ControlTemplate& control : m_template.controls) {
    switch (control.kind) {
      case ControlKind::Edit: {
        CMemoryEdit& edit = m_edits[control.nId];
        edit.m_bMultiLine = (control.styles & kStyleMultiLine) != 0;
        break;
      }
      case ControlKind::PushButton:
      case ControlKind::RadioButton: {
        CMemoryButton& button = m_buttons[control.nId];
        button.m_strCaption = Utf8ToCp949(control.szCaptionUtf8);
        button.m_bEnabled = (control.styles & kStyleDisabled) == 0;
        button.m_bRadio = control.kind == ControlKind::RadioButton;
        break;
      }
      case ControlKind::ListBox:
        m_lists[control.nId];
        break;
    }
  }
}

void CMemoryHost::Open(CDialog& dialog) {
  m_pDialog = &dialog;
  dialog.Create(this);
}

IEditPeer* CMemoryHost::Edit(int id) {
  auto it = m_edits.find(id);
  return it == m_edits.end() ? nullptr : &it->second;
}

IButtonPeer* CMemoryHost::Button(int id) {
  auto it = m_buttons.find(id);
  return it == m_buttons.end() ? nullptr : &it->second;
}

IListPeer* CMemoryHost::List(int id) {
  auto it = m_lists.find(id);
  return it == m_lists.end() ? nullptr : &it->second;
}

void CMemoryHost::Close(int result) {
  m_bClosed = true;
  m_nCloseResult = result;
}

const CMemoryEdit* CMemoryHost::EditState(int id) const {
  auto it = m_edits.find(id);
  return it == m_edits.end() ? nullptr : &it->second;
}

const CMemoryButton* CMemoryHost::ButtonState(int id) const {
  auto it = m_buttons.find(id);
  return it == m_buttons.end() ? nullptr : &it->second;
}

const CMemoryList* CMemoryHost::ListState(int id) const {
  auto it = m_lists.find(id);
  return it == m_lists.end() ? nullptr : &it->second;
}

std::vector<std::string> CMemoryHost::TakeMessages() {
  std::vector<std::string> taken;
  taken.swap(m_messages);
  return taken;
}

// Template index of the first member of the radio group that holds `id`, or -1.
int CMemoryHost::RadioGroupStart(int id) const {
  const auto& controls = m_template.controls;
  int at = -1;
  for (int i = 0; i < static_cast<int>(controls.size()); ++i)
    if (controls[i].nId == id) at = i;
  if (at < 0 || controls[at].kind != ControlKind::RadioButton) return -1;
  while (at > 0 && !(controls[at].styles & kStyleGroup) &&
         controls[at - 1].kind == ControlKind::RadioButton)
    --at;
  return at;
}

int CMemoryHost::CheckedRadio(int firstId) const {
  const auto& controls = m_template.controls;
  int start = RadioGroupStart(firstId);
  if (start < 0) return -1;
  for (int i = start, index = 0; i < static_cast<int>(controls.size()); ++i, ++index) {
    if (controls[i].kind != ControlKind::RadioButton) break;
    if (i > start && (controls[i].styles & kStyleGroup)) break;
    if (m_buttons.at(controls[i].nId).IsChecked()) return index;
  }
  return -1;
}

bool CMemoryHost::Click(int id) {
  auto it = m_buttons.find(id);
  if (it == m_buttons.end()) return false;
  CMemoryButton& button = it->second;
  if (m_bClosed || !button.IsEnabled()) return true;
  if (button.IsRadio()) {
    // An automatic radio button checks itself and clears the rest of its group.
    const auto& controls = m_template.controls;
    int start = RadioGroupStart(id);
    for (int i = start; i < static_cast<int>(controls.size()); ++i) {
      if (controls[i].kind != ControlKind::RadioButton) break;
      if (i > start && (controls[i].styles & kStyleGroup)) break;
      m_buttons.at(controls[i].nId).SetChecked(controls[i].nId == id);
    }
  }
  if (m_pDialog) m_pDialog->OnControlEvent(id, ControlEvent::Clicked);
  return true;
}

bool CMemoryHost::Select(int index) {
  auto it = m_lists.find(IDC_CANDIDATES);
  if (it == m_lists.end() || index < 0 || index >= it->second.GetCount()) return false;
  if (m_bClosed) return true;
  it->second.SetCurSel(index);
  if (m_pDialog) m_pDialog->OnControlEvent(IDC_CANDIDATES, ControlEvent::SelChange);
  return true;
}

bool CMemoryHost::Type(int id, const std::string& text) {
  auto it = m_edits.find(id);
  if (it == m_edits.end()) return false;
  if (m_bClosed) return true;
  it->second.m_strText = text;
  const int end = static_cast<int>(text.size());
  it->second.m_nSelStart = it->second.m_nSelEnd = end;  // the caret follows the typing
  if (m_pDialog) m_pDialog->OnControlEvent(id, ControlEvent::TextChanged);
  return true;
}

bool CMemoryHost::KeyEnter(int id) {
  bool known = m_edits.count(id) || m_buttons.count(id) || m_lists.count(id);
  if (!known) return false;
  if (m_bClosed) return true;
  if (m_pDialog && m_pDialog->PreTranslateMessage(KeyMessage{kKeyEnter, id})) return true;
  // The key reaches the control: a multi-line edit takes it as a line break; a
  // single-line edit, a button and the list do nothing with it.
  auto edit = m_edits.find(id);
  if (edit != m_edits.end() && edit->second.IsMultiLine()) {
    edit->second.m_strText += "\r\n";
    const int end = static_cast<int>(edit->second.m_strText.size());
    edit->second.m_nSelStart = edit->second.m_nSelEnd = end;
    if (m_pDialog) m_pDialog->OnControlEvent(id, ControlEvent::TextChanged);
  }
  return true;
}

void CMemoryHost::KeyEscape() {
  if (m_bClosed || !m_pDialog) return;
  m_pDialog->PreTranslateMessage(KeyMessage{kKeyEscape, 0});
}
