#include "particles/ParticleCorrector.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <random>
#include <string>
#include <vector>

#include "dict/DexFile.h"
#include "dict/RecordLayout.h"
#include "tests/support/DexFixture.h"

// Reaches the corrector's private overlap resolution for the table-driven cases below.
class ParticleCorrectorPeer {
 public:
  static void ResolveOverlaps(CParticleCorrector& corrector) { corrector.ResolveOverlaps(); }
  // The correction as its steps define it: every candidate of every position looked up
  // afresh in the open file, nothing remembered and no growth cut short.
  static std::string CorrectStepByStep(const std::string& sentence) {
    CDexFile file(kTosi);
    CParticleCorrector c;
    c.m_fpParticles = &file;
    std::string text = sentence;
    for (int pass = 0; pass < kMaxCorrectionPasses; ++pass) {
      c.m_nMatches = 0;
      std::vector<std::size_t> starts;
      for (std::size_t pos = 0; pos < text.size();
           pos += CParticleCorrector::LeftChars(text.substr(pos), 1).size())
        starts.push_back(pos);
      starts.push_back(text.size());
      const int n = static_cast<int>(starts.size()) - 1;
      for (int j = 1; j <= n; ++j) {
        int lo = 0, hi = -1;
        for (int k = 1; j + k - 1 <= n; ++k) {
          const std::string candidate =
              text.substr(starts[j - 1], starts[j + k - 1] - starts[j - 1]);
          int first, lastExact, lastPrefix;
          if (c.FindRange(lo, hi, candidate, &first, &lastExact, &lastPrefix) < 0) break;
          lo = first;
          hi = lastPrefix;
          if (lastExact >= 0) c.AddMatches(candidate, j, k, first, lastExact);
        }
      }
      if (c.m_nMatches == 0) break;
      if (c.m_nMatches >= 2) c.ResolveOverlaps();
      // Each entry replaces the first occurrence of its text that begins at a character,
      // found by walking the characters from the start of the text.
      for (int e = 0; e < c.m_nMatches && e < kMaxParticleMatches; ++e) {
        const ParticleMatch& match = c.m_matches[e];
        for (std::size_t pos = 0; pos < text.size();
             pos += CParticleCorrector::LeftChars(text.substr(pos), 1).size()) {
          if (text.compare(pos, match.strText.size(), match.strText) != 0) continue;
          text.replace(pos, match.strText.size(), match.strReplacement);
          break;
        }
      }
    }
    c.m_fpParticles = nullptr;
    std::string out;
    for (char ch : text) {
      if (ch == ' ' && !out.empty() && out.back() == ' ') continue;
      out += ch;
    }
    out.erase(std::remove(out.begin(), out.end(), '#'), out.end());
    return out;
  }

  // The probe's order of a key against record nIndex's pattern cut to the key's length.
  static int PrefixOrder(CParticleCorrector& corrector, int nIndex, const std::string& key) {
    return corrector.CompareWithRecord(
        nIndex, CParticleCorrector::LookupKey{key, CParticleCorrector::EndsInLoneLead(key)}, false);
  }
};

namespace {

// Writes tosi.dex sorted by pattern in byte order (records with equal patterns keep
// their order), as the dictionary compiler does.
void WriteTosi(std::vector<ParticleRecord> records) {
  std::stable_sort(records.begin(), records.end(),
                   [](const ParticleRecord& a, const ParticleRecord& b) {
                     return a.szPattern < b.szPattern;
                   });
  WriteParticles(kTosi, records);
}

std::string Corrected(const std::string& sentence) {
  CParticleCorrector corrector;
  std::string text = sentence;
  corrector.Correct(text);
  return text;
}

struct Range {
  int nReturned, nFirst, nLastExact, nLastPrefix;
};

// One lookup on tosi.dex of the current directory, the file opened just for it.
Range Lookup(int nLo, int nHi, const std::string& key) {
  CDexFile file(kTosi);
  CParticleCorrector corrector;
  corrector.m_fpParticles = &file;
  Range r{};
  r.nReturned = corrector.FindRange(nLo, nHi, key, &r.nFirst, &r.nLastExact, &r.nLastPrefix);
  return r;
}

std::string Printable(const std::string& text) { return "\"" + U(text) + "\""; }

}  // namespace

// ---------------------------------------------------------------------------------
// Character model

