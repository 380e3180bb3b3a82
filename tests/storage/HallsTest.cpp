#include "storage/Halls.h"
#include "storage/Registry_Operations.h"

#include <QDir>
#include <QFile>
#include <QSettings>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <unistd.h>

using namespace Registry_Operations;
using Players = std::vector<PlayerScore>;
Q_DECLARE_METATYPE(Players)
using Games = std::vector<WaitingGame>;

namespace {

// "position name score" per row, for compact expectations.
QStringList rows(const QList<HallEntry>& hall) {
    QStringList out;
    for (const HallEntry& e : hall) out << e.position + ' ' + e.name + ' ' + e.score;
    return out;
}

QStringList defaultFame() {
    QStringList out;
    for (int n = 1; n <= 10; ++n)
        out << QStringLiteral("%1 Tolvane Studios %2").arg(n).arg((30 - n) * 5);
    return out;
}

// The Fame rows with `row` put in at place `at` (1-based), the last dropped.
QStringList fameWith(int at, const QString& nameAndScore) {
    QStringList out = defaultFame();
    out.insert(at - 1, QString::number(at) + ' ' + nameAndScore);
    out.removeLast();
    for (int i = 0; i < out.size(); ++i)
        out[i] = QString::number(i + 1) + out[i].mid(out[i].indexOf(' '));
    return out;
}

// What the store holds under a Hall's key, read back value by value.
QStringList storedRows(Registry& reg_, const QString& key, int count) {
    QStringList out;
    for (int n = 1; n <= count; ++n) {
        const int score = reg_.ReadRegNumber(HKEY_USERS, key, QString::number(n) + 'S', 99999);
        if (score == 99999) continue;
        out << QString::number(n) + ' ' +
                   reg_.ReadRegText(HKEY_USERS, key, QString::number(n), "?") + ' ' +
                   QString::number(score);
    }
    return out;
}

void writeFile(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly) || f.write(bytes) != bytes.size()) qFatal("cannot write");
}

// "name score" of every waiting score, game after game, "|" between games.
QStringList waiting(const Games& games) {
    QStringList out;
    for (const WaitingGame& game : games) {
        if (!out.isEmpty()) out << "|";
        for (const PlayerScore& p : game.players) out << p.name + ' ' + QString::number(p.score);
    }
    return out;
}

} // namespace

class HallsTest : public QObject {
    Q_OBJECT
    Registry_Operations::Registry reg_{QString()};

    QTemporaryDir dir_;
    QString file_;

private slots:
    void init() {
        QVERIFY(dir_.isValid());
        file_ = dir_.filePath(QStringLiteral("halls-%1.sqlite").arg(QTest::currentTestFunction()));
        QFile::remove(file_);
        reg_.setStoreFile(file_);
    }
    void cleanup() { reg_.closeStore(); }

    void nothingStored() {
        Halls halls(reg_);
        QSignalSpy changed(&halls, &Halls::changed);
        halls.LoadHalls();
        QCOMPARE(rows(halls.hallOfFame()), defaultFame());
        QVERIFY(halls.hallOfShame().isEmpty());
        QCOMPARE(changed.size(), 1);
        // Loading writes nothing.
        KeyHandle key = 0;
        QCOMPARE(reg_.OpenRegKey(HKEY_USERS, Halls::kFameKey, KEY_READ, key), RegStatus::kNotFound);
    }

