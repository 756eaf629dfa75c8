// Dictionaries held in memory read exactly as the same bytes in a file would, and keep
// the missing-file rule; the disk is not looked at while they are on.
#include "dict/MemoryDictionaries.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "dict/DexFile.h"
#include "dict/RecordLayout.h"
#include "tests/support/DexFixture.h"

namespace {

// Turns the in-memory dictionaries on for one test, and off (forgetting them) after it.
class MemoryDictionariesTest : public ::testing::Test {
 protected:
  void SetUp() override { UseMemoryDictionaries(true); }
  void TearDown() override { UseMemoryDictionaries(false); }
  ScratchDir m_dir;
};

// What a reader sees of `name` at a few positions: size, then for each (offset, size)
// read the count copied and the bytes of the whole buffer (zero-filled past the end).
std::string ReadingsOf(const char* name) {
  static const struct {
    long offset;
    std::size_t size;
  } reads[] = {{0, 8}, {4, 8}, {0, kParticleRecordSize}, {1000, 4}, {-3, 2}};
  CDexFile file(name);
  std::string seen = std::to_string(file.Size()) + ":";
  for (const auto& r : reads) {
    std::string buffer(r.size, '\xAA');
    file.Seek(r.offset);
    seen += std::to_string(file.Read(buffer.data(), buffer.size())) + "@" + std::to_string(file.Tell()) +
            "=" + buffer + "|";
  }
  return seen;
}

TEST_F(MemoryDictionariesTest, ReadLikeTheSameBytesInAFile) {
  for (const std::string& bytes : {std::string(), std::string("abcdef"), std::string(300, 'x'),
                                   std::string("a\0b\0c", 5)}) {
    WriteBytes("f.dex", bytes);
    UseMemoryDictionaries(false);
    const std::string fromFile = ReadingsOf("f.dex");
    UseMemoryDictionaries(true);
    PutMemoryDictionary("f.dex", bytes);
    EXPECT_EQ(ReadingsOf("f.dex"), fromFile) << bytes.size() << " bytes";
  }
}

TEST_F(MemoryDictionariesTest, ANameWithoutABufferIsMissingEvenWithAFileOnDisk) {
  WriteBytes("main.dex", std::string(175, 'x'));
  EXPECT_EXIT(CDexFile("main.dex"), ::testing::ExitedWithCode(1), "");
  PutMemoryDictionary("main.dex", "abc");
  EXPECT_EQ(CDexFile("main.dex").Size(), 3);
  RemoveMemoryDictionary("main.dex");
  EXPECT_EXIT(CDexFile("main.dex"), ::testing::ExitedWithCode(1), "");
  UseMemoryDictionaries(false);  // back on the disk
  EXPECT_EQ(CDexFile("main.dex").Size(), 175);
}

TEST_F(MemoryDictionariesTest, AnOpenReaderKeepsTheVersionItOpened) {
  PutMemoryDictionary("f.dex", "old bytes");
  CDexFile file("f.dex");
  const DexStamp first = file.Stamp();
  PutMemoryDictionary("f.dex", "new");
  char buffer[9];
  EXPECT_EQ(file.Read(buffer, sizeof buffer), 9u);
  EXPECT_EQ(std::string(buffer, 9), "old bytes");

  CDexFile again("f.dex");
  EXPECT_EQ(again.Size(), 3);
  // Every put is a new version, even of the same bytes; versions are always settled.
  PutMemoryDictionary("f.dex", "new");
  CDexFile third("f.dex");
  EXPECT_FALSE(first.SameFields(again.Stamp()));
  EXPECT_FALSE(again.Stamp().SameFields(third.Stamp()));
  EXPECT_TRUE(third.Stamp().bSettled);
}

}  // namespace
