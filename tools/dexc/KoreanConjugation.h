// Korean conjugation from the dictionary form: every polite (해요체) and formal (합니다체)
// form the dictionaries offer, plain or honorific. Pure functions over UTF-8 text, for
// the dictionary compiler's paradigms and its forms report.
#pragma once
#include <optional>
#include <string>
#include <vector>

#include "tools/dexc/KoreanWord.h"

enum class KoreanEnding {
  kPresent,  // 가요 (statement and question alike)
  kPast,     // 갔어요
  kFuture,   // 갈 거예요
  kNegative,  // 안 가요, 공부 안 해요, 학생이 아니에요, 없어요 (있다), 몰라요 (알다)
  kNegativePast,        // 안 갔어요
  kLongNegative,        // 가지 않아요
  kLongNegativePast,    // 가지 않았어요
  kWant,                // 가고 싶어요
  kWantThirdPerson,     // 가고 싶어 해요
  kCan,                 // 갈 수 있어요
  kCannot,              // 갈 수 없어요
  kCannotShort,         // 못 가요, 공부 못 해요 (verbs only)
  kCannotShortPast,     // 못 갔어요
  kPlease,              // 가세요 (itself honorific)
  kPleaseForMe,         // 가 주세요
  kShallWe,             // 갈까요
  kPromise,             // 갈게요: the speaker's promise or decision (verbs only)
  kMayI,                // 가도 돼요
  kPleaseDont,          // 가지 마세요
  kProgressive,         // 가고 있어요
  kModifier,            // 가는 (verbs), 큰 (adjectives), 있는, 학생인
  kPastModifier,        // 간 (verbs only)
  kFutureModifier,      // 갈
  kAnd,                 // 가고
  kSo,                  // 가서
  kIf,                  // 가면
  kBut,                 // 가지만
  kBecause,             // 가니까
  kFormal,              // 갑니다
  kFormalQuestion,      // 갑니까
  kFormalPast,          // 갔습니다
  kFormalPastQuestion,  // 갔습니까
  kFormalFuture,        // 갈 겁니다
};

// Every ending, in the order above (for reports and tables).
const std::vector<KoreanEnding>& AllKoreanEndings();

// The ending's name in reports and expected-forms tables: "present", "past modifier",
// "please don't" ...; and back. Nothing for an unknown name.
const char* KoreanEndingName(KoreanEnding ending);
std::optional<KoreanEnding> KoreanEndingFromName(const std::string& name);

// False where the honorific form is the plain one: "please" (-(으)세요) and "please, for
// me" (-아/어 주세요) are honorific already.
bool HasHonorificVariant(KoreanEnding ending);

// The form of the word with the ending, with the honorific -(으)시- (or the word's
// honorific form: 드세요, 주무세요, 계세요) when `honorific` is set. Nothing when the
// form does not exist (an adjective has no imperative or progressive; 없다 has no
// negative; the copula has only its 아니다 negative) or the word fails CheckKoreanWord.
// The negative of 있다 and 알다 is their opposite word (없어요, 몰라요), since 안 있어요
// and 안 알아요 are not Korean.
std::optional<std::string> ConjugateKorean(const KoreanWord& word, KoreanEnding ending,
                                           bool honorific);

// The honorific dictionary form used for the word: the author's, a built-in suppletive
// one (먹다 and 마시다 드시다, 자다 주무시다, 있다 계시다, 말하다 말씀하시다), else empty.
std::string SuppletiveHonorificOf(const KoreanWord& word);
