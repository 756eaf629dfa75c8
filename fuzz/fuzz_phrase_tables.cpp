// Fuzz target: the two indexes the candidate list builds at start-up, the lexicon group
// index (LoadMainGroups) and the first keys of the phrase rules (LoadGuFirstKeys), from
// arbitrary main.dex, ekmain.dex, gu.dex and ekgu.dex (four input sections).
#include <memory>

#include "candidates/CandidateList.h"
#include "dict/RecordLayout.h"
#include "fuzz/FuzzSupport.h"

namespace {

void CheckGroups(const MainGroup* table, int last, std::size_t fileSize) {
  const int count = static_cast<int>(fileSize / kLexiconRecordSize);
  FUZZ_CHECK(last >= -1 && last < kMaxTableEntries, "group table index in range");
  for (int g = 0; g <= last; ++g) {
    FUZZ_CHECK(table[g].nFirst >= 0 && table[g].nFirst <= table[g].nLast &&
                   table[g].nLast < count,
               "group range inside the file");
    if (g > 0) FUZZ_CHECK(table[g - 1].nLast + 1 == table[g].nFirst, "groups are adjacent runs");
    FUZZ_CHECK(table[g].strKey.size() < kLexKeyWidth + 1, "group key within its field");
  }
}

void CheckFirstKeys(const GuKeyEntry* table, int last) {
  FUZZ_CHECK(last >= -1 && last < kMaxTableEntries, "first-key table index in range");
  for (int e = 0; e <= last; ++e) {
    const std::string& keys = table[e].strFirstKeys;
    FUZZ_CHECK(keys.size() >= 2 && keys.front() == ',' && keys.back() == ',',
               "first keys form a list with a leading comma");
    for (int f = 0; f < e; ++f)
      FUZZ_CHECK(table[f].strResultKey != table[e].strResultKey, "result keys are distinct");
  }
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  fuzz::UseMemoryDictionaries();
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  auto sections = fuzz::SplitSections(data, size, 4);
  fuzz::WriteFile(kMainKor, sections[0]);
  fuzz::WriteFile(kMainEng, sections[1]);
  fuzz::WriteFile(kGuKor, sections[2]);
  fuzz::WriteFile(kGuEng, sections[3]);

  auto* list = &fuzz::Fresh<CCandidateList>();
  list->LoadMainGroups();
  list->LoadGuFirstKeys();
  CheckGroups(list->m_mainKor, list->m_nMainKor, sections[0].size());
  CheckGroups(list->m_mainEng, list->m_nMainEng, sections[1].size());
  CheckFirstKeys(list->m_guKor, list->m_nGuKor);
  CheckFirstKeys(list->m_guEng, list->m_nGuEng);
  return 0;
}