    void enter_data() {
        QTest::addColumn<Players>("players");
        QTest::addColumn<QStringList>("fame");
        QTest::addColumn<QStringList>("shame");
        QTest::newRow("100 is not more than 100")
            << Players{{"Ann", 100}} << defaultFame() << QStringList{"1 Ann 100"};
        QTest::newRow("101 takes place 10")
            << Players{{"Ann", 101}} << fameWith(10, "Ann 101") << QStringList{};
        QTest::newRow("200 goes to the top")
            << Players{{"Ann", 200}} << fameWith(1, "Ann 200") << QStringList{};
        QTest::newRow("equal to a stored score goes below it")
            << Players{{"Ann", 145}} << fameWith(2, "Ann 145") << QStringList{};
        QTest::newRow("equal players keep board order") << Players{{"Ann", 150}, {"Bob", 150}}
                                                        << QStringList{"1 Ann 150",
                                                                       "2 Bob 150",
                                                                       "3 Tolvane Studios 145",
                                                                       "4 Tolvane Studios 140",
                                                                       "5 Tolvane Studios 135",
                                                                       "6 Tolvane Studios 130",
                                                                       "7 Tolvane Studios 125",
                                                                       "8 Tolvane Studios 120",
                                                                       "9 Tolvane Studios 115",
                                                                       "10 Tolvane Studios 110"}
                                                        << QStringList{};
        QTest::newRow("later players see the changed list")
            << Players{{"Ann", 102}, {"Bob", 101}}
            << QStringList{"1 Tolvane Studios 145", "2 Tolvane Studios 140",
                           "3 Tolvane Studios 135", "4 Tolvane Studios 130",
                           "5 Tolvane Studios 125", "6 Tolvane Studios 120",
                           "7 Tolvane Studios 115", "8 Tolvane Studios 110",
                           "9 Tolvane Studios 105", "10 Ann 102"}
            << QStringList{"1 Bob 101"};
        QTest::newRow("shame sorts worst first")
            << Players{{"Ann", 90}, {"Bob", 60}, {"Cy", 75}} << defaultFame()
            << QStringList{"1 Bob 60", "2 Cy 75", "3 Ann 90"};
        QTest::newRow("equal shame scores keep order")
            << Players{{"Ann", 50}, {"Bob", 50}, {"Cy", 40}} << defaultFame()
            << QStringList{"1 Cy 40", "2 Ann 50", "3 Bob 50"};
        QTest::newRow("negative score") << Players{{"Ann", -3}, {"Bob", 0}} << defaultFame()
                                        << QStringList{"1 Ann -3", "2 Bob 0"};
    }
    void enter() {
        QFETCH(Players, players);
        QFETCH(QStringList, fame);
        QFETCH(QStringList, shame);
        Halls halls(reg_);
        halls.LoadHalls();
        QSignalSpy changed(&halls, &Halls::changed);
        halls.EnterFinalScores(players);
        QCOMPARE(rows(halls.hallOfFame()), fame);
        QCOMPARE(rows(halls.hallOfShame()), shame);
        QCOMPARE(changed.size(), 1);

        // The store says the same: a new reader gets the same lists.
        Halls reread(reg_);
        reread.LoadHalls();
        QCOMPARE(rows(reread.hallOfFame()), fame);
        QCOMPARE(rows(reread.hallOfShame()), shame);
    }

    void fullShame() {
        Halls halls(reg_);
        halls.LoadHalls();
        Players ten;
        for (int i = 0; i < 10; ++i) ten.push_back({QStringLiteral("P%1").arg(i), int16_t(10 * i)});
        halls.EnterFinalScores(ten);
        QCOMPARE(halls.hallOfShame().size(), 10);
        const QStringList before = rows(halls.hallOfShame());

        // Higher than all ten, or equal to the worst of them: not kept.
        halls.EnterFinalScores({{"High", 95}, {"Same", 90}});
        QCOMPARE(rows(halls.hallOfShame()), before);
        QCOMPARE(storedRows(reg_, Halls::kShameKey, 10), before);

        // Lower: put in its place, the eleventh dropped.
        halls.EnterFinalScores({{"Low", 5}});
        QStringList expected = before;
        expected.insert(1, "2 Low 5");
        expected.removeLast();
        for (int i = 2; i < expected.size(); ++i)
            expected[i] = QString::number(i + 1) + expected[i].mid(expected[i].indexOf(' '));
        QCOMPARE(rows(halls.hallOfShame()), expected);
        QCOMPARE(storedRows(reg_, Halls::kShameKey, 11), expected);
        QCOMPARE(reg_.ReadRegNumber(HKEY_USERS, Halls::kShameKey, "11S", 99999), 99999);
    }

