// A control backend that holds the dialog's controls in memory: the headless driver
// and the end-to-end tests run the dialog on it. Built from the dialog template
// (captions, initially disabled controls, unchecked radio buttons); user actions are
// methods that change a control the way a user would and then deliver the event to
// the dialog, while the program's own writes never run a handler. Message boxes are
// recorded instead of shown.
//
// The host does not own the dialog; the dialog must outlive the host's use of it.
#pragma once
#include <map>
#include <string>
#include <vector>

#include "app/ControlHost.h"
#include "res/DialogTemplate.h"

class CDialog;

class CMemoryEdit : public IEditPeer {
 public:
  std::string GetText() const override { return m_strText; }
  void SetText(const std::string& text) override;
  void SetSel(int start, int end) override;
  void ScrollCaret() override { m_bCaretScrolled = true; }

  bool IsMultiLine() const { return m_bMultiLine; }
  int SelStart() const { return m_nSelStart; }
  int SelEnd() const { return m_nSelEnd; }
  bool CaretScrolled() const { return m_bCaretScrolled; }

 private:
  friend class CMemoryHost;
  std::string m_strText;
  int m_nSelStart = 0;
  int m_nSelEnd = 0;
  bool m_bCaretScrolled = false;
  bool m_bMultiLine = false;
};

class CMemoryButton : public IButtonPeer {
 public:
  std::string GetCaption() const override { return m_strCaption; }
  void SetCaption(const std::string& caption) override { m_strCaption = caption; }
  bool IsEnabled() const override { return m_bEnabled; }
  void Enable(bool enable) override { m_bEnabled = enable; }
  bool IsChecked() const override { return m_bChecked; }
  void SetChecked(bool checked) override { m_bChecked = checked; }

  bool IsRadio() const { return m_bRadio; }

 private:
  friend class CMemoryHost;
  std::string m_strCaption;
  bool m_bEnabled = true;
  bool m_bChecked = false;
  bool m_bRadio = false;
};

class CMemoryList : public IListPeer {
 public:
  void ResetContent() override;
  int InsertString(int index, const std::string& text) override;
  int GetCount() const override { return static_cast<int>(m_lines.size()); }
  int GetCurSel() const override { return m_nCurSel; }
  void SetCurSel(int index) override;
  std::string GetText(int index) const override;

 private:
  std::vector<std::string> m_lines;
  int m_nCurSel = -1;
};

class CMemoryHost : public IDialogHost {
 public:
  explicit CMemoryHost(const DialogTemplate& dialogTemplate = kInterpreterTemplate);

  // Attaches the dialog and runs its initialisation (the start of the modal run).
  void Open(CDialog& dialog);

  // IDialogHost: null for an ID that is not a control of that kind.
  IEditPeer* Edit(int id) override;
  IButtonPeer* Button(int id) override;
  IListPeer* List(int id) override;
  void ShowMessage(const std::string& text) override { m_messages.push_back(text); }
  void SetIcon(int iconId, bool big) override { (big ? m_nBigIcon : m_nSmallIcon) = iconId; }
  void Close(int result) override;

  // What the user does. Each returns false, doing nothing, when the control cannot take
  // that action (wrong ID or kind, a line outside the list); true otherwise, also when
  // the action has no effect (a click on a disabled control).
  bool Click(int id);                             // button or radio button
  bool Select(int index);                         // a line of the list (ID 1013)
  bool Type(int id, const std::string& text);     // replaces the whole text of an edit
  bool KeyEnter(int id);                          // Enter while control `id` has the focus
  void KeyEscape();                               // Escape

  // What the user sees.
  bool IsClosed() const { return m_bClosed; }
  int CloseResult() const { return m_nCloseResult; }
  const CMemoryEdit* EditState(int id) const;
  const CMemoryButton* ButtonState(int id) const;
  const CMemoryList* ListState(int id) const;
  int BigIcon() const { return m_nBigIcon; }
  int SmallIcon() const { return m_nSmallIcon; }
  // Message boxes shown since the last call, oldest first.
  std::vector<std::string> TakeMessages();
  const std::vector<std::string>& Messages() const { return m_messages; }
  // Direction radio group as it shows: index of the checked member, -1 when none.
  int CheckedRadio(int firstId) const;

 private:
  const DialogTemplate& m_template;
  CDialog* m_pDialog = nullptr;
  std::map<int, CMemoryEdit> m_edits;
  std::map<int, CMemoryButton> m_buttons;
  std::map<int, CMemoryList> m_lists;
  std::vector<std::string> m_messages;
  bool m_bClosed = false;
  int m_nCloseResult = 0;
  int m_nBigIcon = 0;
  int m_nSmallIcon = 0;

  int RadioGroupStart(int id) const;
};
