// The file in which the desktop program keeps the collected-text box between runs:
// `collected.json` in the user's state folder, a small JSON object holding the box's
// text in UTF-8 with its line breaks as the box holds them (CR LF). Written atomically
// (a temporary file renamed over the old one). A file that cannot be read or is
// damaged is moved aside under another name, and the box starts empty. Used by
// CCollectedTextKeeper.
#pragma once
#include <QString>
#include <string>

// $XDG_STATE_HOME/daolsae, or ~/.local/state/daolsae when XDG_STATE_HOME is not set
// or not an absolute path.
QString DefaultStateFolder();

class CCollectedTextStore {
 public:
  explicit CCollectedTextStore(QString folder);

  QString FilePath() const;

  // The kept text (UTF-8), empty when nothing is kept. A file that is not a regular
  // file, cannot be read, is too large or is not a kept text is moved aside first.
  std::string Load();

  // Keeps `utf8`, creating the folder when needed; false with `error` set on failure.
  bool Save(const std::string& utf8, QString* error);

  // Where Load put the last damaged file, empty when it put none there.
  const QString& SetAsidePath() const { return m_strSetAside; }

 private:
  void SetAside();

  QString m_strFolder;
  QString m_strSetAside;
};
