// English inflection from the base form: a verb's third person, past, participle and
// -ing form (be, have and do in full), and a noun's plural. Rules in code, irregular
// words from the tables, and per-word overrides by the author. For the dictionary
// compiler's paradigms and its forms report.
#pragma once
#include <string>

#include "tools/dexc/EnglishTables.h"

struct EnglishVerb {
  // The base form; a multi-word verb inflects its first word: "listen to", "take a shower".
  std::string strBase;
  // Double the final consonant before -ed and -ing, for longer words stressed at the end
  // (prefer preferred, admit admitting). One-syllable words double by rule.
  bool bDoubleFinal = false;
  // The author's forms where the table lacks them; empty: table or rule. Without a space
  // an override replaces the first word; with one, the whole verb.
  std::string strThirdPerson, strPast, strParticiple, strIng;
};

struct EnglishVerbForms {
  std::string strBase;           // take a shower
  std::string strThirdPerson;    // takes a shower (be: is)
  std::string strPast;           // took a shower (be: was)
  std::string strParticiple;     // taken a shower
  std::string strIng;            // taking a shower
  std::string strPresentI;       // take a shower (be: am)
  std::string strPresentPlural;  // take a shower (be: are)
  std::string strPastPlural;     // took a shower (be: were)
  bool bIrregular = false;       // the table or an override gave the past or participle
};

EnglishVerbForms InflectEnglishVerb(const EnglishVerb& verb, const EnglishTables& tables);

struct EnglishNoun {
  // The singular; in a compound the last word takes the plural (ice creams), before "of"
  // the word before it (cups of coffee).
  std::string strSingular;
  bool bPluralOes = false;  // -o takes -oes (potato potatoes), where the table lacks it
  std::string strPlural;    // the author's plural of the whole noun; empty: table or rule
  std::string strArticle;   // the author's "a" or "an"; empty: judged from the spelling
};

std::string PluralOf(const EnglishNoun& noun, const EnglishTables& tables);
// True when the plural comes from the table or the author, not the rules.
bool HasIrregularPlural(const EnglishNoun& noun, const EnglishTables& tables);

// The noun with its indefinite article: "a banana", "an apple", "a university", "an hour".
// The article follows the sound of the first word, judged from its spelling: a vowel letter
// takes "an" except where it sounds as a consonant (one-way, European, useful, uniform), a
// silent h takes "an" (hour, honest), and a word in capitals read letter by letter takes
// "an" before a letter whose name begins with a vowel (an ATM, a TV). The author's
// article wins where the spelling misleads (a SIM card is read as a word).
std::string WithIndefiniteArticle(const EnglishNoun& noun);