    void storedValues_data() {
        QTest::addColumn<QStringList>("writes"); // key letter, value name, text
        QTest::addColumn<QStringList>("fame");
        QTest::addColumn<QStringList>("shame");
        QStringList fame = defaultFame();
        fame[2] = "3 Zoë 300";
        QTest::newRow("stored fame entry")
            << QStringList{"F", "3", "Zoë", "F", "3S", "300"} << fame << QStringList{};
        fame = defaultFame();
        fame[0] = "1 Ann 145";
        QTest::newRow("name without score")
            << QStringList{"F", "1", "Ann"} << fame << QStringList{};
        fame = defaultFame();
        fame[1] = "2 Tolvane Studios 140";
        QTest::newRow("score that is not a number")
            << QStringList{"F", "2S", "lots"} << fame << QStringList{};
        QTest::newRow("shame with gaps")
            << QStringList{"S", "1", "Ann", "S", "1S", "20", "S", "3S", "40", "S", "3", "Cy"}
            << defaultFame() << QStringList{"1 Ann 20", "3 Cy 40"};
        QTest::newRow("shame score 99999 is no entry")
            << QStringList{"S", "1", "Ann", "S", "1S", "99999", "S", "2S", "7"} << defaultFame()
            << QStringList{"2  7"};
    }
    void storedValues() {
        QFETCH(QStringList, writes);
        QFETCH(QStringList, fame);
        QFETCH(QStringList, shame);
        for (int i = 0; i + 2 < writes.size(); i += 3) {
            const QString& key = writes[i] == "F" ? Halls::kFameKey : Halls::kShameKey;
            QCOMPARE(reg_.WriteRegText(HKEY_USERS, key, writes[i + 1], writes[i + 2]),
                     RegStatus::kSuccess);
        }
        Halls halls(reg_);
        halls.LoadHalls();
        QCOMPARE(rows(halls.hallOfFame()), fame);
        QCOMPARE(rows(halls.hallOfShame()), shame);
    }

    void shameWithGapsIsSavedUnderNewPositions() {
        reg_.WriteRegText(HKEY_USERS, Halls::kShameKey, "1", "Ann");
        reg_.WriteRegText(HKEY_USERS, Halls::kShameKey, "1S", "20");
        reg_.WriteRegText(HKEY_USERS, Halls::kShameKey, "3", "Cy");
        reg_.WriteRegText(HKEY_USERS, Halls::kShameKey, "3S", "40");
        Halls halls(reg_);
        halls.LoadHalls();
        halls.EnterFinalScores({{"Bob", 30}});
        const QStringList expected{"1 Ann 20", "2 Bob 30", "3 Cy 40"};
        QCOMPARE(rows(halls.hallOfShame()), expected);
        QCOMPARE(storedRows(reg_, Halls::kShameKey, 10), expected);
    }

    void clear_data() {
        QTest::addColumn<bool>("answer");
        QTest::newRow("YEAH") << true;
        QTest::newRow("NA") << false;
    }
    void clear() {
        QFETCH(bool, answer);
        Halls halls(reg_);
        halls.LoadHalls();
        halls.EnterFinalScores({{"Ann", 200}, {"Bob", 10}});
        const QStringList fame = rows(halls.hallOfFame());
        const QStringList shame = rows(halls.hallOfShame());
        QSignalSpy changed(&halls, &Halls::changed);
        int asked = 0;
        QCOMPARE(halls.ClearHalls([&] {
            ++asked;
            return answer;
        }),
                 answer);
        QCOMPARE(asked, 1);
        KeyHandle key = 0;
        if (answer) {
            QCOMPARE(rows(halls.hallOfFame()), defaultFame());
            QVERIFY(halls.hallOfShame().isEmpty());
            QCOMPARE(reg_.OpenRegKey(HKEY_USERS, Halls::kFameKey, KEY_READ, key),
                     RegStatus::kNotFound);
            QCOMPARE(reg_.OpenRegKey(HKEY_USERS, Halls::kShameKey, KEY_READ, key),
                     RegStatus::kNotFound);
            QCOMPARE(changed.size(), 1);
        } else {
            QCOMPARE(rows(halls.hallOfFame()), fame);
            QCOMPARE(rows(halls.hallOfShame()), shame);
            QCOMPARE(storedRows(reg_, Halls::kFameKey, 10), fame);
            QCOMPARE(storedRows(reg_, Halls::kShameKey, 10), shame);
            QCOMPARE(changed.size(), 0);
        }
    }

