// A Korean dictionary word as an author describes it for the conjugator: the dictionary
// form, the irregular class that spelling cannot tell, verb or adjective, and an optional
// honorific form. Parses the short class tokens of the sources and checks them.
#pragma once
#include <optional>
#include <string>

// How a stem changes before endings, where spelling alone cannot tell. Regular stems
// still contract vowels, drop 으 and drop ㄹ by their spelling.
enum class KoreanClass {
  kRegular,
  kDigeut,  // ㄷ-irregular: 듣다 들어요 (regular 받다 받아요)
  kBieup,   // ㅂ-irregular: 돕다 도와요, 춥다 추워요 (regular 좁다 좁아요)
  kSiot,    // ㅅ-irregular: 낫다 나아요 (regular 씻다 씻어요)
  kReu,     // 르-irregular: 부르다 불러요 (unmarked 따르다 따라요)
  kHieuh,  // ㅎ-irregular: 빨갛다 빨개요, 그렇다 그래요 (regular 좋다 좋아요); adjectives
  kReo,  // 러-irregular: 이르다 이르러요
  kU,    // 우-irregular: 푸다 퍼요
};

enum class KoreanKind {
  kVerb,
  kAdjective,  // a descriptive verb: -(으)ㄴ as present modifier, no imperative
  kCopula,     // a noun with 이다: 학생이다, 의사이다
};

// Where 안 and 못 go in a word that ends in 하다 or 되다. By default a verb whose 하다
// or 되다 follows a noun is split (공부 안 해요) and everything else is not (안 좋아해요,
// 안 피곤해요); the author says otherwise where spelling misleads (샤워 안 해요).
enum class KoreanNegation {
  kAuto,
  kSplit,  // token "split": 공부 안 해요, 걱정 안 돼요
  kWhole,  // token "whole": 안 좋아해요
};

struct KoreanWord {
  // The dictionary form, possibly after other words: "듣다", "음악을 듣다", "학생이다".
  // Only the last word conjugates.
  std::string strDictionaryForm;
  KoreanClass eClass = KoreanClass::kRegular;
  KoreanKind eKind = KoreanKind::kVerb;
  KoreanNegation eNegation = KoreanNegation::kAuto;
  // Token "aux": the last word is an auxiliary verb after the main verb's -아/어 form
  // (입어 보다, 보여 주다), so 안 and 못 go before the main verb (안 입어 봐요).
  bool bAuxiliary = false;
  // The author's honorific form ending in 시다, e.g. "드시다": it replaces the last word,
  // or the whole phrase when it has a space. Empty: the built-in suppletive forms, else
  // the regular -(으)시-.
  std::string strHonorific;
};

// Applies one class token of a source ("d", "b", "s", "reu", "h", "reo", "u", "adj",
// "cop", "split", "whole", "aux") to the word. An error message for an unknown token, or
// for a second irregular class, kind or negation.
std::optional<std::string> ApplyKoreanClassToken(const std::string& token, KoreanWord* word);

// The class tokens, for messages: "d, b, s, reu, h, reo, u, adj, cop, split, whole, aux".
const char* KoreanClassTokenList();

// Checks that the dictionary form is one and agrees with the class and kind (a
// ㄷ-irregular stem ends in ㄷ ...) and that an honorific form ends in 시다. A message
// an author understands, or nothing when all is well.
std::optional<std::string> CheckKoreanWord(const KoreanWord& word);

// "ㄷ-irregular", "regular" ...; "verb", "adjective", "copula".
const char* KoreanClassName(KoreanClass cls);
const char* KoreanClassToken(KoreanClass cls);
const char* KoreanKindName(KoreanKind kind);

// Adjective behaviour: marked adj, or ㅎ-irregular (every ㅎ-irregular word is one), or
// the negative copula 아니다.
bool BehavesAsAdjective(const KoreanWord& word);
