#include "storage/SavedGame.h"

#include <QDir>
#include <QFile>
#include <QTest>

#include <sys/statvfs.h>

// Saving onto a real, small filesystem that fills up. The folder comes from
// with-small-fs.sh; without it every case skips and says why.

namespace {

QByteArray bytesIn(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

SavedGame gameOf(int players, const QString& firstName) {
    SavedGame game;
    game.LastPlayer = int16_t(players - 1);
    for (int i = 0; i < players; ++i) {
        ScoreCard card;
        card.commit(Category::Chance, 10 + i % 20);
        game.players.push_back(PlayerRecord::fromCard(
            i == 0 ? firstName : QStringLiteral("Player %1").arg(i), int16_t(i), card));
    }
    return game;
}

qint64 freeBytes(const QString& folder) {
    struct statvfs fs {};
    if (statvfs(QFile::encodeName(folder).constData(), &fs) != 0) return -1;
    return qint64(fs.f_bavail) * qint64(fs.f_frsize);
}

// Fills the filesystem until at most `leave` bytes are free.
bool fillUp(const QString& folder, qint64 leave) {
    QFile filler(QDir(folder).filePath(QStringLiteral("filler")));
    if (!filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) return false;
    const QByteArray page(4096, 'f');
    while (freeBytes(folder) > leave)
        if (filler.write(page) != page.size()) break;
    return freeBytes(folder) <= leave;
}

} // namespace

class SavedGameDiskTest : public QObject {
    Q_OBJECT

    QString folder_;

private slots:
    void init() {
        folder_ = qEnvironmentVariable("VORKA_SMALL_FS");
        if (folder_.isEmpty())
            QSKIP(qPrintable("no small filesystem to fill: " +
                             qEnvironmentVariable("VORKA_SMALL_FS_UNAVAILABLE",
                                                  "run through with-small-fs.sh")));
        QDir dir(folder_);
        for (const QString& name : dir.entryList(QDir::Files | QDir::Hidden | QDir::System))
            QVERIFY(dir.remove(name));
    }

    // A save that does not fit leaves the earlier file byte for byte, says
    // why in the system's words, and leaves no other file behind.
    void fullDiskKeepsTheOldFile_data() {
        QTest::addColumn<int>("players");
        QTest::addColumn<qint64>("left");
        QTest::newRow("no space left") << 3 << qint64(0);
        // Room for part of the new file: it must not replace the old one cut short.
        QTest::newRow("a few KB left") << 150 << qint64(8192);
    }
    void fullDiskKeepsTheOldFile() {
        QFETCH(int, players);
        QFETCH(qint64, left);
        const QString path = QDir(folder_).filePath(QStringLiteral("game.vrk"));
        QVERIFY(!gameOf(2, QStringLiteral("Ann")).writeFile(path));
        const QByteArray before = bytesIn(path);
        QVERIFY(before.size() > 128 * 4);
        QVERIFY(fillUp(folder_, left));

        const auto error = gameOf(players, QStringLiteral("Bob")).writeFile(path);
        QVERIFY2(error, "a save onto a full disk reported success");
        QVERIFY2(error->reason.contains(QStringLiteral("No space left on device")),
                 qPrintable(error->reason));
        QCOMPARE(bytesIn(path), before);
        QCOMPARE(QDir(folder_).entryList(QDir::Files | QDir::Hidden | QDir::System),
                 QStringList({"filler", "game.vrk"}));
    }

    // With room again, the same save goes through whole.
    void saveAfterSpaceIsFreed() {
        const QString path = QDir(folder_).filePath(QStringLiteral("game.vrk"));
        QVERIFY(!gameOf(2, QStringLiteral("Ann")).writeFile(path));
        QVERIFY(fillUp(folder_, 0));
        const SavedGame big = gameOf(150, QStringLiteral("Bob"));
        QVERIFY(big.writeFile(path));
        QVERIFY(QFile::remove(QDir(folder_).filePath(QStringLiteral("filler"))));
        QVERIFY(!big.writeFile(path));
        const OpenResult read = SavedGame::readFile(path);
        QVERIFY2(read.game, qPrintable(read.error.description));
        QCOMPARE(*read.game, big);
    }
};

QTEST_GUILESS_MAIN(SavedGameDiskTest)
#include "SavedGameDiskTest.moc"