    void clearQuestion() {
        QCOMPARE(Halls::kClearQuestion,
                 QString("Choosing this option will delete all scores on both the Hall of Fame "
                         "and the Hall of Shame.\r\rAre you sure?"));
    }

    void otherCopyOfTheGameIsNotOverwritten() {
        // Two windows loaded the Halls at start-up; each then ends a game.
        Halls first(reg_);
        Halls second(reg_);
        first.LoadHalls();
        second.LoadHalls();
        first.EnterFinalScores({{"Ann", 200}, {"Al", 20}});
        second.EnterFinalScores({{"Bob", 190}, {"Bo", 10}});
        const QStringList shame{"1 Bo 10", "2 Al 20"};
        QCOMPARE(rows(second.hallOfFame()).mid(0, 2), (QStringList{"1 Ann 200", "2 Bob 190"}));
        QCOMPARE(rows(second.hallOfShame()), shame);
        Halls reread(reg_);
        reread.LoadHalls();
        QCOMPARE(rows(reread.hallOfFame()), rows(second.hallOfFame()));
        QCOMPARE(rows(reread.hallOfShame()), shame);
    }

    void failedWritesKeepTheListInMemory() {
        reg_.closeStore();
        {
            QFile f(file_);
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write("not a database at all, but someone's notes");
        }
        reg_.setStoreFile(file_);
        Halls halls(reg_);
        halls.LoadHalls();
        QCOMPARE(rows(halls.hallOfFame()), defaultFame());
        halls.EnterFinalScores({{"Ann", 200}});
        halls.EnterFinalScores({{"Bob", 20}});
        QCOMPARE(rows(halls.hallOfFame()), fameWith(1, "Ann 200"));
        QCOMPARE(rows(halls.hallOfShame()), QStringList{"1 Bob 20"});
        reg_.closeStore();
        QFile f(file_);
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(f.readAll(), QByteArray("not a database at all, but someone's notes"));
    }

