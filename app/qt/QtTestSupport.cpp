#include "app/qt/QtTestSupport.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QInputMethodEvent>
#include <QListWidget>
#include <QMessageBox>
#include <QPointer>
#include <QTest>
#include <QTimer>

#include "app/qt/QtDialogHost.h"

void ShowAndActivate(CQtDialogHost& host) {
  QDialog* window = host.Window();
  window->show();
  window->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(window));
}

void FocusControl(QWidget* widget) {
  widget->setFocus(Qt::OtherFocusReason);
  ASSERT_TRUE(QTest::qWaitFor([widget] { return widget->hasFocus(); }));
}

void ClickListLine(QListWidget* list, int row) {
  list->scrollToItem(list->item(row));
  QRect rect = list->visualItemRect(list->item(row));
  QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::NoModifier, rect.center());
}

void DoubleClickListLine(QListWidget* list, int row) {
  list->scrollToItem(list->item(row));
  QPoint point = list->visualItemRect(list->item(row)).center();
  QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::NoModifier, point);
  QTest::mouseDClick(list->viewport(), Qt::LeftButton, Qt::NoModifier, point);
  QTest::mouseRelease(list->viewport(), Qt::LeftButton, Qt::NoModifier, point);
}

void PressKey(int qtKey) {
  QWidget* focus = QApplication::focusWidget();
  ASSERT_NE(focus, nullptr);
  QTest::keyClick(focus, static_cast<Qt::Key>(qtKey));
}

void CommitText(QWidget* widget, const QString& text) {
  QInputMethodEvent event;
  event.setCommitString(text);
  QApplication::sendEvent(widget, &event);
}

std::vector<ShownMessage> AnswerMessageBoxes(const std::function<void()>& action) {
  std::vector<ShownMessage> shown;
  QTimer timer;
  timer.setInterval(10);
  QObject::connect(&timer, &QTimer::timeout, [&shown] {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (!box || !box->isVisible()) return;
    ShownMessage message{box->windowTitle(), box->text(), {}};
    for (QAbstractButton* button : box->buttons()) message.buttons << button->text();
    shown.push_back(message);
    QAbstractButton* ok = box->button(QMessageBox::Ok);
    if (ok) ok->click();
    else box->done(0);
  });
  timer.start();
  action();
  timer.stop();
  return shown;
}
