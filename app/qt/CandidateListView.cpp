#include "app/qt/CandidateListView.h"

#include <QFontMetrics>
#include <QListWidget>
#include <QStyle>

namespace {

constexpr QChar kFieldSeparator = u';';

// The translation field of a line's text, or an empty text when the line has none.
QString TranslationOf(const QString& line) {
  const qsizetype first = line.indexOf(kFieldSeparator);
  if (first < 0) return QString();
  const qsizetype second = line.indexOf(kFieldSeparator, first + 1);
  return line.mid(first + 1, second < 0 ? -1 : second - first - 1);
}

// Whether `text` begins with `prefix`, ASCII letters compared without case (as the
// list box compares its lines when the dialog selects one by its start).
bool BeginsWith(const QString& text, const QString& prefix) {
  if (prefix.size() > text.size()) return false;
  for (qsizetype i = 0; i < prefix.size(); ++i) {
    QChar a = text[i];
    QChar b = prefix[i];
    if (a.unicode() < 0x80 && b.unicode() < 0x80) {
      if (a.toLower() != b.toLower()) return false;
    } else if (a != b) {
      return false;
    }
  }
  return true;
}

}  // namespace

int TypeAheadRow(const QListWidget& list, const QString& typed) {
  if (typed.isEmpty()) return -1;
  const int count = list.count();
  for (int row = 0; row < count; ++row)
    if (BeginsWith(list.item(row)->text(), typed)) return row;
  for (int row = 0; row < count; ++row)
    if (BeginsWith(TranslationOf(list.item(row)->text()), typed)) return row;
  return -1;
}

void ScrollLineToTop(QListWidget& list, int row) {
  if (row < 0 || row >= list.count()) return;
  list.scrollToItem(list.item(row), QAbstractItemView::PositionAtTop);
}

bool LineIsCutOff(const QListWidget& list, int row) {
  if (row < 0 || row >= list.count()) return false;
  const QListWidgetItem* item = list.item(row);
  // The item delegate draws the text inside a margin of the focus frame plus one pixel.
  const int margin = list.style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, &list) + 1;
  const int textWidth = QFontMetrics(list.font()).horizontalAdvance(item->text());
  const int left = list.visualItemRect(item).left();
  return left + margin + textWidth + margin > list.viewport()->width();
}

QString LineToolTipAt(const QListWidget& list, const QPoint& pos) {
  const QModelIndex index = list.indexAt(pos);
  if (!index.isValid() || !LineIsCutOff(list, index.row())) return QString();
  return list.item(index.row())->text();
}
