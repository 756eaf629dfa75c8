#include "tools/dexc/KoreanConjugation.h"

#include "tools/dexc/KoreanHangul.h"
#include "tools/dexc/KoreanStem.h"

using namespace hangul;

namespace {

struct EndingInfo {
  KoreanEnding eEnding;
  const char* szName;
  bool bVerbsOnly;          // no form for adjectives and the copula
  bool bHonorificVariant;   // the honorific differs from the plain form
};

constexpr EndingInfo kEndings[] = {
    {KoreanEnding::kPresent, "present", false, true},
    {KoreanEnding::kPast, "past", false, true},
    {KoreanEnding::kFuture, "future", false, true},
    {KoreanEnding::kNegative, "negative", false, true},
    {KoreanEnding::kNegativePast, "negative past", false, true},
    {KoreanEnding::kLongNegative, "long negative", false, true},
    {KoreanEnding::kLongNegativePast, "long negative past", false, true},
    {KoreanEnding::kWant, "want", true, true},
    {KoreanEnding::kWantThirdPerson, "want (he/she)", true, true},
    {KoreanEnding::kCan, "can", false, true},
    {KoreanEnding::kCannot, "cannot", false, true},
    {KoreanEnding::kPlease, "please", true, false},
    {KoreanEnding::kPleaseForMe, "please (for me)", true, false},
    {KoreanEnding::kShallWe, "shall we", false, true},
    {KoreanEnding::kMayI, "may I", false, true},
    {KoreanEnding::kPleaseDont, "please don't", true, true},
    {KoreanEnding::kProgressive, "progressive", true, true},
    {KoreanEnding::kModifier, "modifier", false, true},
    {KoreanEnding::kPastModifier, "past modifier", true, true},
    {KoreanEnding::kFutureModifier, "future modifier", false, true},
    {KoreanEnding::kAnd, "and", false, true},
    {KoreanEnding::kSo, "so", false, true},
    {KoreanEnding::kIf, "if", false, true},
    {KoreanEnding::kBut, "but", false, true},
    {KoreanEnding::kBecause, "because", false, true},
    {KoreanEnding::kFormal, "formal", false, true},
    {KoreanEnding::kFormalQuestion, "formal question", false, true},
    {KoreanEnding::kFormalPast, "formal past", false, true},
    {KoreanEnding::kFormalPastQuestion, "formal past question", false, true},
    {KoreanEnding::kFormalFuture, "formal future", false, true},
};

// The suppletive honorifics every speaker uses; anything else the author gives as hon=.
struct Suppletive {
  const char* szPlain;
  const char* szHonorific;
};
constexpr Suppletive kSuppletives[] = {
    {"먹다", "드시다"}, {"마시다", "드시다"}, {"자다", "주무시다"},
    {"있다", "계시다"}, {"말하다", "말씀하시다"},
};

constexpr char32_t kHa = U'하';
constexpr char32_t kAl = U'알';
constexpr char32_t kIss = U'있';
constexpr char32_t kEops = U'없';
constexpr char32_t kSubjectAfterVowel = U'가';
constexpr char32_t kSubjectAfterConsonant = U'이';

const EndingInfo& InfoOf(KoreanEnding ending) {
  for (const EndingInfo& info : kEndings)
    if (info.eEnding == ending) return info;
  return kEndings[0];
}

// Everything the endings are built from, prepared once per word.
struct Stems {
  KoreanStem plain;
  KoreanStem honorific;    // with -(으)시- or the suppletive honorific: 가시, 드시
  KoreanStem auxiliary;    // what stands before an honorific auxiliary: 가(고 계세요), 드시
  bool bSuppletive = false;
  bool bVerb = true;       // not an adjective, not the copula
  bool bCopula = false;
  bool bNegativeCopula = false;
  bool bExistence = false;  // 있다, 없다 and their compounds (맛있다, 재미없다)
};

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

std::optional<Stems> Prepare(const KoreanWord& word) {
  if (CheckKoreanWord(word)) return std::nullopt;
  std::optional<KoreanStem> plain = SplitDictionaryForm(word.strDictionaryForm);
  if (!plain) return std::nullopt;
  Stems stems;
  plain->eClass = word.eClass;
  stems.bCopula = word.eKind == KoreanKind::kCopula;
  plain->bCopula = stems.bCopula;
  stems.bNegativeCopula = !stems.bCopula && plain->strStem == U"아니";
  plain->bNegativeCopula = stems.bNegativeCopula;
  stems.bVerb = !stems.bCopula && !BehavesAsAdjective(word);
  char32_t last = plain->strStem.back();
  stems.bExistence = last == kIss || last == kEops;
  stems.plain = *plain;
  if (std::optional<KoreanStem> suppletive = SuppletiveStem(word, *plain)) {
    stems.bSuppletive = true;
    stems.honorific = *suppletive;
    stems.auxiliary = *suppletive;
  } else {
    stems.honorific = HonorificOf(*plain);
    stems.auxiliary = *plain;
  }
  return stems;
}

bool IsLongNegative(KoreanEnding e) {
  return e == KoreanEnding::kLongNegative || e == KoreanEnding::kLongNegativePast;
}
bool IsNegative(KoreanEnding e) {
  return e == KoreanEnding::kNegative || e == KoreanEnding::kNegativePast;
}

// 있다, 없다 and 알다 are negated by other words (없다, 모르다), not by 안; 계시다 is.
bool RefusesAn(const Stems& stems, bool honorific) {
  if (honorific && stems.bSuppletive) return false;
  return stems.bExistence || stems.plain.strStem == std::u32string(1, kAl);
}

bool FormExists(const Stems& stems, KoreanEnding ending, bool honorific) {
  if (!stems.bVerb && InfoOf(ending).bVerbsOnly) return false;
  bool copula = stems.bCopula || stems.bNegativeCopula;
  if (copula && IsLongNegative(ending)) return false;
  if (IsNegative(ending))
    return !stems.bNegativeCopula && (stems.bCopula || !RefusesAn(stems, honorific));
  if (ending == KoreanEnding::kProgressive || ending == KoreanEnding::kPastModifier)
    return !stems.bExistence;  // no 있고 있어요, no past modifier 있은
  return true;
}

// Where 안 goes inside a noun + 하다 verb (공부 안 해요): the index of 하 in the stem, or
// npos when 안 goes before the whole word (안 가요, 안 좋아해요).
std::size_t HadaSplit(const Stems& stems, const KoreanStem& stem) {
  if (!stems.bVerb) return std::u32string::npos;
  const std::u32string& text = stem.strStem;
  std::size_t ha = stem.bHonorific ? text.size() - 2 : text.size() - 1;
  if (text.size() < 2 || ha < 1 || ha >= text.size() || text[ha] != kHa)
    return std::u32string::npos;
  Syllable before = Decompose(text[ha - 1]);
  bool infinitive = before.nInitial == kInitialIeung && before.nFinal == kFinalNone &&
                    (before.nMedial == kMedialA || before.nMedial == kMedialEo ||
                     before.nMedial == kMedialWa || before.nMedial == kMedialWeo ||
                     before.nMedial == kMedialYeo);
  return infinitive ? std::u32string::npos : ha;  // 좋아하다, 미워하다: 안 좋아해요
}

std::u32string Negate(const Stems& stems, const KoreanStem& stem, const std::u32string& form) {
  std::size_t split = HadaSplit(stems, stem);
  if (split == std::u32string::npos) return stem.strHead + U"안 " + form;
  return stem.strHead + form.substr(0, split) + U" 안 " + form.substr(split);
}

// The copula's negative is 아니다 with the subject particle: 학생이 아니에요.
std::u32string CopulaNegative(const Stems& stems, bool past, bool honorific) {
  std::u32string noun = stems.plain.strStem.substr(0, stems.plain.strStem.size() - 1);
  KoreanStem aniStem;
  aniStem.strStem = U"아니";
  aniStem.bNegativeCopula = true;
  if (honorific) aniStem = HonorificOf(aniStem);
  std::u32string tail = past ? PastStemOf(aniStem) + U"어요" : PolitePresentOf(aniStem);
  char32_t particle = EndsInVowel(noun) ? kSubjectAfterVowel : kSubjectAfterConsonant;
  return stems.plain.strHead + noun + particle + U' ' + tail;
}

std::u32string Modifier(const Stems& stems, const KoreanStem& stem, bool honorific) {
  bool neun = stems.bVerb || (stems.bExistence && !honorific);
  return neun ? AttachNeun(stem) : AttachEu(stem, kFinalNieun, U"");
}

// The forms built on one stem, plain or honorific alike.
std::u32string Simple(const Stems& stems, const KoreanStem& s, KoreanEnding ending,
                      bool honorific) {
  switch (ending) {
    case KoreanEnding::kPresent: return PolitePresentOf(s);
    case KoreanEnding::kPast: return PastStemOf(s) + U"어요";
    case KoreanEnding::kFuture: return AttachEu(s, kFinalRieul, U" 거예요");
    case KoreanEnding::kCan: return AttachEu(s, kFinalRieul, U" 수 있어요");
    case KoreanEnding::kCannot: return AttachEu(s, kFinalRieul, U" 수 없어요");
    case KoreanEnding::kShallWe: return AttachEu(s, kFinalRieul, U"까요");
    case KoreanEnding::kMayI: return InfinitiveOf(s) + U"도 돼요";
    case KoreanEnding::kPleaseDont: return AttachPlain(s, U"지 마세요");
    case KoreanEnding::kModifier: return Modifier(stems, s, honorific);
    case KoreanEnding::kPastModifier: return AttachEu(s, kFinalNieun, U"");
    case KoreanEnding::kFutureModifier: return AttachEu(s, kFinalRieul, U"");
    case KoreanEnding::kAnd: return AttachPlain(s, U"고");
    case KoreanEnding::kSo: return InfinitiveOf(s) + U"서";
    case KoreanEnding::kIf: return AttachEu(s, kFinalNone, U"면");
    case KoreanEnding::kBut: return AttachPlain(s, U"지만");
    case KoreanEnding::kBecause: return AttachEu(s, kFinalNone, U"니까");
    case KoreanEnding::kFormal: return AttachFormal(s, U"니다");
    case KoreanEnding::kFormalQuestion: return AttachFormal(s, U"니까");
    case KoreanEnding::kFormalPast: return PastStemOf(s) + U"습니다";
    case KoreanEnding::kFormalPastQuestion: return PastStemOf(s) + U"습니까";
    case KoreanEnding::kFormalFuture: return AttachEu(s, kFinalRieul, U" 겁니다");
    default: return U"";
  }
}

std::u32string Build(const Stems& stems, KoreanEnding ending, bool honorific) {
  const KoreanStem& s = honorific ? stems.honorific : stems.plain;
  const KoreanStem& aux = honorific ? stems.auxiliary : stems.plain;
  const std::u32string& head = s.strHead;
  switch (ending) {
    case KoreanEnding::kNegative:
    case KoreanEnding::kNegativePast: {
      bool past = ending == KoreanEnding::kNegativePast;
      if (stems.bCopula) return CopulaNegative(stems, past, honorific);
      return Negate(stems, s, past ? PastStemOf(s) + U"어요" : PolitePresentOf(s));
    }
    case KoreanEnding::kLongNegative:
      return aux.strHead + AttachPlain(aux, honorific ? U"지 않으세요" : U"지 않아요");
    case KoreanEnding::kLongNegativePast:
      return aux.strHead + AttachPlain(aux, honorific ? U"지 않으셨어요" : U"지 않았어요");
    case KoreanEnding::kWant:
      return aux.strHead + AttachPlain(aux, honorific ? U"고 싶으세요" : U"고 싶어요");
    case KoreanEnding::kWantThirdPerson:
      return aux.strHead + AttachPlain(aux, honorific ? U"고 싶어 하세요" : U"고 싶어 해요");
    case KoreanEnding::kProgressive:
      return aux.strHead + AttachPlain(aux, honorific ? U"고 계세요" : U"고 있어요");
    case KoreanEnding::kPlease:
      return stems.honorific.strHead + PolitePresentOf(stems.honorific);
    case KoreanEnding::kPleaseForMe:
      return stems.plain.strHead + InfinitiveOf(stems.plain) + U" 주세요";
    default:
      return head + Simple(stems, s, ending, honorific);
  }
}

}  // namespace