TEST(ParticleCorrectorChars, CountAndCut) {
  static const struct {
    std::string text;
    int nChars;             // argument of LeftChars
    int nExpectedCount;     // CountChars(text)
    std::string expectedLeft;
  } cases[] = {
      {"", 3, 0, ""},
      {"abc", 0, 3, ""},
      {"abc", 2, 3, "ab"},
      {"abc", 5, 3, "abc"},
      {K("가나다"), 5, 3, K("가나다")},  // three characters, five asked: the whole
      {K("가나다"), 2, 3, K("가나")},
      {K("가나다"), 0, 3, ""},
      {K("가a나"), 2, 3, K("가a")},
      {"a\xB0", 2, 2, "a\xB0"},          // a lone lead byte at the end is one character
      {"a\xB0", 1, 2, "a"},
      {"\xB0", 1, 1, "\xB0"},
      {"\xB0\xA1\xB0", 1, 2, "\xB0\xA1"},
      {"\x81\x41" "A", 1, 2, "\x81\x41"},  // a trail byte in the letter range stays with its lead
      {"abc", -1, 3, ""},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(CParticleCorrector::CountChars(c.text), c.nExpectedCount) << Printable(c.text);
    EXPECT_EQ(CParticleCorrector::LeftChars(c.text, c.nChars), c.expectedLeft)
        << Printable(c.text) << ", " << c.nChars;
  }
}

// ---------------------------------------------------------------------------------
// Range lookup

class FindRangeTest : public ::testing::Test {
 protected:
  ScratchDir dir;
};

TEST_F(FindRangeTest, RunsOfPrefixAndExactMatches) {
  // Fillers before and after the run of patterns beginning with A (indices 4 to 7).
  WriteParticles(kTosi, {{"0", "r"}, {"1", "r"}, {"2", "r"}, {"3", "r"}, {"AB", "r"},
                         {"AB", "r"}, {"ABC", "r"}, {"AD", "r"}, {"B", "r"}, {"C", "r"},
                         {"D", "r"}});
  static const struct {
    int nLo, nHi;
    const char* key;
    int nFirst, nLastExact, nLastPrefix;
  } cases[] = {
      {0, -1, "AB", 4, 5, 6},
      {0, -1, "A", 4, -1, 7},       // longer candidates may still match
      {0, -1, "ABC", 6, 6, 6},
      {0, -1, "AD", 7, 7, 7},
      {0, -1, "D", 10, 10, 10},     // the last record: index N is never read
      {0, -1, "0", 0, 0, 0},        // record 0
      {0, 3, "0", 0, 0, 0},
      {0, -1, "AC", -1, -1, -1},
      {0, -1, "ABCD", -1, -1, -1},
      {0, -1, "/", -1, -1, -1},     // sorts before every pattern
      {0, -1, "E", -1, -1, -1},     // sorts after every pattern
      {4, 6, "A", 4, -1, 6},        // only the range is searched
      {5, 7, "AB", 5, 5, 6},
      {6, 7, "AB", 6, -1, 6},
      {8, 10, "AB", -1, -1, -1},
      {6, 4, "AB", -1, -1, -1},     // empty range
      {0, -2, "0", -1, -1, -1},
      {0, 1000, "D", 10, 10, 10},   // an upper end past the file is cut to the last record
      {-5, -1, "0", 0, 0, 0},       // a lower end before the file starts at record 0
      {-5, 3, "A", -1, -1, -1},
  };
  for (const auto& c : cases) {
    Range r = Lookup(c.nLo, c.nHi, c.key);
    std::string label = std::string(c.key) + " in [" + std::to_string(c.nLo) + ", " +
                        std::to_string(c.nHi) + "]";
    EXPECT_EQ(r.nReturned, c.nFirst) << label;
    EXPECT_EQ(r.nFirst, c.nFirst) << label;
    EXPECT_EQ(r.nLastExact, c.nLastExact) << label;
    EXPECT_EQ(r.nLastPrefix, c.nLastPrefix) << label;
  }
}

