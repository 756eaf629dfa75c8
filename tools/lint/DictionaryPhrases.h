// Every phrase that the dictionaries of one direction let a user put into a sentence:
// the lexicon's phrases with their keys and translations, and the words of the free
// slots that phrase rules and sentence patterns name. The phrasebook composer looks
// through them where a sentence breaks, to tell a phrase the list does not offer there
// from one the dictionaries do not hold at all. Texts are code page 949.
#pragma once
#include <string>
#include <vector>

struct DictionaryPhrase {
  std::string strPhrase;  // as a line puts it into the sentence (a slot's word without "-")
  std::string strKey;     // the lexicon key; "-" for a free-slot word
  std::string strLine;    // how an author finds it: the lexicon line with its key, or the slot
};

// Reads the phrases of the direction's dictionaries in the current directory, each
// phrase once per key (a free-slot word once).
std::vector<DictionaryPhrase> ReadDictionaryPhrases(bool koreanSource);
