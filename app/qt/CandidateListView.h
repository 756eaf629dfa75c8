// What the candidate list shows beyond its lines, on the screen only: scrolling the
// list as the user types in the search box, and the whole text of a line that is too
// wide for the list. Nothing here selects a line or changes what the dialog holds.
// Used by the Qt backend's list widget and by the desktop window's set-up.
#pragma once
#include <QString>

class CCandidateLineModel;
class QListView;
class QPoint;

// The line to bring to the top for a text typed into the search box: the first line
// that begins with it, otherwise the first line whose translation (the part between
// the first and the second ";") begins with it, ASCII letters compared without case.
// -1 when there is none or the text is empty. Only the lines the view shows count.
int TypeAheadRow(const CCandidateLineModel& lines, const QString& typed);

// Scrolls `list` so that line `row` is at the top of its view (as far as the list
// reaches), without selecting it.
void ScrollLineToTop(QListView& list, int row);

// Whether line `row` is wider than the part of the list that shows it.
bool LineIsCutOff(const QListView& list, int row);

// The tooltip for the point `pos` of the list's viewport: the whole text of the line
// there when that line is cut off, otherwise an empty text.
QString LineToolTipAt(const QListView& list, const QPoint& pos);
