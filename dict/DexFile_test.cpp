// Reading dictionary files record by record, whatever their length.
#include "dict/DexFile.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <filesystem>

#include "dict/DictionaryFiles.h"
#include "dict/RecordLayout.h"
#include "tests/support/DexFixture.h"

TEST(DexFile, RecordCountIsTheLengthDividedByTheRecordSize) {
  ScratchDir dir;
  static const struct {
    long length;
    long records;
  } cases[] = {{350, 2}, {349, 1}, {175, 1}, {174, 0}, {0, 0}};
  for (const auto& c : cases) {
    WriteBytes(kMainKor, std::string(static_cast<std::size_t>(c.length), 'a'));
    CDexFile file(kMainKor);
    EXPECT_EQ(file.Size() / static_cast<long>(kLexiconRecordSize), c.records) << c.length;
  }
}

TEST(DexFile, ReadingPastTheEndGivesZeros) {
  ScratchDir dir;
  WriteBytes("f.dex", "abcdef");
  CDexFile file("f.dex");
  unsigned char buffer[8];
  std::fill(std::begin(buffer), std::end(buffer), 0xAA);
  file.Seek(4);
  EXPECT_EQ(file.Read(buffer, sizeof buffer), 2u);
  EXPECT_EQ(std::string(reinterpret_cast<char*>(buffer), 8), std::string("ef\0\0\0\0\0\0", 8));
  EXPECT_EQ(file.Tell(), 6);

  std::fill(std::begin(buffer), std::end(buffer), 0xAA);
  file.Seek(1000);
  EXPECT_EQ(file.Read(buffer, sizeof buffer), 0u);
  EXPECT_EQ(std::string(reinterpret_cast<char*>(buffer), 8), std::string(8, '\0'));
}

TEST(DexFile, PartialLastRecordReadsAsZeroFilled) {
  ScratchDir dir;
  WriteBytes("f.dex", std::string(10, 'x'));
  CDexFile file("f.dex");
  unsigned char record[kParticleRecordSize];
  std::fill(std::begin(record), std::end(record), 0xAA);
  file.ReadRecord(0, kParticleRecordSize, record);
  EXPECT_EQ(record[9], 'x');
  EXPECT_EQ(record[10], 0);
  EXPECT_EQ(record[kParticleRecordSize - 1], 0);
}

TEST(DexFile, EmptyFileHasNothingToRead) {
  ScratchDir dir;
  WriteBytes("f.dex", "");
  CDexFile file("f.dex");
  unsigned char buffer[4] = {1, 2, 3, 4};
  EXPECT_EQ(file.Size(), 0);
  EXPECT_EQ(file.Read(buffer, sizeof buffer), 0u);
  EXPECT_EQ(buffer[0], 0);
  EXPECT_EQ(buffer[3], 0);
}

TEST(DexFile, FileShortenedWhileOpenReadsAsZeros) {
  ScratchDir dir;
  WriteBytes("f.dex", std::string(3 * 4096, 'x'));
  CDexFile file("f.dex");
  Truncate("f.dex", 100);
  unsigned char buffer[16];
  file.Seek(2 * 4096);
  file.Read(buffer, sizeof buffer);
  EXPECT_EQ(std::string(reinterpret_cast<char*>(buffer), 16), std::string(16, '\0'));
  file.Seek(0);
  file.Read(buffer, sizeof buffer);
  EXPECT_EQ(std::string(reinterpret_cast<char*>(buffer), 16), std::string(16, 'x'));
}

