// What happens when a dictionary file cannot be opened: the program ends at once with
// exit status 1 (the headless driver with no message; the desktop program names the
// file on standard error first). Every reader calls this one function, so tests can
// expect the exit and the headless driver can flush its output first.
#pragma once

inline constexpr int kMissingDictionaryExitStatus = 1;

// Runs the hook (if any), then ends the process with status 1.
[[noreturn]] void EndForMissingDictionary(const char* fileName);

// A function run right before that exit, e.g. to flush printed output. One hook at a time.
void SetMissingDictionaryHook(void (*hook)());

// A function told the name of the missing file before the hook runs: the desktop
// program says on standard error what is missing and where. One reporter at a time.
void SetMissingDictionaryReporter(void (*reporter)(const char* fileName));