    // A waiting file is outside input: what the name boxes and a score card
    // could not have made is skipped, and nothing is made up.
    void waitingFileIsChecked_data() {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QStringList>("read");
        const QByteArray head = "[PendingScores]\n";
        const QByteArray ann = "1\\game=g1\n1\\name=Ann\n1\\score=300\n";
        QTest::newRow("good") << head + ann + "size=1\n" << QStringList{"Ann 300"};
        QTest::newRow("a count with no entries") << head + "size=3\n" << QStringList{};
        QTest::newRow("a count of 2^31 - 1") << head + ann + "size=2147483647\n"
                                             << QStringList{"Ann 300"};
        QTest::newRow("a count beyond the entries") << head + ann + "size=1024\n"
                                                    << QStringList{"Ann 300"};
        QTest::newRow("entries beyond the count")
            << head + ann + "2\\game=g1\n2\\name=Bob\n2\\score=3\nsize=1\n"
            << QStringList{"Ann 300"};
        QTest::newRow("no count") << head + ann << QStringList{};
        QTest::newRow("score 99999") << head + "1\\game=g\n1\\name=Ann\n1\\score=99999\nsize=1\n"
                                     << QStringList{};
        QTest::newRow("score 354") << head + "1\\game=g\n1\\name=Ann\n1\\score=354\nsize=1\n"
                                   << QStringList{};
        QTest::newRow("score 353 and 0") << head + "1\\game=g\n1\\name=Ann\n1\\score=353\n"
                                                   "2\\game=g\n2\\name=Bob\n2\\score=0\nsize=2\n"
                                         << QStringList{"Ann 353", "Bob 0"};
        QTest::newRow("negative score") << head + "1\\game=g\n1\\name=Ann\n1\\score=-5\nsize=1\n"
                                        << QStringList{};
        QTest::newRow("no name") << head + "1\\game=g\n1\\score=5\nsize=1\n" << QStringList{};
        QTest::newRow("a name of 65 letters")
            << head + "1\\game=g\n1\\name=" + QByteArray(65, 'a') + "\n1\\score=5\nsize=1\n"
            << QStringList{};
        QTest::newRow("a name of 64 letters")
            << head + "1\\game=g\n1\\name=" + QByteArray(64, 'a') + "\n1\\score=5\nsize=1\n"
            << QStringList{QString(64, 'a') + " 5"};
        QTest::newRow("a name of 300 letters")
            << head + "1\\game=g\n1\\name=" + QByteArray(300, 'a') + "\n1\\score=5\nsize=1\n"
            << QStringList{};
        QTest::newRow("a line break in the name")
            << head + "1\\game=g\n1\\name=\"Ann\\nBob\"\n1\\score=5\nsize=1\n"
            << QStringList{};
        QTest::newRow("quoted, escaped, UTF-8")
            << head + "1\\game=g\n1\\name=\"Zo\xc3\xab \\\"Z\\\" \\\\ ;,=\"\n1\\score=5\nsize=1\n"
            << QStringList{"Zo\u00eb \"Z\" \\ ;,= 5"};
        QTest::newRow("two games") << head + ann + "2\\game=g2\n2\\name=Bob\n2\\score=7\nsize=2\n"
                                   << QStringList{"Ann 300", "|", "Bob 7"};
        QTest::newRow("another group") << "[Other]\n" + ann.mid(0) + "size=1\n" << QStringList{};
        QTest::newRow("not text") << QByteArray("\x00\xff\xfe[Pending\x00=\n\n=\\\\")
                                  << QStringList{};
    }
    void waitingFileIsChecked() {
        QFETCH(QByteArray, file);
        QFETCH(QStringList, read);
        const QString path = dir_.filePath("waiting-checked.ini");
        writeFile(path, file);
        QCOMPARE(waiting(WaitingScores(path).read()), read);

        // Loaded, the good entries go into the Halls and the file goes.
        Halls halls(reg_);
        halls.setPendingFile(path);
        halls.LoadHalls();
        QVERIFY(halls.pendingScores().empty());
        QStringList names;
        for (const HallEntry& e : halls.hallOfFame() + halls.hallOfShame())
            if (e.name != Halls::kDefaultName) names << e.name + ' ' + e.score;
        QStringList expected = read;
        expected.removeAll("|");
        for (const QString& entry : std::as_const(expected))
            QVERIFY2(names.contains(entry), qPrintable(entry));
        QCOMPARE(names.size(), expected.size());
    }

    // The file an earlier version wrote through QSettings is read as it was
    // written: one game, names as typed.
    void waitingFileOfEarlierVersion() {
        const QString path = dir_.filePath("waiting-earlier.ini");
        const QStringList names{"Zo\u00eb", "Ann, Bob", "\"quoted\"", "@home", " blanks ", "a\\b"};
        {
            QSettings old(path, QSettings::IniFormat);
            old.beginWriteArray("PendingScores", int(names.size()));
            for (int i = 0; i < names.size(); ++i) {
                old.setArrayIndex(i);
                old.setValue("name", names[i]);
                old.setValue("score", QString::number(10 + i));
            }
            old.endArray();
        }
        const Games games = WaitingScores(path).read();
        QCOMPARE(games.size(), size_t(1));
        QStringList read;
        for (const PlayerScore& p : games[0].players) read << p.name;
        QCOMPARE(read, names);
        // Every copy reading the same file names the game alike.
        QCOMPARE(WaitingScores(path).read()[0].id, games[0].id);

        // And what this version writes, QSettings reads as the earlier one did.
        const QString ours = dir_.filePath("waiting-ours.ini");
        QVERIFY(WaitingScores(ours).add(games).isNull());
        QSettings back(ours, QSettings::IniFormat);
        QCOMPARE(back.beginReadArray("PendingScores"), int(names.size()));
        for (int i = 0; i < names.size(); ++i) {
            back.setArrayIndex(i);
            QCOMPARE(back.value("name").toString(), names[i]);
            QCOMPARE(back.value("score").toString(), QString::number(10 + i));
        }
    }

