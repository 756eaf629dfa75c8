// Helpers of the end-to-end tests: the compiled test dictionaries, the dialog driver
// speaking UTF-8, and runs of the headless driver program (whole sessions from a command file, or interactive through pipes).
#pragma once
#include <fcntl.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "res/DialogTemplate.h"
#include "tests/support/DexFixture.h"
#include "tests/support/DialogDriver.h"
#include "tests/support/ExpectedTexts.h"

namespace e2e {

inline std::string TestDictionaryDir() { return std::string(DAOLSAE_BINARY_DIR) + "/testdicts"; }
inline std::string DriverPath() { return std::string(DAOLSAE_BINARY_DIR) + "/tools/daolsae-script"; }

// Copies the compiled test dictionaries into the current (scratch) directory.
inline void CopyTestDictionaries() {
  namespace fs = std::filesystem;
  int copied = 0;
  for (const auto& entry : fs::directory_iterator(TestDictionaryDir())) {
    if (entry.path().extension() != ".dex") continue;
    fs::copy_file(entry.path(), entry.path().filename(), fs::copy_options::overwrite_existing);
    ++copied;
  }
  ASSERT_EQ(copied, 7) << "compiled test dictionaries in " << TestDictionaryDir();
}

// The dialog on the in-memory backend, with what a user does and sees in UTF-8.
using DialogUser = CUtf8DialogDriver;

inline const char* const kPickFromList = kPickFromListText;
inline const char* const kTooLong = kSentenceTooLongText;

// One whole run of the driver in the current directory.
struct DriverRun {
  int status = -1;
  std::vector<std::string> lines;  // standard output, line by line
};

inline DriverRun RunDriver(const std::string& input) {
  {
    std::ofstream out("commands.txt", std::ios::binary | std::ios::trunc);
    out << input;
  }
  DriverRun run;
  std::string command = "'" + DriverPath() + "' < commands.txt 2>/dev/null";
  FILE* pipe = ::popen(command.c_str(), "r");
  if (!pipe) return run;
  std::string output;
  char buffer[4096];
  std::size_t got;
  while ((got = std::fread(buffer, 1, sizeof buffer, pipe)) > 0) output.append(buffer, got);
  int status = ::pclose(pipe);
  run.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  std::istringstream lines(output);
  for (std::string line; std::getline(lines, line);) run.lines.push_back(line);
  return run;
}

// The driver as a running process: commands are sent one at a time and its lines read
// as they come, so a test can change the directory between two commands.
class DriverProcess {
 public:
  DriverProcess() {
    ::signal(SIGPIPE, SIG_IGN);  // the driver may end before it has read every command
    int toChild[2];
    int fromChild[2];
    if (::pipe(toChild) != 0 || ::pipe(fromChild) != 0) return;
    m_pid = ::fork();
    if (m_pid == 0) {
      ::dup2(toChild[0], 0);
      ::dup2(fromChild[1], 1);
      int null = ::open("/dev/null", O_WRONLY);
      ::dup2(null, 2);
      ::close(toChild[1]);
      ::close(fromChild[0]);
      std::string path = DriverPath();
      ::execl(path.c_str(), path.c_str(), static_cast<char*>(nullptr));
      ::_exit(127);
    }
    ::close(toChild[0]);
    ::close(fromChild[1]);
    m_in = ::fdopen(toChild[1], "w");
    m_out = ::fdopen(fromChild[0], "r");
  }
  ~DriverProcess() {
    CloseInput();
    if (m_out) std::fclose(m_out);
    if (m_pid > 0 && !m_bWaited) ::waitpid(m_pid, nullptr, 0);
  }

  void Send(const std::string& line) {
    std::fputs((line + "\n").c_str(), m_in);
    std::fflush(m_in);
  }
  // The next output line, or "" at the end of the output.
  std::string ReadLine() {
    std::string line;
    for (int c; (c = std::fgetc(m_out)) != EOF && c != '\n';) line.push_back(static_cast<char>(c));
    return line;
  }
  void CloseInput() {
    if (m_in) std::fclose(m_in);
    m_in = nullptr;
  }
  int Wait() {
    CloseInput();
    int status = 0;
    ::waitpid(m_pid, &status, 0);
    m_bWaited = true;
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  }

 private:
  pid_t m_pid = -1;
  FILE* m_in = nullptr;
  FILE* m_out = nullptr;
  bool m_bWaited = false;
};

}  // namespace e2e