const std::vector<KoreanEnding>& AllKoreanEndings() {
  static const std::vector<KoreanEnding> all = [] {
    std::vector<KoreanEnding> endings;
    for (const EndingInfo& info : kEndings) endings.push_back(info.eEnding);
    return endings;
  }();
  return all;
}

const char* KoreanEndingName(KoreanEnding ending) { return InfoOf(ending).szName; }

std::optional<KoreanEnding> KoreanEndingFromName(const std::string& name) {
  for (const EndingInfo& info : kEndings)
    if (name == info.szName) return info.eEnding;
  return std::nullopt;
}

bool HasHonorificVariant(KoreanEnding ending) { return InfoOf(ending).bHonorificVariant; }

std::string SuppletiveHonorificOf(const KoreanWord& word) {
  if (!word.strHonorific.empty()) return word.strHonorific;
  if (word.eKind != KoreanKind::kVerb) return "";  // 있다 as an adjective: 있으시다
  std::string last = LastWordOf(word.strDictionaryForm);
  for (const Suppletive& entry : kSuppletives)
    if (last == entry.szPlain) return entry.szHonorific;
  return "";
}

std::optional<std::string> ConjugateKorean(const KoreanWord& word, KoreanEnding ending,
                                           bool honorific) {
  std::optional<Stems> stems = Prepare(word);
  if (!stems) return std::nullopt;
  bool useHonorific = honorific && HasHonorificVariant(ending);
  if (!FormExists(*stems, ending, useHonorific)) return std::nullopt;
  return EncodeUtf8(Build(*stems, ending, useHonorific));
}