// The mapping of a file is kept from one opening to the next (dict/KeptMappings.h): every
// opening still reads the file as it is at that moment, however it changed in between,
// and an object keeps reading the file it opened.
TEST(DexFile, EveryOpeningReadsTheFileAsItIsThen) {
  ScratchDir dir;
  auto firstBytes = [](CDexFile& file) {
    char buffer[4];
    file.Seek(0);
    file.Read(buffer, sizeof buffer);
    return std::string(buffer, sizeof buffer);
  };
  WriteBytes("f.dex", std::string(8192, 'a'));
  CDexFile a("f.dex");
  EXPECT_EQ(firstBytes(a), "aaaa");

  WriteBytes("f.new", std::string(8192, 'b'));  // renamed over while `a` is open
  std::filesystem::rename("f.new", "f.dex");
  CDexFile b("f.dex");
  EXPECT_EQ(firstBytes(a), "aaaa");
  EXPECT_EQ(firstBytes(b), "bbbb");

  WriteBytes("f.dex", std::string(8192, 'c'));  // rewritten in place, same size
  EXPECT_EQ(firstBytes(b), "cccc");            // an open mapping shows the file's bytes
  {
    CDexFile c("f.dex");
    EXPECT_EQ(firstBytes(c), "cccc");
  }
  Truncate("f.dex", 0);  // emptied and filled again to the same size
  WriteBytes("f.dex", std::string(8192, 'd'));
  CDexFile d("f.dex");
  EXPECT_EQ(firstBytes(d), "dddd");
  WriteBytes("f.dex", "eeee");  // shorter
  CDexFile e("f.dex");
  EXPECT_EQ(e.Size(), 4);
  EXPECT_EQ(firstBytes(e), "eeee");

  // The same name in another directory is another file.
  std::filesystem::create_directory("other");
  WriteBytes("other/f.dex", std::string(4, 'o'));
  std::filesystem::current_path("other");
  CDexFile o("f.dex");
  EXPECT_EQ(firstBytes(o), "oooo");
  std::filesystem::current_path("..");
  CDexFile again("f.dex");
  EXPECT_EQ(firstBytes(again), "eeee");
}

TEST(DexFile, MissingFileOrDirectoryEndsTheProgramWithStatusOne) {
  ScratchDir dir;
  EXPECT_EXIT(CDexFile("missing.dex"), ::testing::ExitedWithCode(1), "");
  std::filesystem::create_directory("dir.dex");
  EXPECT_EXIT(CDexFile("dir.dex"), ::testing::ExitedWithCode(1), "");
}

// A pass reads ahead in blocks: every record, also one that straddles a block's end,
// reads the same as through the mapping, and a file shortened during the pass reads
// as zeros past its new end.
TEST(DexFilePass, ReadsTheSameAsProbesAndZerosPastAShortenedEnd) {
  ScratchDir dir;
  std::string bytes;
  for (int i = 0; i < 300 * 1024; ++i) bytes.push_back(static_cast<char>(i * 7 + i / 256));
  WriteBytes("f.dex", bytes);
  const std::size_t kRecord = 300;  // does not divide the block size
  CDexFile probes("f.dex");
  CDexFile pass("f.dex", DexAccess::Pass);
  const long count = RecordCount(pass, kRecord);
  unsigned char a[kRecord], b[kRecord];
  for (long r = 0; r < count; ++r) {
    probes.ReadRecord(r, kRecord, a);
    pass.ReadRecord(r, kRecord, b);
    ASSERT_EQ(std::memcmp(a, b, kRecord), 0) << "record " << r;
  }
  pass.ReadRecord(3, kRecord, b);  // back to an earlier record
  probes.ReadRecord(3, kRecord, a);
  EXPECT_EQ(std::memcmp(a, b, kRecord), 0);

  CDexFile shrinking("f.dex", DexAccess::Pass);
  Truncate("f.dex", 1000);
  shrinking.ReadRecord(count - 1, kRecord, b);
  EXPECT_EQ(std::count(b, b + kRecord, 0), static_cast<long>(kRecord));
}

TEST(DexFile, FileLengthKeepsThePosition) {
  ScratchDir dir;
  WriteBytes("f.dex", std::string(600, 'x'));
  CDexFile file("f.dex");
  file.Seek(200);
  EXPECT_EQ(FileLength(file), 600);
  EXPECT_EQ(file.Tell(), 200);
}