TEST_F(FindRangeTest, KeysCountedInCharacters) {
  WriteParticles(kTosi, {{"x", "r"}, {K("가"), "r"}, {K("가나"), "r"}, {K("가을(를)"), "r"},
                         {K("각"), "r"}});
  static const struct {
    std::string key;
    int nFirst, nLastExact, nLastPrefix;
  } cases[] = {
      {"x", 0, 0, 0},
      {"y", -1, -1, -1},        // one byte against the two bytes of a syllable
      {"\xB0", -1, -1, -1},     // a lone lead byte is not the start of 가 (B0 A1)
      {K("가"), 1, 1, 3},
      {K("가나"), 2, 2, 2},
      {K("가을"), 3, -1, 3},
      {K("가을(를)"), 3, 3, 3},
      {K("각"), 4, 4, 4},
      {K("나"), -1, -1, -1},
  };
  for (const auto& c : cases) {
    Range r = Lookup(0, -1, c.key);
    EXPECT_EQ(r.nReturned, c.nFirst) << Printable(c.key);
    EXPECT_EQ(r.nFirst, c.nFirst) << Printable(c.key);
    EXPECT_EQ(r.nLastExact, c.nLastExact) << Printable(c.key);
    EXPECT_EQ(r.nLastPrefix, c.nLastPrefix) << Printable(c.key);
  }
}

TEST_F(FindRangeTest, ProbeOrdersAsTheKeyAgainstThePatternCutToItsCharacters) {
  // Every string of up to three pieces, lone lead bytes and whole syllables among them,
  // as pattern and as key: the probe compares bytes and must agree with cutting the
  // pattern to the key's character count and comparing that.
  const std::vector<std::string> pieces = {"A", "B", "\xB0", "\xB0\xA1", "\xB0\xA2", "\xA1", "\xFF"};
  std::vector<std::string> strings = {""};
  for (std::size_t from = 0, to = 1, round = 0; round < 3; ++round, from = to, to = strings.size())
    for (std::size_t s = from; s < to; ++s)
      for (const std::string& piece : pieces) strings.push_back(strings[s] + piece);
  std::vector<ParticleRecord> records;
  for (const std::string& pattern : strings) records.push_back({pattern, "r"});
  WriteParticles(kTosi, records);

  CDexFile file(kTosi);
  CParticleCorrector corrector;
  corrector.m_fpParticles = &file;
  for (const std::string& key : strings) {
    const int chars = CParticleCorrector::CountChars(key);
    for (std::size_t x = 0; x < strings.size(); ++x) {
      const int order = key.compare(CParticleCorrector::LeftChars(strings[x], chars));
      const int expected = (order > 0) - (order < 0);
      ASSERT_EQ(ParticleCorrectorPeer::PrefixOrder(corrector, static_cast<int>(x), key), expected)
          << Printable(key) << " against " << Printable(strings[x]);
    }
  }
}

TEST_F(FindRangeTest, EmptyFileFindsNothing) {
  WriteBytes(kTosi, "");
  for (const char* key : {"A", "", "0"}) {
    Range r = Lookup(0, -1, key);
    EXPECT_EQ(r.nReturned, -1) << key;
    EXPECT_EQ(r.nFirst, -1) << key;
    EXPECT_EQ(r.nLastExact, -1) << key;
    EXPECT_EQ(r.nLastPrefix, -1) << key;
  }
}

TEST_F(FindRangeTest, PartialLastRecordIsNeverRead) {
  WriteParticles(kTosi, {{"A", "r"}, {"B", "r"}});
  // A tail that would sort last and match "Z" if it were taken for a record.
  WriteBytes(kTosi, ReadBytes(kTosi) + std::string(kParticleRecordSize - 1, 'Z'));
  Range r = Lookup(0, -1, "B");
  EXPECT_EQ(r.nLastPrefix, 1);
  EXPECT_EQ(Lookup(0, -1, "Z").nReturned, -1);
  EXPECT_EQ(Lookup(0, 5, "Z").nReturned, -1);
}

TEST_F(FindRangeTest, PatternWithoutTerminatorIsReadWithinItsField) {
  WriteParticles(kTosi, {{"A", "r"}});
  std::string record(kParticleRecordSize, '\0');
  std::fill_n(record.begin() + kPartPatternOffset, kPartPatternWidth, 'B');  // no NUL
  record.replace(kPartReplacementOffset, 1, "s");
  WriteBytes(kTosi, ReadBytes(kTosi) + record);
  std::string whole(kPartPatternWidth, 'B');
  Range r = Lookup(0, -1, whole);
  EXPECT_EQ(r.nLastExact, 1);
  EXPECT_EQ(Lookup(0, -1, whole + "s").nReturned, -1);  // the replacement is not part of it
}

