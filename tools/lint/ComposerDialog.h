// The dialog that the phrasebook composer drives: a CInterpreterDlg on the in-memory
// backend, in one direction, with the two user actions the composer takes (pick a line
// and confirm it; type a word on a free-slot line and confirm it), the dialog's own step
// back, and what the next steps depend on. Texts are code page 949, as the program's.
#pragma once
#include <memory>
#include <string>

#include "app/InterpreterDlg.h"
#include "app/MemoryHost.h"

// One user action: select a line of the list and confirm it, having typed `strTyped`
// into the search box first when bTyped (a free-slot line whose word the user writes).
struct ComposeAction {
  int nLine = 0;
  std::string strLine;  // the line's text, checked again when the action is repeated
  bool bTyped = false;
  std::string strTyped;  // the search box: the line's marker character and the word
};

class CComposerDialog {
 public:
  // A fresh dialog, switched to the direction (Korean source or English source).
  explicit CComposerDialog(bool koreanSource);

  // Takes the action; true when the program took the step. False, doing nothing, when
  // the list has no such line or the line reads otherwise than the action says.
  bool Apply(const ComposeAction& action);
  // The dialog's own "one step back" and "start again".
  void StepBack();
  void Restart();

  std::string Sentence() const;  // the sentence box
  std::string Translation() const;
  bool Finished() const;  // a complete sentence shows (the add button is enabled)
  int Steps() const { return m_pDlg->m_nSteps; }
  int LineCount() const;
  std::string LineText(int line) const;
  const std::string& LineKey(int line) const { return m_pDlg->m_candidates.m_strListKeys[line]; }

  // Everything later steps depend on: the sentence box (new phrases are appended to
  // it), the add button, the committed steps, the sentence builder's working records
  // and the list with its keys. The translation box is left out: it is written afresh
  // whenever a sentence completes and never read otherwise. Two equal states go on alike.
  std::string State() const;

 private:
  std::unique_ptr<CInterpreterDlg> m_pDlg;  // declared first: the host is destroyed before it
  CMemoryHost m_host;
};
