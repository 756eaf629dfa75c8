#include "tools/dexc/KoreanStem.h"

#include "tools/dexc/KoreanHangul.h"

using namespace hangul;

namespace {

constexpr char32_t kDa = U'다';
constexpr char32_t kEu = U'으';
constexpr char32_t kU = U'우';
constexpr char32_t kA = U'아';
constexpr char32_t kEo = U'어';
constexpr char32_t kWa = U'와';
constexpr char32_t kWeo = U'워';
constexpr char32_t kI = U'이';
constexpr char32_t kYeo = U'여';
constexpr char32_t kHae = U'해';
constexpr char32_t kSi = U'시';
constexpr char32_t kSe = U'세';
constexpr char32_t kSeup = U'습';
constexpr char32_t kSpace = U' ';

// The -러하다 family whose ㅎ-irregular -아/어 form keeps ㅐ after ㅓ (그렇다 그래요,
// 어떻다 어때요), where colour words take ㅔ (누렇다 누레요).
const std::u32string kReohadaStems[] = {U"그렇", U"이렇", U"저렇", U"요렇",
                                        U"고렇", U"조렇", U"어떻", U"아무렇"};

// -아 after the bright vowels ㅏ ㅑ ㅗ, -어 after all others.
bool IsBright(int medial) {
  return medial == kMedialA || medial == kMedialYa || medial == kMedialO;
}

char32_t AOrEo(int medial) { return IsBright(medial) ? kA : kEo; }

bool EndsWith(const std::u32string& text, const std::u32string& tail) {
  return text.size() >= tail.size() &&
         text.compare(text.size() - tail.size(), tail.size(), tail) == 0;
}

// A medial vowel changed in place on the last syllable.
void SetLastMedial(std::u32string* text, int medial) {
  Syllable s = Decompose(text->back());
  s.nMedial = medial;
  text->back() = Compose(s);
}

void SetLastFinal(std::u32string* text, int final) {
  text->back() = WithFinal(text->back(), final);
}

// The noun of a copula stem ("학생이" -> "학생").
std::u32string CopulaNoun(const KoreanStem& stem) {
  return stem.strStem.substr(0, stem.strStem.size() - 1);
}

// 빨갛 -> 빨개, 하얗 -> 하얘, 누렇 -> 누레, 그렇 -> 그래.
std::u32string HieuhInfinitive(std::u32string text) {
  bool reohada = false;
  for (const std::u32string& family : kReohadaStems) reohada = reohada || EndsWith(text, family);
  int medial = MedialOf(text.back());
  SetLastFinal(&text, kFinalNone);
  switch (medial) {
    case kMedialA:
      SetLastMedial(&text, kMedialAe);
      break;
    case kMedialYa:
      SetLastMedial(&text, kMedialYae);
      break;
    case kMedialEo:
      SetLastMedial(&text, reohada ? kMedialAe : kMedialE);
      break;
    case kMedialYeo:
      SetLastMedial(&text, kMedialYe);
      break;
    default:
      text.push_back(AOrEo(medial));
      break;
  }
  return text;
}

// 부르 -> 불러, 모르 -> 몰라: the syllable before 르 takes ㄹ, 르 becomes 라 or 러.
std::u32string ReuInfinitive(std::u32string text) {
  char32_t before = text[text.size() - 2];
  text[text.size() - 2] = WithFinal(before, kFinalRieul);
  text.back() = Compose(kInitialRieul, IsBright(MedialOf(before)) ? kMedialA : kMedialEo);
  return text;
}

// ㅂ-irregular: the ㅂ becomes 우, which joins -아/어 as 워; only the one-syllable stems
// with ㅗ (돕다, 곱다) take 와.
std::u32string BieupInfinitive(std::u32string text) {
  bool wa = text.size() == 1 && MedialOf(text.back()) == kMedialO;
  SetLastFinal(&text, kFinalNone);
  text.push_back(wa ? kWa : kWeo);
  return text;
}

// A regular stem that ends in a vowel contracts with -아/어 where the spelling says so.
std::u32string VowelInfinitive(std::u32string text) {
  Syllable last = Decompose(text.back());
  if (last.nInitial == kInitialHieuh && last.nMedial == kMedialA) {
    text.back() = kHae;  // 하다 verbs: 해
    return text;
  }
  switch (last.nMedial) {
    case kMedialA:
    case kMedialEo:
    case kMedialYeo:
    case kMedialAe:
    case kMedialE:
    case kMedialYae:
    case kMedialYe:
      return text;  // 가, 서, 켜, 보내, 세: the ending's vowel merges into the stem's
    case kMedialO:
      SetLastMedial(&text, kMedialWa);
      return text;  // 봐, 와
    case kMedialU:
      SetLastMedial(&text, kMedialWeo);
      return text;  // 줘, 배워
    case kMedialI:
      SetLastMedial(&text, kMedialYeo);
      return text;  // 마셔, 기다려
    case kMedialOe:
      SetLastMedial(&text, kMedialWae);
      return text;     // 돼
    case kMedialEu: {  // 으 drops; the syllable before it decides -아/어 (써, 바빠)
      bool bright = text.size() >= 2 && IsBright(MedialOf(text[text.size() - 2]));
      SetLastMedial(&text, bright ? kMedialA : kMedialEo);
      return text;
    }
    default:
      text.push_back(AOrEo(last.nMedial));  // 쉬어, 희어: no contraction
      return text;
  }
}

std::u32string RegularInfinitive(std::u32string text) {
  if (FinalOf(text.back()) == kFinalNone) return VowelInfinitive(std::move(text));
  char32_t ending = AOrEo(MedialOf(text.back()));
  text.push_back(ending);
  return text;
}

// Joins a (으)-ending to a stem that ends in a vowel syllable.
std::u32string JoinVowelFinal(std::u32string text, int jamo, const std::u32string& rest) {
  if (jamo != kFinalNone) SetLastFinal(&text, jamo);
  return text + rest;
}

// A regular ㄹ stem takes no 으: its ㄹ merges with -ㄹ, gives way to -ㄴ and -ㅂ, and
// drops before ㄴ, ㅅ and ㅂ (살 + ㄹ = 살, + ㄴ = 산, + 세요 = 사세요, + 면 = 살면).
std::u32string JoinRieulStem(std::u32string text, int jamo, const std::u32string& rest) {
  if (jamo == kFinalNieun || jamo == kFinalBieup) {
    SetLastFinal(&text, jamo);
  } else if (jamo == kFinalNone && !rest.empty() && IsSyllable(rest.front())) {
    int initial = Decompose(rest.front()).nInitial;
    if (initial == kInitialNieun || initial == kInitialSiot || initial == kInitialBieup)
      SetLastFinal(&text, kFinalNone);
  }
  return text + rest;
}

bool IsRegularRieulStem(const KoreanStem& stem) {
  return stem.eClass == KoreanClass::kRegular && FinalOf(stem.strStem.back()) == kFinalRieul;
}

}  // namespace

