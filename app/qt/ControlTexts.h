// What each control of the main window is called and what it holds, for screen readers
// (accessible names and descriptions) and as tooltips of the buttons and the search
// box. Korean where the system language is Korean, English otherwise. Applied by the
// desktop window's set-up.
#pragma once

class CQtDialogHost;
class QLocale;

// The texts of one control. A button needs no name: its caption is its name.
struct ControlTexts {
  int nId;
  const char* szNameKo;  // nullptr for buttons
  const char* szNameEn;
  const char* szDescriptionKo;
  const char* szDescriptionEn;
  bool bToolTip;  // whether the description also shows as a tooltip
};

// The texts of control `id`, nullptr for an ID that is no control of the main dialog.
const ControlTexts* TextsOfControl(int id);

// Gives every control of the main window its name, description and tooltip in the
// language of `locale`.
void DescribeControls(CQtDialogHost& host, const QLocale& locale);
