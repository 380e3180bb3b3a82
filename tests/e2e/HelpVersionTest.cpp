#include "ui/HelpViewer.h"

#include <QTest>

// The help's contents page, as the HELP command shows it, names the version
// this build is (VORKA_VERSION, the project's version).
class HelpVersionTest : public QObject {
    Q_OBJECT
private slots:
    void contentsPageShowsTheVersion() {
        HelpViewer help;
        help.resize(640, 480);
        help.showPage(kHelpContents);
        const QString text = help.Browser->toPlainText();
        QVERIFY2(text.contains(QStringLiteral("Welcome to Vorka")), qPrintable(text.left(200)));
        QVERIFY2(text.contains(QStringLiteral("Version " VORKA_VERSION)),
                 qPrintable(text.left(400)));
        QVERIFY2(!text.contains(QLatin1Char('@')), "a placeholder was left unfilled");
        // For a look at the page: build/tests/e2e/help-contents.png.
        help.grab().save(QStringLiteral("help-contents.png"));
    }
};

QTEST_MAIN(HelpVersionTest)
#include "HelpVersionTest.moc"
