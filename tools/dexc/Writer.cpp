#include "tools/dexc/Writer.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>

namespace fs = std::filesystem;

namespace {

constexpr mode_t kFileMode = 0666;  // before the umask, as any newly created file

mode_t CurrentUmask() {
  mode_t mask = ::umask(0);
  ::umask(mask);
  return mask;
}

// Writes bytes to a new temporary file beside `target`; its name goes to *tempName.
bool WriteTemporary(const std::string& target, const std::string& bytes, std::string* tempName,
                    std::string* error) {
  fs::path path(target);
  std::string pattern =
      (path.parent_path() / ("." + path.filename().string() + ".XXXXXX")).string();
  int fd = ::mkstemp(pattern.data());
  if (fd < 0) {
    *error = std::strerror(errno);
    return false;
  }
  *tempName = pattern;
  bool ok = ::fchmod(fd, kFileMode & ~CurrentUmask()) == 0;
  std::size_t done = 0;
  while (ok && done < bytes.size()) {
    ssize_t written = ::write(fd, bytes.data() + done, bytes.size() - done);
    if (written < 0 && errno == EINTR) continue;
    if (written <= 0) ok = false;
    else done += static_cast<std::size_t>(written);
  }
  if (!ok) *error = std::strerror(errno);
  if (::close(fd) != 0 && ok) {
    *error = std::strerror(errno);
    ok = false;
  }
  return ok;
}

}  // namespace

bool WriteOutputs(const std::string& outDir,
                  const std::vector<std::pair<std::string, std::string>>& files,
                  CDiagnostics& diag) {
  std::error_code error;
  fs::create_directories(outDir, error);
  if (error || !fs::is_directory(outDir, error)) {
    diag.FileError(outDir, "cannot create the output directory" +
                               (error ? " (" + error.message() + ")" : std::string()));
    return false;
  }
  std::vector<std::string> temporaries;
  bool ok = true;
  for (const auto& [name, bytes] : files) {
    std::string target = (fs::path(outDir) / name).string();
    std::string temp, why;
    if (!WriteTemporary(target, bytes, &temp, &why)) {
      diag.FileError(target, "cannot write the file (" + why + ")");
      ok = false;
    }
    if (!temp.empty()) temporaries.push_back(temp);
    if (!ok) break;
  }
  for (std::size_t i = 0; ok && i < files.size(); ++i) {
    std::string target = (fs::path(outDir) / files[i].first).string();
    if (std::rename(temporaries[i].c_str(), target.c_str()) != 0) {
      diag.FileError(target, std::string("cannot replace the file (") + std::strerror(errno) + ")");
      ok = false;
    }
  }
  if (!ok)
    for (const std::string& temp : temporaries) ::unlink(temp.c_str());
  return ok;
}
