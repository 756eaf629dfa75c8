#include "app/qt/CollectedTextStore.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <nlohmann/json.hpp>

namespace {

constexpr const char* kFileName = "collected.json";
constexpr const char* kFormatName = "daolsae collected text";
constexpr int kFormatVersion = 1;
// A kept text larger than this is no text this program wrote.
constexpr qint64 kMaxFileBytes = 64LL * 1024 * 1024;
// Only the owner may read the folder and the file: they hold what the user wrote.
constexpr QFileDevice::Permissions kOwnerOnly = QFileDevice::ReadOwner | QFileDevice::WriteOwner;

}  // namespace

QString DefaultStateFolder() {
  QString base = qEnvironmentVariable("XDG_STATE_HOME");
  if (base.isEmpty() || QDir::isRelativePath(base)) base = QDir::homePath() + QStringLiteral("/.local/state");
  return base + QStringLiteral("/daolsae");
}

CCollectedTextStore::CCollectedTextStore(QString folder) : m_strFolder(std::move(folder)) {}

QString CCollectedTextStore::FilePath() const { return m_strFolder + QLatin1Char('/') + QLatin1String(kFileName); }

std::string CCollectedTextStore::Load() {
  m_strSetAside.clear();
  const QString path = FilePath();
  const QFileInfo info(path);
  if (!info.exists() && !info.isSymLink()) return std::string();
  // A named pipe or a device would block or never end; a folder cannot be read.
  if (!info.isFile() || info.size() > kMaxFileBytes) {
    SetAside();
    return std::string();
  }
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) {
    SetAside();
    return std::string();
  }
  const QByteArray bytes = file.read(kMaxFileBytes + 1);
  file.close();
  // Parsing also rejects text that is not valid UTF-8.
  const nlohmann::json kept = nlohmann::json::parse(bytes.begin(), bytes.end(), nullptr, false);
  const bool valid = kept.is_object() && kept.value("format", "") == kFormatName &&
                     kept.contains("version") && kept["version"] == kFormatVersion &&
                     kept.contains("text") && kept["text"].is_string();
  if (!valid) {
    SetAside();
    return std::string();
  }
  return kept["text"].get<std::string>();
}

bool CCollectedTextStore::Save(const std::string& utf8, QString* error) {
  if (!QDir().mkpath(m_strFolder)) {
    *error = QStringLiteral("cannot create the folder ") + m_strFolder;
    return false;
  }
  QFile::setPermissions(m_strFolder, kOwnerOnly | QFileDevice::ExeOwner);
  const nlohmann::json kept = {{"format", kFormatName}, {"version", kFormatVersion}, {"text", utf8}};
  // Characters that are not valid UTF-8 cannot come from the box; replace them anyway
  // rather than fail.
  const std::string text = kept.dump(2, ' ', false, nlohmann::json::error_handler_t::replace) + "\n";
  QSaveFile file(FilePath());
  if (!file.open(QIODevice::WriteOnly)) {
    *error = file.errorString();
    return false;
  }
  file.setPermissions(kOwnerOnly);
  file.write(text.data(), static_cast<qint64>(text.size()));
  if (!file.commit()) {
    *error = file.errorString();
    return false;
  }
  return true;
}

void CCollectedTextStore::SetAside() {
  const QString stamp = QDateTime::currentDateTimeUtc().toString(QStringLiteral("yyyyMMdd-HHmmss"));
  QString target = FilePath() + QStringLiteral(".damaged-") + stamp;
  for (int n = 2; QFileInfo::exists(target) || QFileInfo(target).isSymLink(); ++n)
    target = FilePath() + QStringLiteral(".damaged-") + stamp + QLatin1Char('-') + QString::number(n);
  if (QDir().rename(FilePath(), target)) m_strSetAside = target;
}
