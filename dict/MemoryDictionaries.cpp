#include "dict/MemoryDictionaries.h"

#include <map>

namespace {

struct MemoryStore {
  bool bOn = false;
  unsigned long long nLastVersion = 0;
  std::map<std::string, std::shared_ptr<const MemoryDictionary>, std::less<>> byName;
};

MemoryStore& Store() {
  static MemoryStore store;
  return store;
}

}  // namespace

void UseMemoryDictionaries(bool bOn) {
  Store().bOn = bOn;
  if (!bOn) Store().byName.clear();
}

bool MemoryDictionariesInUse() { return Store().bOn; }

void PutMemoryDictionary(std::string_view name, std::string_view bytes) {
  auto version = std::make_shared<MemoryDictionary>();
  version->strBytes.assign(bytes);
  version->nVersion = ++Store().nLastVersion;
  auto& byName = Store().byName;
  auto at = byName.find(name);
  if (at == byName.end())
    byName.emplace(std::string(name), std::move(version));
  else
    at->second = std::move(version);
}

void RemoveMemoryDictionary(std::string_view name) {
  auto& byName = Store().byName;
  auto at = byName.find(name);
  if (at != byName.end()) byName.erase(at);
}

std::shared_ptr<const MemoryDictionary> FindMemoryDictionary(std::string_view name) {
  const auto& byName = Store().byName;
  auto at = byName.find(name);
  return at == byName.end() ? nullptr : at->second;
}
