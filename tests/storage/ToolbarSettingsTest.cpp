#include "storage/ToolbarSettings.h"

#include <QFile>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

class ToolbarSettingsTest : public QObject {
    Q_OBJECT

    QTemporaryDir dir_;
    QString file_;

    const QStringList designed_{"New",        "Scores", "Separator", "Open", "Save",
                                "Separator3", "Quit",   "Sounds",    "HELP"};

private slots:
    void init() {
        QVERIFY(dir_.isValid());
        file_ = dir_.filePath(QStringLiteral("%1/Vorka.ini").arg(QTest::currentTestFunction()));
    }

    void firstRunHasNothing() {
        QVERIFY(!ToolbarSettings(file_).restore());
        QVERIFY(!QFile::exists(file_)); // reading creates nothing
    }

    void layout_data() {
        QTest::addColumn<QStringList>("layout");
        QTest::newRow("designed") << designed_;
        QTest::newRow("Help removed, Quit first") << QStringList{
            "Quit", "New", "Scores", "Separator", "Open", "Save", "Separator3", "Sounds"};
        QTest::newRow("one button") << QStringList{"Sounds"};
        QTest::newRow("everything hidden") << QStringList{};
    }
    void layout() {
        QFETCH(QStringList, layout);
        QVERIFY(ToolbarSettings(file_).save(layout));
        // A new object, as at the next start of the program.
        const auto restored = ToolbarSettings(file_).restore();
        QVERIFY(restored);
        QCOMPARE(*restored, layout);
    }

    void addressesAreSeparate() {
        const ToolbarSettings settings(file_);
        QVERIFY(settings.saveToolbar("Toolbar", R"(Software\Tolvane Studios\Vorka)", "1", {"New"}));
        QVERIFY(
            settings.saveToolbar("Toolbar", R"(Software\Tolvane Studios\Vorka)", "2", {"Quit"}));
        QVERIFY(!settings.restoreToolbar("Toolbar", R"(Software\Other)", "1"));
        QCOMPARE(*settings.restoreToolbar("Toolbar", R"(Software\Tolvane Studios\Vorka)", "2"),
                 QStringList{"Quit"});
        QCOMPARE(*settings.restore(), QStringList{"New"});
    }

    void unusableKeysAreRefused() {
        const ToolbarSettings settings(file_);
        QVERIFY(settings.save(designed_));
        QVERIFY(!settings.save({"New", "Sa,ve"}));
        QVERIFY(!settings.save({"New", " "}));
        QCOMPARE(*settings.restore(), designed_);
    }

    void editedFiles_data() {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<bool>("usable");
        QTest::addColumn<QStringList>("layout");
        const QByteArray group = "[Software]\n";
        const QByteArray key = "Tolvane%20Studios\\Vorka\\Toolbar\\1=";
        QTest::newRow("unquoted list") << group + key + "Quit, New\n"
                                       << true << QStringList{"Quit", "New"};
        QTest::newRow("number") << group + key + "@Variant(\\0\\0\\0\\x2\\0\\0\\0\\x5)\n"
                                << false << QStringList{};
        QTest::newRow("not a settings file")
            << QByteArray("\x00\x01\x02garbage", 10) << false << QStringList{};
    }
    void editedFiles() {
        QFETCH(QByteArray, content);
        QFETCH(bool, usable);
        QFETCH(QStringList, layout);
        QVERIFY(ToolbarSettings(file_).save({"New"})); // makes the folder
        QFile f(file_);
        QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(content);
        f.close();
        const auto restored = ToolbarSettings(file_).restore();
        QCOMPARE(bool(restored), usable);
        if (usable) QCOMPARE(*restored, layout);
    }

    void defaultFileIsThePlayersOwn() {
        QStandardPaths::setTestModeEnabled(true);
        const QString file = ToolbarSettings::defaultFile();
        QVERIFY(file.startsWith(
            QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + '/'));
        QVERIFY(file.endsWith("/Tolvane Studios/Vorka.ini"));
        QStandardPaths::setTestModeEnabled(false);
    }
};

QTEST_GUILESS_MAIN(ToolbarSettingsTest)
#include "ToolbarSettingsTest.moc"
