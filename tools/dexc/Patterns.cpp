#include "tools/dexc/Patterns.h"

#include <algorithm>
#include <map>

#include "dict/RecordLayout.h"
#include "tools/dexc/FieldChecks.h"
#include "tools/dexc/SharedFields.h"

namespace {
constexpr LineForm kPatternLine = {"a sentence pattern", "\"key,key,... | template\"", 2};
}  // namespace

std::vector<CompiledPattern> CompilePatterns(const std::vector<SourceLine>& lines,
                                             CDiagnostics& diag) {
  std::vector<CompiledPattern> patterns;
  std::map<std::string, SourceLocation> seen;

  for (const SourceLine& line : lines) {
    if (!HasLineForm(diag, line, kPatternLine)) continue;
    const SourceLocation& where = line.where;
    const std::vector<std::string>& f = line.fields;
    CompiledPattern pattern;
    pattern.where = where;
    bool itemsOk = CompileItems(diag, where, "key list", f[0], &pattern.items);
    bool ok = itemsOk;
    if (itemsOk) ok &= CheckReferences(diag, where, f[1], pattern.items.size(), "key list");
    ok &= ConvertAndFit(diag, where, "template", f[1], kPatTemplateWidth,
                        &pattern.record.strTemplate);
    if (!itemsOk) continue;

    pattern.record.strKeyList = "," + JoinItems(pattern.items) + ",";
    const std::string& keyList = pattern.record.strKeyList;
    if (keyList.size() + 1 > kPatKeyListWidth) {
      diag.Error(where, "the key list is too long: " + std::to_string(keyList.size()) +
                            " bytes stored as \",key,key,\" in code page 949, at most " +
                            std::to_string(kPatKeyListWidth - 1) + " fit");
      continue;
    }
    auto [earlier, isNew] = seen.emplace(keyList, where);
    if (!isNew) {
      diag.Error(where, "this key list was already given at " + earlier->second.strFile + ":" +
                            std::to_string(earlier->second.nLine) +
                            "; a key list may have one sentence pattern only");
      continue;
    }
    if (ok) patterns.push_back(std::move(pattern));
  }

  std::sort(patterns.begin(), patterns.end(),
            [](const CompiledPattern& a, const CompiledPattern& b) {
              return a.record.strKeyList < b.record.strKeyList;
            });
  return patterns;
}
