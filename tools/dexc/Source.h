// Reading dictionary sources: finding the files of one dictionary in the source
// directory, and cutting each file into lines of fields. The parsers of the four
// dictionary kinds take the lines from here and never see raw file text.
//
// A source file is UTF-8 text. Blank lines and lines whose first non-blank character
// is "#" are skipped. Fields are separated by "|" and trimmed of spaces and tabs; a
// field written in double quotes keeps its content verbatim (\" is a quote, \\ a
// backslash, and "|" and "#" are ordinary characters there). A line "[key]" is a
// key header, used by lexicon files.
#pragma once
#include <string>
#include <string_view>
#include <vector>

#include "tools/dexc/Diagnostics.h"

struct SourceLine {
  SourceLocation where;
  bool bHeader = false;             // a "[key]" line
  std::string strHeaderKey;         // the key of a header, trimmed, UTF-8
  std::vector<std::string> fields;  // the fields of any other line, UTF-8
};

// Cuts one line (without its line end) into fields. False with a message in *error
// when a quoted field is not closed or has text after its closing quote.
bool SplitFields(std::string_view line, std::vector<std::string>* fields, std::string* error);

// True when text is well-formed UTF-8 (no overlong forms, no surrogates).
bool IsValidUtf8(std::string_view text);

// The lines of one source file's text that carry content, in file order. A UTF-8 byte
// order mark at the start and a carriage return before each line feed are ignored.
// Lines that cannot be read are reported to diag and left out.
std::vector<SourceLine> ReadSourceText(const std::string& file, std::string_view text,
                                       CDiagnostics& diag);

// The same for a file on disk; a file that cannot be read is reported as an error.
std::vector<SourceLine> ReadSourceFile(const std::string& file, CDiagnostics& diag);

// The source files of dictionary `name` in srcDir: srcDir/name.txt when it exists, then
// every srcDir/name/*.txt in byte order of the file names. Paths are built on srcDir
// as given, so messages name files the way the user wrote the directory.
std::vector<std::string> SourceFilesOf(const std::string& srcDir, const std::string& name);
