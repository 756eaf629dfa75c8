// Fuzz target: the phrase expansion (GetContinuationKeys) on arbitrary phrase rules and
// sentence patterns of both directions. Sections: gu.dex, change.dex, ekgu.dex,
// ekchange.dex, then the question: the control text's first byte picks the direction
// (odd: Korean to English), its first line after that byte is the tail, the second the
// head (both comma lists; the tail never empty, as the candidate list builder asks).
#include <memory>

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
  std::string tail = lines.size() > 0 ? lines[0] : "";
  std::string head = lines.size() > 1 ? lines[1] : "";
  if (tail.empty()) tail = ",";

  std::string keys = builder->GetContinuationKeys(tail, head);
  FUZZ_CHECK(!keys.empty() && keys.front() == ',' && keys.back() == ',',
             "the result is a list with a leading comma");
  // Each key is offered once.
  std::size_t from = 1;
  std::vector<std::string> seen;
  while (from < keys.size()) {
    std::size_t comma = keys.find(',', from);
    std::string key = keys.substr(from, comma - from);
    for (const auto& other : seen) FUZZ_CHECK(other != key, "a key is offered once");
    seen.push_back(key);
    from = comma + 1;
  }
  return 0;
}
