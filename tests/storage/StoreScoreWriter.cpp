// Helper of StoreConcurrencyTest: another copy of the game at the store.
//
//   StoreScoreWriter enter <store file> <copy> <copies> <games> <seed>
//       Enters the final scores of its games (StoreStress::gamesOf), one game
//       after another as they end, and exits 0 once all are in the store (3 if
//       some are still pending after a minute). It starts when it reads a line
//       from its input, so that several copies can be let go at once.
//   StoreScoreWriter hold <store file> <milliseconds>
//       Holds the store locked against every other program, readers too, for
//       that long, as a copy in the middle of a long write would. Prints
//       "locked" once it holds it.

#include "StoreStress.h"
#include "storage/Registry_Operations.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QElapsedTimer>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTextStream>
#include <QThread>

namespace {

int enter(const QStringList& args) {
    if (args.size() != 7) return 2;
    Registry_Operations::setStoreFile(args[2]);
    const auto games = StoreStress::gamesOf(args[3].toInt(), args[4].toInt(), args[5].toInt(),
                                            args[6].toUInt());
    Halls halls;
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
        if (!query.exec(QStringLiteral("BEGIN EXCLUSIVE"))) return 4;
        QTextStream(stdout) << "locked" << Qt::endl;
        QThread::msleep(args[3].toULong());
        query.exec(QStringLiteral("COMMIT"));
    }
    db.close();
    return 0;
}

} // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    const QString mode = args.value(1);
    if (mode == u"enter") return enter(args);
    if (mode == u"hold") return hold(args);
    return 2;
}
