// The Qt Widgets backend of the dialog framework: builds a dialog window from a
// template (every control at its dialog-unit rectangle in the dialog's font), hands
// the framework one peer per control, and forwards what the user does (clicks,
// selection changes, edits, key presses) to the CDialog it serves. Text crosses into
// Qt as UTF-8 converted from code page 949 and back. The host owns the window and its
// widgets; the dialog it serves must outlive it.
#pragma once
#include <map>
#include <memory>
#include <string>

#include <QFont>
#include <QRect>

#include "app/ControlHost.h"
#include "app/Framework.h"
#include "res/DialogTemplate.h"

class CDialog;
class QDialog;
class QIcon;
class QObject;
class QWidget;

// Pixels per four horizontal and per eight vertical dialog units: the average
// character width and the character height of the dialog's font.
struct DialogBaseUnits {
  int nWidth;
  int nHeight;
};

// Base units of `font` as the classic dialog manager measures them: the width of the
// 52 ASCII letters divided by 52 and rounded, and the font's line height.
DialogBaseUnits BaseUnitsOf(const QFont& font);

// A rectangle in dialog units converted to pixels, each coordinate on its own and
// rounded to the nearest pixel.
QRect MapDialogRect(const DialogBaseUnits& units, int x, int y, int cx, int cy);

// The template's font ("굴림" at its size) where it is installed, otherwise a Korean
// font that the set-up installs, at the same size.
QFont DialogFont(const DialogTemplate& dialogTemplate);

// The picture of icon resource `iconId` (the application icon), null for unknown IDs.
QIcon IconResource(int iconId);

// Key code as the dialog's key filter sees it: kKeyEnter, kKeyEscape, the ASCII code
// of Tab, Backspace, Space, digits and capital letters, otherwise Qt's own key code.
int DialogKeyCode(int qtKey);

class CQtDialogHost : public IDialogHost {
 public:
  // Builds the (hidden) window of `dialogTemplate`; user events go to `dialog`.
  CQtDialogHost(const DialogTemplate& dialogTemplate, CDialog* dialog);
  ~CQtDialogHost() override;
  CQtDialogHost(const CQtDialogHost&) = delete;
  CQtDialogHost& operator=(const CQtDialogHost&) = delete;

  IEditPeer* Edit(int id) override;
  IButtonPeer* Button(int id) override;
  IListPeer* List(int id) override;
  void ShowMessage(const std::string& text) override;
  void SetIcon(int iconId, bool big) override;
  void Close(int result) override;

  // Gives the focus to the first control of the tab order, as a dialog does when its
  // initialisation asks for it.
  void FocusFirstControl();
  // Shows the window and runs it modally until Close; returns Close's result.
  int RunModal();

  QDialog* Window() const;
  QWidget* Control(int id) const;  // nullptr for an unknown ID
  int ControlId(const QWidget* widget) const;  // the control `widget` belongs to, or 0
  const QFont& Font() const { return m_font; }
  const DialogBaseUnits& BaseUnits() const { return m_units; }

 private:
  class DialogWindow;
  class KeyFilter;
  class EditPeer;
  class ButtonPeer;
  class ListPeer;

  void BuildControl(const ControlTemplate& control);
  // Hands a user event to the dialog; the lines its handler put into a list reach the
  // view when it returns, in one batch.
  void Notify(int id, ControlEvent event);
  void PublishLists();
  // The dialog's key filter first; true when the key press is consumed.
  bool FilterKey(QObject* receiver, int qtKey);
  void OnSystemClose();

  CDialog* m_pDialog;
  QFont m_font;
  DialogBaseUnits m_units;
  double m_fDeviceRatio = 1.0;  // device pixels per logical pixel when the window was built
  std::unique_ptr<DialogWindow> m_window;
  std::unique_ptr<KeyFilter> m_keyFilter;
  std::map<int, QWidget*> m_controls;  // owned by the window
  std::map<int, std::unique_ptr<EditPeer>> m_edits;
  std::map<int, std::unique_ptr<ButtonPeer>> m_buttons;
  std::map<int, std::unique_ptr<ListPeer>> m_lists;
};
