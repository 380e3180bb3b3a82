#include "storage/SavedGame.h"

#include "game/Text.h"

#include <QDateTime>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <QtEndian>

#include <sys/stat.h>

Q_DECLARE_METATYPE(Category)

namespace {

QByteArray fixture(const QString& name) {
    QFile f(QStringLiteral(VORKA_STORAGE_FIXTURES "/") + name);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

QByteArray fileBytes(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

bool writeBytes(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}

PlayerRecord freshPlayer(const QString& name, int16_t index) {
    return PlayerRecord::fromCard(name, index, ScoreCard());
}

SavedGame annAtHerTurn() {
    SavedGame game;
    game.players.push_back(freshPlayer("Ann", 0));
    return game;
}

// Ann, Bob and Cy part-way through a game, at Bob's turn.
SavedGame threePlayers() {
    ScoreCard ann;
    ann.commit(Category::Fours, 12);
    ann.commit(Category::Chance, 0);
    ann.commit(Category::Vorka, 50);
    ScoreCard bob;
    bob.commit(Category::Sixes, 30);
    bob.commit(Category::TwoPairs, 22);
    bob.commit(Category::HighStraight, 20);
    ScoreCard cy;
    for (Category c : kAllCategories) cy.commit(c, 0);
    cy.commit(Category::FullHouse, 28);
    cy.setTag(Category::Ones, ScoreCard::kAvailableTag);
    cy.setCellText(Category::Ones, QString());

    SavedGame game;
    game.LastPlayer = 2;
    game.players = {PlayerRecord::fromCard("Ann", 0, ann), PlayerRecord::fromCard("Bob", 1, bob),
                    PlayerRecord::fromCard("Cy", 2, cy)};
    game.CurrentPlayer = 1;
    return game;
}

QByteArray bytesOf(const SavedGame& game) {
    QByteArray bytes;
    const auto error = game.toBytes(bytes);
    return error ? QByteArray() : bytes;
}

void putInt16(QByteArray& bytes, qsizetype offset, int16_t value) {
    qToLittleEndian(value, bytes.data() + offset);
}

// Offsets into the three-player file.
constexpr qsizetype kLastPlayerAt = 128;
qsizetype playerAt(int i) {
    return 128 * (2 + i);
}
// Name length 3 for all three players: index after the name, then the scores.
qsizetype indexAt(int i) {
    return playerAt(i) + 5;
}
qsizetype scoreAt(int i, Category c) {
    return playerAt(i) + 7 + 2 * categoryIndex(c);
}
qsizetype flagAt(int i, Category c) {
    return playerAt(i) + 37 + 2 * categoryIndex(c);
}
constexpr qsizetype kCurrentAt = 128 * 5;

} // namespace

class SavedGameTest : public QObject {
    Q_OBJECT

    QTemporaryDir dir_;

private slots:
    void initTestCase() { QVERIFY(dir_.isValid()); }

    void annFixtureIsWritten() {
        const QByteArray expected = fixture("ann.vrk");
        QCOMPARE(expected.size(), 386);
        QCOMPARE(bytesOf(annAtHerTurn()), expected);
        const QString path = dir_.filePath("ann.vrk");
        QVERIFY(!annAtHerTurn().writeFile(path));
        QCOMPARE(fileBytes(path), expected);
    }

    void annFixtureIsRead() {
        const OpenResult read =
            SavedGame::readFile(QStringLiteral(VORKA_STORAGE_FIXTURES "/ann.vrk"));
        QVERIFY2(read.game, qPrintable(read.error.description));
        const SavedGame& game = *read.game;
        QCOMPARE(game.LastPlayer, 0);
        QCOMPARE(game.CurrentPlayer, 0);
        QCOMPARE(game.players.size(), size_t(1));
        const PlayerRecord& ann = game.players[0];
        QCOMPARE(ann.name, QString("Ann"));
        QCOMPARE(ann.index, 0);
        for (Category c : kAllCategories) {
            QCOMPARE(ann.scores[categoryIndex(c)], 0);
            QCOMPARE(ann.flags[categoryIndex(c)], -1);
        }
    }

    void threePlayerRoundTrip() {
        const SavedGame game = threePlayers();
        const QString path = dir_.filePath("three.vrk");
        QVERIFY(!game.writeFile(path));
        const QByteArray bytes = fileBytes(path);
        QCOMPARE(bytes.size(), 128 * (3 + 2) + 2); // n + 3 records, the last one 2 bytes
        QCOMPARE(bytes.mid(playerAt(1), 5), QByteArray("\x03\x00"
                                                       "Bob",
                                                       5));
        QCOMPARE(bytes.mid(kCurrentAt), QByteArray("\x01\x00", 2));
        QCOMPARE(bytes.mid(scoreAt(1, Category::Sixes), 2), QByteArray("\x1e\x00", 2));
        QCOMPARE(bytes.mid(flagAt(1, Category::Sixes), 4), QByteArray("\x00\x00\xff\xff", 4));

        const OpenResult read = SavedGame::readFile(path);
        QVERIFY2(read.game, qPrintable(read.error.description));
        QCOMPARE(*read.game, game);

        // The rebuilt cards hold the scores as plain digits.
        const ScoreCard bob = read.game->players[1].toCard();
        QCOMPARE(bob.cellText(Category::Sixes), QString("30"));
        QCOMPARE(bob.cellText(Category::TwoPairs), QString("22"));
        QCOMPARE(bob.tag(Category::HighStraight), QString("0"));
        QCOMPARE(bob.cellText(Category::Ones), QString());
        QCOMPARE(Countup(bob).grandText(), QString("Total: 72"));
        const ScoreCard cy = read.game->players[2].toCard();
        QVERIFY(cy.available(Category::Ones));
        QCOMPARE(cy.cellText(Category::Twos), QString("0"));
        QCOMPARE(Countup(cy).grandText(), QString("Total: 28"));
    }

    void cardConversion() {
        // Ann scored 12 in Fours and 0 in Chance, nothing else.
        ScoreCard card;
        card.commit(Category::Fours, 12);
        card.commit(Category::Chance, 0);
        const PlayerRecord record = PlayerRecord::fromCard("Ann", 0, card);
        QCOMPARE(record.scores[categoryIndex(Category::Fours)], 12);
        QCOMPARE(record.flags[categoryIndex(Category::Fours)], 0);
        QCOMPARE(record.flags[categoryIndex(Category::Chance)], 0);
        QCOMPARE(record.flags[categoryIndex(Category::Ones)], -1);

        SavedGame game;
        game.players = {record};
        QByteArray bytes;
        QVERIFY(!game.toBytes(bytes));
        const OpenResult read = SavedGame::fromBytes(bytes);
        QVERIFY(read.game);
        const ScoreCard rebuilt = read.game->players[0].toCard();
        QCOMPARE(rebuilt.cellText(Category::Fours), QString("12"));
        QCOMPARE(rebuilt.cellText(Category::Chance), QString("0"));
        QVERIFY(!rebuilt.available(Category::Fours));
        QVERIFY(!rebuilt.available(Category::Chance));
        for (Category c : kAllCategories) {
            if (c == Category::Fours || c == Category::Chance) continue;
            QVERIFY(rebuilt.available(c));
            QCOMPARE(rebuilt.cellText(c), QString());
        }
        QCOMPARE(Countup(rebuilt).upperText(), QString("1-6 Total: 12"));
        QCOMPARE(Countup(rebuilt).grandText(), QString("Total: 12"));
    }

    void reopenedCategoryComesBackFree() {
        // After the reopen code a free category still shows its old score;
        // the file keeps it, the rebuilt board starts it empty.
        ScoreCard card;
        card.commit(Category::Sixes, 24);
        card.reopenAll();
        const PlayerRecord record = PlayerRecord::fromCard("Ann", 0, card);
        QCOMPARE(record.scores[categoryIndex(Category::Sixes)], 24);
        QCOMPARE(record.flags[categoryIndex(Category::Sixes)], -1);
        SavedGame game;
        game.players = {record};
        const OpenResult read = SavedGame::fromBytes(bytesOf(game));
        QVERIFY(read.game);
        const ScoreCard rebuilt = read.game->players[0].toCard();
        QVERIFY(rebuilt.available(Category::Sixes));
        QCOMPARE(rebuilt.cellText(Category::Sixes), QString());
    }

    void names_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("readBack");
        QTest::newRow("ascii") << "Ann" << QByteArray("Ann") << "Ann";
        QTest::newRow("latin") << QString::fromUtf8("Zoë Ørsted") << QByteArray("Zo\xEB \xD8rsted")
                               << QString::fromUtf8("Zoë Ørsted");
        QTest::newRow("cannot be held")
            << QString::fromUtf8("日本 Ann") << QByteArray("?? Ann") << "?? Ann";
        QTest::newRow("empty") << QString() << QByteArray() << QString();
        QTest::newRow("64 characters")
            << QString(64, u'x') << QByteArray(64, 'x') << QString(64, u'x');
    }
    void names() {
        QFETCH(QString, name);
        QFETCH(QByteArray, bytes);
        QFETCH(QString, readBack);
        SavedGame game;
        game.players = {freshPlayer(name, 0)};
        const QByteArray file = bytesOf(game);
        QVERIFY(!file.isEmpty());
        QCOMPARE(qFromLittleEndian<quint16>(file.constData() + 256), quint16(bytes.size()));
        QCOMPARE(file.mid(258, bytes.size()), bytes);
        const OpenResult read = SavedGame::fromBytes(file);
        QVERIFY(read.game);
        QCOMPARE(read.game->players[0].name, readBack);
    }

    void nameTooLongIsNotSaved() {
        const QString path = dir_.filePath("long.vrk");
        QVERIFY(!annAtHerTurn().writeFile(path));
        const QByteArray earlier = fileBytes(path);

        SavedGame game = threePlayers();
        game.players[1].name = QString(65, u'B');
        const auto error = game.writeFile(path);
        QVERIFY(error);
        QVERIFY(error->message().startsWith(QString("The game was not saved.") + CR + CR));
        QVERIFY(error->reason.contains("64"));
        QCOMPARE(fileBytes(path), earlier);
        QByteArray bytes("untouched");
        QVERIFY(game.toBytes(bytes));
        QCOMPARE(bytes, QByteArray("untouched"));
    }

    void inconsistentGameIsNotSaved_data() {
        QTest::addColumn<int>("fault");
        QTest::newRow("no players") << 0;
        QTest::newRow("LastPlayer does not match") << 1;
        QTest::newRow("CurrentPlayer out of range") << 2;
        QTest::newRow("index out of order") << 3;
        QTest::newRow("flag neither free nor used") << 4;
        QTest::newRow("score the category cannot give") << 5;
    }
    void inconsistentGameIsNotSaved() {
        QFETCH(int, fault);
        SavedGame game = threePlayers();
        switch (fault) {
        case 0:
            game.players.clear();
            break;
        case 1:
            game.LastPlayer = 3;
            break;
        case 2:
            game.CurrentPlayer = 3;
            break;
        case 3:
            game.players[2].index = 1;
            break;
        case 4:
            game.players[0].flags[3] = 1;
            break;
        case 5:
            game.players[0].scores[categoryIndex(Category::Twos)] = 3;
            break;
        }
        const QString path = dir_.filePath("inconsistent.vrk");
        QFile::remove(path);
        QVERIFY(game.writeFile(path));
        QVERIFY(!QFile::exists(path));
    }

    void failedSaveKeepsEarlierFile_data() {
        QTest::addColumn<bool>("lockFolder");
        QTest::addColumn<int>("nameLength");
        QTest::newRow("read-only folder") << true << 8;
        // The file can be there, but a new one of that name cannot be made
        // next to it and renamed.
        QTest::newRow("name at the system's limit") << false << 255;
    }
    void failedSaveKeepsEarlierFile() {
        QFETCH(bool, lockFolder);
        QFETCH(int, nameLength);
        const QString folder = dir_.filePath(QStringLiteral("earlier-%1").arg(nameLength));
        QVERIFY(QDir().mkpath(folder));
        const QString path = QDir(folder).filePath(QString(nameLength - 4, u'g') + ".vrk");
        if (!writeBytes(path, fixture("ann.vrk"))) QSKIP("this file system takes no such name");
        const QByteArray earlier = fileBytes(path);
        if (lockFolder)
            QVERIFY(QFile::setPermissions(folder, QFileDevice::ReadOwner | QFileDevice::ExeOwner));
        const QString probe = QDir(folder).filePath("probe");
        const bool lockedForUs = lockFolder && !QFile(probe).open(QIODevice::WriteOnly);
        QFile::remove(probe);
        const auto error = threePlayers().writeFile(path);
        QFile::setPermissions(folder, QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                          QFileDevice::ExeOwner);
        if (lockFolder && !lockedForUs) QSKIP("this user may write into read-only folders");
        QVERIFY(error);
        QVERIFY(error->message().startsWith(QString("The game was not saved.") + CR + CR));
        QCOMPARE(fileBytes(path), earlier);
        QCOMPARE(QDir(folder).entryList(QDir::Files | QDir::Hidden),
                 QStringList{QFileInfo(path).fileName()});
    }

    void saveReplacesEarlierFile() {
        const QString path = dir_.filePath("replace.vrk");
        QVERIFY(!threePlayers().writeFile(path));
        QVERIFY(!annAtHerTurn().writeFile(path));
        QCOMPARE(fileBytes(path), fixture("ann.vrk"));
    }

    void wrongHeader_data() {
        QTest::addColumn<QByteArray>("bytes");
        const QByteArray ann = fixture("ann.vrk");
        QTest::newRow("empty file") << QByteArray();
        QTest::newRow("other program") << QByteArray("[Game]\nPlayers=Ann,Bob\n").repeated(20);
        QByteArray lower = ann;
        lower[2] = 'v';
        QTest::newRow("case differs") << lower;
        QByteArray shorter = ann;
        shorter[0] = 23;
        QTest::newRow("header length 23") << shorter;
        QByteArray huge = ann;
        huge[0] = huge[1] = '\xFF';
        QTest::newRow("header length 65535") << huge;
        QTest::newRow("cut inside another header")
            << QByteArray("\x18\x00Vorka by Tolvane", 18).replace(8, 1, "X");
        // A file cut short inside its header holds no header at all.
        QTest::newRow("cut inside the header") << ann.left(20);
        QTest::newRow("only the header's length") << ann.left(2);
    }
    void wrongHeader() {
        QFETCH(QByteArray, bytes);
        const OpenResult read = SavedGame::fromBytes(bytes);
        QVERIFY(!read.game);
        QCOMPARE(read.error.kind, OpenError::Kind::WrongHeader);
        QCOMPARE(read.error.message(), QString("This is not a TOL Vorka saved game file!"));
        QCOMPARE(read.error.title(), QString("Vorka"));
    }

    void malformed_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<int>("number");
        const QByteArray good = bytesOf(threePlayers());
        QVERIFY(SavedGame::fromBytes(good).game);
        auto with = [&](qsizetype offset, int16_t value) {
            QByteArray b = good;
            putInt16(b, offset, value);
            return b;
        };

        QTest::newRow("cut inside LastPlayer") << good.left(129) << OpenError::kTruncated;
        QTest::newRow("cut inside a player")
            << good.left(playerAt(1) + 40) << OpenError::kTruncated;
        QTest::newRow("cut inside CurrentPlayer")
            << good.left(kCurrentAt + 1) << OpenError::kTruncated;
        QTest::newRow("LastPlayer -1") << with(kLastPlayerAt, -1) << OpenError::kNoPlayers;
        QTest::newRow("LastPlayer beyond the records")
            << with(kLastPlayerAt, 3) << OpenError::kTruncated;
        QTest::newRow("LastPlayer 254 beyond the records")
            << with(kLastPlayerAt, 254) << OpenError::kTruncated;
        QTest::newRow("LastPlayer 255") << with(kLastPlayerAt, 255) << OpenError::kTooManyPlayers;
        QTest::newRow("LastPlayer 32767")
            << with(kLastPlayerAt, 32767) << OpenError::kTooManyPlayers;
        // Two players read; Cy's record stands where CurrentPlayer is read.
        QTest::newRow("LastPlayer too small") << with(kLastPlayerAt, 1) << OpenError::kCurrent;
        QTest::newRow("name of 65 bytes") << with(playerAt(0), 65) << OpenError::kNameLength;
        QTest::newRow("name of 65535 bytes") << with(playerAt(2), -1) << OpenError::kNameLength;
        QTest::newRow("index 5") << with(indexAt(2), 5) << OpenError::kIndex;
        QTest::newRow("index -1") << with(indexAt(0), -1) << OpenError::kIndex;
        QTest::newRow("index twice") << with(indexAt(1), 0) << OpenError::kIndex;
        QTest::newRow("CurrentPlayer 3") << with(kCurrentAt, 3) << OpenError::kCurrent;
        QTest::newRow("flag 1") << with(flagAt(0, Category::Ones), 1) << OpenError::kFlag;
        QTest::newRow("flag 32767") << with(flagAt(2, Category::Vorka), 32767) << OpenError::kFlag;
        QTest::newRow("score -1") << with(scoreAt(0, Category::Fours), -1) << OpenError::kScore;
        QTest::newRow("Twos 3") << with(scoreAt(1, Category::Twos), 3) << OpenError::kScore;
        QTest::newRow("Low Straight 14")
            << with(scoreAt(2, Category::LowStraight), 14) << OpenError::kScore;
        QTest::newRow("Vorka 49") << with(scoreAt(0, Category::Vorka), 49) << OpenError::kScore;
        QTest::newRow("score of a free category")
            << with(scoreAt(2, Category::Ones), 7) << OpenError::kScore;
    }
    void malformed() {
        QFETCH(QByteArray, bytes);
        QFETCH(int, number);
        const OpenResult read = SavedGame::fromBytes(bytes);
        QVERIFY(!read.game);
        QCOMPARE(read.error.kind, OpenError::Kind::Failed);
        QCOMPARE(read.error.number, number);
        QVERIFY(!read.error.description.isEmpty());
        QCOMPARE(read.error.title(), QString("Error"));
        QCOMPARE(read.error.message(), QString("Error number ") + QString::number(number) + ":" +
                                           CR + CR + read.error.description + CR + CR +
                                           "The above error was encountered. The Open Game "
                                           "process was aborted.");
    }

