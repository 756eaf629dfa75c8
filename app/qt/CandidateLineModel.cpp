#include "app/qt/CandidateLineModel.h"

#include <utility>

#include "base/Cp949.h"

QString CCandidateLineModel::LineText(int row) const {
  return QString::fromStdString(Cp949ToUtf8(Line(row)));
}

void CCandidateLineModel::Clear() {
  beginResetModel();
  m_lines.clear();
  m_nPublished = 0;
  endResetModel();
}

void CCandidateLineModel::Append(std::string text) {
  m_lines.push_back(std::move(text));
  if (m_bPublishPosted) return;
  m_bPublishPosted = true;
  QMetaObject::invokeMethod(
      this,
      [this] {
        m_bPublishPosted = false;
        Publish();
      },
      Qt::QueuedConnection);
}

void CCandidateLineModel::Insert(int row, std::string text) {
  Publish();
  beginInsertRows(QModelIndex(), row, row);
  m_lines.insert(m_lines.begin() + row, std::move(text));
  ++m_nPublished;
  endInsertRows();
}

void CCandidateLineModel::Publish() {
  const int count = LineCount();
  if (m_nPublished == count) return;
  beginInsertRows(QModelIndex(), m_nPublished, count - 1);
  m_nPublished = count;
  endInsertRows();
}

int CCandidateLineModel::rowCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : m_nPublished; }

QVariant CCandidateLineModel::data(const QModelIndex& index, int role) const {
  if (role != Qt::DisplayRole || !index.isValid() || index.row() >= m_nPublished) return QVariant();
  return LineText(index.row());
}
