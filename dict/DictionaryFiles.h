// Which dictionary files a direction reads, the names of all seven, and the number of
// whole records in an open file. Every reader takes its file name from here.
#pragma once
#include <array>
#include <cstddef>

#include "dict/RecordLayout.h"

class CDexFile;

// The three files of one direction.
struct DirectionFiles {
  const char* szLexicon;  // main.dex or ekmain.dex
  const char* szRules;    // gu.dex or ekgu.dex
  const char* szPatterns; // change.dex or ekchange.dex
};

// Korean to English for bKoreanSource != 0, English to Korean for 0.
inline const DirectionFiles& FilesFor(unsigned char bKoreanSource) {
  static constexpr DirectionFiles kKorean{kMainKor, kGuKor, kChangeKor};
  static constexpr DirectionFiles kEnglish{kMainEng, kGuEng, kChangeEng};
  return bKoreanSource ? kKorean : kEnglish;
}

// The seven dictionaries in the order the compiler writes and the documents list them.
inline constexpr std::array<const char*, 7> kAllDictionaryFiles = {
    kMainKor, kMainEng, kGuKor, kGuEng, kChangeKor, kChangeEng, kTosi};

// Length of the file in bytes; the file's position is the same afterwards.
int FileLength(CDexFile& file);

// The number of whole records of recordSize bytes in the file (a partial tail record
// does not count).
int RecordCount(CDexFile& file, std::size_t recordSize);
