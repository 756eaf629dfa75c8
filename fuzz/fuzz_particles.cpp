// Fuzz target: the particle dictionary lookup (FindRange) and the correction (Correct)
// on an arbitrary tosi.dex. Sections: tosi.dex, then the control text: two 16-bit
// little-endian numbers (the lookup's lo and hi), the lookup key up to the first line
// end, and the sentence to correct after it (at most 64 bytes are used: every path of
// the correction is reached within them, and the replacements grow the text from there).
//
// When the file's patterns are in ascending byte order and the range lies inside the
// file, the three results of the lookup are compared with a plain scan of the range.
#include <memory>
#include <vector>

#include "dict/DexFile.h"
#include "dict/RecordLayout.h"
#include "dict/Records.h"
#include "fuzz/FuzzSupport.h"
#include "particles/ParticleCorrector.h"

namespace {

constexpr std::size_t kMaxSentence = 64;

struct Expected {
  int first = -1, lastExact = -1, lastPrefix = -1;
};

Expected Scan(const std::vector<std::string>& patterns, int lo, int hi, const std::string& key) {
  Expected e;
  const int chars = CParticleCorrector::CountChars(key);
  for (int x = lo; x <= hi; ++x) {
    const std::string& pattern = patterns[static_cast<std::size_t>(x)];
    if (CParticleCorrector::LeftChars(pattern, chars) != key) continue;
    if (e.first < 0) e.first = x;
    e.lastPrefix = x;
    if (pattern == key) e.lastExact = x;
  }
  return e;
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  fuzz::UseMemoryDictionaries();
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  auto sections = fuzz::SplitSections(data, size, 2);
  fuzz::WriteFile(kTosi, sections[0]);
  std::string_view control = sections[1];
  int lo = 0, hi = -1;
  if (control.size() >= 4) {
    auto byte = [&](std::size_t i) { return static_cast<unsigned char>(control[i]); };
    lo = static_cast<std::int16_t>(byte(0) | (byte(1) << 8));
    hi = static_cast<std::int16_t>(byte(2) | (byte(3) << 8));
    control.remove_prefix(4);
  }
  std::size_t end = control.find('\n');
  std::string key(control.substr(0, end));
  std::string sentence(end == std::string_view::npos ? std::string_view() : control.substr(end + 1));
  if (sentence.size() > kMaxSentence) sentence.resize(kMaxSentence);

  auto* corrector = &fuzz::Fresh<CParticleCorrector>();
  {
    CDexFile file(kTosi);
    const int count = static_cast<int>(sections[0].size() / kParticleRecordSize);
    corrector->m_fpParticles = &file;
    int first = -2, lastExact = -2, lastPrefix = -2;
    int result = corrector->FindRange(lo, hi, key, &first, &lastExact, &lastPrefix);
    corrector->m_fpParticles = nullptr;

    FUZZ_CHECK(result == first, "FindRange returns first");
    if (first < 0) {
      FUZZ_CHECK(first == -1 && lastExact == -1 && lastPrefix == -1, "nothing found: all -1");
    } else {
      FUZZ_CHECK(first < count && lastPrefix < count && lastExact < count, "results inside the file");
      FUZZ_CHECK(first <= lastPrefix, "first <= lastPrefix");
      // On an unsorted file the two bisections for the ends go their own ways, and the
      // exact end may lie past the prefix end; the scan below checks sorted files.
      FUZZ_CHECK(lastExact == -1 || first <= lastExact, "lastExact at or after first");
    }

    std::vector<std::string> patterns;
    bool sorted = true;
    for (int x = 0; x < count; ++x) {
      patterns.push_back(DecodeParticle(reinterpret_cast<const unsigned char*>(sections[0].data()) +
                                        static_cast<std::size_t>(x) * kParticleRecordSize)
                             .szPattern);
      if (x > 0 && patterns[static_cast<std::size_t>(x) - 1] > patterns.back()) sorted = false;
    }
    int hiEffective = hi == -1 ? count - 1 : hi;
    if (sorted && !key.empty() && lo >= 0 && lo <= hiEffective && hiEffective < count) {
      Expected e = Scan(patterns, lo, hiEffective, key);
      FUZZ_CHECK(first == e.first, "first as a scan finds it");
      FUZZ_CHECK(lastExact == e.lastExact, "lastExact as a scan finds it");
      FUZZ_CHECK(lastPrefix == e.lastPrefix, "lastPrefix as a scan finds it");
    }
  }

  std::string text = sentence;
  corrector->Correct(text);
  return 0;
}
