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
    {KoreanEnding::kCannotShort, "cannot (못)", true, true},
    {KoreanEnding::kCannotShortPast, "cannot past (못)", true, true},
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
constexpr char32_t kDoe = U'되';
constexpr char32_t kAl = U'알';
constexpr char32_t kIss = U'있';
constexpr char32_t kEops = U'없';
constexpr char32_t kJu = U'주';
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
  KoreanNegation eNegation = KoreanNegation::kAuto;
  bool bAuxiliary = false;
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
  stems.eNegation = word.eNegation;
  stems.bAuxiliary = word.bAuxiliary;
  stems.plain = *plain;
  stems.honorific = HonorificOf(*plain);
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

bool IsLongNegative(KoreanEnding e) {
  return e == KoreanEnding::kLongNegative || e == KoreanEnding::kLongNegativePast;
}
bool IsShortNegative(KoreanEnding e) {
  return e == KoreanEnding::kNegative || e == KoreanEnding::kNegativePast ||
         e == KoreanEnding::kCannotShort || e == KoreanEnding::kCannotShortPast;
}
bool IsPast(KoreanEnding e) {
  return e == KoreanEnding::kNegativePast || e == KoreanEnding::kCannotShortPast;
}
bool IsMot(KoreanEnding e) {
  return e == KoreanEnding::kCannotShort || e == KoreanEnding::kCannotShortPast;
}

bool IsAl(const Stems& stems) { return stems.plain.strStem == std::u32string(1, kAl); }

// 안 and 못 before the word (or inside a noun + 하다 verb). 없다 has no negative, 알다
// none with 못; 있다 and 알다 take their opposite word instead of 안.
bool ShortNegativeExists(const Stems& stems, KoreanEnding ending) {
  if (stems.bNegativeCopula) return false;
  if (IsMot(ending)) return stems.bVerb && !IsAl(stems);
  return stems.bCopula || stems.plain.strStem.back() != kEops;
}

bool FormExists(const Stems& stems, KoreanEnding ending) {
  if (!stems.bVerb && InfoOf(ending).bVerbsOnly) return false;
  bool copula = stems.bCopula || stems.bNegativeCopula;
  if (copula && IsLongNegative(ending)) return false;
  if (IsShortNegative(ending)) return ShortNegativeExists(stems, ending);
  if (ending == KoreanEnding::kProgressive || ending == KoreanEnding::kPastModifier)
    return !stems.bExistence;  // no 있고 있어요, no past modifier 있은
  return true;
}

bool IsInfinitiveLike(char32_t c) {
  Syllable s = Decompose(c);
  return s.nInitial == kInitialIeung && s.nFinal == kFinalNone &&
         (s.nMedial == kMedialA || s.nMedial == kMedialEo || s.nMedial == kMedialWeo);
}

// Where 안 goes inside a noun + 하다 or 되다 word (공부 안 해요): the index of 하 or 되 in
// the stem, or npos when it goes before the whole word (안 가요, 안 좋아해요). Unless the
// author said, only verbs split, and not after -아/어 (좋아하다, 싫어하다, 미워하다).
std::size_t NegationSplit(const Stems& stems, const KoreanStem& stem) {
  if (stems.eNegation == KoreanNegation::kWhole) return std::u32string::npos;
  const std::u32string& text = stem.strStem;
  std::size_t offset = stem.bHonorific ? 2 : 1;
  if (text.size() < offset + 1) return std::u32string::npos;
  std::size_t verb = text.size() - offset;
  if (text[verb] != kHa && text[verb] != kDoe) return std::u32string::npos;
  if (stems.eNegation == KoreanNegation::kSplit) return verb;
  if (!stems.bVerb || IsInfinitiveLike(text[verb - 1])) return std::u32string::npos;
  return verb;
}