TEST_F(FindRangeTest, OnAnUnsortedFileTheEndsGoTheirOwnWaysButStayInsideTheFile) {
  // Not sorted: the bisection for the last exact record and the one for the last prefix
  // start from different places and meet different records, so the exact end (7, whose
  // pattern is not even "A") lies past the prefix end (4). The lookup is defined this
  // way; what it must not do is leave the file, and a correction goes on.
  WriteParticles(kTosi, {{"", "r"}, {"A", "r"}, {"", "r"}, {"A", "r"}, {"", "r"}, {"B", "r"},
                         {"", "r"}, {"", "r"}});
  Range r = Lookup(0, -1, "A");
  EXPECT_EQ(r.nFirst, 1);
  EXPECT_EQ(r.nLastExact, 7);
  EXPECT_EQ(r.nLastPrefix, 4);
  EXPECT_EQ(Corrected("x A y"), "x r y");
}

TEST(ParticleCorrectorFindRange, WithoutAnOpenFileFindsNothing) {
  CParticleCorrector corrector;
  int first = 7, lastExact = 7, lastPrefix = 7;
  EXPECT_EQ(corrector.FindRange(0, -1, "A", &first, &lastExact, &lastPrefix), -1);
  EXPECT_EQ(first, -1);
  EXPECT_EQ(lastExact, -1);
  EXPECT_EQ(lastPrefix, -1);
}

// ---------------------------------------------------------------------------------
// Overlap resolution

TEST(ParticleCorrectorOverlaps, LongerWinsJudgedAgainstTheFirstUndecided) {
  struct Span {
    int nStart, nEnd;
  };
  static const struct {
    const char* name;
    std::vector<Span> spans;
    std::vector<int> kept;  // indices into spans, in the order they must remain
  } cases[] = {
      {"longer later wins", {{1, 2}, {2, 4}}, {1}},
      {"longer first wins", {{1, 3}, {3, 4}}, {0}},
      {"equal lengths all kept", {{1, 2}, {2, 3}, {3, 4}}, {0, 1, 2}},
      {"same span twice", {{1, 2}, {1, 2}, {4, 5}, {4, 5}}, {0, 1, 2, 3}},
      {"apart", {{1, 1}, {3, 4}, {6, 6}}, {0, 1, 2}},
      {"dropped stays dropped", {{1, 3}, {2, 2}, {3, 6}}, {2}},
      {"group dropped together", {{1, 2}, {2, 3}, {2, 4}}, {2}},
      // [2,3] overlaps the longer [3,5], but only its group's first entry is judged.
      {"member not judged", {{1, 2}, {2, 3}, {3, 5}}, {0, 1, 2}},
      {"later entries wait for their cycle", {{1, 2}, {2, 4}, {3, 3}, {5, 6}}, {1, 3}},
  };
  for (const auto& c : cases) {
    CParticleCorrector corrector;
    for (std::size_t e = 0; e < c.spans.size(); ++e) {
      corrector.m_matches[e].strText = "e" + std::to_string(e);
      corrector.m_matches[e].nStart = c.spans[e].nStart;
      corrector.m_matches[e].nEnd = c.spans[e].nEnd;
      corrector.m_matches[e].strReplacement = "r" + std::to_string(e);
    }
    corrector.m_nMatches = static_cast<int>(c.spans.size());
    ParticleCorrectorPeer::ResolveOverlaps(corrector);
    ASSERT_EQ(corrector.m_nMatches, static_cast<int>(c.kept.size())) << c.name;
    for (std::size_t k = 0; k < c.kept.size(); ++k) {
      const ParticleMatch& match = corrector.m_matches[k];
      EXPECT_EQ(match.strText, "e" + std::to_string(c.kept[k])) << c.name;
      EXPECT_EQ(match.strReplacement, "r" + std::to_string(c.kept[k])) << c.name;
      EXPECT_EQ(match.nStart, c.spans[c.kept[k]].nStart) << c.name;
      EXPECT_EQ(match.nEnd, c.spans[c.kept[k]].nEnd) << c.name;
    }
  }
}

// ---------------------------------------------------------------------------------
// Correction

