#include "bench/CapacityDictionaries.h"

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>
#include <sstream>

#include "base/Cp949.h"
#include "dict/Capacities.h"
#include "dict/DictionaryFiles.h"
#include "dict/RecordLayout.h"
#include "dict/Records.h"

namespace fs = std::filesystem;

namespace {

constexpr const char* kStampFile = "capacity.stamp";
constexpr const char* kVersion = "daolsae capacity dictionaries 2";

// Hangul syllable arithmetic (Unicode): 11,172 syllables from U+AC00, 28 finals each.
constexpr char32_t kSyllableBase = 0xAC00;
constexpr int kSyllableCount = 11172;
constexpr int kFinalCount = 28;
constexpr int kFinalNone = 0;
constexpr int kFinalRieul = 8;

// A small deterministic generator (splitmix64): the same sequence on every platform,
// unlike the distributions of <random>.
class Rng {
 public:
  explicit Rng(std::uint64_t seed) : m_state(seed) {}
  std::uint64_t Next() {
    std::uint64_t z = (m_state += 0x9E3779B97F4A7C15ull);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
  }
  int Below(int n) { return static_cast<int>(Next() % static_cast<std::uint64_t>(n)); }
  bool Chance(int percent) { return Below(100) < percent; }

 private:
  std::uint64_t m_state;
};

std::string Cp(const std::string& utf8) { return Utf8ToCp949(utf8); }

// Every Hangul syllable as its two code page 949 bytes, in Unicode order, and the
// subset of the 2,350 common ones (the KS X 1001 block, lead bytes 0xB0-0xC8).
struct Syllables {
  std::vector<std::string> all;
  std::vector<int> common;  // indexes into all
  std::vector<int> rare;
};

const Syllables& HangulSyllables() {
  static const Syllables table = [] {
    std::string utf8;
    for (int i = 0; i < kSyllableCount; ++i) {
      char32_t c = kSyllableBase + static_cast<char32_t>(i);
      utf8.push_back(static_cast<char>(0xE0 | (c >> 12)));
      utf8.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
      utf8.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    }
    std::string cp = Utf8ToCp949(utf8);
    Syllables s;
    for (int i = 0; i < kSyllableCount && static_cast<std::size_t>(2 * i + 1) < cp.size(); ++i) {
      s.all.push_back(cp.substr(static_cast<std::size_t>(2 * i), 2));
      auto lead = static_cast<unsigned char>(cp[static_cast<std::size_t>(2 * i)]);
      auto trail = static_cast<unsigned char>(cp[static_cast<std::size_t>(2 * i + 1)]);
      if (lead >= 0xB0 && lead <= 0xC8 && trail >= 0xA1) s.common.push_back(i);
      else s.rare.push_back(i);
    }
    return s;
  }();
  return table;
}

// A Korean particle written as a pair after a word: the form after a final consonant,
// the form after a vowel, and whether a final ㄹ takes the vowel form (으로/로).
struct ParticlePair {
  const char* consonantForm;
  const char* vowelForm;
  bool rieulTakesVowelForm;
};
constexpr ParticlePair kPairs[] = {
    {"을", "를", false},     {"은", "는", false},   {"이", "가", false},
    {"과", "와", false},     {"으로", "로", true},  {"이나", "나", false},
    {"이랑", "랑", false},   {"아", "야", false},   {"이에요", "예요", false},
    {"이었", "였", false},
};
constexpr int kPairCount = static_cast<int>(std::size(kPairs));

std::string PairText(const ParticlePair& p) {
  return std::string(p.consonantForm) + "(" + p.vowelForm + ")";
}

// Replacement form after a word whose last sound has final `final` (kFinalNone, or
// kFinalRieul, or any other).
std::string PairForm(const ParticlePair& p, int final) {
  bool vowel = final == kFinalNone || (final == kFinalRieul && p.rieulTakesVowelForm);
  return vowel ? p.vowelForm : p.consonantForm;
}

std::vector<ParticleRecord> MakeParticles(int count) {
  const Syllables& syl = HangulSyllables();
  std::vector<std::string> pairs;
  for (const auto& p : kPairs) pairs.push_back(Cp(PairText(p)));
  std::vector<ParticleRecord> records;
  auto add = [&](const std::string& word, int final) {
    for (int k = 0; k < kPairCount && static_cast<int>(records.size()) < count; ++k)
      records.push_back({word + pairs[static_cast<std::size_t>(k)],
                         word + Cp(PairForm(kPairs[k], final))});
  };
  // Digits as read in Sino-Korean: 2 4 5 9 end in a vowel, 1 7 8 in ㄹ, 0 3 6 in
  // another consonant.
  constexpr int kDigitFinal[10] = {16, 8, 0, 1, 0, 0, 1, 8, 8, 0};
  for (int d = 0; d < 10; ++d) add(std::string(1, static_cast<char>('0' + d)), kDigitFinal[d]);
  for (int i : syl.common) add(syl.all[static_cast<std::size_t>(i)], i % kFinalCount);
  for (int i : syl.rare) add(syl.all[static_cast<std::size_t>(i)], i % kFinalCount);
  std::stable_sort(records.begin(), records.end(),
                   [](const ParticleRecord& a, const ParticleRecord& b) {
                     return a.szPattern < b.szPattern;
                   });
  return records;
}

// A rendered Korean sentence of exactly 100 characters (one byte of 0x80 or above
// starts a two-byte character) with particle pairs after its words.
std::string MakeParticleSentence() {
  const char* nouns[] = {"학교", "친구", "사과", "선생님", "책", "물", "도서관", "커피",
                         "동생", "우리", "집", "버스", "영화", "음악", "할머니", "공원"};
  const char* verbs[] = {"먹었다", "갔다", "읽었다", "보았다", "마셨다", "들었다"};
  Rng rng(0x5E47E9CEull);
  std::string utf8;
  int chars = 0;
  auto append = [&](const std::string& piece) {
    for (unsigned char c : piece) chars += (c & 0xC0) != 0x80;
    utf8 += piece;
  };
  while (chars < 100) {
    append(nouns[rng.Below(static_cast<int>(std::size(nouns)))]);
    append(PairText(kPairs[rng.Below(kPairCount)]));
    append(" ");
    if (rng.Chance(30)) {
      append(verbs[rng.Below(static_cast<int>(std::size(verbs)))]);
      append(". ");
    }
  }
  // Cut to 100 characters.
  std::string cut;
  int taken = 0;
  for (std::size_t i = 0; i < utf8.size(); ++i) {
    auto c = static_cast<unsigned char>(utf8[i]);
    if ((c & 0xC0) != 0x80) {
      if (taken == 100) break;
      ++taken;
    }
    cut.push_back(utf8[i]);
  }
  return Cp(cut);
}

// ---- one direction: lexicon, rules, patterns ------------------------------------

struct Direction {
  bool bKorean;
  std::string prefix;  // distinguishes the key names of the two directions
  std::vector<std::string> keys;                      // lexicon keys, one per group
  std::vector<std::vector<LexiconRecord>> groups;     // records of each group, sorted
  std::vector<std::string> startKeys, sampleKeys, outerKeys, innerKeys;
  std::vector<std::string> freeItems;
  std::vector<std::string> sampleRules;
  CapacitySample sample;
};

const char* kKeyCategories[] = {"n", "v", "adj", "adv", "pn", "num", "cnt", "det"};
const char* kKoreanCategoryWords[] = {"명사", "동사", "형용사", "부사",
                                      "대명사", "수사", "단위", "관형사"};
const char* kEnglishCategoryWords[] = {"noun", "verb", "adjective", "adverb",
                                       "pronoun", "numeral", "counter", "determiner"};
const char* kEnglishSyllables[] = {"ba", "ke", "lo", "mi", "su", "ta", "ren", "dor", "pa", "vi",
                                   "gon", "shi", "tra", "el", "or", "un", "ma", "ne", "cas", "fi",
                                   "hu", "jo", "wen", "ya", "zel", "bri", "sto", "ly", "qua", "de"};

std::string KoreanWord(Rng& rng, int minSyllables, int maxSyllables) {
  const Syllables& syl = HangulSyllables();
  int n = minSyllables + rng.Below(maxSyllables - minSyllables + 1);
  std::string word;
  for (int i = 0; i < n; ++i)
    word += syl.all[static_cast<std::size_t>(
        syl.common[static_cast<std::size_t>(rng.Below(static_cast<int>(syl.common.size())))])];
  return word;
}

std::string EnglishWord(Rng& rng, int minSyllables, int maxSyllables) {
  int n = minSyllables + rng.Below(maxSyllables - minSyllables + 1);
  std::string word;
  for (int i = 0; i < n; ++i)
    word += kEnglishSyllables[rng.Below(static_cast<int>(std::size(kEnglishSyllables)))];
  return word;
}

std::string Number(int value, int width) {
  std::string s = std::to_string(value);
  return std::string(static_cast<std::size_t>(std::max(0, width - static_cast<int>(s.size()))),
                     '0') + s;
}

// Keys, groups and result keys; the sample composition and its rules.
Direction MakeDirection(bool bKorean, const CapacityOptions& o) {
  Direction d;
  d.bKorean = bKorean;
  d.prefix = bKorean ? "" : "e";
  Rng rng(bKorean ? 0xC0FFEEull : 0xBEEFull);
  constexpr int kCategories = static_cast<int>(std::size(kKeyCategories));
  // Phrases are unique over the whole lexicon, so that a list line's text names it.
  std::set<std::string> used;
  for (int g = 0; g < o.nGroups; ++g) {
    int cat = g % kCategories;
    std::string key = d.prefix + kKeyCategories[cat] + "_" + Number(g, 3);
    d.keys.push_back(key);
    std::string note = bKorean ? Cp(std::string(kKoreanCategoryWords[cat]) + " " + Number(g, 3))
                               : std::string(kEnglishCategoryWords[cat]) + " " + Number(g, 3);
    std::set<std::string> phrases;
    while (static_cast<int>(phrases.size()) < o.nGroupRecords) {
      std::string phrase = bKorean ? KoreanWord(rng, 2, 3) : EnglishWord(rng, 2, 3);
      if (used.insert(phrase).second) phrases.insert(phrase);
    }
    std::vector<LexiconRecord> records;
    for (const auto& phrase : phrases)  // std::set is in byte order already
      records.push_back({key, phrase, bKorean ? EnglishWord(rng, 1, 3) : KoreanWord(rng, 1, 3),
                         note});
    d.groups.push_back(std::move(records));
  }
  for (int i = 0; i < 20; ++i) d.startKeys.push_back("z" + d.prefix + "S" + Number(i, 2));
  // Result keys of the sample's later phrases. They sort before the other result keys,
  // so their first keys come early in the candidate accumulator, inside the 100 runs
  // that one list can hold.
  for (int i = 1; i < 7; ++i) d.sampleKeys.push_back("z" + d.prefix + "A" + Number(i, 2));
  for (int i = 0; i < 80; ++i) d.outerKeys.push_back("z" + d.prefix + "O" + Number(i, 3));
  for (int i = 0; i < 50; ++i) d.innerKeys.push_back("z" + d.prefix + "I" + Number(i, 2));
  for (const char* item : bKorean ? std::vector<const char*>{"-이름", "-숫자", "-장소", "-시간"}
                                  : std::vector<const char*>{"-name", "-number", "-place", "-time"})
    d.freeItems.push_back(Cp(item));

  // The sample: 7 phrases of 3,3,2,3,3,2,4 steps. Its first phrase begins with group 0
  // (offered at the start) and produces start key 0; the others produce the sample's
  // own result keys. Its lexicon keys (group 0 and groups 100..118) appear in no other
  // rule, its result keys in no other rule or pattern.
  const std::vector<int> sizes = {3, 3, 2, 3, 3, 2, 4};
  d.sample.groupSizes = sizes;
  int nextReserved = o.nStartGroups;
  std::string keyList = ",";
  std::vector<std::string> results;
  int step = 0;
  for (std::size_t g = 0; g < sizes.size(); ++g) {
    std::string pattern;
    std::string result = g == 0 ? d.startKeys[0] : d.sampleKeys[g - 1];
    for (int j = 0; j < sizes[g]; ++j, ++step) {
      int group = (g == 0 && j == 0) ? 0 : nextReserved++;
      const LexiconRecord& r =
          d.groups[static_cast<std::size_t>(group)]
                  [static_cast<std::size_t>((7 * step) % o.nGroupRecords)];
      d.sample.steps.push_back({r.strPhrase, r.strKey, r.strTranslation, r.strNote});
      pattern += (j ? "," : "") + r.strKey;
    }
    std::string templ;
    for (int j = sizes[g] - 1; j >= 0; --j) templ += "@" + std::to_string(j) + "@" + (j ? " " : "");
    d.sampleRules.push_back(pattern + ";" + templ + ";" + result + ";");
    keyList += result + ",";
    results.push_back(result);
  }
  d.sample.strKeyList = keyList;
  d.sample.strContinuationTail = d.sample.steps[static_cast<std::size_t>(20 - sizes.back())].strKey + ",";
  for (std::size_t g = 0; g + 1 < sizes.size(); ++g) d.sample.strContinuationHead += results[g] + ",";
  return d;
}

// A template with references to `items` steps, in the other language.
std::string RuleTemplate(Rng& rng, bool bKorean, int items) {
  static const char* englishGlue[] = {" ", " of ", " the ", " to ", " and "};
  static const char* koreanGlue[] = {" ", "의 ", "을(를) ", "과(와) ", "은(는) "};
  std::string t;
  int rotate = rng.Below(items);
  for (int j = 0; j < items; ++j) {
    if (j) t += bKorean ? englishGlue[rng.Below(5)] : Cp(koreanGlue[rng.Below(5)]);
    t += "@" + std::to_string((j + rotate) % items) + "@";
  }
  return t;
}

std::vector<std::string> MakeRules(const Direction& d, const CapacityOptions& o) {
  Rng rng(d.bKorean ? 0x12345ull : 0x54321ull);
  std::vector<std::string> rules = d.sampleRules;
  std::set<std::string> patterns;
  for (const auto& r : rules) patterns.insert(r.substr(0, r.find(';')));
  // Keys a random rule may use: groups 1..99 (start groups) and the groups after the
  // sample's reserved ones.
  std::vector<int> startGroups, otherGroups;
  for (int g = 1; g < o.nStartGroups; ++g) startGroups.push_back(g);
  for (int g = o.nStartGroups + 19; g < o.nGroups; ++g) otherGroups.push_back(g);
  auto anyGroup = [&]() {
    int n = static_cast<int>(startGroups.size() + otherGroups.size());
    int i = rng.Below(n);
    return i < static_cast<int>(startGroups.size())
               ? startGroups[static_cast<std::size_t>(i)]
               : otherGroups[static_cast<std::size_t>(i) - startGroups.size()];
  };
  int made = 0;
  while (static_cast<int>(rules.size()) < o.nRules) {
    std::string result;
    std::string first;
    int kind = rng.Below(100);
    if (made < static_cast<int>(startGroups.size()) || kind < 30) {
      // A start phrase: its first key is a start group; every start group is first
      // key of at least one start rule.
      result = d.startKeys[static_cast<std::size_t>(rng.Below(20))];
      int g = made < static_cast<int>(startGroups.size())
                  ? startGroups[static_cast<std::size_t>(made)]
                  : startGroups[static_cast<std::size_t>(rng.Below(static_cast<int>(startGroups.size())))];
      first = d.keys[static_cast<std::size_t>(g)];
    } else {
      result = kind < 70 ? d.outerKeys[static_cast<std::size_t>(rng.Below(80))]
                         : d.innerKeys[static_cast<std::size_t>(rng.Below(50))];
      first = d.keys[static_cast<std::size_t>(anyGroup())];
    }
    ++made;
    bool inner = result[1 + d.prefix.size()] == 'I';
    int items = rng.Chance(15) ? 1 : 2 + rng.Below(3);
    std::string pattern = first;
    for (int j = 1; j < items; ++j) {
      int what = rng.Below(100);
      std::string item;
      if (what < 20 && !inner) item = d.innerKeys[static_cast<std::size_t>(rng.Below(50))];
      else if (what < 25) item = d.freeItems[static_cast<std::size_t>(rng.Below(4))];
      else item = d.keys[static_cast<std::size_t>(anyGroup())];
      pattern += "," + item;
    }
    if (!patterns.insert(pattern).second) continue;
    std::string text = pattern + ";" + RuleTemplate(rng, d.bKorean, items) + ";" + result + ";";
    if (text.size() >= kRuleTextWidth) continue;
    rules.push_back(text);
  }
  return rules;
}

std::string PatternTemplate(Rng& rng, bool bKorean, int items) {
  static const char* koreanEnds[] = {"은(는) ", "이(가) ", "을(를) ", "과(와) ", "으로(로) ", " "};
  std::string t;
  // Korean word order is mostly subject-object-verb; the English templates move the
  // last item (the verb) to the second place.
  for (int j = 0; j < items; ++j) {
    int ref = bKorean ? (j == 0 ? 0 : j == 1 ? items - 1 : j - 1) : j;
    if (items == 1) ref = 0;
    t += "@" + std::to_string(ref) + "@";
    if (j + 1 < items) t += bKorean ? std::string(" ") : Cp(koreanEnds[rng.Below(6)]);
  }
  t += bKorean ? "." : Cp("다.");
  return t;  // at most 8 items: far below the field's 149 bytes
}

std::vector<PatternRecord> MakePatterns(const Direction& d, const CapacityOptions& o) {
  Rng rng(d.bKorean ? 0xABCDEFull : 0xFEDCBAull);
  std::set<std::string> lists;
  lists.insert(d.sample.strKeyList);
  while (static_cast<int>(lists.size()) < o.nPatterns) {
    std::string list = "," + d.startKeys[static_cast<std::size_t>(rng.Below(20))] + ",";
    int more = 1 + rng.Below(7);
    for (int j = 0; j < more; ++j) {
      int what = rng.Below(100);
      if (what < 60) list += d.outerKeys[static_cast<std::size_t>(rng.Below(80))];
      else if (what < 85) list += d.innerKeys[static_cast<std::size_t>(rng.Below(50))];
      else if (what < 95) list += d.freeItems[static_cast<std::size_t>(rng.Below(4))];
      else list += d.startKeys[static_cast<std::size_t>(rng.Below(20))];
      list += ",";
    }
    if (list.size() < kPatKeyListWidth) lists.insert(list);
  }
  std::vector<PatternRecord> records;
  records.reserve(lists.size());
  for (const auto& list : lists) {  // std::set: ascending byte order, as readers need
    int items = static_cast<int>(std::count(list.begin(), list.end(), ',')) - 1;
    records.push_back({list, PatternTemplate(rng, d.bKorean, items)});
  }
  return records;
}

template <typename Bytes>
void Append(std::ofstream& out, const Bytes& bytes) {
  out.write(reinterpret_cast<const char*>(bytes.data()),
            static_cast<std::streamsize>(bytes.size()));
}

void WriteDirection(const fs::path& dir, const Direction& d, const CapacityOptions& o) {
  {
    std::ofstream out(dir / (FilesFor(d.bKorean).szLexicon), std::ios::binary | std::ios::trunc);
    for (const auto& group : d.groups)
      for (const auto& r : group) Append(out, EncodeLexicon(r));
  }
  {
    std::ofstream out(dir / (FilesFor(d.bKorean).szRules), std::ios::binary | std::ios::trunc);
    for (const auto& text : MakeRules(d, o)) Append(out, EncodeRule({text}));
  }
  {
    std::ofstream out(dir / (FilesFor(d.bKorean).szPatterns),
                      std::ios::binary | std::ios::trunc);
    for (const auto& r : MakePatterns(d, o)) Append(out, EncodePattern(r));
  }
}

std::string StampText(const CapacityOptions& o) {
  std::ostringstream s;
  s << kVersion << ' ' << o.nParticles << ' ' << o.nRules << ' ' << o.nPatterns << ' '
    << o.nGroups << ' ' << o.nGroupRecords << ' ' << o.nStartGroups << '\n';
  return s.str();
}

}  // namespace