    // A file cut short says so in words a player understands.
    void cutShortSaysWhat_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("description");
        const QByteArray three = bytesOf(threePlayers());
        const QByteArray ann = fixture("ann.vrk");
        QByteArray four = three;
        putInt16(four, kLastPlayerAt, 3);
        QByteArray many = three;
        putInt16(many, kLastPlayerAt, 254);
        const QString cut = "The file is cut short: ";
        QTest::newRow("one player, no turn")
            << ann.left(ann.size() - 2)
            << cut + "it ends before the part that says whose turn it is.";
        QTest::newRow("one player, cut in the record")
            << ann.left(playerAt(0) + 40) << cut + "it ends inside the record of its one player.";
        QTest::newRow("three players, cut in the turn")
            << three.left(kCurrentAt + 1)
            << cut + "it ends before the part that says whose turn it is.";
        QTest::newRow("three players, cut in the second")
            << three.left(playerAt(1) + 40)
            << cut + "it names 3 players, but only one of them is in it whole.";
        QTest::newRow("three players, cut in the first")
            << three.left(playerAt(0) + 2)
            << cut + "it names 3 players, but none of them is in it whole.";
        QTest::newRow("255 named, 3 records")
            << many << cut + "it names 255 players, but only 3 of them are in it whole.";
    }
    void cutShortSaysWhat() {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, description);
        const OpenResult read = SavedGame::fromBytes(bytes);
        QVERIFY(!read.game);
        QCOMPARE(read.error.number, OpenError::kTruncated);
        QCOMPARE(read.error.description, description);
    }

    // New files that killed saves left beside the file are taken away by the
    // next save, once old enough not to be a save in progress; whatever may
    // be the player's own stays.
    void leftoversOfKilledSaves_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<bool>("old");
        QTest::addColumn<bool>("removed");
        const QByteArray whole = bytesOf(threePlayers());
        QTest::newRow("empty, old") << "game.vrk.aB3xY9" << QByteArray() << true << true;
        QTest::newRow("cut short, old") << "game.vrk.Qw12Er" << whole.left(400) << true << true;
        QTest::newRow("cut short, new") << "game.vrk.Qw12Er" << whole.left(400) << false << false;
        QTest::newRow("a whole saved game") << "game.vrk.backup" << whole << true << false;
        QTest::newRow("not a saved game")
            << "game.vrk.readme" << QByteArray("notes") << true << false;
        QTest::newRow("another file's") << "other.vrk.aB3xY9" << QByteArray() << true << false;
        QTest::newRow("longer ending") << "game.vrk.aB3xY9z" << QByteArray() << true << false;
    }
    void leftoversOfKilledSaves() {
        QFETCH(QString, name);
        QFETCH(QByteArray, bytes);
        QFETCH(bool, old);
        QFETCH(bool, removed);
        const QString folder = dir_.filePath("leftovers-" + QString(QTest::currentDataTag()));
        QVERIFY(QDir().mkpath(folder));
        const QString left = QDir(folder).filePath(name);
        QVERIFY(writeBytes(left, bytes));
        if (old) {
            QFile f(left);
            QVERIFY(f.open(QIODevice::ReadWrite));
            QVERIFY(f.setFileTime(QDateTime::currentDateTime().addSecs(-3600),
                                  QFileDevice::FileModificationTime));
        }
        QVERIFY(!annAtHerTurn().writeFile(QDir(folder).filePath("game.vrk")));
        QCOMPARE(QFile::exists(left), !removed);
        QCOMPARE(fileBytes(QDir(folder).filePath("game.vrk")), fixture("ann.vrk"));
    }

    void fillerIsSkipped() {
        // Whatever stands after an item in its record does not matter, and
        // the last record may be filled up too.
        QByteArray bytes = bytesOf(threePlayers());
        for (qsizetype at : {qsizetype(26), qsizetype(130), playerAt(0) + 67, playerAt(2) + 100})
            bytes[at] = '\x5A';
        bytes += QByteArray(126, '\x77');
        const OpenResult read = SavedGame::fromBytes(bytes);
        QVERIFY2(read.game, qPrintable(read.error.description));
        QCOMPARE(*read.game, threePlayers());
    }

    void missingFile() {
        const OpenResult read = SavedGame::readFile(dir_.filePath("not-there.vrk"));
        QVERIFY(!read.game);
        QCOMPARE(read.error.kind, OpenError::Kind::Failed);
        QCOMPARE(read.error.number, OpenError::kCannotRead);
    }

    void hugeFiles_data() {
        QTest::addColumn<bool>("header");
        QTest::addColumn<int>("kind");
        QTest::newRow("saved game and 100 MB more") << true << -1;
        QTest::newRow("100 MB of something else") << false << int(OpenError::Kind::WrongHeader);
    }
    void hugeFiles() {
        QFETCH(bool, header);
        QFETCH(int, kind);
        const QString path = dir_.filePath("huge.vrk");
        QVERIFY(writeBytes(path, header ? fixture("ann.vrk") : QByteArray("MZ")));
        QVERIFY(QFile::resize(path, qint64(100) << 20)); // sparse: no real 100 MB written
        const OpenResult read = SavedGame::readFile(path);
        QCOMPARE(bool(read.game), kind < 0);
        if (read.game)
            QCOMPARE(*read.game, annAtHerTurn()); // the rest is never read
        else
            QCOMPARE(int(read.error.kind), kind);
        QFile::remove(path);
    }

    // Records stand in any order: each one names its board.
    void recordsInAnyOrder() {
        const QByteArray good = bytesOf(threePlayers());
        QByteArray shuffled = good;
        // Cy's record first, then Ann's, then Bob's.
        shuffled.replace(playerAt(0), 128, good.mid(playerAt(2), 128));
        shuffled.replace(playerAt(1), 128, good.mid(playerAt(0), 128));
        shuffled.replace(playerAt(2), 128, good.mid(playerAt(1), 128));
        const OpenResult read = SavedGame::fromBytes(shuffled);
        QVERIFY2(read.game, qPrintable(read.error.description));
        QCOMPARE(*read.game, threePlayers());
    }

    // Whatever follows the last item is not part of the game.
    void bytesAfterTheGameAreIgnored() {
        const QByteArray good = bytesOf(threePlayers());
        const OpenResult read = SavedGame::fromBytes(good + QByteArray(300, '\x42'));
        QVERIFY2(read.game, qPrintable(read.error.description));
        QCOMPARE(*read.game, threePlayers());
    }

    // A game of the most players there may be opens; one more does not.
    void largestGame() {
        SavedGame game;
        game.LastPlayer = int16_t(kMaxPlayers - 1);
        for (int i = 0; i < kMaxPlayers; ++i)
            game.players.push_back(freshPlayer(QStringLiteral("P%1").arg(i), int16_t(i)));
        game.CurrentPlayer = 200;
        const QString path = dir_.filePath("largest.vrk");
        QVERIFY(!game.writeFile(path));
        const OpenResult read = SavedGame::readFile(path);
        QVERIFY2(read.game, qPrintable(read.error.description));
        QCOMPARE(*read.game, game);

        game.players.push_back(freshPlayer(QStringLiteral("One too many"), int16_t(kMaxPlayers)));
        game.LastPlayer = int16_t(kMaxPlayers);
        QVERIFY(game.writeFile(dir_.filePath("too-many.vrk")));
    }

    // Only a regular file is read; anything else is refused at once.
    void notARegularFile_data() {
        QTest::addColumn<QString>("kind");
        QTest::newRow("named pipe") << "fifo";
        QTest::newRow("folder") << "folder";
        QTest::newRow("device") << "device";
    }
    void notARegularFile() {
        QFETCH(QString, kind);
        QString path = dir_.filePath("not-a-file-" + kind);
        if (kind == "fifo")
            QVERIFY(mkfifo(QFile::encodeName(path).constData(), 0600) == 0);
        else if (kind == "folder")
            QVERIFY(QDir().mkpath(path));
        else
            path = "/dev/zero";
        QElapsedTimer timer;
        timer.start();
        const OpenResult read = SavedGame::readFile(path);
        QVERIFY(timer.elapsed() < 5000);
        QVERIFY(!read.game);
        QCOMPARE(read.error.kind, OpenError::Kind::Failed);
        QCOMPARE(read.error.number, OpenError::kCannotRead);
        QVERIFY2(read.error.description.contains("not a regular file"),
                 qPrintable(read.error.description));
    }

    // Names with letters the file cannot keep are found before saving.
    void namesChangedBySaving() {
        SavedGame game = threePlayers();
        QVERIFY(game.namesChangedBySaving().isEmpty());
        game.players[0].name = QStringLiteral("Zoë €"); // both kept by the character set
        game.players[2].name = QStringLiteral("Łukasz");
        game.players[1].name = QStringLiteral("Ἀθηνᾶ");
        QCOMPARE(game.namesChangedBySaving(), QStringList({"Ἀθηνᾶ", "Łukasz"}));
    }

    void reachableScores_data() {
        QTest::addColumn<Category>("category");
        QTest::addColumn<QList<int>>("scores");
        QTest::newRow("Ones") << Category::Ones << QList<int>{0, 1, 2, 3, 4, 5};
        QTest::newRow("Low Straight") << Category::LowStraight << QList<int>{0, 15};
        QTest::newRow("4 of a Kind")
            << Category::FourOfAKind << QList<int>{0, 4, 8, 12, 16, 20, 24};
    }
    void reachableScores() {
        QFETCH(Category, category);
        QFETCH(QList<int>, scores);
        for (int s = -2; s <= 52; ++s)
            QVERIFY2(reachableScore(category, s) == scores.contains(s),
                     qPrintable(QString::number(s)));
    }
};

QTEST_GUILESS_MAIN(SavedGameTest)
#include "SavedGameTest.moc"