TEST(ParticleCorrectorCorrect, SubstitutionsAndCleanUp) {
  static const struct {
    const char* name;
    std::vector<ParticleRecord> records;
    std::string sentence;
    std::string expected;
  } cases[] = {
      {"empty dictionary", {}, " a  b#c  ", " a bc "},
      {"no match", {{"Q", "q"}}, "a  b#c", "a bc"},
      {"marker between spaces leaves two", {{"Q", "q"}}, "x # y", "x  y"},
      {"leading spaces become one", {}, "   a", " a"},
      {"empty sentence", {{"A", "b"}}, "", ""},
      {"longer later wins", {{"AB", "x"}, {"BCD", "y"}}, "ABCD", "Ay"},
      {"longer first wins", {{"ABC", "x"}, {"CD", "y"}}, "ABCD", "xD"},
      {"equal lengths, second gone", {{"AB", "x"}, {"BC", "y"}}, "ABC", "xC"},
      {"equal lengths, second still there", {{"AB", "B"}, {"BC", "y"}}, "ABC", "y"},
      {"same pattern twice", {{"AB", "1"}, {"AB", "2"}}, "AB AB", "1 2"},
      {"first replacement keeps the text", {{"AB", "AB1"}, {"AB", "2"}}, "AB", "21"},
      {"own pattern in the replacement: five passes", {{"ab", "aab"}}, "ab", "aaaaaab"},
      {"pattern with a marker", {{"a#", "b"}}, "a# a", "b a"},
      {"empty replacement", {{"#X", ""}}, "a #X b", "a b"},
      // 0x81 0x41 is one character whose second byte is "A": the match starts after it.
      {"never inside a two-byte character", {{"A", "z"}}, "\x81\x41" "A", "\x81\x41z"},
  };
  for (const auto& c : cases) {
    ScratchDir dir;
    WriteTosi(c.records);
    EXPECT_EQ(Corrected(c.sentence), c.expected) << c.name;
  }
}

TEST(ParticleCorrectorCorrect, KoreanParticlesFollowTheSyllableBefore) {
  ScratchDir dir;
  // A few syllables of each class, as the compiler expands them from the class tokens.
  std::vector<ParticleRecord> records;
  for (const char* v : {"가", "과", "사", "나"}) {
    std::string s = v;
    records.push_back({K(s + "을(를)"), K(s + "를")});
    records.push_back({K(s + "은(는)"), K(s + "는")});
    records.push_back({K(s + "으로(로)"), K(s + "로")});
  }
  for (const char* c : {"책", "밥"}) {
    std::string s = c;
    records.push_back({K(s + "을(를)"), K(s + "을")});
    records.push_back({K(s + "은(는)"), K(s + "은")});
    records.push_back({K(s + "으로(로)"), K(s + "으로")});
  }
  for (const char* l : {"물", "길"}) {
    std::string s = l;
    records.push_back({K(s + "을(를)"), K(s + "을")});
    records.push_back({K(s + "은(는)"), K(s + "은")});
    records.push_back({K(s + "으로(로)"), K(s + "로")});
  }
  WriteTosi(records);
  static const struct {
    const char* sentence;
    const char* expected;
  } cases[] = {
      {"사과을(를)", "사과를"},
      {"책을(를)", "책을"},
      {"나은(는) 책을(를) 읽어요", "나는 책을 읽어요"},
      {"물으로(로)  가요", "물로 가요"},
      {"길으로(로) 밥을(를)#", "길로 밥을"},
      {"사과", "사과"},
  };
  for (const auto& c : cases) EXPECT_EQ(U(Corrected(K(c.sentence))), c.expected) << c.sentence;
}

TEST(ParticleCorrectorCorrect, FullTableKeepsTheLastMatchInItsLastEntry) {
  ScratchDir dir;
  // 101 matches in the first pass: the A at 100 is lost to the B at 101, so the second
  // pass meets "Ab" and the longer pattern wins there.
  WriteTosi({{"A", "a"}, {"B", "b"}, {"Ab", "Q"}});
  EXPECT_EQ(Corrected(std::string(100, 'A') + "B"), std::string(99, 'a') + "Q");
}

