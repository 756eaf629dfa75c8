// The one test driver of the dialog: a CInterpreterDlg on the in-memory backend with
// the verbs of a user (click, select, pick, type, Enter) and what a user sees (boxes,
// captions, list lines with their keys, message boxes). Used by the end-to-end,
// hostile-input and desktop tests. The text policy says which text the test speaks:
// code page 949 bytes (any bytes can be typed) or UTF-8 (readable expectations).
#pragma once
#include <memory>
#include <string>
#include <vector>

#include "app/InterpreterDlg.h"
#include "app/MemoryHost.h"
#include "res/DialogTemplate.h"
#include "tests/support/DexFixture.h"

// Texts pass as they are: the test speaks code page 949.
struct Cp949Texts {
  static std::string In(const std::string& text) { return text; }
  static std::string Out(const std::string& text) { return text; }
};

// Texts are converted at the driver's edge: the test speaks UTF-8.
struct Utf8Texts {
  static std::string In(const std::string& utf8) { return K(utf8); }
  static std::string Out(const std::string& cp949) { return U(cp949); }
};

template <typename Texts>
class TDialogDriver {
 public:
  TDialogDriver() : m_dialog(std::make_unique<CInterpreterDlg>()) { m_host.Open(*m_dialog); }

  void Click(int id) { m_host.Click(id); }
  // Selects line `line` as a user's click does; false when there is no such line.
  bool Select(int line) { return m_host.Select(line); }
  void Confirm() { Click(IDC_CONFIRM); }
  // Picks the first line whose text begins with `prefix` and confirms it; false when
  // there is no such line.
  bool Pick(const std::string& prefix) {
    const int line = Line(prefix);
    if (line < 0) return false;
    Select(line);
    Confirm();
    return true;
  }
  void Type(int id, const std::string& text) { m_host.Type(id, Texts::In(text)); }
  void Enter(int id) { m_host.KeyEnter(id); }
  void Escape() { m_host.KeyEscape(); }

  std::string Text(int id) const { return Texts::Out(m_host.EditState(id)->GetText()); }
  std::string Sentence() const { return Text(IDC_SENTENCE); }
  std::string Translation() const { return Text(IDC_TRANSLATION); }
  std::string Collected() const { return Text(IDC_COLLECTED); }
  std::string Caption(int id) const { return Texts::Out(m_host.ButtonState(id)->GetCaption()); }
  bool AddEnabled() const { return m_host.ButtonState(IDC_ADD_SENTENCE)->IsEnabled(); }
  int Selected() const { return List().GetCurSel(); }
  int Direction() const { return m_host.CheckedRadio(IDC_DIR_KOREAN); }

  int LineCount() const { return List().GetCount(); }
  std::string LineText(int line) const { return Texts::Out(List().GetText(line)); }
  std::vector<std::string> Lines() const {
    std::vector<std::string> lines;
    for (int i = 0; i < LineCount(); ++i) lines.push_back(LineText(i));
    return lines;
  }
  // Every line as "text | key".
  std::vector<std::string> KeyedLines() const {
    std::vector<std::string> lines;
    for (int i = 0; i < LineCount(); ++i)
      lines.push_back(LineText(i) + " | " + Texts::Out(m_dialog->m_candidates.m_strListKeys[i]));
    return lines;
  }
  // The first line whose text begins with `prefix`, -1 when none does.
  int Line(const std::string& prefix) const {
    const std::string wanted = Texts::In(prefix);
    for (int i = 0; i < LineCount(); ++i)
      if (List().GetText(i).rfind(wanted, 0) == 0) return i;
    return -1;
  }
  // The message boxes shown since the last call.
  std::vector<std::string> Messages() {
    std::vector<std::string> messages;
    for (const std::string& message : m_host.TakeMessages()) messages.push_back(Texts::Out(message));
    return messages;
  }

  CInterpreterDlg& Dlg() { return *m_dialog; }
  const CInterpreterDlg& Dlg() const { return *m_dialog; }
  CMemoryHost& Host() { return m_host; }

 private:
  const CMemoryList& List() const { return *m_host.ListState(IDC_CANDIDATES); }

  std::unique_ptr<CInterpreterDlg> m_dialog;
  CMemoryHost m_host;
};

// The driver for tests that type and expect raw code page 949 bytes.
using CDialogDriver = TDialogDriver<Cp949Texts>;
// The driver for tests that read and write UTF-8.
using CUtf8DialogDriver = TDialogDriver<Utf8Texts>;
