#include "storage/Halls.h"
#include "storage/Registry_Operations.h"

#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <functional>

using namespace Registry_Operations;

class StoreConcurrencyTest : public QObject {
    Q_OBJECT

private slots:
    void twoCopiesEnterScoresAtOnce() {
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        const QString file = dir.filePath("shared.sqlite");
        const int games = 60;

        QProcess first;
        QProcess second;
        first.start(VORKA_SCORE_WRITER, {file, "Ann", QString::number(games), "11"});
        second.start(VORKA_SCORE_WRITER, {file, "Bob", QString::number(games), "22"});
        // Both have opened the store and loaded the Halls; let them go together.
        for (QProcess* p : {&first, &second}) {
            QVERIFY(p->waitForStarted());
            while (!p->canReadLine()) QVERIFY(p->waitForReadyRead(30000));
            QCOMPARE(p->readLine(), QByteArray("ready\n"));
        }
        first.write("go\n");
        second.write("go\n");
        QVERIFY(first.waitForFinished(60000));
        QVERIFY(second.waitForFinished(60000));
        QCOMPARE(first.exitStatus(), QProcess::NormalExit);
        QCOMPARE(second.exitStatus(), QProcess::NormalExit);
        QCOMPARE(first.exitCode(), 0);
        QCOMPARE(second.exitCode(), 0);

        std::vector<int> entered;
        for (QProcess* p : {&first, &second}) {
            const QList<QByteArray> lines = p->readAllStandardOutput().split('\n');
            for (const QByteArray& line : lines)
                if (!line.isEmpty()) entered.push_back(line.toInt());
        }
        QCOMPARE(entered.size(), size_t(4 * games));

        // A valid store afterwards.
        setStoreFile(file);
        QVERIFY(store().usable());
        QVERIFY(store().integrityOk());

        // Each game went in whole: the Hall of Fame holds exactly the ten best
        // of all scores and the defaults, whatever order the games ran in.
        std::vector<int> all = entered;
        for (int n = 1; n <= 10; ++n) all.push_back((30 - n) * 5);
        std::sort(all.begin(), all.end(), std::greater<>());
        Halls halls;
        halls.LoadHalls();
        std::vector<int> fame;
        for (const HallEntry& e : halls.hallOfFame()) fame.push_back(e.score.toInt());
        QCOMPARE(fame, std::vector<int>(all.begin(), all.begin() + 10));

        const QList<HallEntry>& shame = halls.hallOfShame();
        QCOMPARE(shame.size(), 10);
        for (qsizetype i = 0; i < shame.size(); ++i) {
            QCOMPARE(shame[i].position, QString::number(i + 1));
            QVERIFY(shame[i].name.startsWith("Ann-") || shame[i].name.startsWith("Bob-"));
            if (i > 0) QVERIFY(shame[i - 1].score.toInt() <= shame[i].score.toInt());
        }
        closeStore();
    }
};

QTEST_GUILESS_MAIN(StoreConcurrencyTest)
#include "StoreConcurrencyTest.moc"
