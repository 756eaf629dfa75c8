// Enter in the search box with a phrase typed exactly as the list shows it: the found
// line is where the text belongs (the line before it sorts before the text, the found
// line does not), never the neighbour that sorts before it. Checked for every line of
// the first lists of both directions, on the test dictionaries and, when the build has
// compiled them, on the bundled ones. The bundled lists are ordered by phrase, not by
// whole text ("1;one;" follows "1,000;"), so there the place is the one the bisection
// finds among its neighbours.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "base/MbsCompare.h"
#include "tests/e2e/E2eSupport.h"

namespace {

using e2e::DialogUser;

// The first line of the list whose text begins with `prefix`, or -1.
int FirstLineBeginningWith(DialogUser& user, const std::string& prefix) {
  const CMemoryList* list = user.Host().ListState(IDC_CANDIDATES);
  for (int i = 0; i < list->GetCount(); ++i)
    if (list->GetText(i).rfind(prefix, 0) == 0) return i;
  return -1;
}

// Types the phrase of every line of the current list (the text before its first ";")
// and presses Enter; returns how many lines were tried. With `ownLine`, the list is in
// order and the found line must be the first line of that phrase.
int TypeEveryListedPhrase(DialogUser& user, const char* direction, bool ownLine) {
  const CMemoryList* list = user.Host().ListState(IDC_CANDIDATES);
  const int count = list->GetCount();
  int tried = 0;
  for (int i = 0; i < count; ++i) {
    const std::string text = list->GetText(i);
    const std::string phrase = text.substr(0, text.find(';'));
    user.Host().Type(IDC_SEARCH, phrase);
    user.Enter(IDC_SEARCH);
    const int found = user.Selected();
    const std::string where = std::string(direction) + ": typed \"" + U(phrase) + "\" (line " +
                              std::to_string(i) + "), found " + std::to_string(found);
    ++tried;
    if (found < 0) {
      ADD_FAILURE() << where;
      continue;
    }
    EXPECT_TRUE(found == 0 || MbsCompare(list->GetText(found - 1), phrase) < 0) << where;
    EXPECT_TRUE(found == count - 1 || MbsCompare(list->GetText(found), phrase) >= 0) << where;
    if (ownLine) {
      EXPECT_EQ(found, FirstLineBeginningWith(user, phrase)) << where;
    }
  }
  return tried;
}

void CheckBothDirections(int minimumLines, bool ownLine) {
  DialogUser user;
  int tried = TypeEveryListedPhrase(user, "Korean to English", ownLine);
  user.Click(IDC_DIR_ENGLISH);
  tried += TypeEveryListedPhrase(user, "English to Korean", ownLine);
  EXPECT_GE(tried, minimumLines);
}

TEST(SearchEnterTest, ATypedListedPhraseFindsItsOwnLineOnTheTestDictionaries) {
  ScratchDir dir;
  e2e::CopyTestDictionaries();
  CheckBothDirections(10, true);
}

TEST(SearchEnterTest, ATypedListedPhraseFindsItsOwnLineOnTheBundledDictionaries) {
  namespace fs = std::filesystem;
  const fs::path bundled = fs::path(DAOLSAE_BINARY_DIR) / "dictionaries";
  if (!fs::exists(bundled / "main.dex") || fs::file_size(bundled / "main.dex") == 0)
    GTEST_SKIP() << "no compiled dictionaries in the build folder";
  ScratchDir dir;
  for (const auto& entry : fs::directory_iterator(bundled))
    if (entry.path().extension() == ".dex") fs::copy_file(entry.path(), entry.path().filename());
  CheckBothDirections(100, false);
}

}  // namespace