    // A file of many megabytes is read only as far as a waiting file can
    // reach, so that it cannot hold up the start.
    void hugeWaitingFileIsReadInPart() {
        const QString path = dir_.filePath("waiting-huge.ini");
        QByteArray bytes = "[PendingScores]\n";
        int n = 0;
        while (bytes.size() < 10 * 1024 * 1024) {
            ++n;
            bytes += QByteArray::number(n % 1000 + 1) + "\\game=g\n" +
                     QByteArray::number(n % 1000 + 1) + "\\name=" + QByteArray(60, 'x') + '\n';
            bytes += QByteArray::number(n % 1000 + 1) + "\\score=7\n";
        }
        writeFile(path, bytes + "size=1000\n");
        // The count comes last and lies beyond the part read: nothing counts.
        QCOMPARE(WaitingScores(path).read().size(), size_t(0));
        writeFile(path, "[PendingScores]\nsize=1024\n" + bytes.mid(16));
        const Games games = WaitingScores(path).read();
        QCOMPARE(games.size(), size_t(1));
        QCOMPARE(games[0].players.size(), size_t(1000)); // the last copy of each entry
    }

    // Two copies that start together with the same waiting file, or one that
    // was killed between the store's commit and the file's change: every game
    // goes in once.
    void waitingGamesGoInOnce() {
        const QString path = dir_.filePath("waiting-once.ini");
        QVERIFY(WaitingScores(path).add({{"game-a", {{"Ann", 300}, {"Al", 3}}}}).isNull());
        Halls first(reg_);
        Halls second(reg_);
        first.setPendingFile(path);
        second.setPendingFile(path);
        first.LoadHalls();
        second.LoadHalls();
        QCOMPARE(rows(second.hallOfFame()).first(), QString("1 Ann 300"));
        QCOMPARE(rows(second.hallOfFame()).at(1), QString("2 Tolvane Studios 145"));
        QCOMPARE(rows(second.hallOfShame()), QStringList{"1 Al 3"});
        QVERIFY(!QFile::exists(path));

        // The store took it, the file was not told: the next start only tidies.
        QVERIFY(WaitingScores(path).add({{"game-a", {{"Ann", 300}, {"Al", 3}}}}).isNull());
        Halls third(reg_);
        third.setPendingFile(path);
        third.LoadHalls();
        QCOMPARE(rows(third.hallOfFame()), rows(second.hallOfFame()));
        QCOMPARE(rows(third.hallOfShame()), QStringList{"1 Al 3"});
        QVERIFY(!QFile::exists(path));
    }

    // A copy takes out of the file only the games it entered: what another
    // copy left there meanwhile stays for the next start.
    void otherCopiesWaitingGamesStay() {
        const QString path = dir_.filePath("waiting-others.ini");
        QVERIFY(WaitingScores(path).add({{"mine", {{"Ann", 300}}}}).isNull());
        Halls halls(reg_);
        halls.setPendingFile(path);
        {
            RegistryStore other(file_); // another copy holds the store while we start
            QVERIFY(other.beginTransaction());
            halls.LoadHalls();
        }
        QCOMPARE(halls.pendingScores().size(), size_t(1));
        QVERIFY(WaitingScores(path).add({{"theirs", {{"Bob", 290}}}}).isNull());
        halls.catchUp();
        QVERIFY(halls.pendingScores().empty());
        QCOMPARE(waiting(WaitingScores(path).read()), QStringList{"Bob 290"});
        QCOMPARE(WaitingScores(path).read()[0].id, QString("theirs"));
    }

    // The store remembers the last kRecordedGames games, no more.
    void recordedGamesAreBounded() {
        Halls halls(reg_);
        halls.LoadHalls();
        QStringList ids;
        connect(&halls, &Halls::committed, this, [&](const QStringList& c) { ids += c; });
        for (int g = 0; g < Halls::kRecordedGames + 3; ++g) halls.EnterFinalScores({{"P", 50}});
        QCOMPARE(ids.size(), Halls::kRecordedGames + 3);
        const auto recorded = [this](const QString& id) {
            return reg_.ReadRegText(HKEY_USERS, Halls::kEnteredKey, id, "no") != "no";
        };
        for (int g : {0, 1, 2}) QVERIFY2(!recorded(ids[g]), qPrintable(QString::number(g)));
        for (int g : {3, 4, Halls::kRecordedGames + 2})
            QVERIFY2(recorded(ids[g]), qPrintable(QString::number(g)));
    }

