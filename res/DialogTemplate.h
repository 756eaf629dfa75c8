// The main dialog's template, declared as data: caption, font, size and every control
// with its ID, kind, caption, rectangle (dialog units) and the styles that matter, in
// template order (which is also the tab order). Both control backends build from it.
#pragma once
#include <array>

enum class ControlKind { Edit, PushButton, ListBox, RadioButton };

// Styles that change behaviour; the rest of the classic styles have no counterpart.
enum ControlStyle : unsigned {
  kStyleNone = 0,
  kStyleMultiLine = 1u << 0,       // edit: several lines
  kStyleVScroll = 1u << 1,         // vertical scroll bar
  kStyleAutoVScroll = 1u << 2,     // edit: scrolls vertically while typing
  kStyleAutoHScroll = 1u << 3,     // edit: scrolls horizontally while typing
  kStyleWantReturn = 1u << 4,      // edit: Enter inserts a line break
  kStyleBorder = 1u << 5,
  kStyleTabStop = 1u << 6,
  kStyleDisabled = 1u << 7,        // initially disabled
  kStyleGroup = 1u << 8,           // first control of a radio group
  kStyleNotify = 1u << 9,          // list: sends selection notifications
};

struct ControlTemplate {
  int nId;
  ControlKind kind;
  const char* szCaptionUtf8;  // "" when none
  int x, y, cx, cy;           // dialog units
  unsigned styles;
};

struct DialogTemplate {
  int nId;
  const char* szCaptionUtf8;
  const char* szFontUtf8;
  int nFontPoints;
  int cx, cy;  // dialog units
  int nIconId;
  std::array<ControlTemplate, 11> controls;
};

// Control IDs of the main dialog.
inline constexpr int IDD_INTERPRETER = 102;
inline constexpr int IDR_MAINFRAME = 128;
inline constexpr int IDC_SENTENCE = 1003;
inline constexpr int IDC_TRANSLATION = 1004;
inline constexpr int IDC_STEP_BACK = 1006;
inline constexpr int IDC_CANDIDATES = 1013;
inline constexpr int IDC_CONFIRM = 1014;
inline constexpr int IDC_RESTART = 1016;
inline constexpr int IDC_DIR_KOREAN = 1017;
inline constexpr int IDC_DIR_ENGLISH = 1019;
inline constexpr int IDC_COLLECTED = 1020;
inline constexpr int IDC_ADD_SENTENCE = 1023;
inline constexpr int IDC_SEARCH = 1028;

// The application's name: the dialog's caption and the caption of its message boxes.
inline constexpr const char* kAppNameUtf8 = "다올새 문장 통역기";

inline constexpr unsigned kMultiLineEdit =
    kStyleMultiLine | kStyleAutoVScroll | kStyleVScroll | kStyleBorder | kStyleTabStop;

inline constexpr DialogTemplate kInterpreterTemplate = {
    IDD_INTERPRETER, kAppNameUtf8, "굴림", 9, 431, 265, IDR_MAINFRAME,
    {{
        {IDC_SENTENCE, ControlKind::Edit, "", 7, 25, 215, 30, kMultiLineEdit},
        {IDC_TRANSLATION, ControlKind::Edit, "", 7, 57, 215, 33, kMultiLineEdit},
        {IDC_STEP_BACK, ControlKind::PushButton, "한단계 앞으로", 7, 93, 61, 18, kStyleTabStop},
        {IDC_CANDIDATES, ControlKind::ListBox, "", 225, 45, 201, 216,
         kStyleNotify | kStyleVScroll | kStyleBorder | kStyleTabStop},
        {IDC_CONFIRM, ControlKind::PushButton, "확인", 401, 24, 25, 17, kStyleTabStop},
        {IDC_RESTART, ControlKind::PushButton, "처음으로", 91, 93, 49, 18, kStyleTabStop},
        {IDC_DIR_KOREAN, ControlKind::RadioButton, "영작하기", 7, 6, 45, 13, kStyleGroup},
        {IDC_DIR_ENGLISH, ControlKind::RadioButton, "Korea translation", 61, 6, 76, 14, kStyleNone},
        {IDC_COLLECTED, ControlKind::Edit, "", 7, 113, 215, 148, kMultiLineEdit | kStyleWantReturn},
        {IDC_ADD_SENTENCE, ControlKind::PushButton, "문장 추가", 160, 93, 61, 18,
         kStyleDisabled | kStyleTabStop},
        {IDC_SEARCH, ControlKind::Edit, "", 225, 26, 173, 15,
         kStyleAutoHScroll | kStyleBorder | kStyleTabStop},
    }}};
