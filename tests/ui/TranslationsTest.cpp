#include "ui/Translations.h"

#include <QCoreApplication>
#include <QTest>
#include <QTranslator>

// Which language the game speaks for a locale, and what start-up installs
// for it: the game's own translation and Qt's, or nothing for English.
class TranslationsTest : public QObject {
    Q_OBJECT

    static QList<QTranslator*> installed() {
        return qApp->findChildren<QTranslator*>(QString(), Qt::FindDirectChildrenOnly);
    }

private slots:
    void cleanup() { qDeleteAll(installed()); } // a translator removes itself as it goes

    void theGameSpeaksThreeLanguagesBesidesEnglish() {
        QCOMPARE(Translations::available(),
                 QStringList({QStringLiteral("de"), QStringLiteral("es"), QStringLiteral("fr")}));
    }

    void languageFollowsTheLocale_data() {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QStringList>("languages");
        QTest::addColumn<QString>("language");
        const QStringList ours = Translations::available();
        QTest::newRow("German") << "de_DE" << ours << "de";
        QTest::newRow("Swiss German") << "de_CH" << ours << "de";
        QTest::newRow("French of Canada") << "fr_CA" << ours << "fr";
        QTest::newRow("Spanish of Mexico") << "es_MX" << ours << "es";
        QTest::newRow("English") << "en_US" << ours << "";
        QTest::newRow("British English") << "en_GB" << ours << "";
        QTest::newRow("no translation") << "it_IT" << ours << "";
        QTest::newRow("C") << "C" << ours << "";
        const QStringList portuguese = {QStringLiteral("pt"), QStringLiteral("pt_BR")};
        QTest::newRow("region first") << "pt_BR" << portuguese << "pt_BR";
        QTest::newRow("else the language") << "pt_PT" << portuguese << "pt";
        QTest::newRow("only the region") << "pt_PT" << QStringList{"pt_BR"} << "";
        QTest::newRow("script and region") << "zh_Hant_TW" << QStringList{"zh_TW"} << "zh_TW";
    }
    void languageFollowsTheLocale() {
        QFETCH(QString, locale);
        QFETCH(QStringList, languages);
        QFETCH(QString, language);
        QCOMPARE(Translations::languageFor(QLocale(locale), languages), language);
    }

    // Qt's own buttons speak the game's language, and only when the game does.
    void startUpInstallsTheGamesTranslationAndQts_data() {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("cancel");
        QTest::newRow("German") << "de_DE"
                                << "de"
                                << "Abbrechen";
        QTest::newRow("French") << "fr_FR"
                                << "fr"
                                << "Annuler";
        QTest::newRow("Spanish") << "es_ES"
                                 << "es"
                                 << "Cancelar";
        QTest::newRow("English") << "en_US"
                                 << ""
                                 << "Cancel";
        // Qt has an Italian translation, the game has none: all stays English.
        QTest::newRow("no translation") << "it_IT"
                                        << ""
                                        << "Cancel";
    }
    void startUpInstallsTheGamesTranslationAndQts() {
        QFETCH(QString, locale);
        QFETCH(QString, language);
        QFETCH(QString, cancel);
        QCOMPARE(Translations::install(*QCoreApplication::instance(), QLocale(locale)), language);
        QCOMPARE(QCoreApplication::translate("QProgressDialog", "Cancel"), cancel);
        QStringList files;
        for (const QTranslator* translator : installed()) files << translator->filePath();
        if (language.isEmpty()) {
            QVERIFY2(files.isEmpty(), qPrintable(files.join(QLatin1Char(' '))));
            return;
        }
        QCOMPARE(files.size(), 2);
        const QString own = Translations::kFolder + "vorka_" + language + ".qm";
        QVERIFY2(files.contains(own), qPrintable(files.join(QLatin1Char(' '))));
        for (const QTranslator* translator : installed())
            QCOMPARE(translator->language().section(QLatin1Char('_'), 0, 0), language);
    }
};

QTEST_MAIN(TranslationsTest)
#include "TranslationsTest.moc"
