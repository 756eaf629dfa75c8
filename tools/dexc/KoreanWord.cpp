#include "tools/dexc/KoreanWord.h"

#include "tools/dexc/KoreanHangul.h"
#include "tools/dexc/KoreanStem.h"

using namespace hangul;

namespace {

struct ClassInfo {
  KoreanClass eClass;
  const char* szToken;
  const char* szName;
};

constexpr ClassInfo kClasses[] = {
    {KoreanClass::kRegular, "", "regular"},     {KoreanClass::kDigeut, "d", "ㄷ-irregular"},
    {KoreanClass::kBieup, "b", "ㅂ-irregular"}, {KoreanClass::kSiot, "s", "ㅅ-irregular"},
    {KoreanClass::kReu, "reu", "르-irregular"}, {KoreanClass::kHieuh, "h", "ㅎ-irregular"},
    {KoreanClass::kReo, "reo", "러-irregular"}, {KoreanClass::kU, "u", "우-irregular"},
};

constexpr const char* kAdjectiveToken = "adj";
constexpr const char* kCopulaToken = "cop";
constexpr const char* kSplitToken = "split";
constexpr const char* kWholeToken = "whole";
constexpr const char* kAuxiliaryToken = "aux";
constexpr char32_t kHa = U'하';
constexpr char32_t kDoe = U'되';
constexpr char32_t kReu = U'르';
constexpr char32_t kI = U'이';
const std::u32string kNegativeCopula = U"아니";
const std::u32string kHonorificEnding = U"시";

const ClassInfo& InfoOf(KoreanClass cls) {
  for (const ClassInfo& info : kClasses)
    if (info.eClass == cls) return info;
  return kClasses[0];
}

// What the stem of each irregular class must look like, as said to the author.
bool StemFitsClass(const std::u32string& stem, KoreanClass cls, const char** need) {
  Syllable last = Decompose(stem.back());
  switch (cls) {
    case KoreanClass::kRegular:
      return true;
    case KoreanClass::kDigeut:
      *need = "its stem does not end in ㄷ (like 듣다, 걷다)";
      return last.nFinal == kFinalDigeut;
    case KoreanClass::kBieup:
      *need = "its stem does not end in ㅂ (like 돕다, 춥다)";
      return last.nFinal == kFinalBieup;
    case KoreanClass::kSiot:
      *need = "its stem does not end in ㅅ (like 낫다, 짓다)";
      return last.nFinal == kFinalSiot;
    case KoreanClass::kReu:
      *need =
          "its stem does not end in 르 after a syllable without a final consonant "
          "(like 부르다, 모르다)";
      return stem.size() >= 2 && stem.back() == kReu &&
             FinalOf(stem[stem.size() - 2]) == kFinalNone;
    case KoreanClass::kHieuh:
      *need = "its stem does not end in ㅎ after ㅏ, ㅑ, ㅓ or ㅕ (like 빨갛다, 그렇다)";
      return last.nFinal == kFinalHieuh &&
             (last.nMedial == kMedialA || last.nMedial == kMedialYa || last.nMedial == kMedialEo ||
              last.nMedial == kMedialYeo);
    case KoreanClass::kReo:
      *need = "its stem does not end in 르 (like 이르다, 푸르다)";
      return stem.back() == kReu;
    case KoreanClass::kU:
      *need = "its stem does not end in ㅜ without a final consonant (like 푸다)";
      return last.nMedial == kMedialU && last.nFinal == kFinalNone;
  }
  return true;
}

std::optional<std::string> CheckCopula(const KoreanWord& word, const KoreanStem& stem) {
  const std::string& form = word.strDictionaryForm;
  if (stem.strStem.size() < 2 || stem.strStem.back() != kI)
    return form +
           " is marked as the copula (cop), but it is not a noun followed by 이다 "
           "(like 학생이다, 의사이다)";
  if (word.eClass != KoreanClass::kRegular)
    return form + " is marked as the copula (cop), which has no irregular class";
  return std::nullopt;
}

std::optional<std::string> CheckSplit(const KoreanWord& word, const KoreanStem& stem) {
  if (word.eNegation != KoreanNegation::kSplit) return std::nullopt;
  const std::u32string& text = stem.strStem;
  if (text.size() >= 2 && (text.back() == kHa || text.back() == kDoe)) return std::nullopt;
  return word.strDictionaryForm +
         " is marked split (안 between a noun and 하다 or 되다), but "
         "it does not end in 하다 or 되다 after a noun (like 샤워하다, 걱정되다)";
}

std::optional<std::string> CheckAuxiliary(const KoreanWord& word, const KoreanStem& stem) {
  if (!word.bAuxiliary || !stem.strHead.empty()) return std::nullopt;
  return word.strDictionaryForm +
         " is marked aux (an auxiliary verb after the main verb), "
         "but it has no word before the last (like 입어 보다, 보여 주다)";
}

std::optional<std::string> CheckHonorific(const KoreanWord& word) {
  if (word.strHonorific.empty()) return std::nullopt;
  std::optional<KoreanStem> honorific = SplitDictionaryForm(word.strHonorific);
  if (!honorific || honorific->strStem.size() < 2 ||
      honorific->strStem.substr(honorific->strStem.size() - 1) != kHonorificEnding)
    return word.strDictionaryForm + ": the honorific form " + word.strHonorific +
           " must end in 시다 (like 드시다, 주무시다)";
  if (word.eKind == KoreanKind::kCopula)
    return word.strDictionaryForm + ": the copula makes its own honorific (이시다)";
  return std::nullopt;
}

}  // namespace

