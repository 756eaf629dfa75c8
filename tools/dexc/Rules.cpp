#include "tools/dexc/Rules.h"

#include <set>

#include "dict/Capacities.h"
#include "dict/KeyVocabulary.h"
#include "dict/RecordLayout.h"
#include "tools/dexc/FieldChecks.h"
#include "tools/dexc/SharedFields.h"

namespace {

constexpr LineForm kRuleLine = {"a phrase rule", "\"pattern | template | result key\"", 3};
constexpr const char* kRuleSeparator = "which separates the parts of a rule";

bool CheckResultKey(CDiagnostics& diag, const SourceLocation& where, const std::string& key) {
  bool ok = CheckNoChar(diag, where, "result key", key, ';', kRuleSeparator);
  ok &= CheckNoChar(diag, where, "result key", key, ',', "which separates keys");
  if (key.empty()) {
    diag.Error(where, "the result key is empty; it must begin with \"z\"");
    return false;
  }
  if (!IsResultKey(key)) {
    diag.Error(where, "the result key " + Quoted(key) + " does not begin with \"z\"");
    ok = false;
  } else if (key == kPatternSlotKey) {
    diag.Error(where, "the result key \"zz\" is reserved for words the user types");
    ok = false;
  }
  return ok;
}

}  // namespace

std::vector<CompiledRule> CompileRules(const std::vector<SourceLine>& lines, CDiagnostics& diag) {
  std::vector<CompiledRule> rules;
  std::set<std::string> resultKeys;
  SourceLocation firstTooMany;
  std::string firstTooManyKey;

  for (const SourceLine& line : lines) {
    if (!HasLineForm(diag, line, kRuleLine)) continue;
    const SourceLocation& where = line.where;
    const std::vector<std::string>& f = line.fields;
    const std::string& templateText = f[1];
    const std::string& resultText = f[2];
    CompiledRule rule;
    rule.where = where;

    bool itemsOk = CompileItems(diag, where, "pattern", f[0], &rule.items);
    bool ok = itemsOk;
    ok &= CheckNoChar(diag, where, "template", templateText, ';', kRuleSeparator);
    if (itemsOk)
      ok &= CheckReferences(diag, where, templateText, rule.items.size(), "pattern");
    ok &= CheckResultKey(diag, where, resultText);

    std::string templ;
    ok &= ConvertField(diag, where, "template", templateText, &templ);
    ok &= ConvertField(diag, where, "result key", resultText, &rule.strResultKey);

    if (itemsOk && rule.items.size() == 1) {
      if (f[0] == resultText) {
        diag.Error(where, "the rule's only item " + Quoted(resultText) +
                              " is also its result key, so the rule would apply to its own "
                              "result again and again");
        ok = false;
      }
      if (templateText.find(',') != std::string::npos) {
        diag.Error(where, "the template of a one-item rule may not hold \",\": the program "
                          "would take the text up to that \",\" for the rule's first key");
        ok = false;
      }
    }
    if (!ok) continue;

    rule.record.strText = JoinItems(rule.items) + ";" + templ + ";" + rule.strResultKey + ";";
    if (rule.record.strText.size() + 1 > kRuleTextWidth) {
      diag.Error(where, "the rule is too long: " + std::to_string(rule.record.strText.size()) +
                            " bytes stored as \"pattern;template;result key;\" in code page "
                            "949, at most " + std::to_string(kRuleTextWidth - 1) + " fit");
      continue;
    }
    if (resultKeys.insert(rule.strResultKey).second &&
        resultKeys.size() == static_cast<std::size_t>(kMaxTableEntries) + 1) {
      firstTooMany = where;
      firstTooManyKey = resultText;
    }
    rules.push_back(std::move(rule));
  }
  if (resultKeys.size() > static_cast<std::size_t>(kMaxTableEntries))
    diag.Error(firstTooMany, "the phrase rules have " + std::to_string(resultKeys.size()) +
                                 " different result keys, but at most " +
                                 std::to_string(kMaxTableEntries) + " fit; " +
                                 Quoted(firstTooManyKey) + " here is number " +
                                 std::to_string(kMaxTableEntries + 1));
  return rules;
}
