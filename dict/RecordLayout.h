// Byte layouts of the four dictionary record kinds: sizes, field offsets and widths.
// Readers, the dictionary compiler and the tests take every number from here.
// docs/record-formats.md draws the same layouts.
#pragma once
#include <cstddef>

// Lexicon record (main.dex, ekmain.dex).
inline constexpr std::size_t kLexiconRecordSize = 175;
inline constexpr std::size_t kLexKeyOffset = 0, kLexKeyWidth = 25;                    // plain
inline constexpr std::size_t kLexPhraseOffset = 25, kLexPhraseWidth = 50;             // plain
inline constexpr std::size_t kLexTranslationOffset = 75, kLexTranslationWidth = 50;   // scrambled
inline constexpr std::size_t kLexNoteOffset = 125, kLexNoteWidth = 50;                // plain

// Phrase-rule record (gu.dex, ekgu.dex): one scrambled text "pattern;template;result;".
inline constexpr std::size_t kRuleRecordSize = 200;
inline constexpr std::size_t kRuleTextOffset = 0, kRuleTextWidth = 200;               // scrambled

// Sentence-pattern record (change.dex, ekchange.dex).
inline constexpr std::size_t kPatternRecordSize = 300;
inline constexpr std::size_t kPatKeyListOffset = 0, kPatKeyListWidth = 150;           // plain
inline constexpr std::size_t kPatTemplateOffset = 150, kPatTemplateWidth = 150;       // scrambled

// Particle record (tosi.dex), plain and sorted by pattern.
inline constexpr std::size_t kParticleRecordSize = 274;
inline constexpr std::size_t kPartPatternOffset = 0, kPartPatternWidth = 137;         // plain
inline constexpr std::size_t kPartReplacementOffset = 137, kPartReplacementWidth = 137;  // plain

// The dictionary files, opened by bare name from the current directory.
inline constexpr const char* kMainKor = "main.dex";
inline constexpr const char* kMainEng = "ekmain.dex";
inline constexpr const char* kGuKor = "gu.dex";
inline constexpr const char* kGuEng = "ekgu.dex";
inline constexpr const char* kChangeKor = "change.dex";
inline constexpr const char* kChangeEng = "ekchange.dex";
inline constexpr const char* kTosi = "tosi.dex";
