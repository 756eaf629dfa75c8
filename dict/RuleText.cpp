#include "dict/RuleText.h"

RuleText SplitRule(std::string_view text) {
  RuleText rule;
  std::size_t first = text.find(';');
  if (first == std::string_view::npos) return rule;
  rule.pattern = text.substr(0, first);
  std::string_view rest = text.substr(first + 1);
  std::size_t second = rest.find(';');
  if (second == std::string_view::npos) return rule;
  rule.templ = rest.substr(0, second);
  rest = rest.substr(second + 1);
  std::size_t third = rest.find(';');
  if (third != std::string_view::npos) rule.resultKey = rest.substr(0, third);
  return rule;
}

std::string_view RuleFirstKey(std::string_view text) {
  std::size_t end = text.find(',');
  if (end == std::string_view::npos) end = text.find(';');
  return end == std::string_view::npos ? std::string_view() : text.substr(0, end);
}
