// The words of the key vocabulary that every layer reads the same way: result keys of
// the phrase rules, free-slot items, and the two keys of steps taken from free-slot
// lines. The list builder, the sentence builder, the dialog, the compiler and the
// checker all ask these predicates instead of looking at bytes themselves.
#pragma once
#include <string_view>

inline constexpr std::string_view kPatternSlotKey = "zz";  // free slot offered by a sentence pattern
inline constexpr std::string_view kRuleSlotKey = "mz";     // free slot offered by a phrase rule
inline constexpr char kResultKeyLead = 'z';                // result keys of phrase rules begin so
inline constexpr char kFreeSlotLead = '-';                 // free-slot items begin so

// A result key of the phrase rules ("z..."); "zz" is one too by its spelling.
inline bool IsResultKey(std::string_view key) { return !key.empty() && key.front() == kResultKeyLead; }

// A free-slot item of a rule or pattern ("-..."), for which the user types the phrase.
inline bool IsFreeSlotItem(std::string_view item) { return !item.empty() && item.front() == kFreeSlotLead; }

// The key of a free-slot line and of the step taken from one: "zz" or "mz".
inline bool IsFreeInputKey(std::string_view key) { return key == kPatternSlotKey || key == kRuleSlotKey; }
