#include "app/qt/CandidateListView.h"

#include <QFontMetrics>
#include <QListView>
#include <QStyle>
#include <string>

#include "app/Framework.h"
#include "app/qt/CandidateLineModel.h"
#include "base/Cp949.h"

namespace {

// The field separator of a line. In code page 949 it is never the second byte of a
// double-byte character (those begin at 0x41), so a byte search finds only real ones.
constexpr char kFieldSeparator = ';';
constexpr QChar kFieldSeparatorChar = u';';

// The translation field of a line, or an empty text when the line has none: of its
// shown text, and of its bytes.
QString TranslationOf(const QString& line) {
  const qsizetype first = line.indexOf(kFieldSeparatorChar);
  if (first < 0) return QString();
  const qsizetype second = line.indexOf(kFieldSeparatorChar, first + 1);
  return line.mid(first + 1, second < 0 ? -1 : second - first - 1);
}

std::string TranslationOf(const std::string& line) {
  const std::size_t first = line.find(kFieldSeparator);
  if (first == std::string::npos) return std::string();
  const std::size_t second = line.find(kFieldSeparator, first + 1);
  return line.substr(first + 1, second == std::string::npos ? std::string::npos : second - first - 1);
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

// The search on the lines' own bytes: no line is converted.
int TypeAheadRowInBytes(const CCandidateLineModel& lines, const std::string& typed) {
  const int count = lines.rowCount();
  for (int row = 0; row < count; ++row)
    if (StartsWithNoCase(lines.Line(row), typed)) return row;
  for (int row = 0; row < count; ++row)
    if (StartsWithNoCase(TranslationOf(lines.Line(row)), typed)) return row;
  return -1;
}

// The search on the shown texts, for typed text that code page 949 cannot hold.
int TypeAheadRowInTexts(const CCandidateLineModel& lines, const QString& typed) {
  const int count = lines.rowCount();
  for (int row = 0; row < count; ++row)
    if (BeginsWith(lines.LineText(row), typed)) return row;
  for (int row = 0; row < count; ++row)
    if (BeginsWith(TranslationOf(lines.LineText(row)), typed)) return row;
  return -1;
}

}  // namespace

int TypeAheadRow(const CCandidateLineModel& lines, const QString& typed) {
  if (typed.isEmpty()) return -1;
  std::string bytes;
  std::size_t badOffset = 0;
  if (TryUtf8ToCp949(typed.toStdString(), &bytes, &badOffset)) return TypeAheadRowInBytes(lines, bytes);
  return TypeAheadRowInTexts(lines, typed);
}

void ScrollLineToTop(QListView& list, int row) {
  if (row < 0 || row >= list.model()->rowCount()) return;
  list.scrollTo(list.model()->index(row, 0), QAbstractItemView::PositionAtTop);
}

bool LineIsCutOff(const QListView& list, int row) {
  if (row < 0 || row >= list.model()->rowCount()) return false;
  const QModelIndex index = list.model()->index(row, 0);
  // The item delegate draws the text inside a margin of the focus frame plus one pixel.
  const int margin = list.style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, &list) + 1;
  const int textWidth = QFontMetrics(list.font()).horizontalAdvance(index.data().toString());
  const int left = list.visualRect(index).left();
  return left + margin + textWidth + margin > list.viewport()->width();
}

QString LineToolTipAt(const QListView& list, const QPoint& pos) {
  const QModelIndex index = list.indexAt(pos);
  if (!index.isValid() || !LineIsCutOff(list, index.row())) return QString();
  return index.data().toString();
}
