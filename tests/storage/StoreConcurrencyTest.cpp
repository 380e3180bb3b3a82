// Several copies of the game share one store: final scores are entered
// whole, in some order of the games, never from stale lists, and a store
// another copy holds neither loses a score nor freezes the window.
//
// The sizes are small in `make test`. `make stress` runs the same cases at
// full size: VORKA_STRESS=1 gives 4 copies of 500 games each, 20 runs in a
// row, a lock of 10 seconds, and 20 rounds of copies that quit, are killed
// and start again.

#include "StoreStress.h"
#include "storage/Registry_Operations.h"
#include "storage/WaitingScores.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QRandomGenerator>
#include <QSettings>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <map>
#include <memory>

#include <csignal>

using namespace Registry_Operations;
using StoreStress::rows;

namespace {

bool stress() {
    return qEnvironmentVariable("VORKA_STRESS") == u"1";
}

// Another copy of the game holding the store locked for `ms`, once it has
// the lock.
std::unique_ptr<QProcess> holdStore(const QString& file, int ms) {
    auto holder = std::make_unique<QProcess>();
    holder->start(VORKA_SCORE_WRITER, {"hold", file, QString::number(ms)});
    if (!holder->waitForStarted()) return nullptr;
    // However long the copies keep it from the lock on a loaded machine.
    while (!holder->canReadLine())
        if (!holder->waitForReadyRead(-1)) return nullptr;
    if (holder->readLine() != "locked\n") return nullptr;
    return holder;
}

// A copy of the game run as a player runs it (see StoreScoreWriter "copy").
std::unique_ptr<QProcess> startCopy(const QString& store, const QString& waiting,
                                    const QString& how, int firstGame, int games) {
    auto p = std::make_unique<QProcess>();
    p->setProcessChannelMode(QProcess::ForwardedErrorChannel);
    p->start(VORKA_SCORE_WRITER,
             {"copy", store, waiting, how, QString::number(firstGame), QString::number(games)});
    return p->waitForStarted() ? std::move(p) : nullptr;
}

// The games a copy said had ended.
QList<int> endedGames(QProcess& p) {
    QList<int> out;
    for (const QByteArray& line : p.readAllStandardOutput().split('\n'))
        if (line.startsWith("ended ")) out << line.mid(6).toInt();
    return out;
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
    QObject::connect(&tick, &QTimer::timeout,
                     [&] { longest = std::max(longest, sinceTick.restart()); });
    tick.start();
    const QDeadlineTimer deadline(bound);
    while (!until() && !deadline.hasExpired()) QTest::qWait(5);
    longest = std::max(longest, sinceTick.elapsed());
    return longest;
}

} // namespace

class StoreConcurrencyTest : public QObject {
    Q_OBJECT
    Registry_Operations::Registry reg_{QString()};

    QTemporaryDir dir_;
    QString file_;

    // A store of this game, set up, as a copy that has run before leaves it.
    void makeStore(const QString& name) {
        file_ = dir_.filePath(name);
        QFile::remove(file_);
        reg_.setStoreFile(file_);
        QVERIFY(reg_.store().usable());
    }

private slots:
    void init() { QVERIFY(dir_.isValid()); }
    void cleanup() { reg_.closeStore(); }

    // Copies of the game enter their games at the same time while yet
    // another holds the store for a while: the Halls end as entering every
    // game one after another would leave them.
    void copiesEnterScoresAtOnce() {
        const int copies = 4;
        const int games = stress() ? 500 : 60;
        const int runs = stress() ? 20 : 1;
        for (int run = 0; run < runs; ++run) {
            makeStore(QStringLiteral("shared-%1.sqlite").arg(run));
            reg_.closeStore();
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

            reg_.setStoreFile(file_);
            QVERIFY(reg_.store().integrityOk());
            QStringList fame;
            QStringList shame;
            StoreStress::expectedHalls(copies, games, seed, fame, shame);
            Halls halls(reg_);
            halls.LoadHalls();
            QVERIFY(halls.upToDate());
            QCOMPARE(rows(halls.hallOfFame()), fame);
            QCOMPARE(rows(halls.hallOfShame()), shame);
            reg_.closeStore();
        }
    }

    // A store another copy holds for long: the entry returns at once, the
    // event loop keeps running, the player is told once, and the scores go
    // in, in their order, as soon as the store is free.
    void heldStoreFreezesNothingAndLosesNothing() {
        makeStore(QStringLiteral("held.sqlite"));
        Halls halls(reg_);
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
        QVERIFY2(gap < 300,
                 qPrintable(QStringLiteral("the event loop stood still for %1 ms").arg(gap)));
        QCOMPARE(told.size(), 1);
        qInfo("store held for %d ms: the entry returned after %lld ms, the event loop stood still "
              "for %lld ms at most",
              lockMs, callMs, gap);
        QVERIFY(ended(*holder, 5000));

        // Equal scores keep the order the players came in.
        QCOMPARE(rows(halls.hallOfFame()).mid(0, 2), QStringList({"1 Ann 300", "2 Bob 300"}));
        QCOMPARE(rows(halls.hallOfShame()), QStringList({"1 Al 2", "2 Bo 2"}));
        Halls reread(reg_);
        reread.LoadHalls();
        QCOMPARE(rows(reread.hallOfFame()), rows(halls.hallOfFame()));
        QCOMPARE(rows(reread.hallOfShame()), rows(halls.hallOfShame()));
    }

