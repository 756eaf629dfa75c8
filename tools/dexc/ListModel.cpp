#include "tools/dexc/ListModel.h"

#include <algorithm>
#include <set>

#include "dict/KeyVocabulary.h"

namespace {

bool BeginsWith(const std::vector<std::string>& items, const std::vector<std::string>& prefix) {
  return items.size() >= prefix.size() && std::equal(prefix.begin(), prefix.end(), items.begin());
}

// The next item of every pattern that goes on after the prefix.
std::set<std::string> NextPatternItems(const CompiledDirection& direction,
                                       const std::vector<std::string>& prefix) {
  std::set<std::string> next;
  for (const CompiledPattern& pattern : direction.patterns)
    if (pattern.items.size() > prefix.size() && BeginsWith(pattern.items, prefix))
      next.insert(pattern.items[prefix.size()]);
  return next;
}

// The keys that continue the rule `group` into a longer rule whose result some pattern
// takes right after `head`. A step typed into an "mz" slot stands in the head as its
// typed word, which no replay knows: such a head takes no rule's result.
std::set<std::string> GroupContinuation(const CompiledDirection& direction,
                                        const std::vector<std::string>& head,
                                        const std::vector<std::string>& group) {
  std::set<std::string> keys;
  if (group.empty() || std::find(head.begin(), head.end(), kRuleSlotKey) != head.end()) return keys;
  std::vector<std::string> start = head;
  for (const CompiledRule& rule : direction.rules) {
    if (rule.items.size() <= group.size() || !BeginsWith(rule.items, group)) continue;
    start.resize(head.size());
    start.push_back(rule.strResultKey);
    for (const CompiledPattern& pattern : direction.patterns) {
      if (!BeginsWith(pattern.items, start)) continue;
      keys.insert(rule.items[group.size()]);
      break;
    }
  }
  return keys;
}

// Counts the list made of the offered pattern items and the keys that continue a rule.
ListSize CountOffer(const DirectionIndex& index, const std::set<std::string>& items,
                    std::set<std::string> keys) {
  ListSize size;
  for (const std::string& item : items) {
    if (IsFreeSlotItem(item)) {
      ++size.nFreeSlots;
      continue;
    }
    auto found = index.firstKeys.find(item);
    if (found != index.firstKeys.end()) keys.insert(found->second.begin(), found->second.end());
  }
  for (const std::string& key : keys) {
    if (IsFreeSlotItem(key)) {
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

}  // namespace

DirectionIndex::DirectionIndex(const CompiledDirection& direction) {
  for (const LexiconGroup& group : direction.lexicon.groups)
    if (!group.entries.empty()) groupSize.emplace(group.strKey, group.entries.size());
  for (const CompiledRule& rule : direction.rules) {
    std::vector<std::string>& keys = firstKeys[rule.strResultKey];
    const std::string& first = rule.items.front();
    if (std::find(keys.begin(), keys.end(), first) == keys.end()) keys.push_back(first);
  }
}

ListSize ListSizeAfter(const CompiledDirection& direction, const std::vector<std::string>& prefix,
                       const std::vector<std::string>& group) {
  std::set<std::string> keys;
  if (!prefix.empty()) {
    const std::string& last = prefix.back();
    const std::vector<std::string> head(prefix.begin(), prefix.end() - 1);
    keys = GroupContinuation(direction, head,
                             IsFreeSlotItem(last) ? std::vector<std::string>{last} : group);
  }
  return CountOffer(DirectionIndex(direction), NextPatternItems(direction, prefix), keys);
}

std::vector<std::vector<std::string>> GroupsOf(const CompiledDirection& direction,
                                               const std::string& resultKey) {
  std::vector<std::vector<std::string>> groups;
  for (const CompiledRule& rule : direction.rules)
    if (rule.strResultKey == resultKey &&
        std::find(groups.begin(), groups.end(), rule.items) == groups.end())
      groups.push_back(rule.items);
  return groups;
}

ListSize LargestListAfter(const CompiledDirection& direction,
                          const std::vector<std::string>& prefix) {
  std::vector<std::vector<std::string>> groups;
  if (!prefix.empty() && IsResultKey(prefix.back())) groups = GroupsOf(direction, prefix.back());
  if (groups.empty()) groups.emplace_back();
  ListSize largest;
  for (const std::vector<std::string>& group : groups) {
    ListSize size = ListSizeAfter(direction, prefix, group);
    largest.nRuns = std::max(largest.nRuns, size.nRuns);
    largest.nFreeSlots = std::max(largest.nFreeSlots, size.nFreeSlots);
    largest.nLines = std::max(largest.nLines, size.nLines);
  }
  return largest;
}

std::vector<PatternPrefix> ContinuedPrefixes(const CompiledDirection& direction) {
  std::vector<PatternPrefix> prefixes;
  std::set<std::vector<std::string>> seen;
  for (const CompiledPattern& pattern : direction.patterns) {
    const std::vector<std::string>& items = pattern.items;
    for (std::size_t n = 1; n < items.size(); ++n) {
      const std::string& last = items[n - 1];
      if (!IsResultKey(last) && !IsFreeSlotItem(last)) continue;
      std::vector<std::string> prefix(items.begin(), items.begin() + static_cast<long>(n));
      if (seen.insert(prefix).second) prefixes.push_back({prefix, pattern.where});
    }
  }
  return prefixes;
}
