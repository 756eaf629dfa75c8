#include "tools/lint/LintText.h"

#include <cstddef>
#include <string_view>

namespace {

// Hangul syllables: U+AC00 .. U+D7A3, 28 possible finals (jongseong) per vowel.
constexpr char32_t kSyllableBase = 0xAC00;
constexpr char32_t kSyllableLast = 0xD7A3;
constexpr int kFinalCount = 28;
constexpr int kFinalNone = 0;
constexpr int kFinalRieul = 8;

// The finals by index, for messages.
const char* const kFinalNames[kFinalCount] = {"",   "ㄱ", "ㄲ", "ㄳ", "ㄴ", "ㄵ", "ㄶ", "ㄷ", "ㄹ", "ㄺ",
                                              "ㄻ", "ㄼ", "ㄽ", "ㄾ", "ㄿ", "ㅀ", "ㅁ", "ㅂ", "ㅄ", "ㅅ",
                                              "ㅆ", "ㅇ", "ㅈ", "ㅊ", "ㅋ", "ㅌ", "ㅍ", "ㅎ"};

// Digits as read in Sino-Korean, with the final of that reading.
struct DigitReading {
  const char* szReading;
  int nFinal;
};
const DigitReading kDigits[10] = {{"영", 21}, {"일", 8}, {"이", 0}, {"삼", 16}, {"사", 0},
                                  {"오", 0},  {"육", 1}, {"칠", 8}, {"팔", 8},  {"구", 0}};

// The particle pairs whose form depends on the syllable before. szVowel follows a
// syllable without a final consonant, szConsonant one with a final; bRieulTakesVowel
// for 으로/로, where a final ㄹ takes the vowel form. bMayContinue: the form is the
// start of an ending and more of the word may follow (이었다). The strong flags mark
// forms that are hardly ever the last syllable of another word.
struct ParticlePair {
  std::u32string strVowel;
  std::u32string strConsonant;
  bool bRieulTakesVowel;
  bool bMayContinue;
  bool bVowelStrong;
  bool bConsonantStrong;
};
const ParticlePair kParticles[] = {
    {U"를", U"을", false, false, true, false},      {U"는", U"은", false, false, false, false},
    {U"가", U"이", false, false, false, false},     {U"와", U"과", false, false, false, false},
    {U"로", U"으로", true, false, false, true},     {U"나", U"이나", false, false, false, false},
    {U"랑", U"이랑", false, false, false, false},   {U"야", U"아", false, false, false, false},
    {U"예요", U"이에요", false, false, true, true}, {U"였", U"이었", false, true, true, true},
};

// Pairs as the dictionaries write them before correction, "X(Y)" with X and Y two forms
// of one particle (either order). Wider than the table above: any of these left in a
// finished text means the correction missed it.
const std::pair<const char32_t*, const char32_t*> kWrittenPairs[] = {
    {U"을", U"를"},       {U"은", U"는"},       {U"이", U"가"},       {U"과", U"와"},       {U"으로", U"로"},
    {U"이나", U"나"},     {U"이랑", U"랑"},     {U"아", U"야"},       {U"이에요", U"예요"}, {U"이었", U"였"},
    {U"이여", U"여"},     {U"이라", U"라"},     {U"이라고", U"라고"}, {U"이며", U"며"},     {U"이다", U"다"},
    {U"이야", U"야"},     {U"으로서", U"로서"}, {U"으로써", U"로써"}, {U"이고", U"고"},     {U"이면", U"면"},
    {U"이든", U"든"},     {U"이든지", U"든지"}, {U"이라도", U"라도"}, {U"이지만", U"지만"}, {U"이라서", U"라서"},
    {U"이니까", U"니까"}, {U"이었다", U"였다"}, {U"이어서", U"여서"},
};

std::u32string Decode(const std::string& utf8) {
  std::u32string out;
  std::size_t i = 0;
  while (i < utf8.size()) {
    unsigned char b = static_cast<unsigned char>(utf8[i]);
    int extra = b < 0x80 ? 0 : (b >> 5) == 0x6 ? 1 : (b >> 4) == 0xE ? 2 : (b >> 3) == 0x1E ? 3 : -1;
    if (extra < 0 || i + static_cast<std::size_t>(extra) >= utf8.size() + (extra == 0 ? 1 : 0)) {
      out += U'\uFFFD';
      ++i;
      continue;
    }
    char32_t c = extra == 0 ? b : extra == 1 ? (b & 0x1F) : extra == 2 ? (b & 0x0F) : (b & 0x07);
    bool ok = true;
    for (int k = 1; k <= extra; ++k) {
      unsigned char t = static_cast<unsigned char>(utf8[i + k]);
      if ((t & 0xC0) != 0x80) ok = false;
      c = (c << 6) | (t & 0x3F);
    }
    if (!ok) {
      out += U'\uFFFD';
      ++i;
      continue;
    }
    out += c;
    i += static_cast<std::size_t>(extra) + 1;
  }
  return out;
}

std::string Encode(const std::u32string& text) {
  std::string out;
  for (char32_t c : text) {
    if (c < 0x80) {
      out += static_cast<char>(c);
    } else if (c < 0x800) {
      out += static_cast<char>(0xC0 | (c >> 6));
      out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
      out += static_cast<char>(0xE0 | (c >> 12));
      out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
      out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
      out += static_cast<char>(0xF0 | (c >> 18));
      out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
      out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
      out += static_cast<char>(0x80 | (c & 0x3F));
    }
  }
  return out;
}

std::string Quote(const std::u32string& text) { return "\"" + Encode(text) + "\""; }

bool IsSyllable(char32_t c) { return c >= kSyllableBase && c <= kSyllableLast; }
bool IsDigit(char32_t c) { return c >= U'0' && c <= U'9'; }
int FinalOf(char32_t syllable) { return static_cast<int>((syllable - kSyllableBase) % kFinalCount); }

// Letters, digits and every character that is not punctuation belong to words.
bool IsWordChar(char32_t c) {
  if (c < 0x80) return (c >= U'a' && c <= U'z') || (c >= U'A' && c <= U'Z') || IsDigit(c);
  if (c == 0xA0 || c == 0xB7) return false;      // no-break space, middle dot
  if (c >= 0x2000 && c <= 0x206F) return false;  // general punctuation
  if (c >= 0x3000 && c <= 0x303F) return false;  // CJK symbols and punctuation
  if (c >= 0xFF01 && c <= 0xFF0F) return false;  // full-width punctuation
  if ((c >= 0xFF1A && c <= 0xFF20) || c == 0xFFFD) return false;
  return true;
}

std::vector<std::u32string> SplitWords(const std::u32string& text) {
  std::vector<std::u32string> words;
  std::u32string word;
  for (char32_t c : text) {
    if (IsWordChar(c)) {
      word += c;
    } else if (!word.empty()) {
      words.push_back(word);
      word.clear();
    }
  }
  if (!word.empty()) words.push_back(word);
  return words;
}

bool EndsWith(const std::u32string& text, std::size_t end, const std::u32string& tail) {
  return end >= tail.size() && text.compare(end - tail.size(), tail.size(), tail) == 0;
}

bool AllDigits(const std::u32string& text) {
  if (text.empty()) return false;
  for (char32_t c : text)
    if (!IsDigit(c)) return false;
  return true;
}

// A written particle pair such as 을(를): where it starts and ends in the text.
struct WrittenPair {
  std::size_t nStart = 0;
  std::size_t nEnd = 0;  // one past the ")"
  std::u32string strText;
};

// The written pair whose "(" stands at `open`; empty text when the parenthesis does not
// hold the other form of a particle written right before it.
WrittenPair PairAt(const std::u32string& text, std::size_t open) {
  std::size_t close = text.find(U')', open + 1);
  if (close == std::u32string::npos) return {};
  std::u32string inside = text.substr(open + 1, close - open - 1);
  for (const auto& [a, b] : kWrittenPairs) {
    for (int order = 0; order < 2; ++order) {
      std::u32string before = order == 0 ? a : b;
      std::u32string after = order == 0 ? b : a;
      if (inside == after && EndsWith(text, open, before))
        return {open - before.size(), close + 1, before + U"(" + after + U")"};
    }
  }
  return {};
}

// The text without its written particle pairs (for known words).
std::u32string WithoutPairs(std::u32string text) {
  std::size_t open = text.find(U'(');
  while (open != std::u32string::npos) {
    WrittenPair pair = PairAt(text, open);
    if (pair.strText.empty()) {
      open = text.find(U'(', open + 1);
      continue;
    }
    text.erase(pair.nStart, pair.nEnd - pair.nStart);
    open = text.find(U'(', pair.nStart);
  }
  return text;
}

// How the text before a particle ends: the final of its last syllable or digit, or -1
// when it ends in something else; *reading is the digit's reading for messages.
int StemFinal(const std::u32string& stem, std::string* reading) {
  char32_t last = stem.back();
  if (IsSyllable(last)) return FinalOf(last);
  if (AllDigits(stem)) {
    const DigitReading& d = kDigits[last - U'0'];
    *reading = d.szReading;
    return d.nFinal;
  }
  return -1;
}

struct Split {
  std::u32string strStem;
  const ParticlePair* pPair;
  bool bVowelForm;  // the form found is the vowel form
  bool bStrong;
  bool bRight;
  int nFinal;
  std::string strReading;
};

std::string Describe(const std::u32string& word, const Split& s) {
  const std::u32string& found = s.bVowelForm ? s.pPair->strVowel : s.pPair->strConsonant;
  const std::u32string& right = s.bVowelForm ? s.pPair->strConsonant : s.pPair->strVowel;
  std::string what = s.nFinal == kFinalNone ? "no final consonant" : std::string("final ") + kFinalNames[s.nFinal];
  if (!s.strReading.empty()) what = "read " + s.strReading + ", " + what;
  return "particle " + Quote(found) + " does not fit " + Quote(s.strStem) + " (" + what + ") in " + Quote(word) +
         ": it should be " + Quote(right);
}

}  // namespace

