// Test helpers: a scratch directory that becomes the current directory for one test
// (the program reads its dictionaries from there), and verbs that write dictionary
// files record by record. Texts are given in UTF-8 and stored as code page 949.
#pragma once
#include <string>
#include <utility>
#include <vector>

#include "dict/Records.h"

// UTF-8 literal to the program's code page 949 bytes (test shorthand).
std::string K(const std::string& utf8);
// Code page 949 bytes to UTF-8, for readable assertion messages.
std::string U(const std::string& cp949);

class ScratchDir {
 public:
  ScratchDir();   // creates a fresh directory and changes into it
  ~ScratchDir();  // changes back and removes it with everything in it
  const std::string& Path() const { return m_path; }

 private:
  std::string m_path;
  std::string m_previous;
};

// Writers: records in the order given, texts already code page 949.
void WriteLexicon(const std::string& file, const std::vector<LexiconRecord>& records);
void WriteRules(const std::string& file, const std::vector<std::string>& texts);
void WritePatterns(const std::string& file, const std::vector<PatternRecord>& records);
void WriteParticles(const std::string& file, const std::vector<ParticleRecord>& records);
void WriteBytes(const std::string& file, const std::string& bytes);
std::string ReadBytes(const std::string& file);

// Shapers of existing files, for damaged-file cases.
void Truncate(const std::string& file, long length);
void FlipByte(const std::string& file, long offset, unsigned char mask = 0xFF);
void RemoveFile(const std::string& file);

// Writes empty files for every dictionary name not yet present, so a test can focus
// on the files it cares about.
void WriteEmptyDictionaries();
