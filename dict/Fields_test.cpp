// Plain and scrambled record fields: what is stored, and how much a reader takes.
#include "dict/Fields.h"

#include <gtest/gtest.h>

#include <vector>

#include "dict/RecordKey.h"
#include "dict/RecordLayout.h"

namespace {

struct ScrambledFieldCase {
  const char* name;
  std::size_t recordSize, offset, width;
};

// Every scrambled field of every record kind.
const ScrambledFieldCase kScrambledFields[] = {
    {"lexicon translation", kLexiconRecordSize, kLexTranslationOffset, kLexTranslationWidth},
    {"rule text", kRuleRecordSize, kRuleTextOffset, kRuleTextWidth},
    {"pattern template", kPatternRecordSize, kPatTemplateOffset, kPatTemplateWidth},
};

}  // namespace

TEST(Fields, ScrambledBytesCountFromTheFieldsFirstByte) {
  const RecordKeyBytes& key = RecordKey();
  const std::string text = "@0@ likes @1@.";  // longer than the key: wraps around
  for (const auto& f : kScrambledFields) {
    std::vector<unsigned char> record(f.recordSize, 0);
    WriteScrambledField(record.data(), f.offset, f.width, text);
    for (std::size_t i = 0; i < text.size(); ++i)
      EXPECT_EQ(record[f.offset + i], static_cast<unsigned char>(text[i]) ^ key[i % 8])
          << f.name << " byte " << i;
    // The terminator is stored as the key byte itself; the rest stays untouched.
    EXPECT_EQ(record[f.offset + text.size()], key[text.size() % 8]) << f.name;
    EXPECT_EQ(record[f.offset + text.size() + 1], 0) << f.name;
    if (f.offset > 0) {
      EXPECT_EQ(record[f.offset - 1], 0) << f.name;
    }
    EXPECT_EQ(ScrambledField(record.data(), f.offset, f.width), text) << f.name;
  }
}

TEST(Fields, FirstStoredByteEqualToTheKeyIsTheEmptyText) {
  const RecordKeyBytes& key = RecordKey();
  for (const auto& f : kScrambledFields) {
    std::vector<unsigned char> record(f.recordSize, 0x55);
    record[f.offset] = key[0];
    EXPECT_EQ(ScrambledField(record.data(), f.offset, f.width), "") << f.name;
    WriteScrambledField(record.data(), f.offset, f.width, "");
    EXPECT_EQ(record[f.offset], key[0]) << f.name;
  }
}

TEST(Fields, ScrambledFieldWithoutTerminatorIsReadWithinItsWidth) {
  const RecordKeyBytes& key = RecordKey();
  for (const auto& f : kScrambledFields) {
    // Every byte descrambles to 'x', and so would the bytes after the field.
    std::vector<unsigned char> record(f.recordSize + 8);
    for (std::size_t i = 0; i < record.size(); ++i)
      record[i] = static_cast<unsigned char>('x' ^ key[(i - f.offset) % 8]);
    EXPECT_EQ(ScrambledField(record.data(), f.offset, f.width), std::string(f.width, 'x'))
        << f.name;
  }
}

TEST(Fields, ScrambledTextOfEveryLengthReadsBackWhole) {
  for (const auto& f : kScrambledFields) {
    for (std::size_t length = 0; length < f.width; ++length) {
      std::string text(length, ' ');
      for (std::size_t i = 0; i < length; ++i) text[i] = static_cast<char>('a' + i % 26);
      std::vector<unsigned char> record(f.recordSize, 0x5A);
      WriteScrambledField(record.data(), f.offset, f.width, text);
      ASSERT_EQ(ScrambledField(record.data(), f.offset, f.width), text) << f.name << " " << length;
    }
  }
  // A field wider than any record kind has is read to its end too.
  const RecordKeyBytes& key = RecordKey();
  std::vector<unsigned char> wide(300);
  for (std::size_t i = 0; i < wide.size(); ++i) wide[i] = static_cast<unsigned char>('w' ^ key[i % 8]);
  EXPECT_EQ(ScrambledField(wide.data(), 0, 260), std::string(260, 'w'));
  wide[231] = key[231 % 8];
  EXPECT_EQ(ScrambledField(wide.data(), 0, 260), std::string(231, 'w'));
}

TEST(Fields, PlainFieldWithoutTerminatorIsReadWithinItsWidth) {
  std::vector<unsigned char> record(kLexiconRecordSize, 'k');
  EXPECT_EQ(PlainField(record.data(), kLexKeyOffset, kLexKeyWidth), std::string(kLexKeyWidth, 'k'));
  record[kLexPhraseOffset + 3] = 0;
  EXPECT_EQ(PlainField(record.data(), kLexPhraseOffset, kLexPhraseWidth), "kkk");
}

TEST(Fields, WritersCutOverlongTextAndKeepTheTerminator) {
  std::vector<unsigned char> record(kParticleRecordSize, 0xEE);
  WritePlainField(record.data(), kPartPatternOffset, kPartPatternWidth, std::string(200, 'p'));
  EXPECT_EQ(record[kPartPatternOffset + kPartPatternWidth - 1], 0);
  EXPECT_EQ(record[kPartReplacementOffset], 0xEE);  // the next field is untouched
  EXPECT_EQ(PlainField(record.data(), kPartPatternOffset, kPartPatternWidth),
            std::string(kPartPatternWidth - 1, 'p'));

  std::vector<unsigned char> rule(kRuleRecordSize, 0);
  WriteScrambledField(rule.data(), kRuleTextOffset, kRuleTextWidth, std::string(300, 'r'));
  EXPECT_EQ(ScrambledField(rule.data(), kRuleTextOffset, kRuleTextWidth),
            std::string(kRuleTextWidth - 1, 'r'));
}
