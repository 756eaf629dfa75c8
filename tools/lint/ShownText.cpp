#include "tools/lint/ShownText.h"

namespace {

bool IsBlank(char c) {
  return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\v' || c == '\f';
}

}  // namespace

std::string NormaliseShown(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  bool pendingBlank = false;
  for (char c : text) {
    if (IsBlank(c)) {
      pendingBlank = !out.empty();
      continue;
    }
    if (pendingBlank) out += ' ';
    pendingBlank = false;
    out += c;
  }
  if (!out.empty() && out[0] >= 'a' && out[0] <= 'z')
    out[0] = static_cast<char>(out[0] - 'a' + 'A');
  return out;
}

bool BeginsTarget(std::string_view normalisedShown, std::string_view normalisedTarget) {
  return normalisedTarget.starts_with(normalisedShown);
}

int AcceptedIndex(std::string_view translation, std::string_view reference,
                  const std::vector<std::string>& variants) {
  const std::string shown = NormaliseShown(translation);
  if (shown == NormaliseShown(reference)) return 0;
  for (std::size_t i = 0; i < variants.size(); ++i)
    if (shown == NormaliseShown(variants[i])) return static_cast<int>(i) + 1;
  return -1;
}

std::string FirstWords(std::string_view text, int count) {
  std::string words;
  std::size_t at = 0;
  for (int taken = 0; taken < count; ++taken) {
    while (at < text.size() && IsBlank(text[at])) ++at;
    if (at >= text.size()) break;
    std::size_t end = at;
    while (end < text.size() && !IsBlank(text[end])) ++end;
    if (!words.empty()) words += ' ';
    words.append(text.substr(at, end - at));
    at = end;
  }
  return words;
}
