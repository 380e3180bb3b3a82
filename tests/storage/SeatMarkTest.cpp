#include "storage/SavedGame.h"

#include <QRandomGenerator>
#include <QTest>

namespace {

constexpr qsizetype kFillerAt = 128 + 2; // after LastPlayer
constexpr qsizetype kFillerSize = 126;

SavedGame gameOf(int players) {
    SavedGame game;
    game.LastPlayer = int16_t(players - 1);
    for (int i = 0; i < players; ++i)
        game.players.push_back(
            PlayerRecord::fromCard(QStringLiteral("P%1").arg(i), int16_t(i), ScoreCard()));
    game.CurrentPlayer = int16_t(players - 1);
    return game;
}

QByteArray bytesOf(const SavedGame& game) {
    QByteArray bytes;
    return game.toBytes(bytes) ? QByteArray() : bytes;
}

SeatStrengths seatsRead(const QByteArray& bytes) {
    const OpenResult read = SavedGame::fromBytes(bytes);
    if (!read.game) return {std::optional<Strength>(Strength::Perfect)}; // fails any comparison
    return read.game->seats;
}

QString describe(const SeatStrengths& seats) {
    QStringList out;
    for (const auto& s : seats)
        out << (!s ? "person" : *s == Strength::Perfect ? "perfect" : "casual");
    return out.join(u',');
}

} // namespace

class SeatMarkTest : public QObject {
    Q_OBJECT
private slots:
    void computerSeatsComeBackFromTheFile() {
        SavedGame game = gameOf(3);
        game.seats = {std::nullopt, Strength::Perfect, Strength::Casual};
        const QByteArray bytes = bytesOf(game);
        QCOMPARE(describe(seatsRead(bytes)), QString("person,perfect,casual"));
        const OpenResult read = SavedGame::fromBytes(bytes);
        QVERIFY(read.game);
        QCOMPARE(read.game->computerSeat(1), std::optional<Strength>(Strength::Perfect));
        QCOMPARE(read.game->computerSeat(2), std::optional<Strength>(Strength::Casual));
        QCOMPARE(read.game->computerSeat(0), std::optional<Strength>());
        QCOMPARE(read.game->players, game.players);
        QCOMPARE(read.game->CurrentPlayer, game.CurrentPlayer);
    }

    // Only the filler after LastPlayer differs from the file of people;
    // every item stands where it stood, byte for byte.
    void theMarkStaysInTheFiller() {
        SavedGame people = gameOf(4);
        SavedGame computers = people;
        computers.seats = {Strength::Casual, std::nullopt, std::nullopt, Strength::Perfect};
        const QByteArray a = bytesOf(people);
        const QByteArray b = bytesOf(computers);
        QCOMPARE(b.size(), a.size());
        QVERIFY(a.mid(kFillerAt, kFillerSize) != b.mid(kFillerAt, kFillerSize));
        QByteArray withoutFiller = b;
        withoutFiller.replace(kFillerAt, kFillerSize, a.mid(kFillerAt, kFillerSize));
        QCOMPARE(withoutFiller, a);
        // A file of people keeps zero filler.
        QCOMPARE(a.mid(kFillerAt, kFillerSize), QByteArray(kFillerSize, '\0'));
        // A game whose seats are all people's, said outright, is no different.
        SavedGame said = people;
        said.seats = SeatStrengths(4);
        QCOMPARE(bytesOf(said), a);
    }

    void aFileWithoutTheMarkIsAllPeople() { QVERIFY(seatsRead(bytesOf(gameOf(3))).empty()); }

    void strayFillerIsAllPeople_data() {
        QTest::addColumn<quint32>("seed");
        for (quint32 seed : {1u, 2u, 3u, 17u, 99u, 4242u}) QTest::addRow("seed %u", seed) << seed;
    }
    void strayFillerIsAllPeople() {
        QFETCH(quint32, seed);
        QRandomGenerator random(seed);
        QByteArray bytes = bytesOf(gameOf(3));
        for (qsizetype i = 0; i < kFillerSize; ++i)
            bytes[kFillerAt + i] = char(random.bounded(256));
        QVERIFY(seatsRead(bytes).empty());
        // Even behind the right tag and version.
        bytes.replace(kFillerAt, 5, QByteArray("VkCS\x01", 5));
        QVERIFY(seatsRead(bytes).empty());
    }

    // Any one byte of a mark changed, and the mark is not believed.
    void aDamagedMarkIsAllPeople_data() {
        QTest::addColumn<int>("at");
        SavedGame game = gameOf(3);
        game.seats = {Strength::Perfect, Strength::Perfect, Strength::Casual};
        const int markSize = int(seatMark(game.seats).size());
        for (int at = 0; at < markSize; ++at) QTest::addRow("byte %d", at) << at;
    }
    void aDamagedMarkIsAllPeople() {
        QFETCH(int, at);
        SavedGame game = gameOf(3);
        game.seats = {Strength::Perfect, Strength::Perfect, Strength::Casual};
        QByteArray bytes = bytesOf(game);
        QVERIFY(!seatsRead(bytes).empty());
        bytes[kFillerAt + at] = char(bytes[kFillerAt + at] ^ 0x02);
        QVERIFY(seatsRead(bytes).empty());
    }

    // A mark for more players than the file holds belongs to another file.
    void aMarkForMorePlayersIsAllPeople() {
        SavedGame three = gameOf(3);
        three.seats = {std::nullopt, std::nullopt, Strength::Casual};
        QByteArray two = bytesOf(gameOf(2));
        two.replace(kFillerAt, kFillerSize, bytesOf(three).mid(kFillerAt, kFillerSize));
        QVERIFY(SavedGame::fromBytes(two).game);
        QVERIFY(seatsRead(two).empty());
    }

    // The record holds so many seats; the later ones are saved as people's.
    void seatsBeyondTheRecordArePeople() {
        SavedGame game = gameOf(200);
        game.seats = SeatStrengths(200);
        game.seats[0] = Strength::Casual;
        game.seats[kMarkedSeats - 1] = Strength::Perfect;
        game.seats[kMarkedSeats] = Strength::Perfect;
        game.seats[199] = Strength::Casual;
        const OpenResult read = SavedGame::fromBytes(bytesOf(game));
        QVERIFY(read.game);
        QCOMPARE(read.game->computerSeat(0), std::optional<Strength>(Strength::Casual));
        QCOMPARE(read.game->computerSeat(kMarkedSeats - 1),
                 std::optional<Strength>(Strength::Perfect));
        QCOMPARE(read.game->computerSeat(kMarkedSeats), std::optional<Strength>());
        QCOMPARE(read.game->computerSeat(199), std::optional<Strength>());

        // Computers only past the record's room: nothing to mark.
        game.seats = SeatStrengths(200);
        game.seats[150] = Strength::Casual;
        QCOMPARE(bytesOf(game), bytesOf(gameOf(200)));
    }
};

QTEST_APPLESS_MAIN(SeatMarkTest)
#include "SeatMarkTest.moc"