std::vector<std::string> FindLeftovers(const std::string& utf8) {
  std::vector<std::string> found;
  const std::u32string text = Decode(utf8);
  static const struct {
    std::u32string strText;
    const char* szWhat;
  } kMarks[] = {
      {U"@", "a leftover \"@\" (template reference)"},
      {U"#", "a leftover \"#\" (correction marker)"},
      {U"~", "a leftover \"~\" (attach mark)"},
      {U"  ", "two spaces in a row"},
  };
  for (const auto& mark : kMarks)
    if (text.find(mark.strText) != std::u32string::npos) found.push_back(mark.szWhat);
  // A blank before a punctuation mark: a phrase written to attach ("~, please.") that a
  // phrase rule merged on its own, which drops the mark, so the sentence shows
  // "coffees , please.".
  for (std::size_t at = text.find(U' '); at != std::u32string::npos; at = text.find(U' ', at + 1)) {
    if (at + 1 < text.size() && std::u32string_view(U",.?!").find(text[at + 1]) != std::u32string_view::npos) {
      found.push_back("a blank before a punctuation mark (an attach mark lost)");
      break;
    }
  }
  std::set<std::u32string> pairs;
  for (std::size_t open = text.find(U'('); open != std::u32string::npos; open = text.find(U'(', open + 1)) {
    WrittenPair pair = PairAt(text, open);
    if (!pair.strText.empty() && pairs.insert(pair.strText).second)
      found.push_back("an unresolved particle pair " + Quote(pair.strText));
  }
  return found;
}

