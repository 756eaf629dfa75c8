// The text of a phrase rule, "pattern;template;result;", split into its fields. Read by
// the first-key index when the program starts and by the sentence builder's rule pass.
#pragma once
#include <string_view>

// The three ";"-ended fields of a phrase rule's text. A field whose ";" is missing reads
// as empty: without a second ";" the template and the result key are empty, without a
// third the result key is.
struct RuleText {
  std::string_view pattern;  // keys separated by ",", without a final ","
  std::string_view templ;
  std::string_view resultKey;
};

RuleText SplitRule(std::string_view text);

// The rule's first key: the text before its first "," or, when it has none, before its
// first ";"; empty when it has neither.
std::string_view RuleFirstKey(std::string_view text);
