// The short negatives of Korean: 안 and 못 before the verb (안 가요, 못 가요), inside a
// noun + 하다 or 되다 word (공부 안 해요), before the main verb of an auxiliary pair (안
// 입어 봐요), the copula's 아니다 (학생이 아니에요) and the opposite words of 있다 and 알다
// (없어요, 몰라요). Used by the conjugator.
#pragma once
#include <string>

#include "tools/dexc/KoreanConjugation.h"
#include "tools/dexc/KoreanWordStems.h"

// negative, negative past, cannot (못), cannot past (못).
bool IsShortNegative(KoreanEnding ending);
// False where Korean has no such form: 없다 has no negative, 알다 none with 못, adjectives
// and the copula none with 못, 아니다 none at all.
bool ShortNegativeExists(const KoreanWordStems& stems, KoreanEnding ending);
// The form, for an ending for which IsShortNegative and ShortNegativeExists hold.
std::u32string ShortNegative(const KoreanWordStems& stems, KoreanEnding ending, bool honorific);
