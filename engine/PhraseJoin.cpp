#include "engine/PhraseJoin.h"

void AppendPhrase(std::string& joined, std::string_view phrase) {
  std::size_t bracket = phrase.find('[');
  if (bracket != std::string_view::npos) phrase = phrase.substr(0, bracket);
  if (!phrase.empty() && phrase.front() == '(') {
    joined += phrase;
  } else if (!phrase.empty() && phrase.front() == '~') {
    joined += phrase.substr(1);
  } else {
    joined += ' ';
    joined += phrase;
  }
}

std::string JoinPhrases(const StepRecord* records, int first, int last) {
  std::string joined;
  for (int i = first; i <= last; ++i) AppendPhrase(joined, records[i].strPhrase);
  joined.erase(0, joined.find_first_not_of(" \t\r\n\v\f"));
  return joined;
}
