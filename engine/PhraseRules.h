// The phrase rules of one direction's rule file, read and descrambled: the pattern and
// the whole text of every rule in file order. The completion check and both
// continuation questions go through every rule, up to three passes over the file per
// action, so the sentence builder keeps them between actions and reads the file again
// whenever its stamp (dict/DexStamp.h) says the content may have changed.
#pragma once
#include <string>
#include <vector>

#include "dict/DexStamp.h"

class CDexFile;

struct KeptRule {
  std::string strPattern;  // the text before the first ";" ("" when there is none)
  std::string strText;     // the whole descrambled text
};

class CPhraseRules {
 public:
  // The rules of the open rule file: the kept ones when the file's stamp is the same
  // settled stamp as when they were read, otherwise read from the file now.
  const std::vector<KeptRule>& Of(CDexFile& file);

  // How many times the rules were read from a file (for tests).
  int PassCount() const { return m_nPasses; }

 private:
  void Read(CDexFile& file);

  std::vector<KeptRule> m_rules;
  DexStamp m_stamp;  // of the content m_rules was read from; unsettled when none
  int m_nPasses = 0;
};
