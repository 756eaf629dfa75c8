#include "tools/dexc/KoreanConjugation.h"

#include "tools/dexc/KoreanHangul.h"
#include "tools/dexc/KoreanNegative.h"
#include "tools/dexc/KoreanStem.h"
#include "tools/dexc/KoreanWordStems.h"

using namespace hangul;

namespace {

struct EndingInfo {
  KoreanEnding eEnding;
  const char* szName;
  bool bVerbsOnly;         // no form for adjectives and the copula
  bool bHonorificVariant;  // the honorific differs from the plain form
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
    {KoreanEnding::kPromise, "promise", true, false},
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

constexpr char32_t kJu = U'주';

const EndingInfo& InfoOf(KoreanEnding ending) {
  for (const EndingInfo& info : kEndings)
    if (info.eEnding == ending) return info;
  return kEndings[0];
}

bool IsLongNegative(KoreanEnding e) {
  return e == KoreanEnding::kLongNegative || e == KoreanEnding::kLongNegativePast;
}

bool FormExists(const KoreanWordStems& stems, KoreanEnding ending) {
  if (!stems.bVerb && InfoOf(ending).bVerbsOnly) return false;
  bool copula = stems.bCopula || stems.bNegativeCopula;
  if (copula && IsLongNegative(ending)) return false;
  if (IsShortNegative(ending)) return ShortNegativeExists(stems, ending);
  if (ending == KoreanEnding::kProgressive || ending == KoreanEnding::kPastModifier)
    return !stems.bExistence;  // no 있고 있어요, no past modifier 있은
  return true;
}

// -아/어 주세요; a verb of giving is its own request (주세요, 보여 주세요, 도와주세요).
std::u32string PleaseForMe(const KoreanWordStems& stems) {
  const KoreanStem& plain = stems.plain;
  if (plain.strStem.back() == kJu) return plain.strHead + PolitePresentOf(HonorificOf(plain));
  return plain.strHead + InfinitiveOf(plain) + U" 주세요";
}

std::u32string Modifier(const KoreanWordStems& stems, const KoreanStem& stem, bool honorific) {
  bool neun = stems.bVerb || (stems.bExistence && !honorific);
  return neun ? AttachNeun(stem) : AttachEu(stem, kFinalNieun, U"");
}

// The forms built on one stem, plain or honorific alike.
std::u32string Simple(const KoreanWordStems& stems, const KoreanStem& s, KoreanEnding ending,
                      bool honorific) {
  switch (ending) {
    case KoreanEnding::kPresent:
      return PolitePresentOf(s);
    case KoreanEnding::kPast:
      return PastStemOf(s) + U"어요";
    case KoreanEnding::kFuture:
      return AttachEu(s, kFinalRieul, U" 거예요");
    case KoreanEnding::kCan:
      return AttachEu(s, kFinalRieul, U" 수 있어요");
    case KoreanEnding::kCannot:
      return AttachEu(s, kFinalRieul, U" 수 없어요");
    case KoreanEnding::kShallWe:
      return AttachEu(s, kFinalRieul, U"까요");
    case KoreanEnding::kPromise:
      return AttachEu(s, kFinalRieul, U"게요");
    case KoreanEnding::kMayI:
      return InfinitiveOf(s) + U"도 돼요";
    case KoreanEnding::kPleaseDont:
      return AttachPlain(s, U"지 마세요");
    case KoreanEnding::kModifier:
      return Modifier(stems, s, honorific);
    case KoreanEnding::kPastModifier:
      return AttachEu(s, kFinalNieun, U"");
    case KoreanEnding::kFutureModifier:
      return AttachEu(s, kFinalRieul, U"");
    case KoreanEnding::kAnd:
      return AttachPlain(s, U"고");
    case KoreanEnding::kSo:
      return InfinitiveOf(s) + U"서";
    case KoreanEnding::kIf:
      return AttachEu(s, kFinalNone, U"면");
    case KoreanEnding::kBut:
      return AttachPlain(s, U"지만");
    case KoreanEnding::kBecause:
      return AttachEu(s, kFinalNone, U"니까");
    case KoreanEnding::kFormal:
      return AttachFormal(s, U"니다");
    case KoreanEnding::kFormalQuestion:
      return AttachFormal(s, U"니까");
    case KoreanEnding::kFormalPast:
      return PastStemOf(s) + U"습니다";
    case KoreanEnding::kFormalPastQuestion:
      return PastStemOf(s) + U"습니까";
    case KoreanEnding::kFormalFuture:
      return AttachEu(s, kFinalRieul, U" 겁니다");
    default:
      return U"";
  }
}

// The honorific of a form with an auxiliary verb (-지 않다, -고 싶다, -고 있다) goes on the
// auxiliary (가지 않으세요, 가고 싶어 하세요, 가고 계세요); the main verb changes only to
// a suppletive word (드시고 계세요). Everywhere else the main verb takes -(으)시- (가실
// 수 있어요, 가셔도 돼요). "Please" is honorific in itself and ignores the flag.
std::u32string Build(const KoreanWordStems& stems, KoreanEnding ending, bool honorific) {
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

std::optional<std::string> ConjugateKorean(const KoreanWord& word, KoreanEnding ending,
                                           bool honorific) {
  std::optional<KoreanWordStems> stems = PrepareKoreanWord(word);
  if (!stems) return std::nullopt;
  bool useHonorific = honorific && HasHonorificVariant(ending);
  if (!FormExists(*stems, ending)) return std::nullopt;
  return EncodeUtf8(Build(*stems, ending, useHonorific));
}
