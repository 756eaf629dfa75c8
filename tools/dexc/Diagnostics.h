// Errors and warnings of one dexc run. Every parser reports into one CDiagnostics, so
// a run shows all the faults of all the sources at once; nothing is written when any
// error was reported. Messages are printed in source order: by the order in which the
// files were read (NoteFile), then by line, then in the order reported.
#pragma once
#include <map>
#include <ostream>
#include <string>
#include <vector>

// Where a source line stands: the file as named from the command line, 1-based line.
struct SourceLocation {
  std::string strFile;
  int nLine = 0;
};

class CDiagnostics {
 public:
  // Records that `file` is read now; its messages print after those of earlier files.
  void NoteFile(const std::string& file);

  // "file:line: message"
  void Error(const SourceLocation& where, const std::string& message);
  // "file: message", for faults of a whole file.
  void FileError(const std::string& file, const std::string& message);
  // "warning: file:line: message"
  void Warning(const SourceLocation& where, const std::string& message);
  // "warning: file: message"
  void FileWarning(const std::string& file, const std::string& message);

  bool HasErrors() const { return !m_errors.empty(); }
  // The finished lines, in print order.
  std::vector<std::string> Errors() const { return Sorted(m_errors); }
  std::vector<std::string> Warnings() const { return Sorted(m_warnings); }

  // Prints the errors, then the warnings, one per line.
  void Print(std::ostream& out) const;

 private:
  struct Message {
    std::string strFile;
    int nLine;
    std::string strText;  // the finished line
  };
  std::vector<std::string> Sorted(const std::vector<Message>& messages) const;

  std::map<std::string, int> m_fileOrder;
  std::vector<Message> m_errors;
  std::vector<Message> m_warnings;
};

// The text of a source string for a message: in double quotes.
std::string Quoted(const std::string& utf8);