std::optional<KoreanStem> SplitDictionaryForm(const std::string& form) {
  std::optional<std::u32string> text = DecodeUtf8(form);
  if (!text) return std::nullopt;
  std::size_t space = text->find_last_of(kSpace);
  std::size_t start = space == std::u32string::npos ? 0 : space + 1;
  KoreanStem stem;
  stem.strHead = text->substr(0, start);
  std::u32string word = text->substr(start);
  if (word.size() < 2 || word.back() != kDa) return std::nullopt;
  word.pop_back();
  for (char32_t c : word)
    if (!IsSyllable(c)) return std::nullopt;
  stem.strStem = word;
  return stem;
}

bool EndsInVowel(const std::u32string& text) {
  return !text.empty() && IsSyllable(text.back()) && FinalOf(text.back()) == kFinalNone;
}

std::u32string InfinitiveOf(const KoreanStem& stem) {
  std::u32string text = stem.strStem;
  if (stem.bCopula) {
    std::u32string noun = CopulaNoun(stem);
    return EndsInVowel(noun) ? noun + kYeo : noun + kI + kEo;  // 의사여, 학생이어
  }
  if (stem.bNegativeCopula) return text + kEo;  // 아니어: no contraction
  switch (stem.eClass) {
    case KoreanClass::kRegular:
      return RegularInfinitive(std::move(text));
    case KoreanClass::kDigeut:
      SetLastFinal(&text, kFinalRieul);
      return RegularInfinitive(std::move(text));  // 들어, 걸어
    case KoreanClass::kBieup:
      return BieupInfinitive(std::move(text));
    case KoreanClass::kSiot: {  // 나아, 지어: the ㅅ drops, the vowels stay apart
      char32_t ending = AOrEo(MedialOf(text.back()));
      SetLastFinal(&text, kFinalNone);
      return text + ending;
    }
    case KoreanClass::kReu:
      return ReuInfinitive(std::move(text));
    case KoreanClass::kHieuh:
      return HieuhInfinitive(std::move(text));
    case KoreanClass::kReo:
      return text + U'러';  // 이르러
    case KoreanClass::kU:
      SetLastMedial(&text, kMedialEo);
      return text;  // 퍼
  }
  return text;
}