    // A store that is busy when the program starts is read once it is free,
    // not given up for the run.
    void busyAtStartIsReadLater() {
        makeStore(QStringLiteral("busy-start.sqlite"));
        {
            Halls earlier(reg_);
            earlier.LoadHalls();
            earlier.EnterFinalScores({{"Cy", 250}});
        }
        reg_.closeStore();
        auto holder = holdStore(file_, 1500);
        QVERIFY(holder);
        reg_.setStoreFile(file_);
        Halls halls(reg_);
        QSignalSpy changed(&halls, &Halls::changed);
        halls.LoadHalls();
        QVERIFY(!halls.upToDate());
        QCOMPARE(halls.hallOfFame().size(), Halls::kHallSize); // the defaults meanwhile
        QTRY_VERIFY_WITH_TIMEOUT(halls.upToDate(), 10000);
        QCOMPARE(rows(halls.hallOfFame()).first(), QString("1 Cy 250"));
        QVERIFY(changed.size() >= 2);
        // And later entries are written, not kept in memory only.
        halls.EnterFinalScores({{"Dee", 260}});
        Halls reread(reg_);
        reread.LoadHalls();
        QCOMPARE(rows(reread.hallOfFame()).mid(0, 2), QStringList({"1 Dee 260", "2 Cy 250"}));
        QVERIFY(ended(*holder, 5000));
    }

    // Copies of the game end games while another holds the store; some quit
    // with scores waiting, one is killed at a random moment, one the moment
    // its games are in the store but not yet out of the waiting file. Then
    // three copies start together. Every game that ended is in the Halls
    // once, in its place.
    void waitingScoresGoInOnce() {
        const int rounds = stress() ? 20 : 2;
        const int holdMs = stress() ? 3000 : 1200;
        for (int round = 0; round < rounds; ++round) {
            makeStore(QStringLiteral("once-%1.sqlite").arg(round));
            reg_.closeStore();
            const QString waiting = dir_.filePath(QStringLiteral("waiting-%1.ini").arg(round));
            QRandomGenerator rng(700 + quint32(round));
            auto holder = holdStore(file_, holdMs);
            QVERIFY(holder);

            // Two games each, ten in all: every score shows in the Halls.
            const QStringList hows{"quit", "stay", "commit", "quit", "stay"};
            std::vector<std::unique_ptr<QProcess>> copies;
            for (int c = 0; c < hows.size(); ++c) {
                copies.push_back(startCopy(file_, waiting, hows[c], 2 * c, 2));
                QVERIFY(copies.back());
            }
            // The ones that stay are killed before the store is free or after.
            const int killAt[] = {int(rng.bounded(holdMs + 600)), int(rng.bounded(holdMs + 600))};
            QElapsedTimer clock;
            clock.start();
            for (int k : {0, 1}) {
                QProcess& victim = *copies[size_t(k == 0 ? 1 : 4)];
                while (clock.elapsed() < killAt[k] && victim.state() != QProcess::NotRunning)
                    victim.waitForFinished(10);
                victim.kill();
            }
            QSet<int> endedGamesOfAll;
            for (size_t c = 0; c < copies.size(); ++c) {
                QProcess& p = *copies[c];
                QVERIFY(ended(p, 60000));
                if (hows[int(c)] == u"quit") {
                    QCOMPARE(p.exitStatus(), QProcess::NormalExit);
                    QCOMPARE(p.exitCode(), 0);
                }
                for (int g : endedGames(p)) endedGamesOfAll << g;
            }
            QVERIFY(ended(*holder, 30000));

            // Three copies start at once, each with the same waiting file.
            std::vector<std::unique_ptr<QProcess>> restarts;
            for (int r = 0; r < 3; ++r)
                restarts.push_back(startCopy(file_, waiting, "restart", 0, 0));
            for (auto& p : restarts) {
                QVERIFY(p && ended(*p, 60000));
                QCOMPARE(p->exitStatus(), QProcess::NormalExit);
                QCOMPARE(p->exitCode(), 0);
            }
            QVERIFY(WaitingScores(waiting).read().empty());

            reg_.setStoreFile(file_);
            Halls halls(reg_);
            halls.LoadHalls();
            QVERIFY(halls.upToDate());
            // Games cut off as they ended may be there or not, once at most.
            QSet<int> found;
            for (const HallEntry& e : halls.hallOfFame())
                if (e.name.startsWith('G')) found << e.name.mid(1).section('-', 0, 0).toInt();
            const QString what = QStringLiteral("round %1: killed at %2 and %3 ms")
                                     .arg(round)
                                     .arg(killAt[0])
                                     .arg(killAt[1]);
            QVERIFY2(found.contains(endedGamesOfAll), qPrintable(what));
            QStringList fame;
            QStringList shame;
            QList<int> games = found.values();
            std::sort(games.begin(), games.end());
            for (int g : games) {
                const auto scores = StoreStress::gameNumbered(g);
                fame.prepend(scores[0].name + ' ' + QString::number(scores[0].score));
                shame.append(scores[1].name + ' ' + QString::number(scores[1].score));
            }
            for (int n = 1; fame.size() < Halls::kHallSize; ++n)
                fame << QStringLiteral("Tolvane Studios %1").arg((30 - n) * 5);
            for (int n = 0; n < fame.size(); ++n) fame[n] = QString::number(n + 1) + ' ' + fame[n];
            for (int n = 0; n < shame.size(); ++n)
                shame[n] = QString::number(n + 1) + ' ' + shame[n];
            QCOMPARE(rows(halls.hallOfFame()), fame);
            QCOMPARE(rows(halls.hallOfShame()), shame);
            qInfo("%s: %lld of 10 games ended, %lld in the Halls", qPrintable(what),
                  qint64(endedGamesOfAll.size()), qint64(found.size()));
            reg_.closeStore();
        }
    }

