// Several copies of the game share one store: final scores are entered
// whole, in some order of the games, never from stale lists, and a store
// another copy holds neither loses a score nor freezes the window.
//
// The sizes are small in `make test`. `make stress` runs the same cases at
// full size: VORKA_STRESS=1 gives 4 copies of 500 games each, 20 runs in a
// row, and a lock of 10 seconds.

#include "StoreStress.h"
#include "storage/Registry_Operations.h"

#include <QDeadlineTimer>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QSettings>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <memory>

using namespace Registry_Operations;
using StoreStress::rows;

namespace {

bool stress() {
    return qEnvironmentVariable("VORKA_STRESS") == u"1";
}

// Another copy of the game holding the store locked for `ms`.
std::unique_ptr<QProcess> holdStore(const QString& file, int ms) {
    auto holder = std::make_unique<QProcess>();
    holder->start(VORKA_SCORE_WRITER, {"hold", file, QString::number(ms)});
    if (!holder->waitForStarted()) return nullptr;
    while (!holder->canReadLine())
        if (!holder->waitForReadyRead(20000)) return nullptr;
    if (holder->readLine() != "locked\n") return nullptr;
    return holder;
}

// Whether the process has ended, waiting for it if it has not.
bool ended(QProcess& p, int ms) {
    return p.state() == QProcess::NotRunning || p.waitForFinished(ms);
}

// The longest time the event loop went without running a 10 ms timer while
// `until` was false, waiting `bound` ms at most.
qint64 longestGap(const std::function<bool()>& until, int bound) {
    QElapsedTimer sinceTick;
    sinceTick.start();
    qint64 longest = 0;
    QTimer tick;
    tick.setInterval(10);
    QObject::connect(&tick, &QTimer::timeout, [&] {
        longest = std::max(longest, sinceTick.restart());
    });
    tick.start();
    const QDeadlineTimer deadline(bound);
    while (!until() && !deadline.hasExpired()) QTest::qWait(5);
    longest = std::max(longest, sinceTick.elapsed());
    return longest;
}

} // namespace

class StoreConcurrencyTest : public QObject {
    Q_OBJECT

    QTemporaryDir dir_;
    QString file_;

    // A store of this game, set up, as a copy that has run before leaves it.
    void makeStore(const QString& name) {
        file_ = dir_.filePath(name);
        QFile::remove(file_);
        setStoreFile(file_);
        QVERIFY(store().usable());
    }

private slots:
    void init() { QVERIFY(dir_.isValid()); }
    void cleanup() { closeStore(); }

    // Copies of the game enter their games at the same time while yet
    // another holds the store for a while: the Halls end as entering every
    // game one after another would leave them.
    void copiesEnterScoresAtOnce() {
        const int copies = 4;
        const int games = stress() ? 500 : 60;
        const int runs = stress() ? 20 : 1;
        for (int run = 0; run < runs; ++run) {
            makeStore(QStringLiteral("shared-%1.sqlite").arg(run));
            closeStore();
            const unsigned seed = 1000 + unsigned(run);
            std::vector<std::unique_ptr<QProcess>> writers;
            for (int c = 0; c < copies; ++c) {
                auto p = std::make_unique<QProcess>();
                p->setProcessChannelMode(QProcess::ForwardedErrorChannel);
                p->start(VORKA_SCORE_WRITER,
                         {"enter", file_, QString::number(c), QString::number(copies),
                          QString::number(games), QString::number(seed)});
                QVERIFY(p->waitForStarted());
                while (!p->canReadLine()) QVERIFY(p->waitForReadyRead(30000));
                QCOMPARE(p->readLine(), QByteArray("ready\n"));
                writers.push_back(std::move(p));
            }
            for (auto& p : writers) p->write("go\n");
            // In the middle of it, a copy keeps everyone out for longer than
            // the store's own wait.
            QTest::qWait(100);
            auto holder = holdStore(file_, 2500);
            QVERIFY(holder);
            for (auto& p : writers) {
                QVERIFY(ended(*p, 180000));
                QCOMPARE(p->exitStatus(), QProcess::NormalExit);
                QCOMPARE(p->exitCode(), 0);
            }
            QVERIFY(ended(*holder, 30000));

            setStoreFile(file_);
            QVERIFY(store().integrityOk());
            QStringList fame;
            QStringList shame;
            StoreStress::expectedHalls(copies, games, seed, fame, shame);
            Halls halls;
            halls.LoadHalls();
            QVERIFY(halls.upToDate());
            QCOMPARE(rows(halls.hallOfFame()), fame);
            QCOMPARE(rows(halls.hallOfShame()), shame);
            closeStore();
        }
    }

