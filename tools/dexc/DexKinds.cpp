#include "tools/dexc/DexKinds.h"

#include <string_view>

#include "dict/RecordLayout.h"

namespace {

constexpr std::string_view kDexExtension = ".dex";

std::string WithoutExtension(std::string_view fileName) {
  if (fileName.size() >= kDexExtension.size() &&
      fileName.substr(fileName.size() - kDexExtension.size()) == kDexExtension)
    fileName.remove_suffix(kDexExtension.size());
  return std::string(fileName);
}

}  // namespace

const DictionaryName* Dictionaries() {
  static const DictionaryName names[kDictionaryCount] = {
      {WithoutExtension(kMainKor), DexKind::kLexicon, true},
      {WithoutExtension(kMainEng), DexKind::kLexicon, false},
      {WithoutExtension(kGuKor), DexKind::kRules, true},
      {WithoutExtension(kGuEng), DexKind::kRules, false},
      {WithoutExtension(kChangeKor), DexKind::kPatterns, true},
      {WithoutExtension(kChangeEng), DexKind::kPatterns, false},
      {WithoutExtension(kTosi), DexKind::kParticles, true},
  };
  return names;
}

bool KindOfFileName(const std::string& baseName, DexKind* kind) {
  for (int i = 0; i < kDictionaryCount; ++i) {
    const DictionaryName& d = Dictionaries()[i];
    if (baseName == d.strName || baseName == d.strName + std::string(kDexExtension)) {
      *kind = d.kind;
      return true;
    }
  }
  return false;
}
