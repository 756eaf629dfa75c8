#include "tools/dexc/DiffCommand.h"

#include <filesystem>
#include <map>
#include <sstream>
#include <vector>

#include "tools/dexc/DexKinds.h"
#include "tools/dexc/Dump.h"

namespace {

constexpr int kStatusSame = 0;
constexpr int kStatusDifferent = 1;
constexpr const char* kDexExtension = ".dex";

bool DumpLinesOf(const std::string& file, DexKind kind, std::vector<std::string>* lines,
                 std::ostream& err) {
  std::ostringstream text;
  if (DumpFile(file, kind, text, err) != 0) return false;
  std::istringstream in(text.str());
  for (std::string line; std::getline(in, line);) lines->push_back(line);
  return true;
}

// The lines of `from` that `other` lacks, each as often as it has more of them, in
// the order of `from`.
std::vector<std::string> Missing(const std::vector<std::string>& from,
                                 const std::vector<std::string>& other) {
  std::map<std::string, int> count;
  for (const std::string& line : other) ++count[line];
  std::vector<std::string> missing;
  for (const std::string& line : from)
    if (count[line]-- <= 0) missing.push_back(line);
  return missing;
}

}  // namespace

int DiffDictionaries(const std::string& oldDir, const std::string& newDir, std::ostream& out,
                     std::ostream& err) {
  bool same = true, readable = true;
  for (const DictionaryName& dictionary : Dictionaries()) {
    std::string fileName = dictionary.strName + kDexExtension;
    std::vector<std::string> before, after;
    if (!DumpLinesOf((std::filesystem::path(oldDir) / fileName).string(), dictionary.kind, &before,
                     err) ||
        !DumpLinesOf((std::filesystem::path(newDir) / fileName).string(), dictionary.kind, &after,
                     err)) {
      readable = false;
      continue;
    }
    std::vector<std::string> gone = Missing(before, after), added = Missing(after, before);
    for (const std::string& line : gone) out << "- " << dictionary.strName << "\t" << line << "\n";
    for (const std::string& line : added) out << "+ " << dictionary.strName << "\t" << line << "\n";
    if (gone.empty() && added.empty()) continue;
    same = false;
    err << dictionary.strName << ": " << gone.size() << " records gone, " << added.size()
        << " new (" << before.size() << " before, " << after.size() << " after)\n";
  }
  return same && readable ? kStatusSame : kStatusDifferent;
}