void CParticleCheck::AddKnownText(const std::string& utf8) {
  std::u32string text = Decode(utf8);
  std::size_t bracket = text.find(U'[');
  if (bracket != std::u32string::npos) text.erase(bracket);
  std::u32string kept;
  bool inReference = false;  // between the two "@" of a template reference
  for (char32_t c : text) {
    if (c == U'@') {
      inReference = !inReference;
      kept += U' ';
      continue;
    }
    if (inReference || c == U'#') continue;
    kept += c == U'~' ? U' ' : c;
  }
  for (const std::u32string& word : SplitWords(WithoutPairs(kept)))
    if (!AllDigits(word)) m_known.insert(Encode(word));
}

std::vector<std::string> CParticleCheck::Check(const std::string& utf8, int* checked) const {
  // An unresolved pair is a leftover (FindLeftovers), not a wrong particle: it is cut out.
  std::u32string text = Decode(utf8);
  for (std::size_t open = text.find(U'('); open != std::u32string::npos; open = text.find(U'(', open + 1)) {
    WrittenPair pair = PairAt(text, open);
    if (pair.strText.empty()) continue;
    std::u32string cut = text.substr(0, pair.nStart);
    cut += U' ';
    cut.append(text, pair.nEnd, std::u32string::npos);
    text.swap(cut);
    open = pair.nStart;
  }
  std::vector<std::string> problems;
  for (const std::u32string& word : SplitWords(text)) {
    std::vector<Split> splits;
    auto consider = [&](std::size_t stemLength, const ParticlePair& pair, bool vowelForm) {
      if (stemLength == 0) return;
      Split s{word.substr(0, stemLength),
              &pair,
              vowelForm,
              vowelForm ? pair.bVowelStrong : pair.bConsonantStrong,
              false,
              0,
              {}};
      if (!AllDigits(s.strStem) && !m_known.count(Encode(s.strStem))) return;
      s.nFinal = StemFinal(s.strStem, &s.strReading);
      if (s.nFinal < 0) return;
      bool vowelRight = s.nFinal == kFinalNone || (s.nFinal == kFinalRieul && pair.bRieulTakesVowel);
      s.bRight = vowelRight == vowelForm;
      splits.push_back(s);
    };
    for (const ParticlePair& pair : kParticles) {
      for (bool vowelForm : {true, false}) {
        const std::u32string& form = vowelForm ? pair.strVowel : pair.strConsonant;
        if (pair.bMayContinue) {
          for (std::size_t at = word.find(form, 1); at != std::u32string::npos; at = word.find(form, at + 1))
            consider(at, pair, vowelForm);
        } else if (word.size() > form.size() && EndsWith(word, word.size(), form)) {
          consider(word.size() - form.size(), pair, vowelForm);
        }
      }
    }
    const bool known = m_known.count(Encode(word)) > 0;
    const Split* wrong = nullptr;
    bool right = false;
    for (const Split& s : splits) {
      if (s.bRight)
        right = true;
      else if (!wrong && (s.bStrong || !known))
        wrong = &s;
    }
    if (checked && (right || wrong)) ++*checked;
    if (wrong && !right) problems.push_back(Describe(word, *wrong));
  }
  return problems;
}
