#include "tools/dexc/DexKinds.h"

#include <string_view>

#include "dict/DictionaryFiles.h"

namespace {

constexpr std::string_view kDexExtension = ".dex";

std::string WithoutExtension(std::string_view fileName) {
  if (fileName.ends_with(kDexExtension)) fileName.remove_suffix(kDexExtension.size());
  return std::string(fileName);
}

// The kind and direction of one file: a lexicon, rule or pattern file of a direction,
// or else the particle file, which belongs to no direction and counts as Korean.
DictionaryName Describe(std::string_view file) {
  std::string name = WithoutExtension(file);
  for (bool koreanSource : {true, false}) {
    const DirectionFiles& files = FilesFor(koreanSource ? 1 : 0);
    if (file == files.szLexicon) return {name, DexKind::kLexicon, koreanSource};
    if (file == files.szRules) return {name, DexKind::kRules, koreanSource};
    if (file == files.szPatterns) return {name, DexKind::kPatterns, koreanSource};
  }
  return {name, DexKind::kParticles, true};
}

}  // namespace

const std::vector<DictionaryName>& Dictionaries() {
  static const std::vector<DictionaryName> names = [] {
    std::vector<DictionaryName> described;
    for (const char* file : kAllDictionaryFiles) described.push_back(Describe(file));
    return described;
  }();
  return names;
}

bool KindOfFileName(const std::string& baseName, DexKind* kind) {
  for (const DictionaryName& d : Dictionaries()) {
    if (baseName == d.strName || baseName == d.strName + std::string(kDexExtension)) {
      *kind = d.kind;
      return true;
    }
  }
  return false;
}

std::string DictionaryNameList(const std::string& suffix) {
  const std::vector<DictionaryName>& names = Dictionaries();
  std::string list;
  for (std::size_t i = 0; i < names.size(); ++i) {
    if (i > 0) list += i + 1 < names.size() ? ", " : " and ";
    list += names[i].strName + suffix;
  }
  return list;
}
