#include "ui/Translations.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QTranslator>

namespace {

const QString kPrefix = QStringLiteral("vorka_");
const QString kSuffix = QStringLiteral(".qm");
const QString kEnglish = QStringLiteral("en");

// "de-CH" and "de_CH" alike give {"de_CH", "de"}; "fr" gives {"fr"}.
QStringList namesOf(const QString& uiLanguage) {
    QString name = uiLanguage;
    name.replace(QLatin1Char('-'), QLatin1Char('_'));
    const QString language = name.section(QLatin1Char('_'), 0, 0);
    const QString region = name.section(QLatin1Char('_'), -1);
    QStringList names;
    // The region is the last part: "zh_Hant_TW" gives "zh_TW" as well.
    if (name != language) names << name << language + QLatin1Char('_') + region;
    names << language;
    names.removeDuplicates();
    return names;
}

} // namespace

namespace Translations {

QStringList available() {
    QStringList languages;
    const QStringList files =
        QDir(kFolder).entryList({kPrefix + QLatin1Char('*') + kSuffix}, QDir::Files, QDir::Name);
    for (const QString& file : files)
        languages << file.mid(kPrefix.size(), file.size() - kPrefix.size() - kSuffix.size());
    return languages;
}

QString languageFor(const QLocale& locale, const QStringList& languages) {
    for (const QString& uiLanguage : locale.uiLanguages()) {
        const QStringList names = namesOf(uiLanguage);
        if (names.last().compare(kEnglish, Qt::CaseInsensitive) == 0) return {};
        for (const QString& name : names)
            if (languages.contains(name)) return name;
    }
    return {};
}

QString languageFor(const QLocale& locale) {
    return languageFor(locale, available());
}

QString install(QCoreApplication& app, const QLocale& locale) {
    const QString language = languageFor(locale);
    if (language.isEmpty()) return {};
    auto* own = new QTranslator(&app);
    if (!own->load(kFolder + kPrefix + language + kSuffix)) {
        delete own;
        return {};
    }
    // The translator installed last is asked first: Qt's own goes in before
    // the game's, so that the game's texts win.
    auto* qt = new QTranslator(&app);
    if (qt->load(QStringLiteral("qtbase_") + language,
                 QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(qt);
    else
        delete qt;
    QCoreApplication::installTranslator(own);
    return language;
}

} // namespace Translations
