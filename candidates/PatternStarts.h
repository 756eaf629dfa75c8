// The first items of the sentence patterns, one for each run of patterns that begin
// with the same item, in file order: what the first candidate list offers. Finding them
// takes a pass over every pattern (200,000 at capacity), so the candidate list keeps
// them between actions, one index per direction, and reads them again whenever the
// file's stamp (dict/DexStamp.h) says its content may have changed.
#pragma once
#include <string>
#include <vector>

#include "dict/DexStamp.h"

class CDexFile;

class CPatternStarts {
 public:
  // The run starts of the open pattern file: the kept ones when the file's stamp is the
  // same settled stamp as when they were read, otherwise read from the file now.
  const std::vector<std::string>& Of(CDexFile& file);

  // How many times the starts were read from a file (for tests).
  int PassCount() const { return m_nPasses; }

 private:
  void Read(CDexFile& file);

  std::vector<std::string> m_starts;
  DexStamp m_stamp;  // of the content m_starts was read from; unsettled when none
  int m_nPasses = 0;
};
