// One step of a composition: the phrase the user chose, its key and translation, and
// its links in the chain of steps. Held by the sentence builder, written by the dialog.
#pragma once
#include <string>

#include "dict/Capacities.h"

struct StepRecord {
  std::string strPhrase;       // phrase in the composing language
  std::string strKey;          // key of the chosen list line ("zz"/"mz" for a typed word)
  std::string strTranslation;  // translation of the phrase (empty for a typed word)
  int nPrev = -1;              // previous record of the chain, -1 for the first
  int nNext = kChainEnd;       // next record of the chain, kChainEnd at the end
  std::string strGroup;        // working copy only: the keys a merged step stands for
};
