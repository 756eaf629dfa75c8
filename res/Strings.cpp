#include "res/Strings.h"

#include "base/Cp949.h"

const ButtonCaptions& KoreanCaptions() {
  static const ButtonCaptions captions{Utf8ToCp949("한단계 앞으로"), Utf8ToCp949("처음으로"),
                                       Utf8ToCp949("확인"), Utf8ToCp949("문장 추가")};
  return captions;
}

const ButtonCaptions& EnglishCaptions() {
  static const ButtonCaptions captions{"One step Return", "Restart", "OK", "Sentance add"};
  return captions;
}

const std::string& PickFromListMessage() {
  static const std::string text = Utf8ToCp949("리스트박스에서 고르십시요.\n");
  return text;
}

const std::string& SentenceTooLongMessage() {
  static const std::string text = Utf8ToCp949("문장이 너무 길어서 처리할수 없습니다.\n");
  return text;
}