// 안 or 못 before the main verb of "입어 보다": the start of the word before the last.
std::u32string NegateBeforeMainVerb(const KoreanStem& stem, const std::u32string& form,
                                    const std::u32string& adverb) {
  const std::u32string& head = stem.strHead;
  std::size_t space = head.size() >= 2 ? head.rfind(U' ', head.size() - 2) : std::u32string::npos;
  std::size_t start = space == std::u32string::npos ? 0 : space + 1;
  return head.substr(0, start) + adverb + U' ' + head.substr(start) + form;
}

std::u32string Negate(const Stems& stems, const KoreanStem& stem, const std::u32string& form,
                      const std::u32string& adverb) {
  if (stems.bAuxiliary && !stem.strHead.empty())
    return NegateBeforeMainVerb(stem, form, adverb);
  std::size_t split = NegationSplit(stems, stem);
  if (split == std::u32string::npos) return stem.strHead + adverb + U' ' + form;
  return stem.strHead + form.substr(0, split) + U' ' + adverb + U' ' + form.substr(split);
}

std::u32string PresentOrPast(const KoreanStem& stem, bool past) {
  return past ? PastStemOf(stem) + U"어요" : PolitePresentOf(stem);
}

// The copula's negative is 아니다 with the subject particle: 학생이 아니에요.
std::u32string CopulaNegative(const Stems& stems, bool past, bool honorific) {
  std::u32string noun = stems.plain.strStem.substr(0, stems.plain.strStem.size() - 1);
  KoreanStem aniStem;
  aniStem.strStem = U"아니";
  aniStem.bNegativeCopula = true;
  if (honorific) aniStem = HonorificOf(aniStem);
  char32_t particle = EndsInVowel(noun) ? kSubjectAfterVowel : kSubjectAfterConsonant;
  return stems.plain.strHead + noun + particle + U' ' + PresentOrPast(aniStem, past);
}

// 있다 and its compounds say no with 없다 (없어요, 맛없어요), 알다 with 모르다 (몰라요).
std::optional<std::u32string> OppositeNegative(const Stems& stems, bool past, bool honorific) {
  if (honorific && stems.bSuppletive) {  // 안 계세요 is fine; 있으시다 is still 있다
    const std::u32string& text = stems.honorific.strStem;
    if (text.size() < 3 || text[text.size() - 3] != kIss) return std::nullopt;
  }
  KoreanStem opposite = stems.plain;
  if (IsAl(stems)) {
    opposite.strStem = U"모르";
    opposite.eClass = KoreanClass::kReu;
  } else if (opposite.strStem.back() == kIss) {
    opposite.strStem.back() = kEops;
  } else {
    return std::nullopt;
  }
  if (honorific) opposite = HonorificOf(opposite);
  return opposite.strHead + PresentOrPast(opposite, past);
}

std::u32string ShortNegative(const Stems& stems, KoreanEnding ending, bool honorific) {
  const KoreanStem& s = honorific ? stems.honorific : stems.plain;
  bool past = IsPast(ending);
  if (IsMot(ending)) return Negate(stems, s, PresentOrPast(s, past), U"못");
  if (stems.bCopula) return CopulaNegative(stems, past, honorific);
  if (auto opposite = OppositeNegative(stems, past, honorific)) return *opposite;
  return Negate(stems, s, PresentOrPast(s, past), U"안");
}

// -아/어 주세요; a verb of giving is its own request (주세요, 보여 주세요, 도와주세요).
std::u32string PleaseForMe(const Stems& stems) {
  const KoreanStem& plain = stems.plain;
  if (plain.strStem.back() == kJu) return plain.strHead + PolitePresentOf(HonorificOf(plain));
  return plain.strHead + InfinitiveOf(plain) + U" 주세요";
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
    case KoreanEnding::kNegativePast:
    case KoreanEnding::kCannotShort:
    case KoreanEnding::kCannotShortPast:
      return ShortNegative(stems, ending, honorific);
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
      return PleaseForMe(stems);
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
  if (!FormExists(*stems, ending)) return std::nullopt;
  return EncodeUtf8(Build(*stems, ending, useHonorific));
}
