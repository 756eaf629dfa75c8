// The program's own message texts as the tests expect them, in UTF-8, written once for
// the end-to-end, hostile-input and desktop tests.
#pragma once

inline constexpr const char* kPickFromListText = "리스트박스에서 고르십시요.\n";
inline constexpr const char* kSentenceTooLongText = "문장이 너무 길어서 처리할수 없습니다.\n";