    // A copy ended by SIGTERM (a session logging out), SIGHUP (its terminal
    // closed) or SIGINT (Ctrl+C) leaves through its quit path, and the
    // scores still waiting are entered at the next start.
    void signalEndsThroughQuit_data() {
        QTest::addColumn<int>("signal");
        QTest::newRow("SIGTERM") << int(SIGTERM);
        QTest::newRow("SIGHUP") << int(SIGHUP);
        QTest::newRow("SIGINT") << int(SIGINT);
    }
    void signalEndsThroughQuit() {
        QFETCH(int, signal);
        makeStore(QStringLiteral("signal-%1.sqlite").arg(signal));
        reg_.closeStore();
        const QString waiting = dir_.filePath(QStringLiteral("signal-%1.ini").arg(signal));
        auto holder = holdStore(file_, 20000);
        QVERIFY(holder);
        auto copy = startCopy(file_, waiting, "signal", 3, 1);
        QVERIFY(copy);
        while (!copy->canReadLine()) QVERIFY(copy->waitForReadyRead(30000));
        QCOMPARE(copy->readLine(), QByteArray("ended 3\n"));
        ::kill(pid_t(copy->processId()), signal);
        QVERIFY(ended(*copy, 30000));
        QCOMPARE(copy->exitStatus(), QProcess::NormalExit);
        QCOMPARE(copy->exitCode(), 0);
        QCOMPARE(copy->readAll(), QByteArray("kept\n"));
        holder->kill();
        QVERIFY(ended(*holder, 5000));

        reg_.setStoreFile(file_);
        Halls next(reg_);
        next.setPendingFile(waiting);
        next.LoadHalls();
        QCOMPARE(rows(next.hallOfFame()).first(), QString("1 G3-hi 203"));
        QCOMPARE(rows(next.hallOfShame()), QStringList{"1 G3-lo 3"});
    }

    // Scores that cannot be kept when the program ends (a full disk) are
    // not lost without a word: the system's reason comes back.
    void fullDiskAtExitIsTold() {
        const QString folder = qEnvironmentVariable("VORKA_SMALL_FS");
        if (folder.isEmpty())
            QSKIP(qPrintable("no small filesystem to fill: " +
                             qEnvironmentVariable("VORKA_SMALL_FS_UNAVAILABLE",
                                                  "run through with-small-fs.sh")));
        makeStore(QStringLiteral("full-disk.sqlite"));
        const QString waiting = QDir(folder).filePath(QStringLiteral("waiting.ini"));
        {
            QFile filler(QDir(folder).filePath(QStringLiteral("filler")));
            QVERIFY(filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered));
            const QByteArray page(4096, 'f');
            while (filler.write(page) == page.size()) {
            }
        }
        RegistryStore other(file_); // another copy holds the store
        QVERIFY(other.beginTransaction());
        QString why;
        {
            Halls halls(reg_);
            halls.setPendingFile(waiting);
            halls.LoadHalls();
            halls.EnterFinalScores({{"Ann", 300}});
            QCOMPARE(halls.pendingScores().size(), size_t(1));
            why = halls.keepWaiting();
        }
        other.rollbackTransaction();
        QVERIFY2(why.contains(QStringLiteral("No space left on device")), qPrintable(why));
        QFile::remove(QDir(folder).filePath(QStringLiteral("filler")));
        QFile::remove(waiting);
    }

    // Scores still pending when the program ends are entered at its next
    // start, before the new ones.
    void pendingScoresOutliveTheProgram() {
        makeStore(QStringLiteral("outlive.sqlite"));
        const QString pendingFile = dir_.filePath(QStringLiteral("pending.ini"));
        auto holder = holdStore(file_, 6000);
        QVERIFY(holder);
        {
            Halls halls(reg_);
            halls.setPendingFile(pendingFile);
            halls.EnterFinalScores({{"Eve", 280}, {"Ed", 3}});
            QCOMPARE(halls.pendingScores().size(), size_t(2));
        } // the program ends while the store is still held
        QVERIFY(QFile::exists(pendingFile));
        QVERIFY(ended(*holder, 10000));

        Halls next(reg_);
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
