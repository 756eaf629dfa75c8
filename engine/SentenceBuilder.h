// The sentence builder: holds the committed steps of a composition, recognises when
// they form a complete sentence (regrouping them by the phrase rules and looking the
// keys up among the sentence patterns), renders the sentence pair, and tells which keys
// can continue an unfinished phrase. Owned by the dialog; opens the dictionaries of the
// direction in m_bKoreanSource afresh on every call, and keeps the phrase rules read from
// a file while its stamp says it is unchanged (engine/PhraseRules.h).
#pragma once
#include <string>
#include <string_view>
#include <vector>

#include "dict/Capacities.h"
#include "engine/PhraseRules.h"
#include "engine/StepRecord.h"

class CSentenceBuilder {
 public:
  CSentenceBuilder() = default;

  // True when m_steps[0..m_nLast] form a complete sentence; then m_strSentence and
  // m_strTranslation hold the rendered pair. Always rebuilds m_work and may lower m_nLast.
  bool CheckSentence();

  // Keys that may continue the phrase whose trailing keys are strTail, after the keys
  // strHead: a list that begins with "," (",a,b,"), "," when there are none.
  std::string GetContinuationKeys(std::string strTail, std::string strHead);

  int m_nLast = 0;
  unsigned char m_bKoreanSource = 1;
  std::string m_strSentence;
  std::string m_strTranslation;
  StepRecord m_steps[kMaxSteps];
  StepRecord m_work[kMaxSteps];

 private:
  friend class SentenceBuilderPeer;  // the unit tests compare with a plain regrouping

  // 1-based item position of the first place where run's items occur in list, 0 when
  // they never do or when either is empty (both are comma lists).
  static int FindRun(std::string_view list, std::string_view run);

  // The comma list of the working chain's keys; a typed word stands as "-" + phrase.
  // With pEnds: where each record's item ends in it (after its ","), when the chain runs
  // 0, 1, 2, ... and ends at kChainEnd or after kMaxSteps records; else none.
  void BuildKeyList(std::string& keyList, std::vector<std::size_t>* pEnds = nullptr) const;
  // One record's item with its ",".
  static void AppendItem(std::string& keyList, const StepRecord& step);
  // The key list after records start..last of a chain in array order were merged into
  // m_work[start] (and the records after them moved down): the same list BuildKeyList
  // gives, made by replacing the run's items with the merged one. `ends` follows.
  void SpliceMergedItem(std::string& keyList, std::vector<std::size_t>& ends, int start,
                        int last) const;
  // Builds the key list, then collapses every run of keys that a phrase rule names,
  // rule by rule in file order.
  void ApplyPhraseRules(std::string& keyList);
  // Moves the records after a merged run m_work[start..last] down behind start.
  void CloseGap(int start, int last);
  // Looks the key list up among the sentence patterns; renders the pair when found.
  bool MatchSentence(const std::string& keyList);

  // The rules of the open rule file of the current direction, kept or read now.
  const std::vector<KeptRule>& RulesOf(CDexFile& file);

  std::size_t m_nFillLimit = kMaxFilledText;  // longest text one template fill may give
  CPhraseRules m_rules[2];  // English to Korean, Korean to English
};
