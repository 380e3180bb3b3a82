#pragma once

#include <QLocale>
#include <QString>
#include <QStringList>

class QCoreApplication;

// The languages the game speaks besides English, the language it is written
// in, and the choice among them. Each one is a translation compiled into the
// program as kFolder + "vorka_<language>.qm".
namespace Translations {

inline const QString kFolder = QStringLiteral(":/i18n/");

// The languages compiled in ("de", "es", "fr"), sorted.
QStringList available();

// The language the game speaks for `locale`: the first of the locale's
// languages (most wanted first) that is English or one of `languages`. An
// empty text means English: for an English locale, for one whose languages
// the game does not have, and for English wanted before one it has. A
// language with a region ("pt_BR") is taken before the bare language ("pt").
QString languageFor(const QLocale& locale, const QStringList& languages);
QString languageFor(const QLocale& locale);

// Loads the game's translation and Qt's own (qtbase_<language>.qm, for its
// dialogs and buttons) for `locale`, and installs them in `app`, which owns
// them. Returns the language installed, empty for English, which installs
// nothing. Qt's translation is left out when it is not installed.
QString install(QCoreApplication& app, const QLocale& locale = QLocale::system());

} // namespace Translations
