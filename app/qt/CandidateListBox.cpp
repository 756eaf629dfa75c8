#include "app/qt/CandidateListBox.h"

#include <QHelpEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QToolTip>
#include <algorithm>
#include <utility>

#include "app/qt/CandidateLineModel.h"
#include "app/qt/CandidateListView.h"

CCandidateListBox::CCandidateListBox(QWidget* parent)
    : QListView(parent), m_pLines(new CCandidateLineModel(this)) {
  setModel(m_pLines);
  connect(selectionModel(), &QItemSelectionModel::selectionChanged, this, [this] {
    if (m_nProgramChange == 0 && !m_bTracking && currentIndex().isValid() && SelectedRow() >= 0) m_onUserSelect();
  });
}

int CCandidateListBox::RowCount() const { return m_pLines->rowCount(); }

int CCandidateListBox::SelectedRow() const {
  const QModelIndexList selected = selectionModel()->selectedIndexes();
  return selected.isEmpty() ? -1 : selected.first().row();
}

void CCandidateListBox::SelectRow(int row) {
  if (row < 0) {
    clearSelection();
    setCurrentIndex(QModelIndex());
    return;
  }
  const QModelIndex index = m_pLines->index(row);
  selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect);
  scrollTo(index, QAbstractItemView::EnsureVisible);
}

void CCandidateListBox::HideLineToolTip() {
  if (!m_strToolTip.isEmpty() && QToolTip::isVisible() && QToolTip::text() == m_strToolTip) QToolTip::hideText();
  m_strToolTip.clear();
}

void CCandidateListBox::mousePressEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return;
  setFocus(Qt::MouseFocusReason);
  m_bTracking = true;
  SelectAt(event->position().toPoint());
}

void CCandidateListBox::mouseDoubleClickEvent(QMouseEvent* event) {
  mousePressEvent(event);
  m_bDoubleClick = m_bTracking;
}

void CCandidateListBox::mouseMoveEvent(QMouseEvent* event) {
  if (m_bTracking && (event->buttons() & Qt::LeftButton)) SelectAt(event->position().toPoint());
}

void CCandidateListBox::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton || !m_bTracking) return;
  m_bTracking = false;
  const bool doubleClick = std::exchange(m_bDoubleClick, false);
  if (RowCount() == 0 || SelectedRow() < 0) return;
  m_onUserSelect();
  // The second click of a double click on a line: that line is chosen.
  if (doubleClick && indexAt(event->position().toPoint()).isValid() && SelectedRow() >= 0) m_onChoose();
}

void CCandidateListBox::keyPressEvent(QKeyEvent* event) {
  const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
  // The keypad's Enter comes with the keypad modifier; other modifiers are not Enter.
  const bool plain = (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
  if (enter && plain && SelectedRow() >= 0) {
    m_onChoose();
    return;
  }
  QListView::keyPressEvent(event);
}

bool CCandidateListBox::viewportEvent(QEvent* event) {
  if (event->type() != QEvent::ToolTip) return QListView::viewportEvent(event);
  auto* help = static_cast<QHelpEvent*>(event);
  const QString text = LineToolTipAt(*this, help->pos());
  if (text.isEmpty()) {
    QToolTip::hideText();
    event->ignore();
  } else {
    // Shown while the pointer stays on that line.
    m_strToolTip = text;
    QToolTip::showText(help->globalPos(), text, viewport(), visualRect(indexAt(help->pos())));
  }
  return true;
}

void CCandidateListBox::SelectAt(const QPoint& point) {
  const int count = RowCount();
  if (count == 0) return;
  const QModelIndex index = indexAt(point);
  int row = index.isValid() ? index.row() : -1;
  const int current = currentIndex().row();
  if (row < 0) {
    if (point.y() < 0)  // dragged above the list: one line up
      row = std::max(0, current - 1);
    else if (point.y() >= viewport()->height())  // dragged below the list: one line down
      row = std::min(count - 1, current + 1);
    else if (point.y() >= visualRect(m_pLines->index(count - 1)).top())  // below the last line
      row = count - 1;
    else
      return;
  }
  const QModelIndex target = m_pLines->index(row);
  selectionModel()->setCurrentIndex(target, QItemSelectionModel::ClearAndSelect);
  scrollTo(target);
}
