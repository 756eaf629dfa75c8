#include "app/qt/CollectedTextKeeper.h"

#include <QGuiApplication>
#include <QPlainTextEdit>
#include <cstdio>

#include "app/qt/QtDialogHost.h"
#include "base/Cp949.h"
#include "res/DialogTemplate.h"

namespace {

QPlainTextEdit* CollectedBox(CQtDialogHost& host) {
  return qobject_cast<QPlainTextEdit*>(host.Control(IDC_COLLECTED));
}

// The box's text with its line breaks as the dialog holds them (CR LF).
std::string BoxText(QPlainTextEdit* box) {
  QString text = box->toPlainText();
  text.replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
  return text.toStdString();
}

}  // namespace

CCollectedTextKeeper* CCollectedTextKeeper::s_pActive = nullptr;

CCollectedTextKeeper::CCollectedTextKeeper(CQtDialogHost& host, std::string& collected, CCollectedTextStore store)
    : m_host(host), m_strCollected(collected), m_store(std::move(store)) {
  s_pActive = this;
  m_timer.setSingleShot(true);
  m_timer.setInterval(kWriteDelayMs);
  connect(&m_timer, &QTimer::timeout, this, &CCollectedTextKeeper::WriteNow);
  if (QPlainTextEdit* box = CollectedBox(m_host))
    connect(box, &QPlainTextEdit::textChanged, this, &CCollectedTextKeeper::OnBoxChanged);
  // The session ending (logout) asks running programs to save their data.
  if (auto* application = qobject_cast<QGuiApplication*>(QCoreApplication::instance()))
    connect(application, &QGuiApplication::commitDataRequest, this, &CCollectedTextKeeper::WriteNow);
}

CCollectedTextKeeper::~CCollectedTextKeeper() {
  WriteNow();
  if (s_pActive == this) s_pActive = nullptr;
}

void CCollectedTextKeeper::WriteActiveNow() {
  if (s_pActive) s_pActive->WriteNow();
}

void CCollectedTextKeeper::Restore() {
  const std::string kept = m_store.Load();
  IEditPeer* edit = m_host.Edit(IDC_COLLECTED);
  if (kept.empty() || !edit) return;
  m_bRestoring = true;
  edit->SetText(Utf8ToCp949(kept));
  m_bRestoring = false;
  m_strCollected = edit->GetText();
  const int end = static_cast<int>(m_strCollected.size());
  edit->SetSel(end, end);
  edit->ScrollCaret();
}

void CCollectedTextKeeper::OnBoxChanged() {
  if (m_bRestoring) return;  // the file holds this text already
  m_bDirty = true;
  m_timer.start();
}

void CCollectedTextKeeper::WriteNow() {
  m_timer.stop();
  QPlainTextEdit* box = CollectedBox(m_host);
  if (!m_bDirty || !box) return;
  QString error;
  if (m_store.Save(BoxText(box), &error)) {
    m_bDirty = false;
    m_strLastError.clear();
    return;
  }
  // Said once per cause, not at every keystroke; the next change tries again.
  if (error != m_strLastError)
    std::fprintf(stderr, "daolsae: cannot keep the collected text in %s: %s\n",
                 m_store.FilePath().toLocal8Bit().constData(), error.toLocal8Bit().constData());
  m_strLastError = error;
}
