// The candidate list's widget in the Qt backend: a list view over the dialog's lines
// (CCandidateLineModel) whose mouse works like the classic list box. Pressing selects
// the line under the pointer (below the last line: the last line), dragging follows the
// pointer, and releasing the button notifies the selection, also when the line was
// selected already. Keyboard changes of the selection notify at once; the program's own
// changes (counted in m_nProgramChange) never do. A double click on a line, or Enter
// while the list has the focus and a line is selected, chooses that line outright. A
// line too wide for the list shows its whole text as a tooltip.
#pragma once
#include <QListView>
#include <QString>
#include <functional>

class CCandidateLineModel;

class CCandidateListBox : public QListView {
 public:
  explicit CCandidateListBox(QWidget* parent);

  CCandidateLineModel& Lines() { return *m_pLines; }
  const CCandidateLineModel& Lines() const { return *m_pLines; }
  int SelectedRow() const;  // -1 when no line is selected
  // Makes line `row` the current and only selected one and scrolls it into view;
  // -1 clears the selection. Notifies nothing.
  void SelectRow(int row);
  // Hides the tooltip of a line, when one shows (its line is gone).
  void HideLineToolTip();

  std::function<void()> m_onUserSelect;
  std::function<void()> m_onChoose;
  int m_nProgramChange = 0;

 protected:
  void mousePressEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  bool viewportEvent(QEvent* event) override;

 private:
  int RowCount() const;
  void SelectAt(const QPoint& point);

  CCandidateLineModel* m_pLines;  // a child of the widget
  QString m_strToolTip;           // the text of the last line tooltip shown
  bool m_bTracking = false;
  bool m_bDoubleClick = false;
};
