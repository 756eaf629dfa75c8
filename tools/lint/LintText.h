// Text checks of the dictionary checker (daolsae-lint) on a finished sentence or
// translation, as the program shows it: leftovers of the dictionary conventions that
// should never reach the user, and Korean particles that do not fit the syllable before
// them. Both work on UTF-8 text and know nothing of the particle dictionary: the right
// particle form is computed here from the Unicode code point of the syllable before it,
// so a wrong entry in the particle dictionary is caught rather than repeated.
#pragma once
#include <set>
#include <string>
#include <vector>

// Leftovers in a finished text: "@" (a template reference), "#" (the correction
// marker), "~" (the attach mark of a phrase), two spaces in a row, a blank before a
// punctuation mark (an attach phrase that a phrase rule merged on its own loses its
// mark: "coffees , please."), and an unresolved particle pair such as 을(를) or 으로(로). One message (UTF-8) per kind found, naming
// what was found.
std::vector<std::string> FindLeftovers(const std::string& utf8);

// Checks Korean particles against the syllable (or digit) before them.
//
// Which words are checked. A word is a run of characters between blanks and
// punctuation. A word is taken to end in a particle when it is a known word (the stem)
// followed directly by one form of a particle pair below; the stem must end in a Hangul
// syllable or be all digits. Known words are those of the Korean texts of the
// dictionaries (AddKnownText): only a noun that the dictionaries hold can be a stem, so
// a word such as 사과 is not taken for 사 + 과 unless 사 is a word there. A word that
// itself is a known word is checked only for the forms that are hardly ever the end of
// another word (를, 으로, 이에요/예요, 이었/였), so the particle inside a dictionary
// phrase such as 책를 is still caught while words such as 고양이, 가을, 나은 or 먹는 are
// left alone (고양 + 이, 가 + 을, 나 + 은, 먹 + 는 when 고양, 가, 나 or 먹 is a word). 이었/였 may be followed by
// more of the word (이었다). When a word splits in several ways, it is accepted if any split is right.
//
// The right form. The final consonant of a syllable is (code - 0xAC00) mod 28: 0 none,
// 8 ㄹ, anything else another consonant. A digit is read in Sino-Korean: 0 영, 1 일,
// 2 이, 3 삼, 4 사, 5 오, 6 육, 7 칠, 8 팔, 9 구. After no final consonant the vowel
// form is right (를 는 가 와 로 나 랑 야 예요 였), after a consonant the other form
// (을 은 이 과 으로 이나 이랑 아 이에요 이었); after ㄹ as after a consonant, except
// 으로/로, which takes 로.
class CParticleCheck {
 public:
  // Adds every word of a Korean dictionary text (a phrase, a translation, a template)
  // to the known words. Text from a "[" on is dropped (it never shows), "#" and "~"
  // are removed, template references and particle pairs do not count as words.
  void AddKnownText(const std::string& utf8);
  bool IsKnownWord(const std::string& utf8Word) const { return m_known.count(utf8Word) > 0; }

  // One message (UTF-8) per wrong particle in the text, naming the word, the particle
  // and the form that fits. *checked (if given) is increased by the number of words
  // taken to end in a particle, right or wrong.
  std::vector<std::string> Check(const std::string& utf8, int* checked = nullptr) const;

 private:
  std::set<std::string> m_known;  // UTF-8 words
};
