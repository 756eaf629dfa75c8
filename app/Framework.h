// A small dialog framework in the manner of the classic Windows one that the dialog
// code is written against: control objects (CEdit, CButton, CListBox), data exchange
// between members and controls in both directions, message boxes and a key filter.
// It knows no backend: a backend hands it an IDialogHost and forwards user events.
#pragma once
#include <string>

#include "app/ControlHost.h"

class CDialog;

// Events a backend forwards to the dialog: what the user did to a control. DoubleClicked
// is a line of a list chosen outright: double-clicked, or Enter pressed in the list.
enum class ControlEvent { Clicked, SelChange, TextChanged, DoubleClicked };

// A key press the dialog's filter sees before the control gets it.
struct KeyMessage {
  int nKeyCode;   // kKeyEnter, kKeyEscape, or any other key code
  int nTargetId;  // ID of the control that has the focus, 0 for the dialog itself
};
inline constexpr int kKeyEnter = 13;
inline constexpr int kKeyEscape = 27;

class CWnd {
 public:
  int GetDlgCtrlID() const { return m_nId; }
  bool IsBound() const { return m_pHost != nullptr; }
  // Binds the object to control `id` of the host (the control-object exchange).
  void Attach(IDialogHost* host, int id) {
    m_pHost = host;
    m_nId = id;
  }

 protected:
  IDialogHost* m_pHost = nullptr;
  int m_nId = 0;
};

class CEdit : public CWnd {
 public:
  void SetWindowText(const std::string& text) { m_pHost->Edit(m_nId)->SetText(text); }
  std::string GetWindowText() const { return m_pHost->Edit(m_nId)->GetText(); }
  void SetSel(int start, int end) { m_pHost->Edit(m_nId)->SetSel(start, end); }
  void ScrollCaret() { m_pHost->Edit(m_nId)->ScrollCaret(); }
};

class CButton : public CWnd {
 public:
  void SetWindowText(const std::string& caption) { m_pHost->Button(m_nId)->SetCaption(caption); }
  std::string GetWindowText() const { return m_pHost->Button(m_nId)->GetCaption(); }
  void EnableWindow(bool enable) { m_pHost->Button(m_nId)->Enable(enable); }
  bool IsWindowEnabled() const { return m_pHost->Button(m_nId)->IsEnabled(); }
};

class CListBox : public CWnd {
 public:
  void ResetContent() { m_pHost->List(m_nId)->ResetContent(); }
  int InsertString(int index, const std::string& text) {
    return m_pHost->List(m_nId)->InsertString(index, text);
  }
  int GetCount() const { return m_pHost->List(m_nId)->GetCount(); }
  int GetCurSel() const { return m_pHost->List(m_nId)->GetCurSel(); }
  void SetCurSel(int index) { m_pHost->List(m_nId)->SetCurSel(index); }
  std::string GetText(int index) const { return m_pHost->List(m_nId)->GetText(index); }
  // Selects the first line, searching from the top, whose text begins with `prefix`
  // (ASCII letters compared without case, double-byte characters as units). Returns the
  // line's index, or -1 with the selection left as it was.
  int SelectString(const std::string& prefix);
};

// The direction of one data exchange.
struct CDataExchange {
  bool m_bSaveAndValidate;  // true: controls to members; false: members to controls
  CDialog* m_pDlgWnd;
};

void DDX_Control(CDataExchange* pDX, int id, CWnd& control);
void DDX_Text(CDataExchange* pDX, int id, std::string& value);
void DDX_Radio(CDataExchange* pDX, int firstId, int& value);
void DDX_LBString(CDataExchange* pDX, int id, std::string& value);

class CDialog {
 public:
  virtual ~CDialog() = default;

  // Attaches the dialog to a backend window and runs its initialisation.
  bool Create(IDialogHost* host);
  IDialogHost* Host() const { return m_pHost; }

  // Transfers all exchanged values: true reads the controls, false writes them.
  bool UpdateData(bool bSaveAndValidate = true);

  // Entry points for the backend.
  virtual bool PreTranslateMessage(const KeyMessage& message);
  virtual void OnControlEvent(int id, ControlEvent event) = 0;
  // The window's close box (or its system menu's Close): the same cancel action as Escape.
  void OnClose() { OnCancel(); }

 protected:
  virtual void DoDataExchange(CDataExchange* pDX) = 0;
  virtual bool OnInitDialog();  // transfers the members to the controls once
  virtual void OnCancel();      // Escape and the close box: ends the dialog
  void MessageBox(const std::string& text);
  void SetIcon(int iconId, bool big);
  void EndDialog(int result);

 private:
  IDialogHost* m_pHost = nullptr;
};

// The radio buttons of the group that begins at `firstId`, in template order.
int RadioGroupSize(int firstId);
int RadioGroupMember(int firstId, int index);

// Whether `text` begins with `prefix`, ASCII letters compared without case and code
// page 949 double-byte characters compared as units.
bool StartsWithNoCase(const std::string& text, const std::string& prefix);
