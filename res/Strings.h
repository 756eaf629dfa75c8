// The program's fixed texts: the captions of the four command buttons in both
// directions and the two message-box texts. Written here in UTF-8 and converted once,
// on first use, to the code page 949 bytes that the dialog works with.
#pragma once
#include <string>

// Captions of the command buttons 1006, 1016, 1014 and 1023 for one direction.
struct ButtonCaptions {
  std::string strStepBack;     // 1006
  std::string strRestart;      // 1016
  std::string strConfirm;      // 1014
  std::string strAddSentence;  // 1023
};

// Korean captions (the template's own texts), shown while composing English.
const ButtonCaptions& KoreanCaptions();
// English captions, shown while composing Korean.
const ButtonCaptions& EnglishCaptions();

// "Pick a line in the list box": confirm without a usable line.
const std::string& PickFromListMessage();
// "The sentence is too long to handle": the confirm that reaches the step limit.
const std::string& SentenceTooLongMessage();