std::u32string PolitePresentOf(const KoreanStem& stem) {
  if (stem.bCopula) {
    std::u32string noun = CopulaNoun(stem);
    return EndsInVowel(noun) ? noun + U"예요" : noun + U"이에요";
  }
  if (stem.bNegativeCopula) return stem.strStem + U"에요";  // 아니에요
  if (stem.bHonorific) {
    std::u32string text = stem.strStem;
    text.back() = kSe;  // -(으)시- + -어요 is -(으)세요
    return text + U'요';
  }
  return InfinitiveOf(stem) + U'요';
}

std::u32string PastStemOf(const KoreanStem& stem) {
  std::u32string text = InfinitiveOf(stem);
  SetLastFinal(&text, kFinalSsangSiot);
  return text;
}

std::u32string AttachEu(const KoreanStem& stem, int jamo, const std::u32string& rest) {
  std::u32string text = stem.strStem;
  bool needEu = false;
  switch (stem.eClass) {
    case KoreanClass::kDigeut:  // 들으세요, 들을
      SetLastFinal(&text, kFinalRieul);
      needEu = true;
      break;
    case KoreanClass::kBieup:  // 도우세요, 추운
      SetLastFinal(&text, kFinalNone);
      text.push_back(kU);
      break;
    case KoreanClass::kSiot:  // 나으세요, 나을: 으 stays although the ㅅ went
      SetLastFinal(&text, kFinalNone);
      needEu = true;
      break;
    case KoreanClass::kHieuh:  // 빨간, 그런, 빨가면: no 으
      SetLastFinal(&text, kFinalNone);
      break;
    default:
      if (IsRegularRieulStem(stem)) return JoinRieulStem(std::move(text), jamo, rest);
      needEu = FinalOf(text.back()) != kFinalNone;
      break;
  }
  if (needEu) text.push_back(kEu);
  return JoinVowelFinal(std::move(text), jamo, rest);
}

std::u32string AttachPlain(const KoreanStem& stem, const std::u32string& ending) {
  return stem.strStem + ending;
}

std::u32string AttachNeun(const KoreanStem& stem) {
  std::u32string text = stem.strStem;
  if (IsRegularRieulStem(stem)) SetLastFinal(&text, kFinalNone);
  return text + U'는';
}

std::u32string AttachFormal(const KoreanStem& stem, const std::u32string& rest) {
  std::u32string text = stem.strStem;
  int final = FinalOf(text.back());
  if (final == kFinalNone || IsRegularRieulStem(stem)) {
    SetLastFinal(&text, kFinalBieup);  // 갑니다, 삽니다, 만듭니다
    return text + rest;
  }
  return text + kSeup + rest;  // 먹습니다, 듣습니다, 빨갛습니다
}

KoreanStem HonorificOf(const KoreanStem& stem) {
  KoreanStem honorific;
  honorific.strHead = stem.strHead;
  honorific.strStem = AttachEu(stem, kFinalNone, std::u32string(1, kSi));
  honorific.bHonorific = true;
  return honorific;
}
