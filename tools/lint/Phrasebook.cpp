#include "tools/lint/Phrasebook.h"

#include <filesystem>
#include <fstream>
#include <map>
#include <string_view>

namespace {

constexpr std::string_view kUtf8ByteOrderMark = "\xEF\xBB\xBF";
constexpr std::string_view kThemeLead = "## ";
constexpr std::string_view kArrow = "=>";
constexpr char kVariantBar = '|';
constexpr char kCommentLead = '#';

std::string Trim(std::string_view text) {
  const std::size_t first = text.find_first_not_of(" \t");
  if (first == std::string_view::npos) return {};
  const std::size_t last = text.find_last_not_of(" \t");
  return std::string(text.substr(first, last - first + 1));
}

// The fields of a pair's right side: reference first, then the variants.
std::vector<std::string> SplitTranslations(std::string_view text) {
  std::vector<std::string> fields;
  for (;;) {
    const std::size_t bar = text.find(kVariantBar);
    fields.push_back(Trim(text.substr(0, bar)));
    if (bar == std::string_view::npos) break;
    text.remove_prefix(bar + 1);
  }
  return fields;
}

}  // namespace

Phrasebook ReadPhrasebook(std::istream& in, const std::string& name) {
  Phrasebook book;
  std::map<std::string, int> seen;  // source sentence -> its line
  std::string theme;
  std::string raw;
  for (int number = 1; std::getline(in, raw); ++number) {
    std::string_view line = raw;
    if (number == 1 && line.starts_with(kUtf8ByteOrderMark))
      line.remove_prefix(kUtf8ByteOrderMark.size());
    if (line.ends_with('\r')) line.remove_suffix(1);
    const std::string trimmed = Trim(line);
    const std::string where = name + ":" + std::to_string(number) + ": ";
    if (trimmed.empty()) continue;
    if (trimmed.starts_with(kThemeLead)) {
      theme = Trim(std::string_view(trimmed).substr(kThemeLead.size()));
      continue;
    }
    if (trimmed[0] == kCommentLead) continue;

    const std::size_t arrow = trimmed.find(kArrow);
    if (arrow == std::string::npos) {
      book.errors.push_back(where + "no \"=>\" between the source sentence and its translation");
      continue;
    }
    if (trimmed.find(kArrow, arrow + kArrow.size()) != std::string::npos) {
      book.errors.push_back(where + "more than one \"=>\"");
      continue;
    }
    PhrasebookPair pair;
    pair.nLine = number;
    pair.strTheme = theme;
    pair.strSource = Trim(std::string_view(trimmed).substr(0, arrow));
    std::vector<std::string> translations =
        SplitTranslations(std::string_view(trimmed).substr(arrow + kArrow.size()));
    if (pair.strSource.empty()) {
      book.errors.push_back(where + "the source sentence is empty");
      continue;
    }
    bool emptyField = false;
    for (const std::string& t : translations) emptyField = emptyField || t.empty();
    if (emptyField) {
      book.errors.push_back(where + "a translation is empty");
      continue;
    }
    auto [it, added] = seen.try_emplace(pair.strSource, number);
    if (!added) {
      book.errors.push_back(where + "the source sentence \"" + pair.strSource +
                            "\" was already given at line " + std::to_string(it->second));
      continue;
    }
    pair.strReference = translations.front();
    pair.variants.assign(translations.begin() + 1, translations.end());
    book.pairs.push_back(std::move(pair));
  }
  return book;
}

Phrasebook ReadPhrasebookFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) {
    Phrasebook book;
    book.errors.push_back(path + ": cannot be read");
    return book;
  }
  return ReadPhrasebook(in, path);
}

std::optional<bool> DirectionFromFileName(const std::string& path) {
  const std::string name = std::filesystem::path(path).filename().string();
  if (name.starts_with("ko-en")) return true;
  if (name.starts_with("en-ko")) return false;
  return std::nullopt;
}
