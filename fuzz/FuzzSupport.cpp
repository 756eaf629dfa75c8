#include "fuzz/FuzzSupport.h"

#include <fcntl.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>

#include "dict/MemoryDictionaries.h"
#include "dict/RecordLayout.h"

namespace fs = std::filesystem;

namespace fuzz {

namespace {
std::string g_scratchDir;

void RemoveScratchDir() {
  if (g_scratchDir.empty()) return;
  std::error_code ignored;
  fs::remove_all(g_scratchDir, ignored);
}
}  // namespace

const std::vector<const char*>& AllDictionaryNames() {
  static const std::vector<const char*> names = {kMainKor,    kMainEng,   kGuKor, kGuEng,
                                                 kChangeKor,  kChangeEng, kTosi};
  return names;
}

namespace {
// libFuzzer flags whose value is a path.
constexpr const char* kPathFlags[] = {"-artifact_prefix=", "-exact_artifact_path=", "-dict=",
                                      "-merge_control_file=", "-features_dir=",
                                      "-mutation_graph_file=", "-data_flow_trace="};

std::string Absolute(const std::string& path) {
  if (path.empty() || path[0] == '/') return path;
  std::string absolute = (fs::current_path() / path).string();
  // Keep a trailing "/" (an artifact prefix names a directory by it).
  if (path.back() == '/' && absolute.back() != '/') absolute += '/';
  return absolute;
}

void MakePathsAbsolute(int* argc, char*** argv) {
  if (!argc || !argv) return;
  static std::vector<std::string> storage;
  static std::vector<char*> pointers;
  storage.assign(*argv, *argv + *argc);
  for (std::size_t i = 1; i < storage.size(); ++i) {
    std::string& arg = storage[i];
    if (arg.empty()) continue;
    if (arg[0] != '-') {
      arg = Absolute(arg);
      continue;
    }
    for (const char* flag : kPathFlags) {
      std::string prefix(flag);
      if (arg.compare(0, prefix.size(), prefix) == 0)
        arg = prefix + Absolute(arg.substr(prefix.size()));
    }
  }
  pointers.clear();
  for (auto& arg : storage) pointers.push_back(arg.data());
  pointers.push_back(nullptr);
  *argv = pointers.data();
}
}  // namespace

void EnterScratchDir(int* argc, char*** argv) {
  MakePathsAbsolute(argc, argv);
  std::string base = fs::is_directory("/dev/shm") ? "/dev/shm" : fs::temp_directory_path().string();
  std::string pattern = base + "/daolsae-fuzz-XXXXXX";
  if (!::mkdtemp(pattern.data())) {
    std::perror("mkdtemp");
    std::abort();
  }
  g_scratchDir = pattern;
  if (::chdir(g_scratchDir.c_str()) != 0) {
    std::perror("chdir");
    std::abort();
  }
  std::atexit(RemoveScratchDir);
  for (const char* name : AllDictionaryNames()) WriteFile(name, {});
}

std::vector<std::string_view> SplitSections(const std::uint8_t* data, std::size_t size,
                                            std::size_t count) {
  std::string_view rest(reinterpret_cast<const char*>(data), size);
  std::vector<std::string_view> sections;
  while (sections.size() + 1 < count) {
    std::size_t at = rest.find(kSectionSeparator);
    if (at == std::string_view::npos) break;
    sections.push_back(rest.substr(0, at));
    rest.remove_prefix(at + kSectionSeparator.size());
  }
  sections.push_back(rest);
  while (sections.size() < count) sections.emplace_back();
  return sections;
}

void UseMemoryDictionaries() {
  ::UseMemoryDictionaries(true);
  for (const char* name : AllDictionaryNames()) WriteFile(name, {});
}

void WriteFile(const char* name, std::string_view bytes) {
  if (MemoryDictionariesInUse()) {
    PutMemoryDictionary(name, bytes);
    return;
  }
  // Written to a new file and renamed over the old one, so that no mapping of an
  // earlier run can see a half-written file.
  std::string temporary = std::string(name) + ".new";
  int fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
  if (fd < 0) {
    std::perror(temporary.c_str());
    std::abort();
  }
  const char* at = bytes.data();
  std::size_t left = bytes.size();
  while (left > 0) {
    ssize_t written = ::write(fd, at, left);
    if (written <= 0) {
      std::perror(temporary.c_str());
      std::abort();
    }
    at += written;
    left -= static_cast<std::size_t>(written);
  }
  ::close(fd);
  if (::rename(temporary.c_str(), name) != 0) {
    std::perror(name);
    std::abort();
  }
}

std::vector<std::string> Lines(std::string_view text) {
  std::vector<std::string> lines;
  while (!text.empty()) {
    std::size_t end = text.find('\n');
    std::string_view line = text.substr(0, end);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    lines.emplace_back(line);
    if (end == std::string_view::npos) break;
    text.remove_prefix(end + 1);
  }
  return lines;
}

void Fail(const char* file, int line, const char* what) {
  std::fprintf(stderr, "%s:%d: invariant broken: %s\n", file, line, what);
  std::abort();
}

std::string Field(const std::string& line, int index) {
  std::size_t from = 0;
  for (int i = 0; i < index; ++i) {
    from = line.find('\t', from);
    if (from == std::string::npos) return "";
    ++from;
  }
  return line.substr(from, line.find('\t', from) - from);
}

}  // namespace fuzz
