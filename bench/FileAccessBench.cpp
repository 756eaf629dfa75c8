// What one record read costs through CDexFile (a read-only mapping), compared with the
// two obvious alternatives written here only for the comparison: buffered stdio
// (fseek + fread, as the readers were first described) and one pread per record.
// Measured: one probe of a 274-byte tosi.dex record at a random index, as the particle
// lookup does; a pass over all 200,000 sentence patterns, as the start of every new
// sentence does; and opening and closing a dictionary, which every call does.
#include <fcntl.h>
#include <unistd.h>

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstring>
#include <vector>

#include "bench/BenchSupport.h"
#include "dict/DexFile.h"
#include "dict/Fields.h"
#include "dict/RecordLayout.h"

namespace {

constexpr std::size_t kProbeCount = 4096;

// Random record indexes, fixed for every run.
std::vector<long> ProbeIndexes(long records) {
  std::vector<long> indexes(kProbeCount);
  unsigned long x = 88172645463325252ul;
  for (auto& i : indexes) {
    x ^= x << 13;
    x ^= x >> 7;
    x ^= x << 17;
    i = static_cast<long>(x % static_cast<unsigned long>(records));
  }
  return indexes;
}

long RecordCount(const char* file, std::size_t recordSize) {
  CDexFile f(file);
  return f.Size() / static_cast<long>(recordSize);
}

// ---- one random probe ------------------------------------------------------------

void BM_ProbeDexFile(benchmark::State& state) {
  bench::EnterDir(bench::CapacityDir());
  auto indexes = ProbeIndexes(RecordCount(kTosi, kParticleRecordSize));
  CDexFile file(kTosi);
  unsigned char record[kParticleRecordSize];
  std::size_t i = 0;
  for (auto _ : state) {
    file.ReadRecord(indexes[i++ % kProbeCount], kParticleRecordSize, record);
    benchmark::DoNotOptimize(record);
  }
}
BENCHMARK(BM_ProbeDexFile);

void BM_ProbeStdio(benchmark::State& state) {
  bench::EnterDir(bench::CapacityDir());
  auto indexes = ProbeIndexes(RecordCount(kTosi, kParticleRecordSize));
  std::FILE* fp = std::fopen(kTosi, "rb");
  unsigned char record[kParticleRecordSize];
  std::size_t i = 0;
  for (auto _ : state) {
    std::fseek(fp, indexes[i++ % kProbeCount] * static_cast<long>(kParticleRecordSize), SEEK_SET);
    benchmark::DoNotOptimize(std::fread(record, 1, kParticleRecordSize, fp));
    benchmark::DoNotOptimize(record);
  }
  std::fclose(fp);
}
BENCHMARK(BM_ProbeStdio);

void BM_ProbePread(benchmark::State& state) {
  bench::EnterDir(bench::CapacityDir());
  auto indexes = ProbeIndexes(RecordCount(kTosi, kParticleRecordSize));
  int fd = ::open(kTosi, O_RDONLY);
  unsigned char record[kParticleRecordSize];
  std::size_t i = 0;
  for (auto _ : state) {
    off_t offset = indexes[i++ % kProbeCount] * static_cast<off_t>(kParticleRecordSize);
    benchmark::DoNotOptimize(::pread(fd, record, kParticleRecordSize, offset));
    benchmark::DoNotOptimize(record);
  }
  ::close(fd);
}
BENCHMARK(BM_ProbePread);

// ---- a pass over every sentence pattern, reading each key list -------------------

void BM_PatternPassDexFile(benchmark::State& state) {
  bench::EnterDir(bench::CapacityDir());
  long records = RecordCount(kChangeKor, kPatternRecordSize);
  unsigned char record[kPatternRecordSize];
  for (auto _ : state) {
    CDexFile file(kChangeKor);
    std::size_t total = 0;
    for (long r = 0; r < records; ++r) {
      file.ReadRecord(r, kPatternRecordSize, record);
      total += PlainField(record, kPatKeyListOffset, kPatKeyListWidth).size();
    }
    benchmark::DoNotOptimize(total);
  }
  state.counters["records"] = static_cast<double>(records);
}
BENCHMARK(BM_PatternPassDexFile)->Unit(benchmark::kMillisecond);

void BM_PatternPassStdio(benchmark::State& state) {
  bench::EnterDir(bench::CapacityDir());
  long records = RecordCount(kChangeKor, kPatternRecordSize);
  unsigned char record[kPatternRecordSize];
  for (auto _ : state) {
    std::FILE* fp = std::fopen(kChangeKor, "rb");
    std::size_t total = 0;
    for (long r = 0; r < records; ++r) {
      std::fseek(fp, r * static_cast<long>(kPatternRecordSize), SEEK_SET);
      benchmark::DoNotOptimize(std::fread(record, 1, kPatternRecordSize, fp));
      total += PlainField(record, kPatKeyListOffset, kPatKeyListWidth).size();
    }
    std::fclose(fp);
    benchmark::DoNotOptimize(total);
  }
  state.counters["records"] = static_cast<double>(records);
}
BENCHMARK(BM_PatternPassStdio)->Unit(benchmark::kMillisecond);

void BM_PatternPassPread(benchmark::State& state) {
  bench::EnterDir(bench::CapacityDir());
  long records = RecordCount(kChangeKor, kPatternRecordSize);
  unsigned char record[kPatternRecordSize];
  for (auto _ : state) {
    int fd = ::open(kChangeKor, O_RDONLY);
    std::size_t total = 0;
    for (long r = 0; r < records; ++r) {
      off_t offset = r * static_cast<off_t>(kPatternRecordSize);
      benchmark::DoNotOptimize(::pread(fd, record, kPatternRecordSize, offset));
      total += PlainField(record, kPatKeyListOffset, kPatKeyListWidth).size();
    }
    ::close(fd);
    benchmark::DoNotOptimize(total);
  }
  state.counters["records"] = static_cast<double>(records);
}
BENCHMARK(BM_PatternPassPread)->Unit(benchmark::kMillisecond);

// The same pass as the start of a new sentence needs it, done without a string per
// record: each key list's first item is found in place and compared with the previous
// one. Shows what the scan itself costs apart from its allocations.
void BM_PatternPassFirstItemInPlace(benchmark::State& state) {
  bench::EnterDir(bench::CapacityDir());
  long records = RecordCount(kChangeKor, kPatternRecordSize);
  unsigned char record[kPatternRecordSize];
  for (auto _ : state) {
    CDexFile file(kChangeKor);
    char previous[kPatKeyListWidth];
    std::size_t previousLength = 0;
    int distinct = 0;
    for (long r = 0; r < records; ++r) {
      file.ReadRecord(r, kPatternRecordSize, record);
      const unsigned char* keys = record + kPatKeyListOffset + 1;  // after the leading ","
      const void* end = std::memchr(keys, ',', kPatKeyListWidth - 1);
      std::size_t length = end ? static_cast<std::size_t>(static_cast<const unsigned char*>(end) - keys) : 0;
      if (length == previousLength && std::memcmp(keys, previous, length) == 0) continue;
      std::memcpy(previous, keys, length);
      previousLength = length;
      ++distinct;
    }
    benchmark::DoNotOptimize(distinct);
  }
  state.counters["records"] = static_cast<double>(records);
}
BENCHMARK(BM_PatternPassFirstItemInPlace)->Unit(benchmark::kMillisecond);

// The in-place pass on a file kept open (and mapped) across passes: what is left when
// neither the mapping's page faults nor its teardown are paid on every pass.
void BM_PatternPassFirstItemKeptOpen(benchmark::State& state) {
  bench::EnterDir(bench::CapacityDir());
  long records = RecordCount(kChangeKor, kPatternRecordSize);
  unsigned char record[kPatKeyListWidth];
  CDexFile file(kChangeKor);
  for (auto _ : state) {
    char previous[kPatKeyListWidth];
    std::size_t previousLength = 0;
    int distinct = 0;
    for (long r = 0; r < records; ++r) {
      file.Seek(r * static_cast<long>(kPatternRecordSize) + static_cast<long>(kPatKeyListOffset));
      file.Read(record, kPatKeyListWidth);  // the key list only
      const unsigned char* keys = record + 1;
      const void* end = std::memchr(keys, ',', kPatKeyListWidth - 1);
      std::size_t length = end ? static_cast<std::size_t>(static_cast<const unsigned char*>(end) - keys) : 0;
      if (length == previousLength && std::memcmp(keys, previous, length) == 0) continue;
      std::memcpy(previous, keys, length);
      previousLength = length;
      ++distinct;
    }
    benchmark::DoNotOptimize(distinct);
  }
  state.counters["records"] = static_cast<double>(records);
}
BENCHMARK(BM_PatternPassFirstItemKeptOpen)->Unit(benchmark::kMillisecond);

// The same in-place pass over whole records read in 64 KiB chunks with read(), with no
// mapping to fault in and tear down.
void BM_PatternPassReadChunks(benchmark::State& state) {
  bench::EnterDir(bench::CapacityDir());
  long records = RecordCount(kChangeKor, kPatternRecordSize);
  constexpr std::size_t kChunkRecords = 65536 / kPatternRecordSize;
  std::vector<unsigned char> chunk(kChunkRecords * kPatternRecordSize);
  for (auto _ : state) {
    int fd = ::open(kChangeKor, O_RDONLY);
    char previous[kPatKeyListWidth];
    std::size_t previousLength = 0;
    int distinct = 0;
    for (long r = 0; r < records;) {
      ssize_t got = ::read(fd, chunk.data(), chunk.size());
      if (got <= 0) break;
      long whole = got / static_cast<long>(kPatternRecordSize);
      for (long i = 0; i < whole; ++i, ++r) {
        const unsigned char* keys = chunk.data() + i * kPatternRecordSize + kPatKeyListOffset + 1;
        const void* end = std::memchr(keys, ',', kPatKeyListWidth - 1);
        std::size_t length = end ? static_cast<std::size_t>(static_cast<const unsigned char*>(end) - keys) : 0;
        if (length == previousLength && std::memcmp(keys, previous, length) == 0) continue;
        std::memcpy(previous, keys, length);
        previousLength = length;
        ++distinct;
      }
    }
    ::close(fd);
    benchmark::DoNotOptimize(distinct);
  }
  state.counters["records"] = static_cast<double>(records);
}
BENCHMARK(BM_PatternPassReadChunks)->Unit(benchmark::kMillisecond);

// ---- opening and closing, which every reader does on every call -----------------

void BM_OpenCloseDexFile(benchmark::State& state) {
  bench::EnterDir(bench::CapacityDir());
  for (auto _ : state) {
    CDexFile file(kChangeKor);
    benchmark::DoNotOptimize(file.Size());
  }
}
BENCHMARK(BM_OpenCloseDexFile);

void BM_OpenCloseStdio(benchmark::State& state) {
  bench::EnterDir(bench::CapacityDir());
  for (auto _ : state) {
    std::FILE* fp = std::fopen(kChangeKor, "rb");
    benchmark::DoNotOptimize(fp);
    std::fclose(fp);
  }
}
BENCHMARK(BM_OpenCloseStdio);

}  // namespace
