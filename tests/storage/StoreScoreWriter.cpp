// Helper of StoreConcurrencyTest: another copy of the game at the store.
//
//   StoreScoreWriter enter <store file> <copy> <copies> <games> <seed>
//       Enters the final scores of its games (StoreStress::gamesOf), one game
//       after another as they end, and exits 0 once all are in the store (3 if
//       some are still pending after a minute). It starts when it reads a line
//       from its input, so that several copies can be let go at once.
//   StoreScoreWriter hold <store file> <milliseconds>
//       Holds the store locked against every other program, readers too, for
//       that long, as a copy in the middle of a long write would. Waits for
//       the lock as long as it takes, then prints "locked".
//   StoreScoreWriter copy <store file> <waiting file> <how> <first game> <games>
//       A copy of the game as a player runs it: loads the Halls (entering
//       what waits in the waiting file), ends its games (StoreStress::gameNumbered)
//       one after another, printing "ended <game>" once each has gone into
//       the store or the waiting file, and then, by <how>:
//         quit     quits at once, as through QUIT ("kept" when nothing is lost)
//         stay     goes on until it is killed (or 60 s pass)
//         commit   kills itself the moment its games are in the store,
//                  before the waiting file is told
//         signal   ends through its quit path when SIGTERM, SIGHUP or SIGINT
//                  comes ("kept" when nothing is lost)
//         restart  only waits until what it loaded has gone in, then quits

#include "StoreStress.h"
#include "storage/Registry_Operations.h"
#include "ui/QuitOnSignal.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QElapsedTimer>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QTextStream>
#include <QThread>

#include <csignal>

namespace {

int enter(const QStringList& args) {
    if (args.size() != 7) return 2;
    Registry_Operations::Registry store(args[2]);
    const auto games =
        StoreStress::gamesOf(args[3].toInt(), args[4].toInt(), args[5].toInt(), args[6].toUInt());
    Halls halls(store);
    QTextStream out(stdout);
    out << "ready" << Qt::endl;
    QTextStream(stdin).readLine();
    for (const auto& game : games) {
        halls.EnterFinalScores(game);
        QCoreApplication::processEvents(); // the game goes on between two ends
    }
    const QDeadlineTimer deadline(60000);
    while (!halls.pendingScores().empty() && !deadline.hasExpired()) {
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
    }
    return halls.pendingScores().empty() ? 0 : 3;
}

int hold(const QStringList& args) {
    if (args.size() != 4) return 2;
    auto db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("holder"));
    db.setDatabaseName(args[2]);
    db.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=10000"));
    if (!db.open()) return 3;
    {
        QSqlQuery query(db);
        // On a loaded machine the copies may keep it from the lock for a
        // long while: it waits as long as it takes.
        while (!query.exec(QStringLiteral("BEGIN EXCLUSIVE"))) {
            const int code = query.lastError().nativeErrorCode().toInt() & 0xFF;
            if (code != 5 && code != 6) return 4; // not SQLITE_BUSY or SQLITE_LOCKED
            QThread::msleep(5);
        }
        QTextStream(stdout) << "locked" << Qt::endl;
        QThread::msleep(args[3].toULong());
        query.exec(QStringLiteral("COMMIT"));
    }
    db.close();
    return 0;
}

int copy(const QStringList& args) {
    if (args.size() != 7) return 2;
    Registry_Operations::Registry store(args[2]);
    const QString how = args[4];
    QTextStream out(stdout);
    QuitOnSignal signals_;
    bool signalled = false;
    QObject::connect(&signals_, &QuitOnSignal::received, [&] { signalled = true; });
    Halls halls(store);
    halls.setPendingFile(args[3]);
    if (how == u"commit") {
        QObject::connect(&halls, &Halls::committed, [](const QStringList& ids) {
            if (!ids.isEmpty()) ::raise(SIGKILL);
        });
    }
    const auto quit = [&] {
        const QString why = halls.keepWaiting();
        if (why.isNull()) out << "kept" << Qt::endl;
        return why.isNull() ? 0 : 4;
    };
    halls.LoadHalls();
    const int first = args[5].toInt();
    for (int g = first; g < first + args[6].toInt() && !signalled; ++g) {
        halls.EnterFinalScores(StoreStress::gameNumbered(g));
        out << "ended " << g << Qt::endl;
        QCoreApplication::processEvents();
    }
    if (how == u"quit") return quit();
    const QDeadlineTimer deadline(60000);
    while (!deadline.hasExpired() && !signalled) {
        if (how == u"restart" && halls.pendingScores().empty()) return quit();
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
    }
    return signalled || how != u"restart" ? quit() : 3;
}

} // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    const QString mode = args.value(1);
    if (mode == u"enter") return enter(args);
    if (mode == u"hold") return hold(args);
    if (mode == u"copy") return copy(args);
    return 2;
}
