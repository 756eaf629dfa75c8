// The fair comparison between what the program shows and a phrasebook sentence, used by
// the phrasebook composer: runs of blanks count as one blank, blanks at either end do not
// count, and a first letter a-z counts as its capital (the program capitalises the first
// word of a finished sentence). Nothing else is forgiven. Works on code page 949 and on
// UTF-8 alike: only ASCII bytes are touched.
#pragma once
#include <string>
#include <string_view>
#include <vector>

// The text as it is compared.
std::string NormaliseShown(std::string_view text);

// True when the normalised `shown` is the beginning of (or all of) the normalised target.
bool BeginsTarget(std::string_view normalisedShown, std::string_view normalisedTarget);

// Which accepted translation `translation` is, after normalising both sides: 0 for the
// reference, i for variants[i - 1], -1 for none.
int AcceptedIndex(std::string_view translation, std::string_view reference,
                  const std::vector<std::string>& variants);

// The first `count` blank-separated words of `text` (leading blanks skipped), joined by
// single blanks; fewer when the text holds fewer.
std::string FirstWords(std::string_view text, int count);
