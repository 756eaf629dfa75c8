// A Korean word prepared for conjugation: its plain stem, its honorific stem (regular
// -(으)시- or a suppletive word such as 드시다) and what the spelling says about it. Made
// by the conjugator once per word and read by its ending builders.
#pragma once
#include <optional>

#include "tools/dexc/KoreanStem.h"
#include "tools/dexc/KoreanWord.h"

// Everything the endings of one word are built from, prepared once.
struct KoreanWordStems {
  KoreanStem plain;
  KoreanStem honorific;  // with -(으)시- or the suppletive honorific: 가시, 드시
  KoreanStem auxiliary;  // what stands before an honorific auxiliary: 가(고 계세요), 드시
  bool bSuppletive = false;  // the honorific is another word, not -(으)시-
  bool bVerb = true;         // not an adjective, not the copula
  bool bCopula = false;
  bool bNegativeCopula = false;
  bool bExistence = false;  // 있다, 없다 and their compounds (맛있다, 재미없다)
  KoreanNegation eNegation = KoreanNegation::kAuto;
  bool bAuxiliary = false;  // 안 goes before the word before the last (안 입어 봐요)
};

// Nothing when the word fails CheckKoreanWord.
std::optional<KoreanWordStems> PrepareKoreanWord(const KoreanWord& word);
