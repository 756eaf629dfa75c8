#include "candidates/PatternStarts.h"

#include <cstring>
#include <string_view>

#include "dict/DexFile.h"
#include "dict/DictionaryFiles.h"
#include "dict/RecordLayout.h"

const std::vector<std::string>& CPatternStarts::Of(CDexFile& file) {
  if (!KeptIndexStillHolds(m_stamp, file.Stamp())) Read(file);
  return m_starts;
}

void CPatternStarts::Read(CDexFile& file) {
  ++m_nPasses;
  m_stamp = file.Stamp();
  m_starts.clear();
  const int count = RecordCount(file, kPatternRecordSize);
  unsigned char record[kPatternRecordSize];
  for (int r = 0; r < count; ++r) {
    // The first item is found in the record itself: this pass reads every pattern, so
    // it makes no string of its own per record. A pattern whose key list has no second
    // comma begins with the empty item, like one before any pattern.
    file.ReadRecord(r, kPatternRecordSize, record);
    const char* field = reinterpret_cast<const char*>(record + kPatKeyListOffset);
    std::string_view keys(field, strnlen(field, kPatKeyListWidth));
    if (!keys.empty()) keys.remove_prefix(1);
    std::string_view::size_type comma = keys.find(',');
    std::string_view first = comma == std::string_view::npos ? std::string_view() : keys.substr(0, comma);
    std::string_view previous = m_starts.empty() ? std::string_view() : std::string_view(m_starts.back());
    if (first != previous) m_starts.emplace_back(first);
  }
}
