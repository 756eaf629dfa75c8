#include "app/qt/QtTestSupport.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QInputMethodEvent>
#include <QListView>
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

void ClickListLine(QListView* list, int row) {
  const QModelIndex index = list->model()->index(row, 0);
  list->scrollTo(index);
  QRect rect = list->visualRect(index);
  QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::NoModifier, rect.center());
}

void DoubleClickListLine(QListView* list, int row) {
  const QModelIndex index = list->model()->index(row, 0);
  list->scrollTo(index);
  QPoint point = list->visualRect(index).center();
  QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::NoModifier, point);
  QTest::mouseDClick(list->viewport(), Qt::LeftButton, Qt::NoModifier, point);
  QTest::mouseRelease(list->viewport(), Qt::LeftButton, Qt::NoModifier, point);
}

QStringList ListLines(const QListView* list) {
  QStringList lines;
  const int count = list->model()->rowCount();
  for (int row = 0; row < count; ++row) lines << list->model()->index(row, 0).data().toString();
  return lines;
}

QString SelectedListLine(const QListView* list) {
  const QModelIndexList selected = list->selectionModel()->selectedIndexes();
  return selected.isEmpty() ? QString() : selected.first().data().toString();
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