    // A store another copy holds for long: the entry returns at once, the
    // event loop keeps running, the player is told once, and the scores go
    // in, in their order, as soon as the store is free.
    void heldStoreFreezesNothingAndLosesNothing() {
        makeStore(QStringLiteral("held.sqlite"));
        Halls halls;
        halls.LoadHalls();
        QSignalSpy told(&halls, &Halls::waitingForStore);
        const int lockMs = stress() ? 10000 : 3000;
        auto holder = holdStore(file_, lockMs);
        QVERIFY(holder);

        QElapsedTimer call;
        call.start();
        halls.EnterFinalScores({{"Ann", 300}, {"Al", 2}});
        halls.EnterFinalScores({{"Bob", 300}, {"Bo", 2}});
        const qint64 callMs = call.elapsed();
        QVERIFY2(callMs < 500, qPrintable(QString::number(callMs)));
        QCOMPARE(halls.pendingScores().size(), size_t(4));

        const qint64 gap = longestGap([&] { return halls.pendingScores().empty(); }, lockMs + 5000);
        QVERIFY2(halls.pendingScores().empty(), "the scores were never entered");
        QVERIFY2(gap < 300, qPrintable(QStringLiteral("the event loop stood still for %1 ms")
                                           .arg(gap)));
        QCOMPARE(told.size(), 1);
        qInfo("store held for %d ms: the entry returned after %lld ms, the event loop stood still "
              "for %lld ms at most",
              lockMs, callMs, gap);
        QVERIFY(ended(*holder, 5000));

        // Equal scores keep the order the players came in.
        QCOMPARE(rows(halls.hallOfFame()).mid(0, 2), QStringList({"1 Ann 300", "2 Bob 300"}));
        QCOMPARE(rows(halls.hallOfShame()), QStringList({"1 Al 2", "2 Bo 2"}));
        Halls reread;
        reread.LoadHalls();
        QCOMPARE(rows(reread.hallOfFame()), rows(halls.hallOfFame()));
        QCOMPARE(rows(reread.hallOfShame()), rows(halls.hallOfShame()));
    }

    // A store that is busy when the program starts is read once it is free,
    // not given up for the run.
    void busyAtStartIsReadLater() {
        makeStore(QStringLiteral("busy-start.sqlite"));
        {
            Halls earlier;
            earlier.LoadHalls();
            earlier.EnterFinalScores({{"Cy", 250}});
        }
        closeStore();
        auto holder = holdStore(file_, 1500);
        QVERIFY(holder);
        setStoreFile(file_);
        Halls halls;
        QSignalSpy changed(&halls, &Halls::changed);
        halls.LoadHalls();
        QVERIFY(!halls.upToDate());
        QCOMPARE(halls.hallOfFame().size(), Halls::kHallSize); // the defaults meanwhile
        QTRY_VERIFY_WITH_TIMEOUT(halls.upToDate(), 10000);
        QCOMPARE(rows(halls.hallOfFame()).first(), QString("1 Cy 250"));
        QVERIFY(changed.size() >= 2);
        // And later entries are written, not kept in memory only.
        halls.EnterFinalScores({{"Dee", 260}});
        Halls reread;
        reread.LoadHalls();
        QCOMPARE(rows(reread.hallOfFame()).mid(0, 2), QStringList({"1 Dee 260", "2 Cy 250"}));
        QVERIFY(ended(*holder, 5000));
    }

    // Scores still pending when the program ends are entered at its next
    // start, before the new ones.
    void pendingScoresOutliveTheProgram() {
        makeStore(QStringLiteral("outlive.sqlite"));
        const QString pendingFile = dir_.filePath(QStringLiteral("pending.ini"));
        auto holder = holdStore(file_, 6000);
        QVERIFY(holder);
        {
            Halls halls;
            halls.setPendingFile(pendingFile);
            halls.EnterFinalScores({{"Eve", 280}, {"Ed", 3}});
            QCOMPARE(halls.pendingScores().size(), size_t(2));
        } // the program ends while the store is still held
        QVERIFY(QFile::exists(pendingFile));
        QVERIFY(ended(*holder, 10000));

        Halls next;
        next.setPendingFile(pendingFile);
        next.LoadHalls();
        QVERIFY(next.pendingScores().empty());
        next.EnterFinalScores({{"Fay", 280}});
        QCOMPARE(rows(next.hallOfFame()).mid(0, 2), QStringList({"1 Eve 280", "2 Fay 280"}));
        QCOMPARE(rows(next.hallOfShame()), QStringList({"1 Ed 3"}));
        QSettings left(pendingFile, QSettings::IniFormat);
        QVERIFY(left.childGroups().isEmpty());
    }
};

QTEST_GUILESS_MAIN(StoreConcurrencyTest)
#include "StoreConcurrencyTest.moc"
