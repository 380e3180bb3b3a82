// Requests made by changing good ones at random, handed to the writer
// against a scratch store. Whatever comes in, the writer refuses it with the
// store's bytes untouched, or takes it whole as the request format reads it;
// it never crashes, never calls a private store busy or damaged, and never
// puts a name or score into the Halls that a player could not have.
// VORKA_STRESS=1 runs a hundred times as many; VORKA_FUZZ_SEED picks the seed.

#include "hallswriter/HallsWriter.h"
#include "storage/HallsRequest.h"
#include "storage/HallsStore.h"
#include "storage/Registry_Operations.h"
#include "storage/StorePaths.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>

using HallsRequest::Answer;

namespace {

QByteArray fileHash(const QString& path) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) return {};
    return QCryptographicHash::hash(f.readAll(), QCryptographicHash::Sha256);
}

const QList<QByteArray> kSeeds = {
    HallsRequest::enterRequest({{"g-1", {{"Ann", 200}, {"Bob", 0}}}}),
    HallsRequest::enterRequest({{"a", {{"Zoë 李", 353}}}, {"b", {{" x ", 17}, {"Y", 99}}}}),
    HallsRequest::enterRequest({{"long", {{QString(64, u'w'), 1}}}}),
    HallsRequest::clearRequest(),
    QByteArray(HallsRequest::kFirstLine) + "\nend\n",
};

// Bytes a mutation likes to bring in: the format's own, and trouble.
const QList<QByteArray> kPieces = {
    "\n",
    " ",
    "game ",
    "end\n",
    "clear\n",
    "353",
    "354",
    "255",
    "256",
    "0",
    "-",
    "\r",
    "\t",
    QByteArray(1, '\0'),
    "\xff",
    "\xe2\x80\xa8",
    "\xc3",
    "99999999999",
    QByteArray(70, 'n'),
    "game g 255\n",
};

QByteArray mutate(QByteArray bytes, QRandomGenerator& random) {
    const int steps = 1 + int(random.bounded(4));
    for (int s = 0; s < steps; ++s) {
        const qsizetype at = bytes.isEmpty() ? 0 : qsizetype(random.bounded(int(bytes.size())));
        switch (random.bounded(7)) {
        case 0: // one byte changed
            if (!bytes.isEmpty()) bytes[at] = char(random.bounded(256));
            break;
        case 1: // a piece put in
            bytes.insert(at, kPieces[random.bounded(int(kPieces.size()))]);
            break;
        case 2: // a run taken out
            bytes.remove(at, 1 + random.bounded(8));
            break;
        case 3: { // a line repeated
            const qsizetype start = bytes.lastIndexOf('\n', at) + 1;
            const qsizetype end = bytes.indexOf('\n', at);
            if (end > start) bytes.insert(start, bytes.mid(start, end - start + 1));
            break;
        }
        case 4: // cut short
            bytes.truncate(at);
            break;
        case 5: // spliced with another seed
            bytes = bytes.left(at) + kSeeds[random.bounded(int(kSeeds.size()))].mid(at);
            break;
        default: // a digit changed
            for (qsizetype i = at; i < bytes.size(); ++i)
                if (bytes[i] >= '0' && bytes[i] <= '9') {
                    bytes[i] = char('0' + random.bounded(10));
                    break;
                }
            break;
        }
    }
    return bytes;
}

} // namespace

class HallsWriterFuzzTest : public QObject {
    Q_OBJECT

private slots:
    void randomRequests() {
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        const QString store = QDir(dir.path()).filePath(StorePaths::kStoreFileName);
        const bool stress = qEnvironmentVariableIntValue("VORKA_STRESS") != 0;
        const int rounds = stress ? 200000 : 2000;
        bool seedGiven = false;
        const quint32 seed = quint32(qEnvironmentVariableIntValue("VORKA_FUZZ_SEED", &seedGiven));
        QRandomGenerator random(seedGiven ? seed : 20261208u);
        qInfo("%d requests, seed %u", rounds, seedGiven ? seed : 20261208u);

        QCOMPARE(HallsWriter::handle(kSeeds[0], dir.path(), false).answer, Answer::Entered);
        int entered = 0;
        for (int round = 0; round < rounds; ++round) {
            const QByteArray input = mutate(kSeeds[random.bounded(int(kSeeds.size()))], random);
            const QByteArray before = fileHash(store);
            QString why;
            const bool wellFormed = HallsRequest::parse(input, why).has_value();
            const HallsWriter::Result result = HallsWriter::handle(input, dir.path(), false);
            const QByteArray shown = input.left(200).toPercentEncoding(" ");
            if (result.answer == Answer::Refused) {
                QVERIFY2(!wellFormed, shown.constData());
                QVERIFY2(fileHash(store) == before, shown.constData());
                continue;
            }
            QVERIFY2(result.answer == Answer::Entered,
                     qPrintable(result.why + QStringLiteral(" for ") + shown));
            QVERIFY2(wellFormed, shown.constData());
            // Every score taken is one a player could have, by a check of
            // its own: no control bytes, at most 64 characters, 0 to 353.
            const std::optional<HallsRequest::Request> taken = HallsRequest::parse(input, why);
            for (const WaitingGame& game : taken->games) {
                for (const PlayerScore& p : game.players) {
                    const QByteArray name = p.name.toUtf8();
                    QVERIFY2(!p.name.isEmpty() && p.name.size() <= 64, shown.constData());
                    QVERIFY2(std::none_of(name.begin(), name.end(),
                                          [](char c) { return uchar(c) < 0x20 || c == 0x7f; }),
                             shown.constData());
                    QVERIFY2(p.score >= 0 && p.score <= 353, shown.constData());
                }
            }
            ++entered;
        }
        // What went in is what players can have.
        Registry_Operations::Registry registry(store);
        QList<HallEntry> fame;
        QList<HallEntry> shame;
        QVERIFY(HallsStore::read(registry, fame, shame));
        registry.closeStore();
        for (const QList<HallEntry>* hall : {&fame, &shame}) {
            for (const HallEntry& e : *hall) {
                QVERIFY2(WaitingScores::validName(e.name), qPrintable(e.name));
                const int score = e.score.toInt();
                QVERIFY2(WaitingScores::validScore(score), qPrintable(e.score));
            }
        }
        qInfo("%d of %d entered", entered, rounds);
        QVERIFY(entered > 0);
    }
};

QTEST_GUILESS_MAIN(HallsWriterFuzzTest)
#include "HallsWriterFuzzTest.moc"
