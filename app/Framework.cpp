#include "app/Framework.h"

#include "base/Cp949.h"
#include "res/DialogTemplate.h"

namespace {

unsigned char FoldAscii(unsigned char b) { return (b >= 'a' && b <= 'z') ? b - 'a' + 'A' : b; }

// Index in the template of control `id`, or -1.
int TemplateIndex(int id) {
  const auto& controls = kInterpreterTemplate.controls;
  for (int i = 0; i < static_cast<int>(controls.size()); ++i)
    if (controls[i].nId == id) return i;
  return -1;
}

}  // namespace

bool StartsWithNoCase(const std::string& text, const std::string& prefix) {
  if (prefix.size() > text.size()) return false;
  std::size_t i = 0;
  while (i < prefix.size()) {
    auto p = static_cast<unsigned char>(prefix[i]);
    auto t = static_cast<unsigned char>(text[i]);
    if (IsCp949LeadByte(p) && i + 1 < prefix.size()) {
      if (p != t || prefix[i + 1] != text[i + 1]) return false;
      i += 2;
    } else {
      if (FoldAscii(p) != FoldAscii(t)) return false;
      i += 1;
    }
  }
  return true;
}

int RadioGroupSize(int firstId) {
  const auto& controls = kInterpreterTemplate.controls;
  int start = TemplateIndex(firstId);
  if (start < 0) return 0;
  int size = 1;
  for (int i = start + 1; i < static_cast<int>(controls.size()); ++i) {
    if (controls[i].kind != ControlKind::RadioButton || (controls[i].styles & kStyleGroup)) break;
    ++size;
  }
  return size;
}

int RadioGroupMember(int firstId, int index) {
  return kInterpreterTemplate.controls[TemplateIndex(firstId) + index].nId;
}

int CListBox::SelectString(const std::string& prefix) {
  IListPeer* list = m_pHost->List(m_nId);
  int count = list->GetCount();
  for (int i = 0; i < count; ++i) {
    if (StartsWithNoCase(list->GetText(i), prefix)) {
      list->SetCurSel(i);
      return i;
    }
  }
  return -1;
}

void DDX_Control(CDataExchange* pDX, int id, CWnd& control) {
  if (!control.IsBound()) control.Attach(pDX->m_pDlgWnd->Host(), id);
}

void DDX_Text(CDataExchange* pDX, int id, std::string& value) {
  IEditPeer* edit = pDX->m_pDlgWnd->Host()->Edit(id);
  if (pDX->m_bSaveAndValidate)
    value = edit->GetText();
  else
    edit->SetText(value);
}

void DDX_Radio(CDataExchange* pDX, int firstId, int& value) {
  IDialogHost* host = pDX->m_pDlgWnd->Host();
  int size = RadioGroupSize(firstId);
  if (pDX->m_bSaveAndValidate) {
    value = -1;
    for (int i = 0; i < size; ++i)
      if (host->Button(RadioGroupMember(firstId, i))->IsChecked()) {
        value = i;
        break;
      }
  } else {
    for (int i = 0; i < size; ++i) host->Button(RadioGroupMember(firstId, i))->SetChecked(i == value);
  }
}

void DDX_LBString(CDataExchange* pDX, int id, std::string& value) {
  CListBox list;
  list.Attach(pDX->m_pDlgWnd->Host(), id);
  if (pDX->m_bSaveAndValidate) {
    int sel = list.GetCurSel();
    value = sel >= 0 ? list.GetText(sel) : std::string();
  } else {
    list.SelectString(value);
  }
}

bool CDialog::Create(IDialogHost* host) {
  m_pHost = host;
  return OnInitDialog();
}

bool CDialog::UpdateData(bool bSaveAndValidate) {
  CDataExchange dx{bSaveAndValidate, this};
  DoDataExchange(&dx);
  return true;
}

bool CDialog::OnInitDialog() {
  UpdateData(false);
  return true;
}

bool CDialog::PreTranslateMessage(const KeyMessage& message) {
  if (message.nKeyCode == kKeyEscape) {
    OnCancel();
    return true;
  }
  return false;
}

void CDialog::OnCancel() { EndDialog(0); }

void CDialog::MessageBox(const std::string& text) { m_pHost->ShowMessage(text); }

void CDialog::SetIcon(int iconId, bool big) { m_pHost->SetIcon(iconId, big); }

void CDialog::EndDialog(int result) { m_pHost->Close(result); }
