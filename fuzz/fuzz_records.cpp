// Fuzz target: the record layer every reader stands on. The input is one file, read
// through CDexFile as records of all four kinds and decoded field by field; its first
// bytes also steer seeks and reads at arbitrary offsets, and a pass reads it again in
// order. The same bytes, cut at line ends, are fed to the comma-list utilities (in
// fuzz_records only).
// Built twice: fuzz_records reads the input as an in-memory dictionary, which keeps an
// execution short; fuzz_records_files (FUZZ_REAL_FILES) writes it as a real file into a
// scratch directory and reads it through the mapping and read-ahead blocks, as the
// program does: the one target that goes through the file system.
#include <algorithm>
#include <cstring>
#include <vector>

#include "dict/DexFile.h"
#include "dict/DictionaryFiles.h"
#include "dict/Fields.h"
#include "dict/RecordLayout.h"
#include "dict/Records.h"
#include "engine/CommaList.h"
#include "fuzz/FuzzSupport.h"

namespace {

constexpr long kMaxRecordsPerKind = 16;
constexpr const char* kFile = "records.dex";

bool Fits(const std::string& text, std::size_t width) {
  return text.size() < width && text.find('\0') == std::string::npos;
}

// Every record of every kind (up to a limit): decoding stays within the field widths,
// and a record whose texts fit survives encoding and decoding unchanged.
void CheckRecords(CDexFile& file) {
  long length = FileLength(file);
  FUZZ_CHECK(length == file.Size(), "FileLength is the file's size");
  std::vector<unsigned char> buffer(kPatternRecordSize);

  for (long r = 0; r < length / static_cast<long>(kLexiconRecordSize) && r < kMaxRecordsPerKind; ++r) {
    file.ReadRecord(r, kLexiconRecordSize, buffer.data());
    LexiconRecord a = DecodeLexicon(buffer.data());
    FUZZ_CHECK(a.strKey.size() <= kLexKeyWidth && a.strPhrase.size() <= kLexPhraseWidth &&
                   a.strTranslation.size() <= kLexTranslationWidth &&
                   a.strNote.size() <= kLexNoteWidth,
               "lexicon fields within their widths");
    if (Fits(a.strKey, kLexKeyWidth) && Fits(a.strPhrase, kLexPhraseWidth) &&
        Fits(a.strTranslation, kLexTranslationWidth) && Fits(a.strNote, kLexNoteWidth)) {
      LexiconRecord b = DecodeLexicon(EncodeLexicon(a).data());
      FUZZ_CHECK(a.strKey == b.strKey && a.strPhrase == b.strPhrase &&
                     a.strTranslation == b.strTranslation && a.strNote == b.strNote,
                 "lexicon record round trip");
    }
  }
  for (long r = 0; r < length / static_cast<long>(kRuleRecordSize) && r < kMaxRecordsPerKind; ++r) {
    file.ReadRecord(r, kRuleRecordSize, buffer.data());
    RuleRecord a = DecodeRule(buffer.data());
    FUZZ_CHECK(a.strText.size() <= kRuleTextWidth, "rule text within its width");
    if (Fits(a.strText, kRuleTextWidth))
      FUZZ_CHECK(DecodeRule(EncodeRule(a).data()).strText == a.strText, "rule round trip");
  }
  for (long r = 0; r < length / static_cast<long>(kPatternRecordSize) && r < kMaxRecordsPerKind; ++r) {
    file.ReadRecord(r, kPatternRecordSize, buffer.data());
    PatternRecord a = DecodePattern(buffer.data());
    FUZZ_CHECK(a.strKeyList.size() <= kPatKeyListWidth && a.strTemplate.size() <= kPatTemplateWidth,
               "pattern fields within their widths");
    if (Fits(a.strKeyList, kPatKeyListWidth) && Fits(a.strTemplate, kPatTemplateWidth)) {
      PatternRecord b = DecodePattern(EncodePattern(a).data());
      FUZZ_CHECK(a.strKeyList == b.strKeyList && a.strTemplate == b.strTemplate,
                 "pattern round trip");
    }
  }
  for (long r = 0; r < length / static_cast<long>(kParticleRecordSize) && r < kMaxRecordsPerKind; ++r) {
    file.ReadRecord(r, kParticleRecordSize, buffer.data());
    ParticleRecord a = DecodeParticle(buffer.data());
    FUZZ_CHECK(a.szPattern.size() <= kPartPatternWidth &&
                   a.szReplacement.size() <= kPartReplacementWidth,
               "particle fields within their widths");
    if (Fits(a.szPattern, kPartPatternWidth) && Fits(a.szReplacement, kPartReplacementWidth)) {
      ParticleRecord b = DecodeParticle(EncodeParticle(a).data());
      FUZZ_CHECK(a.szPattern == b.szPattern && a.szReplacement == b.szReplacement,
                 "particle round trip");
    }
  }
}

// Seeks and reads steered by the input: a read never copies more than the file holds
// from the position, and fills the rest of the buffer with zeros.
void CheckReads(CDexFile& file, const std::uint8_t* data, std::size_t size) {
  std::vector<unsigned char> buffer(1024);
  for (std::size_t i = 0; i + 4 <= size && i < 64; i += 4) {
    long offset = static_cast<long>(static_cast<std::int16_t>(data[i] | (data[i + 1] << 8))) * 7;
    std::size_t want = static_cast<std::size_t>(data[i + 2] | ((data[i + 3] & 3) << 8));
    std::fill(buffer.begin(), buffer.end(), 0xAA);
    file.Seek(offset);
    long at = file.Tell();
    FUZZ_CHECK(at >= 0, "position never negative");
    std::size_t copied = file.Read(buffer.data(), want);
    long available = std::max(0L, file.Size() - at);
    FUZZ_CHECK(copied == std::min(want, static_cast<std::size_t>(available)), "bytes copied");
    FUZZ_CHECK(file.Tell() == at + static_cast<long>(copied), "position advances by the copy");
    if (copied > 0)
      FUZZ_CHECK(std::memcmp(buffer.data(), data + at, copied) == 0, "bytes as in the file");
    static const unsigned char kZeros[1024] = {};
    FUZZ_CHECK(std::memcmp(buffer.data() + copied, kZeros, want - copied) == 0, "zero fill past the end");
  }
}

// A pass (read-ahead blocks) reads the records a probe (the mapping) reads, in order and
// back again.
void CheckPass(CDexFile& probes) {
  CDexFile pass(kFile, DexAccess::Pass);
  FUZZ_CHECK(pass.Size() == probes.Size(), "both ways see the same size");
  unsigned char a[kLexiconRecordSize], b[kLexiconRecordSize];
  const long records = pass.Size() / static_cast<long>(kLexiconRecordSize) + 1;
  for (long r : {records, 0L}) {
    for (long i = 0; i <= r && i < kMaxRecordsPerKind; ++i) {
      probes.ReadRecord(i, kLexiconRecordSize, a);
      pass.ReadRecord(i, kLexiconRecordSize, b);
      FUZZ_CHECK(std::memcmp(a, b, kLexiconRecordSize) == 0, "a pass reads what a probe reads");
    }
  }
}

#ifndef FUZZ_REAL_FILES
// Comma lists in records are at most 200 bytes long; longer lines are cut, so that a run
// stays short whatever the input holds.
constexpr std::size_t kMaxListBytes = 512;

// The comma-list utilities on each line of the input, against their defined results.
void CheckCommaLists(std::string_view text) {
  int lines = 0;
  for (std::string list : fuzz::Lines(text)) {
    if (++lines > 16) break;
    if (list.size() > kMaxListBytes) list.resize(kMaxListBytes);
    int count = CountItems(list);
    FUZZ_CHECK(count == static_cast<int>(std::count(list.begin(), list.end(), ',')), "count");
    for (int n : {-1, 0, 1, 2, 3, count / 2, count - 1, count, count + 1}) {
      std::string first = FirstItems(list, n);
      FUZZ_CHECK(list.compare(0, first.size(), first) == 0, "FirstItems is a prefix");
      int expected = n < 0 ? count : std::min(n, count);
      FUZZ_CHECK(CountItems(first) == expected, "FirstItems count");
      FUZZ_CHECK(first.empty() || first.back() == ',', "FirstItems ends with a comma");
      std::string last = LastItems(list, n);
      FUZZ_CHECK(last.size() <= list.size() &&
                     list.compare(list.size() - last.size(), last.size(), last) == 0,
                 "LastItems is a suffix");
      if (!list.empty() && list.back() == ',' && n >= 1 && n < count)
        FUZZ_CHECK(CountItems(last) == n, "LastItems takes exactly n items");
    }
  }
}
#endif

}  // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
#ifdef FUZZ_REAL_FILES
  fuzz::EnterScratchDir(argc, argv);
#else
  (void)argc;
  (void)argv;
  fuzz::UseMemoryDictionaries();
#endif
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  fuzz::WriteFile(kFile, std::string_view(reinterpret_cast<const char*>(data), size));
  {
    CDexFile file(kFile);
    CheckRecords(file);
    CheckReads(file, data, size);
    CheckPass(file);
  }
#ifndef FUZZ_REAL_FILES
  // The comma lists never touch a file: the in-memory target covers them, and the real
  // files' target spends its time on the file system.
  CheckCommaLists(std::string_view(reinterpret_cast<const char*>(data), size));
#endif
  return 0;
}
