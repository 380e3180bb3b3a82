// Feeds the saved-game reader random and mutated files. Every file must end
// in a complete game that obeys the format's rules, or in an error; a game
// that is read must write back to bytes that read as the same game.

#include "storage/EightBitText.h"
#include "storage/SavedGame.h"

#include <QElapsedTimer>
#include <QTest>
#include <QtEndian>

#include <random>
#include <set>

namespace {

using Rng = std::mt19937;

int uniform(Rng& rng, int lo, int hi) {
    return std::uniform_int_distribution<int>(lo, hi)(rng);
}

// A game the writer accepts: random names, and scores the rules can give.
SavedGame randomGame(Rng& rng) {
    SavedGame game;
    const int players = uniform(rng, 1, 6);
    game.LastPlayer = int16_t(players - 1);
    game.CurrentPlayer = int16_t(uniform(rng, 0, players - 1));
    for (int i = 0; i < players; ++i) {
        PlayerRecord p;
        const int length = uniform(rng, 0, 64);
        for (int k = 0; k < length; ++k) p.name += QChar(char16_t(uniform(rng, 32, 255)));
        p.index = int16_t(i);
        for (Category c : kAllCategories) {
            int score = 0;
            do score = uniform(rng, 0, 50);
            while (!reachableScore(c, score));
            p.scores[categoryIndex(c)] = int16_t(uniform(rng, 0, 3) == 0 ? 0 : score);
            p.flags[categoryIndex(c)] =
                uniform(rng, 0, 1) ? PlayerRecord::kFree : PlayerRecord::kUsed;
        }
        game.players.push_back(p);
    }
    return game;
}

const int16_t kInteresting[] = {0,  1,   -1,  2,   5,   24, 63,    64,
                                65, 127, 128, 255, 256, -2, 32767, -32768};

QByteArray mutate(QByteArray bytes, Rng& rng) {
    const int steps = uniform(rng, 1, 4);
    for (int s = 0; s < steps; ++s) {
        const qsizetype size = bytes.size();
        switch (uniform(rng, 0, 7)) {
        case 0: // flip one bit
            if (size) bytes[uniform(rng, 0, int(size - 1))] ^= char(1 << uniform(rng, 0, 7));
            break;
        case 1: // one random byte
            if (size) bytes[uniform(rng, 0, int(size - 1))] = char(uniform(rng, 0, 255));
            break;
        case 2: { // an interesting number at the start of an item or anywhere
            if (size < 2) break;
            const int records = int(size / 128);
            qsizetype at =
                uniform(rng, 0, 1) && records
                    ? qsizetype(128) * uniform(rng, 0, records - 1) + 2 * uniform(rng, 0, 40)
                    : uniform(rng, 0, int(size - 2));
            at = std::min(at, size - 2);
            qToLittleEndian(kInteresting[uniform(rng, 0, std::size(kInteresting) - 1)],
                            bytes.data() + at);
            break;
        }
        case 3: // cut short
            bytes.truncate(uniform(rng, 0, int(size)));
            break;
        case 4: // grow
            bytes += QByteArray(uniform(rng, 1, 300), char(uniform(rng, 0, 255)));
            break;
        case 5: // repeat a record
            if (size >= 128) {
                const qsizetype at = qsizetype(128) * uniform(rng, 0, int(size / 128) - 1);
                bytes.insert(at, bytes.mid(at, 128));
            }
            break;
        case 6: // drop a record
            if (size >= 256)
                bytes.remove(qsizetype(128) * uniform(rng, 1, int(size / 128) - 1), 128);
            break;
        case 7: // LastPlayer anything
            if (size >= 130)
                qToLittleEndian(int16_t(uniform(rng, -40000, 40000)), bytes.data() + 128);
            break;
        }
    }
    return bytes;
}

QByteArray randomBytes(Rng& rng, bool withHeader) {
    QByteArray bytes;
    if (withHeader) bytes = QByteArray("\x18\x00", 2) + kSavedGameHeader.toLatin1();
    const int length = uniform(rng, 0, 1200);
    for (int i = 0; i < length; ++i) bytes += char(uniform(rng, 0, 255));
    return bytes;
}

const std::set<int> kNumbers = {OpenError::kTruncated,      OpenError::kNoPlayers,
                                OpenError::kTooManyPlayers, OpenError::kNameLength,
                                OpenError::kIndex,          OpenError::kCurrent,
                                OpenError::kFlag,           OpenError::kScore};

} // namespace

class SavedGameFuzzTest : public QObject {
    Q_OBJECT

    int games_ = 0;
    int errors_ = 0;
    std::set<int> seen_;

    // Checks one file; a failed check ends the test function.
    void check(const QByteArray& bytes) {
        const OpenResult read = SavedGame::fromBytes(bytes);
        if (!read.game) {
            ++errors_;
            if (read.error.kind == OpenError::Kind::WrongHeader) return;
            seen_.insert(read.error.number);
            QVERIFY2(kNumbers.count(read.error.number), qPrintable(read.error.description));
            QVERIFY(!read.error.description.isEmpty());
            return;
        }
        ++games_;
        const SavedGame& g = *read.game;
        QVERIFY(g.LastPlayer >= 0);
        QCOMPARE(qsizetype(g.players.size()), qsizetype(g.LastPlayer) + 1);
        QVERIFY(g.CurrentPlayer >= 0 && g.CurrentPlayer <= g.LastPlayer);
        QVERIFY(bytes.size() >= 128 * (3 + g.LastPlayer) + 2);
        QVERIFY(g.LastPlayer < kMaxPlayers);
        for (size_t i = 0; i < g.players.size(); ++i) {
            const PlayerRecord& p = g.players[i];
            QCOMPARE(qsizetype(p.index), qsizetype(i));
            QVERIFY(EightBitText::fromUnicode(p.name).size() <= kMaxNameBytes);
            for (Category c : kAllCategories) {
                const int16_t f = p.flags[categoryIndex(c)];
                QVERIFY(f == -1 || f == 0);
                QVERIFY(reachableScore(c, p.scores[categoryIndex(c)]));
            }
        }
        QByteArray again;
        QVERIFY(!g.toBytes(again));
        const OpenResult reread = SavedGame::fromBytes(again);
        QVERIFY(reread.game);
        QCOMPARE(*reread.game, g);
    }

private slots:
    void randomFiles() {
        Rng rng(7);
        games_ = errors_ = 0;
        for (int n = 0; n < 4000 && !QTest::currentTestFailed(); ++n)
            check(randomBytes(rng, n % 2 == 0));
        QCOMPARE(games_ + errors_, 4000);
    }

    void mutatedFiles() {
        Rng rng(1234567);
        games_ = errors_ = 0;
        seen_.clear();
        QElapsedTimer timer;
        timer.start();
        const int rounds = 20000;
        for (int n = 0; n < rounds; ++n) {
            QByteArray bytes;
            QVERIFY(!randomGame(rng).toBytes(bytes));
            check(mutate(bytes, rng));
            if (QTest::currentTestFailed()) return;
        }
        QCOMPARE(games_ + errors_, rounds);
        // The mutations reach both outcomes and every kind of error.
        QVERIFY(games_ > rounds / 20);
        QVERIFY(errors_ > rounds / 2);
        QCOMPARE(seen_, kNumbers);
        qInfo("%d files read as games, %d rejected, in %lld ms", games_, errors_, timer.elapsed());
    }
};

QTEST_GUILESS_MAIN(SavedGameFuzzTest)
#include "SavedGameFuzzTest.moc"
