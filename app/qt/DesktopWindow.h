// What the desktop program adds to the main window beyond the dialog itself: names,
// descriptions and tooltips of the controls, the list following what is typed into the
// search box, and the collected-text box's "save as a text file". Run by the program's
// start-up and by the tests that build the window the same way.
#pragma once

class CQtDialogHost;
class QLocale;

void PrepareDesktopWindow(CQtDialogHost& host, const QLocale& locale);

// Connects the search box to the list: every text the user types (not the program's
// writes) scrolls the list to the first line that begins with it (TypeAheadRow).
void FollowTypingInList(CQtDialogHost& host);
