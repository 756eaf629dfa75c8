// Keeps the collected-text box of the desktop program across runs: puts the kept text
// back into the box at start, and writes the box to its file a moment after every
// change (one write for a burst of typing) and once more at close. The headless driver
// has no keeper. A write that fails is reported once on standard error; the box keeps
// its text.
#pragma once
#include <QObject>
#include <QString>
#include <QTimer>
#include <string>

#include "app/qt/CollectedTextStore.h"

class CQtDialogHost;

class CCollectedTextKeeper : public QObject {
 public:
  // Delay between a change of the box and its write.
  static constexpr int kWriteDelayMs = 300;

  // `collected` is the dialog's member bound to the box, kept equal to it on restore.
  CCollectedTextKeeper(CQtDialogHost& host, std::string& collected, CCollectedTextStore store);
  ~CCollectedTextKeeper() override;
  CCollectedTextKeeper(const CCollectedTextKeeper&) = delete;
  CCollectedTextKeeper& operator=(const CCollectedTextKeeper&) = delete;

  // Puts the kept text into the box (no handler runs) with the caret at its end.
  void Restore();
  // Writes the box now if it changed since the last write.
  void WriteNow();

  // Writes the box of the keeper that is running, if any: the program calls it on its
  // way out when a dictionary has gone missing, so the last change is not lost.
  static void WriteActiveNow();

  bool HasPendingWrite() const { return m_bDirty; }
  const CCollectedTextStore& Store() const { return m_store; }

 private:
  void OnBoxChanged();

  static CCollectedTextKeeper* s_pActive;

  CQtDialogHost& m_host;
  std::string& m_strCollected;
  CCollectedTextStore m_store;
  QTimer m_timer;
  bool m_bDirty = false;
  bool m_bRestoring = false;
  QString m_strLastError;
};
