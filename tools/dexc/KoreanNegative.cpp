#include "tools/dexc/KoreanNegative.h"

#include "tools/dexc/KoreanHangul.h"

using namespace hangul;

namespace {

constexpr char32_t kHa = U'하';
constexpr char32_t kDoe = U'되';
constexpr char32_t kAl = U'알';
constexpr char32_t kIss = U'있';
constexpr char32_t kEops = U'없';
constexpr char32_t kSubjectAfterVowel = U'가';
constexpr char32_t kSubjectAfterConsonant = U'이';

bool IsPast(KoreanEnding e) {
  return e == KoreanEnding::kNegativePast || e == KoreanEnding::kCannotShortPast;
}
bool IsMot(KoreanEnding e) {
  return e == KoreanEnding::kCannotShort || e == KoreanEnding::kCannotShortPast;
}

bool IsAl(const KoreanWordStems& stems) { return stems.plain.strStem == std::u32string(1, kAl); }

// The last syllable of an adjective's -아/어 form before 하다 (좋아하다, 싫어하다,
// 미워하다, 아파하다, 슬퍼하다, 예뻐하다): no noun ends like that often enough to matter.
// -해하다 (행복해하다) is left out, as 이해하다 and 오해하다 are nouns with 하다.
bool IsInfinitiveLike(char32_t c) {
  Syllable s = Decompose(c);
  if (s.nFinal != kFinalNone) return false;
  bool aOrEo = s.nMedial == kMedialA || s.nMedial == kMedialEo;
  if (s.nInitial == kInitialIeung) return aOrEo || s.nMedial == kMedialWeo;
  return aOrEo && (s.nInitial == kInitialPhieuph || s.nInitial == kInitialSsangBieup);
}

// Where 안 goes inside a noun + 하다 or 되다 word (공부 안 해요): the index of 하 or 되 in
// the stem, or npos when it goes before the whole word (안 가요, 안 좋아해요). Unless the
// author said, only verbs split, and not after -아/어 (좋아하다, 싫어하다, 미워하다).
std::size_t NegationSplit(const KoreanWordStems& stems, const KoreanStem& stem) {
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

std::u32string Negate(const KoreanWordStems& stems, const KoreanStem& stem,
                      const std::u32string& form, const std::u32string& adverb) {
  if (stems.bAuxiliary && !stem.strHead.empty()) return NegateBeforeMainVerb(stem, form, adverb);
  std::size_t split = NegationSplit(stems, stem);
  if (split == std::u32string::npos) return stem.strHead + adverb + U' ' + form;
  return stem.strHead + form.substr(0, split) + U' ' + adverb + U' ' + form.substr(split);
}

std::u32string PresentOrPast(const KoreanStem& stem, bool past) {
  return past ? PastStemOf(stem) + U"어요" : PolitePresentOf(stem);
}

// The copula's negative is 아니다 with the subject particle: 학생이 아니에요.
std::u32string CopulaNegative(const KoreanWordStems& stems, bool past, bool honorific) {
  std::u32string noun = stems.plain.strStem.substr(0, stems.plain.strStem.size() - 1);
  KoreanStem aniStem;
  aniStem.strStem = U"아니";
  aniStem.bNegativeCopula = true;
  if (honorific) aniStem = HonorificOf(aniStem);
  char32_t particle = EndsInVowel(noun) ? kSubjectAfterVowel : kSubjectAfterConsonant;
  return stems.plain.strHead + noun + particle + U' ' + PresentOrPast(aniStem, past);
}

// 있다 and its compounds say no with 없다 (없어요, 맛없어요), 알다 with 모르다 (몰라요).
std::optional<std::u32string> OppositeNegative(const KoreanWordStems& stems, bool past,
                                               bool honorific) {
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

}  // namespace

bool IsShortNegative(KoreanEnding e) {
  return e == KoreanEnding::kNegative || e == KoreanEnding::kNegativePast ||
         e == KoreanEnding::kCannotShort || e == KoreanEnding::kCannotShortPast;
}

bool ShortNegativeExists(const KoreanWordStems& stems, KoreanEnding ending) {
  if (stems.bNegativeCopula) return false;
  if (IsMot(ending)) return stems.bVerb && !IsAl(stems);
  return stems.bCopula || stems.plain.strStem.back() != kEops;
}

std::u32string ShortNegative(const KoreanWordStems& stems, KoreanEnding ending, bool honorific) {
  const KoreanStem& s = honorific ? stems.honorific : stems.plain;
  bool past = IsPast(ending);
  if (IsMot(ending)) return Negate(stems, s, PresentOrPast(s, past), U"못");
  if (stems.bCopula) return CopulaNegative(stems, past, honorific);
  if (auto opposite = OppositeNegative(stems, past, honorific)) return *opposite;
  return Negate(stems, s, PresentOrPast(s, past), U"안");
}
