// Helpers of the hostile-input tests: the dialog driver speaking code page 949 (so that
// a test can type any bytes), records
// written byte by byte so that a field can fill its whole width without a terminator,
// a small well-formed dictionary set to damage, and a "workout" that drives every
// handler of the dialog and checks after each action that the program's tables stay
// within their capacities.
#pragma once
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "dict/Capacities.h"
#include "dict/RecordKey.h"
#include "dict/RecordLayout.h"
#include "dict/Records.h"
#include "res/DialogTemplate.h"
#include "tests/support/DexFixture.h"
#include "tests/support/DialogDriver.h"
#include "tests/support/ExpectedTexts.h"

namespace hostile {

inline const std::string kPickFromList = K(kPickFromListText);
inline const std::string kTooLong = K(kSentenceTooLongText);

// ---- Records byte by byte ---------------------------------------------------------

// Writes `text` into a plain field. A text of the field's full width (or longer, cut
// to the width) is stored without a terminator.
inline void PutPlain(unsigned char* record, std::size_t offset, std::size_t width,
                     const std::string& text) {
  std::size_t length = std::min(text.size(), width);
  std::memcpy(record + offset, text.data(), length);
  if (length < width) record[offset + length] = 0;
}

// Writes `text` into a scrambled field, likewise without a terminator at full width.
inline void PutScrambled(unsigned char* record, std::size_t offset, std::size_t width,
                         const std::string& text) {
  const RecordKeyBytes& key = RecordKey();
  std::size_t length = std::min(text.size(), width);
  for (std::size_t i = 0; i < width && i <= length; ++i) {
    unsigned char plain = i < length ? static_cast<unsigned char>(text[i]) : 0;
    record[offset + i] = plain ^ key[i % kRecordKeyLength];
  }
}

inline std::string RawLexicon(const std::string& key, const std::string& phrase,
                              const std::string& translation, const std::string& note) {
  std::string bytes(kLexiconRecordSize, '\0');
  auto* r = reinterpret_cast<unsigned char*>(bytes.data());
  PutPlain(r, kLexKeyOffset, kLexKeyWidth, key);
  PutPlain(r, kLexPhraseOffset, kLexPhraseWidth, phrase);
  PutScrambled(r, kLexTranslationOffset, kLexTranslationWidth, translation);
  PutPlain(r, kLexNoteOffset, kLexNoteWidth, note);
  return bytes;
}

inline std::string RawRule(const std::string& text) {
  std::string bytes(kRuleRecordSize, '\0');
  PutScrambled(reinterpret_cast<unsigned char*>(bytes.data()), kRuleTextOffset, kRuleTextWidth, text);
  return bytes;
}

inline std::string RawPattern(const std::string& keyList, const std::string& templ) {
  std::string bytes(kPatternRecordSize, '\0');
  auto* r = reinterpret_cast<unsigned char*>(bytes.data());
  PutPlain(r, kPatKeyListOffset, kPatKeyListWidth, keyList);
  PutScrambled(r, kPatTemplateOffset, kPatTemplateWidth, templ);
  return bytes;
}

inline std::string RawParticle(const std::string& pattern, const std::string& replacement) {
  std::string bytes(kParticleRecordSize, '\0');
  auto* r = reinterpret_cast<unsigned char*>(bytes.data());
  PutPlain(r, kPartPatternOffset, kPartPatternWidth, pattern);
  PutPlain(r, kPartReplacementOffset, kPartReplacementWidth, replacement);
  return bytes;
}

inline std::string Joined(const std::vector<std::string>& records) {
  std::string bytes;
  for (const std::string& record : records) bytes += record;
  return bytes;
}

// ---- A small well-formed dictionary set ------------------------------------------
//
// Korean to English: the first list offers "apple" and "pear" (key n, through the
// rule n -> zN); after either, "eat" (key v, through v -> zV); "apple eat" is the
// sentence ",zN,zV,". English to Korean: "I" (key e, e -> zE), a sentence of its own.
// tosi.dex turns "eat." into "eats.".
inline void WriteSmallDictionaries() {
  WriteLexicon("main.dex", {{"n", "apple", "t-apple", "fruit"}, {"n", "pear", "t-pear", ""},
                            {"v", "eat", "t-eat", ""}});
  WriteRules("gu.dex", {"n;@0@;zN;", "v;@0@;zV;"});
  WritePatterns("change.dex", {{",zN,zV,", "@0@ @1@."}});
  WriteLexicon("ekmain.dex", {{"e", "I", K("나"), ""}});
  WriteRules("ekgu.dex", {"e;@0@;zE;"});
  WritePatterns("ekchange.dex", {{",zE,", K("@0@는")}});
  WriteParticles("tosi.dex", {{"t-eat.", "t-eats."}});
}

// ---- The dialog and the user -----------------------------------------------------

using Dialog = CDialogDriver;

// The dialog's counts stay within their tables between two user actions.
inline void ExpectWithinCapacities(const Dialog& dialog, const std::string& when) {
  const CInterpreterDlg& d = dialog.Dlg();
  const CCandidateList& list = d.m_candidates;
  EXPECT_GE(d.m_nSteps, 0) << when;
  EXPECT_LE(d.m_nSteps, kMaxSteps - 1) << when;
  EXPECT_GE(d.m_builder.m_nLast, 0) << when;
  EXPECT_LE(d.m_builder.m_nLast, kMaxSteps - 1) << when;
  EXPECT_LE(dialog.LineCount(), kMaxListLines) << when;
  EXPECT_GE(list.m_nCandCodes, -1) << when;
  EXPECT_LE(list.m_nCandCodes, kMaxTableEntries - 1) << when;
  EXPECT_GE(list.m_nCandWork, 0) << when;
  EXPECT_LE(list.m_nCandWork, kMaxLexiconRuns) << when;
  for (int last : {list.m_nGuKor, list.m_nGuEng, list.m_nMainKor, list.m_nMainEng}) {
    EXPECT_GE(last, -1) << when;
    EXPECT_LE(last, kMaxTableEntries - 1) << when;
  }
}

// Drives every handler of the dialog in a fixed order chosen by `seed`: picks and
// confirms lines (typing over free-slot lines), Enter in the search box, step back,
// add sentence, direction changes and restart, checking the capacities after every
// action. Whatever the dictionaries hold, the program must go on.
inline void Workout(Dialog& dialog, unsigned seed, int actions = 60) {
  std::mt19937 random(seed);
  for (int a = 0; a < actions; ++a) {
    const std::string when = "seed " + std::to_string(seed) + ", action " + std::to_string(a);
    int what = static_cast<int>(random() % 12);
    int count = dialog.LineCount();
    switch (what) {
      case 0: case 1: case 2: case 3: case 4:  // pick and confirm
        if (count > 0) dialog.Select(static_cast<int>(random() % static_cast<unsigned>(count)));
        if (what == 4) dialog.Type(IDC_SEARCH, "-w" + std::to_string(random() % 3));
        dialog.Confirm();
        break;
      case 5:
        dialog.Type(IDC_SEARCH, std::string(1, static_cast<char>('a' + random() % 26)));
        dialog.Enter(IDC_SEARCH);
        break;
      case 6: case 7: dialog.Click(IDC_STEP_BACK); break;
      case 8: dialog.Click(IDC_ADD_SENTENCE); break;
      case 9: dialog.Click(random() % 2 ? IDC_DIR_ENGLISH : IDC_DIR_KOREAN); break;
      case 10: dialog.Click(IDC_RESTART); break;
      default: dialog.Confirm(); break;  // whatever is selected, maybe nothing
    }
    dialog.Messages();
    ExpectWithinCapacities(dialog, when);
    if (::testing::Test::HasFailure()) return;
  }
}

}  // namespace hostile
