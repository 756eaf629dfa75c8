// Qt's own texts (the edit boxes' context menus, the standard buttons of message boxes
// and file dialogs) in the user's language, from the translations that Debian installs
// with Qt (package qt6-translations-l10n). Used by main().
#pragma once
#include <memory>

class QLocale;
class QTranslator;

// Qt's translation for `locale`, or nullptr when there is none (English needs none).
// The caller installs it on the application and keeps it alive meanwhile.
std::unique_ptr<QTranslator> LoadQtTranslation(const QLocale& locale);