    // A store the player may not change is not taken for a busy one: the
    // scores show for the run, the player is told once why, nothing waits.
    void readOnlyStoreIsNotBusy_data() {
        QTest::addColumn<bool>("folder");
        QTest::newRow("read-only file") << false;
        QTest::newRow("read-only folder") << true;
    }
    void readOnlyStoreIsNotBusy() {
        QFETCH(bool, folder);
        if (::geteuid() == 0)
            QSKIP(qPrintable(
                "root may write to any file: " +
                qEnvironmentVariable("VORKA_AS_PLAYER_UNAVAILABLE", "run through as-player.sh")));
        reg_.closeStore();
        const QString sub = dir_.filePath(QStringLiteral("ro-%1").arg(folder));
        QVERIFY(QDir().mkpath(sub));
        file_ = QDir(sub).filePath("store.sqlite");
        reg_.setStoreFile(file_);
        {
            Halls before(reg_);
            before.EnterFinalScores({{"Ann", 200}});
        }
        reg_.closeStore();
        const QString locked = folder ? sub : file_;
        const auto permissions = QFile::permissions(locked);
        QVERIFY(QFile::setPermissions(locked, QFileDevice::ReadOwner | QFileDevice::ExeOwner));
        reg_.setStoreFile(file_);
        const QString pending = dir_.filePath(QStringLiteral("ro-waiting-%1.ini").arg(folder));
        Halls halls(reg_);
        halls.setPendingFile(pending);
        QSignalSpy cannot(&halls, &Halls::cannotKeepScores);
        QSignalSpy waitingFor(&halls, &Halls::waitingForStore);
        halls.LoadHalls();
        halls.EnterFinalScores({{"Bob", 190}});
        halls.EnterFinalScores({{"Cy", 20}});
        const QStringList fame = rows(halls.hallOfFame()).mid(0, 2);
        const QStringList shame = rows(halls.hallOfShame());
        const QString kept = halls.keepWaiting();
        reg_.closeStore();
        QVERIFY(QFile::setPermissions(locked, permissions));
        QCOMPARE(fame, (QStringList{"1 Ann 200", "2 Bob 190"}));
        QCOMPARE(shame, QStringList{"1 Cy 20"});
        QVERIFY(halls.pendingScores().empty());
        QVERIFY(kept.isNull());
        QVERIFY(!QFile::exists(pending));
        QCOMPARE(cannot.size(), 1);
        QVERIFY2(cannot[0][0].toString().contains("Permission denied"),
                 qPrintable(cannot[0][0].toString()));
        QCOMPARE(waitingFor.size(), 0);
    }

    // A damaged store takes no scores: those waiting stay in the waiting
    // file for when it is replaced, and the run shows them in memory.
    void damagedStoreKeepsTheWaitingFile() {
        reg_.closeStore();
        writeFile(file_, "not a database at all, but someone's notes");
        reg_.setStoreFile(file_);
        const QString path = dir_.filePath("waiting-damaged.ini");
        QVERIFY(WaitingScores(path).add({{"game-d", {{"Ann", 300}}}}).isNull());
        const QByteArray before = [&] {
            QFile f(path);
            return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
        }();
        Halls halls(reg_);
        halls.setPendingFile(path);
        QSignalSpy cannot(&halls, &Halls::cannotKeepScores);
        halls.LoadHalls();
        QCOMPARE(rows(halls.hallOfFame()).first(), QString("1 Ann 300"));
        QVERIFY(halls.keepWaiting().isNull());
        QCOMPARE(cannot.size(), 1);
        QVERIFY2(cannot[0][0].toString().contains("damaged"), qPrintable(cannot[0][0].toString()));
        QFile f(path);
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(f.readAll(), before);
    }

    void enterWithoutLoadingFirst() {
        Halls halls(reg_);
        halls.EnterFinalScores({{"Ann", 120}});
        QCOMPARE(rows(halls.hallOfFame()), fameWith(7, "Ann 120")); // below the 120 it ties
    }
};

QTEST_GUILESS_MAIN(HallsTest)
#include "HallsTest.moc"
