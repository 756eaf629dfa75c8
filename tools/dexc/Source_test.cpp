// Cutting source text into lines and fields.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "tests/support/DexFixture.h"
#include "tools/dexc/Source.h"
#include "tools/dexc/DexcTestSupport.h"

using ::testing::ElementsAre;

TEST(DexcSource, FieldsAreTrimmedAndQuotedFieldsKeptVerbatim) {
  static const struct {
    const char* line;
    std::vector<std::string> fields;
  } cases[] = {
      {"a|b|c", {"a", "b", "c"}},
      {"  a b \t|\t c  ", {"a b", "c"}},
      {"a |", {"a", ""}},
      {"| a", {"", "a"}},
      {"", {""}},
      {"\"  a b \" | x", {"  a b ", "x"}},
      {"\"a|b\"|\"#\"", {"a|b", "#"}},
      {"\"say \\\"hi\\\"\" | \"back\\\\slash\"", {"say \"hi\"", "back\\slash"}},
      {"\"a\\nb\"", {"a\\nb"}},  // other backslashes stay as written
      {"\"\" | \"\"", {"", ""}},
      {"he said \"no\" | x", {"he said \"no\"", "x"}},  // quotes inside a field are text
      {"\"a\"   ", {"a"}},
  };
  for (const auto& c : cases) {
    std::vector<std::string> fields;
    std::string error;
    EXPECT_TRUE(SplitFields(c.line, &fields, &error)) << c.line << ": " << error;
    EXPECT_EQ(fields, c.fields) << c.line;
  }
}

TEST(DexcSource, AnUnclosedQuoteOrTextAfterAQuoteIsAFault) {
  static const struct {
    const char* line;
    const char* error;
  } cases[] = {
      {"\"open | x", "a field that opens with a double quote has no closing quote"},
      {"\"escaped end\\\"", "a field that opens with a double quote has no closing quote"},
      {"a | \"b\" c",
       "text after the closing quote of field 2; put the whole field inside the quotes"},
  };
  for (const auto& c : cases) {
    std::vector<std::string> fields;
    std::string error;
    EXPECT_FALSE(SplitFields(c.line, &fields, &error)) << c.line;
    EXPECT_EQ(error, c.error) << c.line;
  }
}

TEST(DexcSource, Utf8CheckRefusesOverlongFormsSurrogatesAndCutSequences) {
  static const struct {
    const char* text;
    bool valid;
  } cases[] = {
      {"plain", true},        {"한글", true},          {"\xF0\x9F\x98\x80", true},
      {"\xC0\xAF", false},    {"\xE0\x80\xAF", false},  // overlong
      {"\xED\xA0\x80", false},                           // surrogate
      {"\xEB\xA7", false},    {"\x80", false},          {"\xF4\x90\x80\x80", false},
  };
  for (const auto& c : cases) EXPECT_EQ(IsValidUtf8(c.text), c.valid) << c.text;
}

TEST(DexcSource, LinesKeepTheirNumbers) {
  CDiagnostics diag;
  std::vector<SourceLine> lines =
      ReadSourceText("f.txt", "\xEF\xBB\xBF\n# c\n[ key one ]\r\n  \n a | b \nlast", diag);
  ASSERT_EQ(lines.size(), 3u);
  EXPECT_EQ(lines[0].where.nLine, 3);
  EXPECT_TRUE(lines[0].bHeader);
  EXPECT_EQ(lines[0].strHeaderKey, "key one");
  EXPECT_EQ(lines[1].where.nLine, 5);
  EXPECT_THAT(lines[1].fields, ElementsAre("a", "b"));
  EXPECT_EQ(lines[2].where.nLine, 6);
  EXPECT_EQ(lines[2].where.strFile, "f.txt");
  EXPECT_FALSE(diag.HasErrors());
}

TEST(DexcSource, ADictionaryReadsItsFileThenItsFolderInByteOrder) {
  ScratchDir dir;
  WriteSource("d/main.txt", "");
  WriteSource("d/main/b.txt", "");
  WriteSource("d/main/A.txt", "");
  WriteSource("d/main/a.txt", "");
  WriteSource("d/main/c.TXT", "");
  WriteSource("d/main/sub/d.txt", "");
  WriteSource("d/ekmain/x.txt", "");
  EXPECT_THAT(SourceFilesOf("d", "main"),
              ElementsAre("d/main.txt", "d/main/A.txt", "d/main/a.txt", "d/main/b.txt"));
  EXPECT_THAT(SourceFilesOf("d", "ekmain"), ElementsAre("d/ekmain/x.txt"));
  EXPECT_THAT(SourceFilesOf("d", "gu"), ElementsAre());
}
