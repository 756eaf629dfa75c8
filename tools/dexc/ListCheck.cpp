#include "tools/dexc/ListCheck.h"

#include <algorithm>
#include <map>
#include <set>

#include "base/Cp949.h"
#include "dict/Capacities.h"

namespace {

constexpr const char* kReservedKeys[] = {"zz", "mz"};

bool IsFreeSlot(const std::string& item) { return !item.empty() && item[0] == '-'; }
bool IsResultKey(const std::string& item) { return !item.empty() && item[0] == 'z'; }

// What the candidate list builder knows of one direction: group sizes by key and the
// first keys of the rules by result key (in rule order, each once).
struct DirectionIndex {
  std::map<std::string, int> groupSize;
  std::map<std::string, std::vector<std::string>> firstKeys;

  explicit DirectionIndex(const CompiledDirection& direction) {
    for (const LexiconGroup& group : direction.lexicon.groups)
      if (!group.entries.empty()) groupSize.emplace(group.strKey, group.entries.size());
    for (const CompiledRule& rule : direction.rules) {
      std::vector<std::string>& keys = firstKeys[rule.strResultKey];
      const std::string& first = rule.items.front();
      if (std::find(keys.begin(), keys.end(), first) == keys.end()) keys.push_back(first);
    }
  }
};

// Counts the list made of the offered pattern items.
ListSize CountOffer(const DirectionIndex& index, const std::set<std::string>& items) {
  ListSize size;
  std::set<std::string> keys;
  for (const std::string& item : items) {
    if (IsFreeSlot(item)) {
      ++size.nFreeSlots;
      continue;
    }
    auto found = index.firstKeys.find(item);
    if (found != index.firstKeys.end()) keys.insert(found->second.begin(), found->second.end());
  }
  for (const std::string& key : keys) {
    if (IsFreeSlot(key)) {
      ++size.nFreeSlots;
      continue;
    }
    auto group = index.groupSize.find(key);
    if (group == index.groupSize.end()) continue;
    ++size.nRuns;
    size.nLines += group->second;
  }
  size.nLines += size.nFreeSlots;
  return size;
}

// The next items after each prefix that the pattern continuation runs for (prefixes
// whose last item is a result key or a free slot), with the first pattern of each.
struct Continuation {
  std::vector<std::string> prefix;
  SourceLocation where;
  std::set<std::string> next;
};

std::vector<Continuation> Continuations(const CompiledDirection& direction) {
  std::map<std::vector<std::string>, Continuation> byPrefix;
  std::vector<std::vector<std::string>> order;
  for (const CompiledPattern& pattern : direction.patterns) {
    const std::vector<std::string>& items = pattern.items;
    for (std::size_t n = 1; n < items.size(); ++n) {
      const std::string& last = items[n - 1];
      if (!IsResultKey(last) && !IsFreeSlot(last)) continue;
      std::vector<std::string> prefix(items.begin(), items.begin() + static_cast<long>(n));
      auto [it, isNew] = byPrefix.try_emplace(prefix);
      if (isNew) {
        it->second.prefix = prefix;
        it->second.where = pattern.where;
        order.push_back(prefix);
      }
      it->second.next.insert(items[n]);
    }
  }
  std::vector<Continuation> result;
  for (const auto& prefix : order) result.push_back(byPrefix[prefix]);
  return result;
}

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

ListSize ListSizeAfter(const CompiledDirection& direction,
                       const std::vector<std::string>& prefix) {
  DirectionIndex index(direction);
  std::set<std::string> next;
  for (const CompiledPattern& pattern : direction.patterns) {
    const std::vector<std::string>& items = pattern.items;
    if (items.size() <= prefix.size()) continue;
    if (!std::equal(prefix.begin(), prefix.end(), items.begin())) continue;
    next.insert(items[prefix.size()]);
  }
  return CountOffer(index, next);
}

void CheckListSizes(const CompiledDirection& direction, CDiagnostics& diag) {
  if (direction.patterns.empty()) return;
  DirectionIndex index(direction);

  std::set<std::string> firstItems;
  for (const CompiledPattern& pattern : direction.patterns) firstItems.insert(pattern.items[0]);
  const std::string& file = direction.patterns.front().where.strFile;
  WarnIfTooBig(CountOffer(index, firstItems), "the first list of a sentence",
               [&](const std::string& message) { diag.FileWarning(file, message); });

  for (const Continuation& c : Continuations(direction))
    WarnIfTooBig(CountOffer(index, c.next), "the list after " + Shown(c.prefix),
                 [&](const std::string& message) { diag.Warning(c.where, message); });
}

void CheckKeys(const CompiledDirection& direction, CDiagnostics& diag) {
  DirectionIndex index(direction);
  std::set<std::string> reported;
  auto check = [&](const std::string& item, const SourceLocation& where) {
    if (IsFreeSlot(item) || index.groupSize.count(item) || index.firstKeys.count(item)) return;
    for (const char* reserved : kReservedKeys)
      if (item == reserved) return;
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
