#include "app/qt/CollectedTextMenu.h"

#include <QAction>
#include <QDir>
#include <QFileDialog>
#include <QLocale>
#include <QMenu>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QSaveFile>

#include "res/DialogTemplate.h"

namespace {

struct MenuTexts {
  const char* szAction;
  const char* szDialogTitle;
  const char* szFilter;
  const char* szDefaultName;
  const char* szFailed;
};

constexpr MenuTexts kKorean = {"텍스트 파일로 저장…", "모은 문장 저장", "텍스트 파일 (*.txt);;모든 파일 (*)",
                               "모은 문장.txt", "저장하지 못했습니다:"};
constexpr MenuTexts kEnglish = {"Save as Text File…", "Save the Collected Sentences",
                                "Text files (*.txt);;All files (*)", "collected sentences.txt",
                                "The file could not be saved:"};

const MenuTexts& TextsFor(const QLocale& locale) {
  return locale.language() == QLocale::Korean ? kKorean : kEnglish;
}

void SaveBox(QPlainTextEdit* box, const MenuTexts& texts, const SavePathChooser& chooser) {
  const QString path = chooser(box->window());
  if (path.isEmpty()) return;
  QString error;
  if (SaveTextFile(path, box->toPlainText(), &error)) return;
  QMessageBox::warning(box->window(), QString::fromUtf8(kAppNameUtf8),
                       QString::fromUtf8(texts.szFailed) + QLatin1Char('\n') + path + QLatin1Char('\n') + error);
}

}  // namespace

bool SaveTextFile(const QString& path, const QString& text, QString* error) {
  QSaveFile file(path);
  if (!file.open(QIODevice::WriteOnly)) {
    *error = file.errorString();
    return false;
  }
  file.write(text.toUtf8());
  if (!file.commit()) {
    *error = file.errorString();
    return false;
  }
  return true;
}

QMenu* CreateCollectedMenu(QPlainTextEdit* box, const QLocale& locale, const SavePathChooser& chooser) {
  const MenuTexts& texts = TextsFor(locale);
  QMenu* menu = box->createStandardContextMenu();
  menu->addSeparator();
  QAction* save = menu->addAction(QString::fromUtf8(texts.szAction));
  save->setObjectName(QStringLiteral("saveCollectedText"));
  save->setEnabled(!box->document()->isEmpty());
  QObject::connect(save, &QAction::triggered, box, [box, &texts, chooser] { SaveBox(box, texts, chooser); });
  return menu;
}

void AddSaveToCollectedMenu(QPlainTextEdit* box, const QLocale& locale, SavePathChooser chooser) {
  if (!chooser) {
    const MenuTexts& texts = TextsFor(locale);
    chooser = [&texts](QWidget* parent) {
      return QFileDialog::getSaveFileName(parent, QString::fromUtf8(texts.szDialogTitle),
                                          QDir::home().filePath(QString::fromUtf8(texts.szDefaultName)),
                                          QString::fromUtf8(texts.szFilter));
    };
  }
  box->setContextMenuPolicy(Qt::CustomContextMenu);
  QObject::connect(box, &QWidget::customContextMenuRequested, box, [box, locale, chooser](const QPoint& pos) {
    QMenu* menu = CreateCollectedMenu(box, locale, chooser);
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->popup(box->viewport()->mapToGlobal(pos));
  });
}