std::optional<std::string> ApplyKoreanClassToken(const std::string& token, KoreanWord* word) {
  if (token == kAdjectiveToken || token == kCopulaToken) {
    KoreanKind kind = token == kAdjectiveToken ? KoreanKind::kAdjective : KoreanKind::kCopula;
    if (word->eKind != KoreanKind::kVerb && word->eKind != kind)
      return "'" + token + "' cannot be combined with '" +
             (word->eKind == KoreanKind::kAdjective ? kAdjectiveToken : kCopulaToken) +
             "': a word is a verb, an adjective or the copula";
    word->eKind = kind;
    return std::nullopt;
  }
  if (token == kAuxiliaryToken) {
    word->bAuxiliary = true;
    return std::nullopt;
  }
  if (token == kSplitToken || token == kWholeToken) {
    KoreanNegation negation =
        token == kSplitToken ? KoreanNegation::kSplit : KoreanNegation::kWhole;
    if (word->eNegation != KoreanNegation::kAuto && word->eNegation != negation)
      return "'" + token + "' cannot be combined with '" +
             (negation == KoreanNegation::kSplit ? kWholeToken : kSplitToken) + "'";
    word->eNegation = negation;
    return std::nullopt;
  }
  for (const ClassInfo& info : kClasses) {
    if (info.eClass == KoreanClass::kRegular || token != info.szToken) continue;
    if (word->eClass != KoreanClass::kRegular && word->eClass != info.eClass)
      return "'" + token + "' cannot be combined with '" + KoreanClassToken(word->eClass) +
             "': a word has one irregular class";
    word->eClass = info.eClass;
    return std::nullopt;
  }
  return "unknown word class '" + token + "': expected one of " + KoreanClassTokenList();
}

const char* KoreanClassTokenList() {
  return "d, b, s, reu, h, reo, u, adj, cop, split, whole, aux";
}

std::optional<std::string> CheckKoreanWord(const KoreanWord& word) {
  const std::string& form = word.strDictionaryForm;
  std::optional<KoreanStem> stem = SplitDictionaryForm(form);
  if (!stem)
    return "'" + form +
           "' is not a Korean dictionary form: its last word must be Hangul "
           "syllables ending in 다 (like 가다, 음악을 듣다)";
  if (word.eKind == KoreanKind::kCopula) {
    if (auto error = CheckCopula(word, *stem)) return error;
  }
  const char* need = "";
  if (!StemFitsClass(stem->strStem, word.eClass, &need))
    return form + " is marked " + KoreanClassName(word.eClass) + " (" +
           KoreanClassToken(word.eClass) + "), but " + need;
  if (auto error = CheckSplit(word, *stem)) return error;
  if (auto error = CheckAuxiliary(word, *stem)) return error;
  return CheckHonorific(word);
}

const char* KoreanClassName(KoreanClass cls) { return InfoOf(cls).szName; }
const char* KoreanClassToken(KoreanClass cls) { return InfoOf(cls).szToken; }

const char* KoreanKindName(KoreanKind kind) {
  switch (kind) {
    case KoreanKind::kVerb:
      return "verb";
    case KoreanKind::kAdjective:
      return "adjective";
    case KoreanKind::kCopula:
      return "copula";
  }
  return "verb";
}

bool BehavesAsAdjective(const KoreanWord& word) {
  if (word.eKind == KoreanKind::kAdjective || word.eClass == KoreanClass::kHieuh) return true;
  std::optional<KoreanStem> stem = SplitDictionaryForm(word.strDictionaryForm);
  return stem && word.eKind != KoreanKind::kCopula && stem->strStem == kNegativeCopula;
}
