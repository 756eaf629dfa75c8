// The interface between the dialog framework and a control backend (Qt widgets on the
// screen, or controls held in memory for tests and the headless driver). All text that
// crosses it is code page 949; a backend converts to its own encoding at its side.
#pragma once
#include <string>

class IEditPeer {
 public:
  virtual ~IEditPeer() = default;
  virtual std::string GetText() const = 0;
  virtual void SetText(const std::string& text) = 0;   // runs no handler
  virtual void SetSel(int start, int end) = 0;          // in bytes; -1 end = end of text
  virtual void ScrollCaret() = 0;                       // scroll the caret into view
};

class IButtonPeer {
 public:
  virtual ~IButtonPeer() = default;
  virtual std::string GetCaption() const = 0;
  virtual void SetCaption(const std::string& caption) = 0;
  virtual bool IsEnabled() const = 0;
  virtual void Enable(bool enable) = 0;
  virtual bool IsChecked() const = 0;                   // radio buttons
  virtual void SetChecked(bool checked) = 0;            // runs no handler
};

class IListPeer {
 public:
  virtual ~IListPeer() = default;
  virtual void ResetContent() = 0;
  virtual int InsertString(int index, const std::string& text) = 0;  // returns the index
  virtual int GetCount() const = 0;
  virtual int GetCurSel() const = 0;                    // -1 when no line is selected
  virtual void SetCurSel(int index) = 0;                // -1 clears; runs no handler
  virtual std::string GetText(int index) const = 0;
};

// One dialog window of a backend: its controls by ID, message boxes and closing.
class IDialogHost {
 public:
  virtual ~IDialogHost() = default;
  virtual IEditPeer* Edit(int id) = 0;
  virtual IButtonPeer* Button(int id) = 0;
  virtual IListPeer* List(int id) = 0;
  // A message box with the application's name as caption and one OK button; returns
  // when the user has closed it.
  virtual void ShowMessage(const std::string& text) = 0;
  virtual void SetIcon(int iconId, bool big) = 0;
  virtual void Close(int result) = 0;                   // ends the modal run
};
