#include "tools/dexc/KoreanWordStems.h"

#include "tools/dexc/KoreanConjugation.h"

namespace {

// The suppletive honorifics every speaker uses; anything else the author gives as hon=.
struct Suppletive {
  const char* szPlain;
  const char* szHonorific;
};
constexpr Suppletive kSuppletives[] = {
    {"먹다", "드시다"}, {"마시다", "드시다"},     {"자다", "주무시다"},
    {"있다", "계시다"}, {"말하다", "말씀하시다"},
};

// Honorific words that an author may also enter on their own: they are honorific already
// (계세요, not 계셔요; no second -시-).
constexpr const char* kHonorificWords[] = {"계시다", "드시다", "주무시다", "말씀하시다",
                                           "잡수시다"};

constexpr char32_t kIss = U'있';
constexpr char32_t kEops = U'없';

std::string LastWordOf(const std::string& form) {
  std::size_t space = form.find_last_of(' ');
  return space == std::string::npos ? form : form.substr(space + 1);
}

std::optional<KoreanStem> SuppletiveStem(const KoreanWord& word, const KoreanStem& plain) {
  std::string honorific = SuppletiveHonorificOf(word);
  if (honorific.empty()) return std::nullopt;
  std::optional<KoreanStem> stem = SplitDictionaryForm(honorific);
  if (!stem) return std::nullopt;
  if (honorific.find(' ') == std::string::npos) stem->strHead = plain.strHead;
  stem->bHonorific = true;
  return stem;
}

}  // namespace

std::string SuppletiveHonorificOf(const KoreanWord& word) {
  if (!word.strHonorific.empty()) return word.strHonorific;
  if (word.eKind != KoreanKind::kVerb) return "";  // 있다 as an adjective: 있으시다
  std::string last = LastWordOf(word.strDictionaryForm);
  for (const Suppletive& entry : kSuppletives)
    if (last == entry.szPlain) return entry.szHonorific;
  return "";
}

std::optional<KoreanWordStems> PrepareKoreanWord(const KoreanWord& word) {
  if (CheckKoreanWord(word)) return std::nullopt;
  std::optional<KoreanStem> plain = SplitDictionaryForm(word.strDictionaryForm);
  if (!plain) return std::nullopt;
  KoreanWordStems stems;
  plain->eClass = word.eClass;
  stems.bCopula = word.eKind == KoreanKind::kCopula;
  plain->bCopula = stems.bCopula;
  stems.bNegativeCopula = !stems.bCopula && plain->strStem == U"아니";
  plain->bNegativeCopula = stems.bNegativeCopula;
  stems.bVerb = !stems.bCopula && !BehavesAsAdjective(word);
  char32_t last = plain->strStem.back();
  stems.bExistence = last == kIss || last == kEops;
  stems.eNegation = word.eNegation;
  stems.bAuxiliary = word.bAuxiliary;
  std::string lastWord = LastWordOf(word.strDictionaryForm);
  for (const char* honorificWord : kHonorificWords)
    if (lastWord == honorificWord) plain->bHonorific = true;
  stems.plain = *plain;
  stems.honorific = plain->bHonorific ? *plain : HonorificOf(*plain);
  stems.auxiliary = *plain;
  // An honorific form that is only the regular one (있으시다) is no suppletive word: it
  // does not stand before auxiliaries (있지 않으세요, not 있으시지 않으세요).
  std::optional<KoreanStem> suppletive = SuppletiveStem(word, *plain);
  if (suppletive && (suppletive->strStem != stems.honorific.strStem ||
                     suppletive->strHead != stems.honorific.strHead)) {
    stems.bSuppletive = true;
    stems.honorific = *suppletive;
    stems.auxiliary = *suppletive;
  }
  return stems;
}
