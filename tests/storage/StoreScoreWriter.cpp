// Helper of StoreConcurrencyTest: plays out `games` two-player games by
// entering random final scores into the Halls of the given store, and
// prints every score it entered, one per line. It starts when it reads a
// line from its input, so that two copies can be let go at once.
//
//   StoreScoreWriter <store file> <name> <games> <seed>

#include "storage/Halls.h"
#include "storage/Registry_Operations.h"

#include <QCoreApplication>
#include <QTextStream>

#include <random>

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() != 5) return 2;
    Registry_Operations::setStoreFile(args[1]);
    const QString name = args[2];
    const int games = args[3].toInt();
    std::mt19937 rng(args[4].toUInt());
    std::uniform_int_distribution<int> score(0, 300);

    if (!Registry_Operations::store().usable()) return 3;
    Halls halls;
    halls.LoadHalls();
    QTextStream out(stdout);
    out << "ready" << Qt::endl;
    QTextStream in(stdin);
    in.readLine();
    for (int g = 0; g < games; ++g) {
        const PlayerScore first{QStringLiteral("%1-%2a").arg(name).arg(g), int16_t(score(rng))};
        const PlayerScore second{QStringLiteral("%1-%2b").arg(name).arg(g), int16_t(score(rng))};
        halls.EnterFinalScores({first, second});
        out << first.score << '\n' << second.score << '\n';
    }
    out.flush();
    return halls.hallOfFame().size() == Halls::kHallSize ? 0 : 1;
}
