// Fuzz target: the completion check (CheckSentence) on arbitrary phrase rules and
// sentence patterns of both directions. Sections: gu.dex, change.dex, ekgu.dex,
// ekchange.dex, then the steps: the control text's first byte picks the direction
// (odd: Korean to English), each following line is one step "key<TAB>phrase<TAB>
// translation" (at most 50).
#include <memory>

#include "dict/Capacities.h"
#include "dict/RecordLayout.h"
#include "engine/SentenceBuilder.h"
#include "fuzz/FuzzSupport.h"

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  fuzz::UseMemoryDictionaries();
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  auto sections = fuzz::SplitSections(data, size, 5);
  fuzz::WriteFile(kGuKor, sections[0]);
  fuzz::WriteFile(kChangeKor, sections[1]);
  fuzz::WriteFile(kGuEng, sections[2]);
  fuzz::WriteFile(kChangeEng, sections[3]);
  std::string_view control = sections[4];

  auto* builder = &fuzz::Fresh<CSentenceBuilder>();
  builder->m_bKoreanSource = (!control.empty() && (control[0] & 1)) ? 1 : 0;
  if (!control.empty()) control.remove_prefix(1);
  std::vector<std::string> lines = fuzz::Lines(control);
  if (lines.empty()) lines.emplace_back();
  if (lines.size() > static_cast<std::size_t>(kMaxSteps)) lines.resize(kMaxSteps);
  const int last = static_cast<int>(lines.size()) - 1;
  for (int i = 0; i <= last; ++i) {
    StepRecord& step = builder->m_steps[i];
    const std::string& line = lines[static_cast<std::size_t>(i)];
    step.strKey = fuzz::Field(line, 0);
    step.strPhrase = fuzz::Field(line, 1);
    step.strTranslation = fuzz::Field(line, 2);
    step.nPrev = i - 1;
    step.nNext = i < last ? i + 1 : kChainEnd;
  }
  builder->m_nLast = last;
  bool complete = builder->CheckSentence();
  (void)complete;

  // The regrouped chain keeps its shape: records 0..m_nLast linked in array order.
  FUZZ_CHECK(builder->m_nLast >= 0 && builder->m_nLast <= last, "m_nLast within the steps");
  for (int i = 0; i <= builder->m_nLast; ++i) {
    FUZZ_CHECK(builder->m_work[i].nPrev == i - 1, "working chain: nPrev");
    FUZZ_CHECK(builder->m_work[i].nNext == (i < builder->m_nLast ? i + 1 : kChainEnd),
               "working chain: nNext");
  }
  for (int i = 0; i <= last; ++i)
    FUZZ_CHECK(builder->m_steps[i].strKey == fuzz::Field(lines[static_cast<std::size_t>(i)], 0),
               "committed steps unchanged");
  return 0;
}
