// The desktop program's word on a missing dictionary: which file, in which folder it
// was looked for, and how to start the program so that it finds its dictionaries. The
// program still ends with status 1 before any window shows; the driver says nothing.
#pragma once
#include <string>

// The message for `fileName` missing from `folder`, ending in a line feed.
std::string MissingDictionaryText(const std::string& fileName, const std::string& folder);

// Writes that message for the current directory to standard error; installed with
// SetMissingDictionaryReporter by main().
void ReportMissingDictionary(const char* fileName);