CapacityWorld DescribeCapacityDictionaries(const CapacityOptions& options) {
  CapacityWorld world;
  world.korean = MakeDirection(true, options).sample;
  world.english = MakeDirection(false, options).sample;
  world.strParticleSentence = MakeParticleSentence();
  return world;
}

CapacityWorld WriteCapacityDictionaries(const std::string& dirName, const CapacityOptions& options) {
  fs::path dir(dirName);
  fs::create_directories(dir);
  fs::remove(dir / kStampFile);
  CapacityWorld world;
  Direction korean = MakeDirection(true, options);
  Direction english = MakeDirection(false, options);
  WriteDirection(dir, korean, options);
  WriteDirection(dir, english, options);
  {
    std::ofstream out(dir / kTosi, std::ios::binary | std::ios::trunc);
    for (const auto& r : MakeParticles(options.nParticles)) Append(out, EncodeParticle(r));
  }
  std::ofstream(dir / kStampFile, std::ios::trunc) << StampText(options);
  world.korean = korean.sample;
  world.english = english.sample;
  world.strParticleSentence = MakeParticleSentence();
  return world;
}

CapacityWorld EnsureCapacityDictionaries(const std::string& dirName,
                                         const CapacityOptions& options) {
  std::ifstream in(fs::path(dirName) / kStampFile);
  std::string stamp((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  if (stamp == StampText(options)) return DescribeCapacityDictionaries(options);
  return WriteCapacityDictionaries(dirName, options);
}
