#include "app/qt/ControlTexts.h"

#include <QLocale>
#include <QWidget>
#include <array>

#include "app/qt/QtDialogHost.h"
#include "res/DialogTemplate.h"

namespace {

constexpr std::array<ControlTexts, 11> kControlTexts = {{
    {IDC_SENTENCE, "문장", "Sentence",
     "만들고 있는 문장입니다. 문장이 완성되면 완성된 문장을 보여 줍니다.",
     "The sentence being composed; once it is complete, the finished sentence.", false},
    {IDC_TRANSLATION, "번역", "Translation", "완성된 문장의 번역입니다.",
     "The translation of the finished sentence.", false},
    {IDC_STEP_BACK, nullptr, nullptr, "마지막 단계를 되돌립니다.", "Takes back the last step.", true},
    {IDC_CANDIDATES, "다음에 올 말", "Next phrases",
     "다음 단계에 고를 수 있는 말입니다. 한 줄은 말;번역;설명으로 되어 있습니다. "
     "줄을 두 번 누르거나 Enter를 누르면 그 줄을 바로 확인합니다.",
     "The phrases that may come next, each line as phrase;translation;note. "
     "Double-click a line or press Enter on it to take it at once.", false},
    {IDC_CONFIRM, nullptr, nullptr, "고른 줄을 문장에 더합니다.", "Adds the picked line to the sentence.", true},
    {IDC_RESTART, nullptr, nullptr, "문장을 처음부터 다시 만듭니다.", "Starts the sentence again.", true},
    {IDC_DIR_KOREAN, nullptr, nullptr, "한국어 문장을 만들어 영어로 옮깁니다.",
     "Compose a Korean sentence and get its English translation.", true},
    {IDC_DIR_ENGLISH, nullptr, nullptr, "영어 문장을 만들어 한국어로 옮깁니다.",
     "Compose an English sentence and get its Korean translation.", true},
    {IDC_COLLECTED, "모은 문장", "Collected sentences",
     "문장 추가로 모은 문장과 번역입니다. 고쳐 쓸 수 있고, 다음에 프로그램을 열 때도 남아 있습니다.",
     "The sentence pairs added so far. You may edit them; they are kept for the next start.", false},
    {IDC_ADD_SENTENCE, nullptr, nullptr, "완성된 문장과 번역을 모은 문장 끝에 더합니다.",
     "Appends the finished sentence and its translation to the collected sentences.", true},
    {IDC_SEARCH, "찾기", "Search",
     "고른 줄의 내용입니다. 글자를 치면 목록이 그 글자로 시작하는 줄로 움직이고, Enter를 누르면 "
     "그 자리의 줄을 고릅니다. -로 시작하는 줄에서는 - 뒤에 낱말을 직접 씁니다.",
     "The picked line's text. Typing scrolls the list to the lines that begin with it; Enter "
     "selects the line where it belongs. On a line that begins with -, type your own word after the -.",
     true},
}};

}  // namespace

const ControlTexts* TextsOfControl(int id) {
  for (const ControlTexts& texts : kControlTexts)
    if (texts.nId == id) return &texts;
  return nullptr;
}

void DescribeControls(CQtDialogHost& host, const QLocale& locale) {
  const bool korean = locale.language() == QLocale::Korean;
  for (const ControlTexts& texts : kControlTexts) {
    QWidget* widget = host.Control(texts.nId);
    if (!widget) continue;
    const char* name = korean ? texts.szNameKo : texts.szNameEn;
    const QString description = QString::fromUtf8(korean ? texts.szDescriptionKo : texts.szDescriptionEn);
    if (name) widget->setAccessibleName(QString::fromUtf8(name));
    widget->setAccessibleDescription(description);
    if (texts.bToolTip) widget->setToolTip(description);
  }
}
