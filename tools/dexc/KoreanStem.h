// The stem alternations of Korean conjugation: a stem joined to the three kinds of
// ending (-아/어, -(으) and plain consonant endings) by its spelling and irregular class.
// Used by the conjugator, which builds whole forms from these pieces.
#pragma once
#include <optional>
#include <string>

#include "tools/dexc/KoreanWord.h"

struct KoreanStem {
  std::u32string strHead;  // the words before the conjugating one, with their space
  std::u32string strStem;  // the conjugating word without 다: 듣, 공부하, 학생이, 드시
  KoreanClass eClass = KoreanClass::kRegular;
  bool bHonorific = false;       // ends in the honorific -(으)시-: present -세요
  bool bCopula = false;          // a noun and 이: present 이에요/예요
  bool bNegativeCopula = false;  // 아니: present 아니에요
};

// A dictionary form split into the words before the last one and the last word's stem.
// Nothing when the text is not UTF-8, the last word is not all Hangul syllables or
// does not end in 다 after at least one syllable.
std::optional<KoreanStem> SplitDictionaryForm(const std::string& form);

// The -아/어 form: 가, 봐, 먹어, 들어, 도와, 나아, 불러, 빨개, 해, 학생이어, 의사여.
std::u32string InfinitiveOf(const KoreanStem& stem);
// The polite present: 가요, 먹어요, 해요, 학생이에요, 의사예요, 아니에요, 가세요.
std::u32string PolitePresentOf(const KoreanStem& stem);
// The past stem: the -아/어 form with ㅆ: 갔, 먹었, 들었, 했, 였.
std::u32string PastStemOf(const KoreanStem& stem);

// Joins an ending that begins with -(으)-: `jamo` is the final consonant it opens with
// (hangul::kFinalNieun for -(으)ㄴ, kFinalRieul for -(으)ㄹ, kFinalBieup, or kFinalNone)
// and `rest` the syllables after it: 먹 + (ㄹ, " 거예요") = 먹을 거예요, 살 + 세요 = 사세요.
std::u32string AttachEu(const KoreanStem& stem, int jamo, const std::u32string& rest);
// Joins a consonant ending that never changes the stem: -고, -지, -지만.
std::u32string AttachPlain(const KoreanStem& stem, const std::u32string& ending);
// Joins -는, dropping a final ㄹ: 사는, 만드는, 듣는.
std::u32string AttachNeun(const KoreanStem& stem);
// Joins -ㅂ니다/습니다 and the like: `rest` is what follows the ㅂ or 습 ("니다", "니까").
std::u32string AttachFormal(const KoreanStem& stem, const std::u32string& rest);

// The stem with the honorific -(으)시- added: 가시, 들으시, 도우시, 사시, 빨가시, 학생이시.
KoreanStem HonorificOf(const KoreanStem& stem);

// True when the stem's last syllable has no final consonant.
bool EndsInVowel(const std::u32string& text);
