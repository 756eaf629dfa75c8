// One run of the headless driver: the dialog on the in-memory backend, driven by
// command lines (click, select, type, key, show) and reporting its state as JSON
// lines. The driver program is a thin main over this; tests use it directly too.
// The protocol is fixed in the driver's documentation: commands and output must keep
// working for existing scripts.
#pragma once
#include <iosfwd>
#include <memory>
#include <string>

#include "app/MemoryHost.h"

class CInterpreterDlg;

// Exit statuses of the driver besides the missing-dictionary exit (status 1).
inline constexpr int kScriptDone = 0;
inline constexpr int kScriptBadCommand = 2;

class CScriptSession {
 public:
  // Creates and initialises the dialog: the dictionaries are read from the current
  // directory now, and a missing one ends the program with status 1.
  CScriptSession();
  ~CScriptSession();

  // Runs every command line of `in`, printing state lines to `out` (flushed after each
  // line). Returns kScriptDone at the end of the input or when the dialog closes, and
  // kScriptBadCommand after printing the error line for a command it cannot understand.
  int Run(std::istream& in, std::ostream& out);

  // The state line that `show` prints (without its line end); drains the messages.
  std::string StateLine();

  CMemoryHost& Host() { return m_host; }
  CInterpreterDlg& Dialog() { return *m_pDialog; }

 private:
  // Carries out one non-blank, non-comment line; on a command it cannot understand,
  // returns false with the reason in *why.
  bool Execute(const std::string& line, std::ostream& out, std::string* why);

  std::unique_ptr<CInterpreterDlg> m_pDialog;
  CMemoryHost m_host;
};

// The text that --help prints.
const char* ScriptUsage();
