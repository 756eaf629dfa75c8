// Fuzz target: the candidate list for the next step (CCandidateList::Build and Fill) on
// arbitrary dictionaries. Sections: main.dex, gu.dex, change.dex, ekmain.dex, ekgu.dex,
// ekchange.dex, then the composition: the control text's first byte picks the
// direction (odd: Korean to English), each following line is one committed step
// "key<TAB>phrase<TAB>translation" (at most 49; none: the first list only).
// The list loads its two indexes and builds the first list, as the dialog does when it
// opens; then the steps are committed and checked as the confirm command does, and the
// list for the next step is built.
#include <memory>

#include "candidates/CandidateList.h"
#include "dict/Capacities.h"
#include "dict/RecordLayout.h"
#include "engine/SentenceBuilder.h"
#include "fuzz/FuzzSupport.h"

namespace {

// Counts the lines as a list control would take them, and checks they come in order.
class CCountingSink : public ICandidateSink {
 public:
  void ResetLines() override { m_nLines = 0; }
  void InsertLine(int nIndex, const std::string&) override {
    FUZZ_CHECK(nIndex == m_nLines, "lines arrive in order");
    ++m_nLines;
  }
  int m_nLines = 0;
};

void CheckList(const CCountingSink& sink) {
  FUZZ_CHECK(sink.m_nLines <= kMaxListLines, "at most 8000 lines");
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  fuzz::UseMemoryDictionaries();
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  auto sections = fuzz::SplitSections(data, size, 7);
  fuzz::WriteFile(kMainKor, sections[0]);
  fuzz::WriteFile(kGuKor, sections[1]);
  fuzz::WriteFile(kChangeKor, sections[2]);
  fuzz::WriteFile(kMainEng, sections[3]);
  fuzz::WriteFile(kGuEng, sections[4]);
  fuzz::WriteFile(kChangeEng, sections[5]);
  std::string_view control = sections[6];

  auto* list = &fuzz::Fresh<CCandidateList>();
  auto* builder = &fuzz::Fresh<CSentenceBuilder>();
  CCountingSink sink;
  list->LoadMainGroups();
  list->LoadGuFirstKeys();
  list->Build(*builder, 0, 1, sink);
  CheckList(sink);

  unsigned char direction = (!control.empty() && (control[0] & 1)) ? 1 : 0;
  if (!control.empty()) control.remove_prefix(1);
  std::vector<std::string> lines = fuzz::Lines(control);
  if (lines.size() > static_cast<std::size_t>(kMaxSteps - 1)) lines.resize(kMaxSteps - 1);
  const int steps = static_cast<int>(lines.size());

  for (int i = 0; i < steps; ++i) {
    StepRecord& step = builder->m_steps[i];
    const std::string& line = lines[static_cast<std::size_t>(i)];
    step.strKey = fuzz::Field(line, 0);
    step.strPhrase = fuzz::Field(line, 1);
    step.strTranslation = fuzz::Field(line, 2);
    step.nPrev = i - 1;
    step.nNext = i + 1 < steps ? i + 1 : kChainEnd;
  }
  if (steps > 0) {
    builder->m_nLast = steps - 1;
    builder->m_bKoreanSource = direction;
    builder->CheckSentence();
  }
  list->Build(*builder, steps, direction, sink);
  CheckList(sink);
  return 0;
}
