#include "tools/dexc/ListCheck.h"

#include <set>

#include "base/Cp949.h"
#include "dict/Capacities.h"
#include "dict/KeyVocabulary.h"

namespace {

std::string Shown(const std::vector<std::string>& items) {
  std::string text;
  for (std::size_t i = 0; i < items.size(); ++i) text += (i ? "," : "") + Cp949ToUtf8(items[i]);
  return Quoted(text);
}

// The warnings for one list; `emit` receives each message.
template <typename Emit>
void WarnIfTooBig(const ListSize& size, const std::string& list, Emit emit) {
  if (size.nRuns > kMaxLexiconRuns)
    emit(list + " can offer the phrases of " + std::to_string(size.nRuns) +
         " lexicon keys, but one list can merge at most " + std::to_string(kMaxLexiconRuns));
  if (size.nFreeSlots > kMaxTableEntries)
    emit(list + " can offer " + std::to_string(size.nFreeSlots) +
         " free slots, but one list can hold at most " + std::to_string(kMaxTableEntries));
  if (size.nLines > kMaxListLines)
    emit(list + " can have " + std::to_string(size.nLines) +
         " lines, but one list can hold at most " + std::to_string(kMaxListLines));
}

}  // namespace

void CheckListSizes(const CompiledDirection& direction, CDiagnostics& diag) {
  if (direction.patterns.empty()) return;
  const std::string& file = direction.patterns.front().where.strFile;
  WarnIfTooBig(ListSizeAfter(direction, {}), "the first list of a sentence",
               [&](const std::string& message) { diag.FileWarning(file, message); });

  for (const PatternPrefix& prefix : ContinuedPrefixes(direction))
    WarnIfTooBig(LargestListAfter(direction, prefix.items), "the list after " + Shown(prefix.items),
                 [&](const std::string& message) { diag.Warning(prefix.where, message); });
}

void CheckKeys(const CompiledDirection& direction, CDiagnostics& diag) {
  DirectionIndex index(direction);
  std::set<std::string> reported;
  auto check = [&](const std::string& item, const SourceLocation& where) {
    if (IsFreeSlotItem(item) || IsFreeInputKey(item)) return;
    if (index.groupSize.count(item) || index.firstKeys.count(item)) return;
    if (!reported.insert(item).second) return;
    std::string message = "key " + Quoted(Cp949ToUtf8(item)) + " is ";
    message += IsResultKey(item)
                   ? "the result key of no phrase rule (" + direction.strRulesName + ")"
                   : "no key of the lexicon (" + direction.strLexiconName +
                         ") and no result key of a phrase rule";
    diag.Warning(where, message);
  };
  for (const CompiledRule& rule : direction.rules)
    for (const std::string& item : rule.items) check(item, rule.where);
  for (const CompiledPattern& pattern : direction.patterns)
    for (const std::string& item : pattern.items) check(item, pattern.where);

  // A free slot that begins a sentence pattern and also a phrase rule the first list
  // offers stands in that list twice: once among the patterns' free slots and once among
  // the rules', each kind in order of its own, so the list is out of order there.
  std::set<std::string> patternSlots, ruleSlots;
  for (const CompiledPattern& pattern : direction.patterns) {
    const std::string& first = pattern.items[0];
    if (IsFreeSlotItem(first)) patternSlots.insert(first);
    const auto keys = index.firstKeys.find(first);
    if (keys == index.firstKeys.end()) continue;
    for (const std::string& key : keys->second)
      if (IsFreeSlotItem(key)) ruleSlots.insert(key);
  }
  std::set<std::string> twice;
  for (const CompiledPattern& pattern : direction.patterns) {
    const std::string& first = pattern.items[0];
    if (!ruleSlots.count(first) || !patternSlots.count(first) || !twice.insert(first).second)
      continue;
    diag.Warning(pattern.where,
                 "the free slot " + Quoted(Cp949ToUtf8(first)) +
                     " begins sentence patterns and phrase rules alike: the first list of a "
                     "sentence offers it twice, out of order; let one of them begin with a key");
  }

  std::set<std::string> unstartable;
  for (const CompiledPattern& pattern : direction.patterns) {
    const std::string& first = pattern.items[0];
    if (!index.groupSize.count(first) || !unstartable.insert(first).second) continue;
    diag.Warning(pattern.where,
                 "sentence patterns that begin with the lexicon key " +
                     Quoted(Cp949ToUtf8(first)) +
                     " can never be started: the first list of a sentence offers only result "
                     "keys (\"z...\") and free slots (\"-...\")");
  }
}