TEST(ParticleCorrectorCorrect, AFullTableSearchedFromTheEndRepeatsNoWalkThatMetTheTextsEnd) {
  // The 100 "a" fill the table, so the rest of the pass is searched from the end. The
  // last "b..." is followed by a lone lead byte, a character of its own; the earlier one
  // by the same byte with its trail byte, another character, which completes a pattern.
  // The walk at the end may not stand for the start of a walk made after it, whether
  // that walk is deep or short.
  static const struct {
    const char* name;
    std::vector<ParticleRecord> records;
    std::string tail, correctedTail;
  } cases[] = {
      {"deep walk",
       {{"a", "a"}, {"bbbbc", "1"}, {"bbbbd", "2"}, {"bbbb\xB0\xA1", "X"}},
       " bbbb\xB0\xA1 bbbb\xB0",
       " X bbbb\xB0"},
      {"shared start",
       {{"a", "a"}, {"bc", "1"}, {"bd", "2"}, {"b\xB0\xA1", "X"}},
       " b\xB0\xA1" "b\xB0",
       " X" "b\xB0"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    ScratchDir dir;
    WriteTosi(c.records);
    const std::string sentence = std::string(100, 'a') + c.tail;
    EXPECT_EQ(Printable(Corrected(sentence)), Printable(std::string(100, 'a') + c.correctedTail));
    EXPECT_EQ(Printable(Corrected(sentence)),
              Printable(ParticleCorrectorPeer::CorrectStepByStep(sentence)));
  }
}

TEST(ParticleCorrectorCorrect, ManyRecordsOfOnePatternStayWithinTheTable) {
  ScratchDir dir;
  // 150 records with the pattern "A"; each replacement puts the "A" back first, so each
  // entry applied pushes its tag after it.
  std::vector<ParticleRecord> records;
  auto tag = [](int x) {
    char buffer[8];
    std::snprintf(buffer, sizeof buffer, "<%03d>", x);
    return std::string(buffer);
  };
  for (int x = 0; x < 150; ++x) records.push_back({"A", "A" + tag(x)});
  WriteTosi(records);
  // A pass keeps records 0 to 98 and, in its last entry, record 149.
  std::string block = tag(149);
  for (int x = 98; x >= 0; --x) block += tag(x);
  std::string expected = "A";
  for (int pass = 0; pass < 5; ++pass) expected += block;
  EXPECT_EQ(Corrected("A"), expected);
}

TEST(ParticleCorrectorCorrect, RunsOfOneCharacterFindWhatEachOfTheirPositionsWouldFind) {
  // A position in a run that found nothing stands for the positions after it (or, in a
  // full table's search from the end, before it) whose text agrees over the bytes its
  // walk depended on. The cases sit where that agreement ends: at the run's end, at a
  // pattern that ends on a lead byte (a character only at the text's end), and where
  // the run begins after another character.
  static const struct {
    const char* name;
    std::vector<ParticleRecord> records;
    std::string sentence;
  } cases[] = {
      {"pattern completed by the run's last characters", {{"aaab", "X"}, {"aaac", "Y"}},
       std::string(40, 'a') + "b"},
      {"pattern ending on a lead byte, whole only at the text's end",
       {{"\xB0\xB0\xB0", "X"}}, std::string(9, '\xB0')},
      {"the same with a byte after it", {{"\xB0\xB0\xB0", "X"}}, std::string(10, '\xB0')},
      {"full table, the last match just before the run",
       {{"z", "z"}, {"caa", "X"}, {"aaaaq", "Y"}},
       std::string(100, 'z') + "c" + std::string(30, 'a') + "d"},
      {"full table, the last match at the run's start", {{"z", "z"}, {"aaaq", "Y"}, {"a", "A"}},
       std::string(99, 'z') + "c" + std::string(30, 'a')},
      {"full table, the run's first byte the second of the character before it",
       {{"z", "z"}, {"\xB0" "a", "X"}, {"aaq", "Y"}},
       std::string(100, 'z') + "\xB0" + std::string(20, 'a') + "d"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    ScratchDir dir;
    WriteTosi(c.records);
    EXPECT_EQ(Printable(Corrected(c.sentence)),
              Printable(ParticleCorrectorPeer::CorrectStepByStep(c.sentence)));
  }

  // And at random: runs of a few pieces (a lead byte among them, which pairs with
  // whatever follows it), patterns that are runs with another piece after them, and
  // half the time a hundred matches first so that the pass is finished from the end.
  ScratchDir dir;
  const std::vector<std::string> pieces = {"a", "b", "\xB0", "\xB0\xA1"};
  std::mt19937 random(61211);
  for (int round = 0; round < 1500; ++round) {
    auto run = [&](int most) {
      return [&](const std::string& piece, int count) {
        std::string text;
        for (; count > 0; --count) text += piece;
        return text;
      }(pieces[random() % pieces.size()], 1 + static_cast<int>(random() % static_cast<unsigned>(most)));
    };
    std::vector<ParticleRecord> records = {{"z", "z"}};
    for (int r = 1 + static_cast<int>(random() % 4); r > 0; --r)
      records.push_back({run(6) + (random() % 2 ? run(2) : ""), random() % 2 ? run(3) : ""});
    WriteTosi(records);
    std::string sentence = round % 2 ? std::string(90 + random() % 20, 'z') : "";
    for (int r = 1 + static_cast<int>(random() % 4); r > 0; --r) sentence += run(40);
    ASSERT_EQ(Printable(Corrected(sentence)),
              Printable(ParticleCorrectorPeer::CorrectStepByStep(sentence)))
        << "round " << round << ", sentence " << Printable(sentence);
  }
}

TEST(ParticleCorrectorCorrect, EndsAsLookingUpEveryCandidateAfreshWould) {
  // Random small files, sorted and not, and sentences of the same few pieces (spaces,
  // markers, syllables and lone lead bytes among them): the correction remembers its
  // lookups, stops a growth once one record is left, resumes the search for a text
  // where the last replacement may have made a new occurrence of it, and takes over the
  // start a position shares with the walks before it, and must end exactly where the
  // plain step-by-step correction ends. Every other round uses
  // two letters only, so that replacements often complete a pattern across their start.
  ScratchDir dir;
  const std::vector<std::string> allPieces = {"a", "b", " ", "#", "\xB0\xA1", "\xB0", "\xA1"};
  const std::vector<std::string> twoLetters = {"a", "b"};
  std::mt19937 random(20261211);
  for (int round = 0; round < 6000; ++round) {
    const std::vector<std::string>& pieces = round % 4 < 2 ? allPieces : twoLetters;
    auto pick = [&](int most) {
      std::string text;
      for (int count = static_cast<int>(random() % static_cast<unsigned>(most + 1)); count > 0;
           --count)
        text += pieces[random() % pieces.size()];
      return text;
    };
    // Two-letter rounds have longer patterns, so that walks run deeper than a few
    // characters and repeat along the text.
    const bool deep = &pieces == &twoLetters;
    std::vector<ParticleRecord> records(1 + random() % 12);
    for (ParticleRecord& record : records) record = {pick(deep ? 9 : 4), pick(deep ? 4 : 3)};
    if (round % 2 == 0) {
      WriteTosi(records);
    } else {
      WriteParticles(kTosi, records);
    }
    const std::string sentence = pick(deep ? 24 : 14);
    ASSERT_EQ(Printable(Corrected(sentence)),
              Printable(ParticleCorrectorPeer::CorrectStepByStep(sentence)))
        << "round " << round << ", sentence " << Printable(sentence);
  }
}

TEST(ParticleCorrectorCorrect, FileIsOpenOnlyDuringACorrection) {
  ScratchDir dir;
  WriteTosi({{"A", "b"}});
  CParticleCorrector corrector;
  std::string text = "A";
  corrector.Correct(text);
  EXPECT_EQ(text, "b");
  EXPECT_EQ(corrector.m_fpParticles, nullptr);
}

TEST(ParticleCorrectorDeathTest, MissingFileEndsTheProgramEvenForAnEmptySentence) {
  ScratchDir dir;
  CParticleCorrector corrector;
  std::string text;
  EXPECT_EXIT(corrector.Correct(text), ::testing::ExitedWithCode(1), "");
}

TEST(ParticleCorrectorDeathTest, FileRemovedBetweenCorrectionsEndsTheProgram) {
  ScratchDir dir;
  WriteTosi({{"A", "b"}});
  CParticleCorrector corrector;
  std::string text = "A";
  corrector.Correct(text);
  ASSERT_EQ(text, "b");
  RemoveFile(kTosi);
  text = "A";
  EXPECT_EXIT(corrector.Correct(text), ::testing::ExitedWithCode(1), "");
}
