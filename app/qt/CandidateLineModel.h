// The lines of the candidate list as the dialog gives them, in code page 949, behind
// the list view of the Qt backend. A line becomes a QString only when the view asks for
// it (the rows it paints, a tooltip), and the view hears of appended lines once per
// batch instead of once per line: the thousands of lines of one fill cost one layout.
// Used by the list widget (CandidateListBox.h) and its peer in CQtDialogHost.
#pragma once
#include <QAbstractListModel>
#include <string>
#include <vector>

class CCandidateLineModel : public QAbstractListModel {
 public:
  explicit CCandidateLineModel(QObject* parent = nullptr) : QAbstractListModel(parent) {}

  // Every line the program inserted, shown by the view or not yet.
  int LineCount() const { return static_cast<int>(m_lines.size()); }
  const std::string& Line(int row) const { return m_lines[static_cast<std::size_t>(row)]; }
  // Line `row` as the view shows it.
  QString LineText(int row) const;

  // Removes every line; the view hears of it at once.
  void Clear();
  // Adds a line at the end; the view hears of it with the next Publish, which is
  // posted to run as soon as control returns to the event loop.
  void Append(std::string text);
  // Adds a line before `row` (0 <= row <= LineCount()); the view hears of it at once.
  void Insert(int row, std::string text);
  // Tells the view about every appended line it has not heard of, in one notification.
  void Publish();

  int rowCount(const QModelIndex& parent = QModelIndex()) const override;
  QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;

 private:
  std::vector<std::string> m_lines;
  int m_nPublished = 0;  // the lines the view knows: the first m_nPublished of m_lines
  bool m_bPublishPosted = false;
};
