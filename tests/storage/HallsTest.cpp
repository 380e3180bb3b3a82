#include "storage/Halls.h"
#include "storage/Registry_Operations.h"

#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

using namespace Registry_Operations;
using Players = std::vector<PlayerScore>;
Q_DECLARE_METATYPE(Players)

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
QStringList storedRows(const QString& key, int count) {
    QStringList out;
    for (int n = 1; n <= count; ++n) {
        const int score = ReadRegNumber(HKEY_USERS, key, QString::number(n) + 'S', 99999);
        if (score == 99999) continue;
        out << QString::number(n) + ' ' + ReadRegText(HKEY_USERS, key, QString::number(n), "?") +
                   ' ' + QString::number(score);
    }
    return out;
}

} // namespace

class HallsTest : public QObject {
    Q_OBJECT

    QTemporaryDir dir_;
    QString file_;

private slots:
    void init() {
        QVERIFY(dir_.isValid());
        file_ = dir_.filePath(QStringLiteral("halls-%1.sqlite").arg(QTest::currentTestFunction()));
        QFile::remove(file_);
        setStoreFile(file_);
    }
    void cleanup() { closeStore(); }

    void nothingStored() {
        Halls halls;
        QSignalSpy changed(&halls, &Halls::changed);
        halls.LoadHalls();
        QCOMPARE(rows(halls.hallOfFame()), defaultFame());
        QVERIFY(halls.hallOfShame().isEmpty());
        QCOMPARE(changed.size(), 1);
        // Loading writes nothing.
        KeyHandle key = 0;
        QCOMPARE(OpenRegKey(HKEY_USERS, Halls::kFameKey, KEY_READ, key), RegStatus::kNotFound);
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
        Halls halls;
        halls.LoadHalls();
        QSignalSpy changed(&halls, &Halls::changed);
        halls.EnterFinalScores(players);
        QCOMPARE(rows(halls.hallOfFame()), fame);
        QCOMPARE(rows(halls.hallOfShame()), shame);
        QCOMPARE(changed.size(), 1);

        // The store says the same: a new reader gets the same lists.
        Halls reread;
        reread.LoadHalls();
        QCOMPARE(rows(reread.hallOfFame()), fame);
        QCOMPARE(rows(reread.hallOfShame()), shame);
    }

    void fullShame() {
        Halls halls;
        halls.LoadHalls();
        Players ten;
        for (int i = 0; i < 10; ++i) ten.push_back({QStringLiteral("P%1").arg(i), int16_t(10 * i)});
        halls.EnterFinalScores(ten);
        QCOMPARE(halls.hallOfShame().size(), 10);
        const QStringList before = rows(halls.hallOfShame());

        // Higher than all ten, or equal to the worst of them: not kept.
        halls.EnterFinalScores({{"High", 95}, {"Same", 90}});
        QCOMPARE(rows(halls.hallOfShame()), before);
        QCOMPARE(storedRows(Halls::kShameKey, 10), before);

        // Lower: put in its place, the eleventh dropped.
        halls.EnterFinalScores({{"Low", 5}});
        QStringList expected = before;
        expected.insert(1, "2 Low 5");
        expected.removeLast();
        for (int i = 2; i < expected.size(); ++i)
            expected[i] = QString::number(i + 1) + expected[i].mid(expected[i].indexOf(' '));
        QCOMPARE(rows(halls.hallOfShame()), expected);
        QCOMPARE(storedRows(Halls::kShameKey, 11), expected);
        QCOMPARE(ReadRegNumber(HKEY_USERS, Halls::kShameKey, "11S", 99999), 99999);
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
            QCOMPARE(WriteRegText(HKEY_USERS, key, writes[i + 1], writes[i + 2]),
                     RegStatus::kSuccess);
        }
        Halls halls;
        halls.LoadHalls();
        QCOMPARE(rows(halls.hallOfFame()), fame);
        QCOMPARE(rows(halls.hallOfShame()), shame);
    }

    void shameWithGapsIsSavedUnderNewPositions() {
        WriteRegText(HKEY_USERS, Halls::kShameKey, "1", "Ann");
        WriteRegText(HKEY_USERS, Halls::kShameKey, "1S", "20");
        WriteRegText(HKEY_USERS, Halls::kShameKey, "3", "Cy");
        WriteRegText(HKEY_USERS, Halls::kShameKey, "3S", "40");
        Halls halls;
        halls.LoadHalls();
        halls.EnterFinalScores({{"Bob", 30}});
        const QStringList expected{"1 Ann 20", "2 Bob 30", "3 Cy 40"};
        QCOMPARE(rows(halls.hallOfShame()), expected);
        QCOMPARE(storedRows(Halls::kShameKey, 10), expected);
    }

    void clear_data() {
        QTest::addColumn<bool>("answer");
        QTest::newRow("YEAH") << true;
        QTest::newRow("NA") << false;
    }
    void clear() {
        QFETCH(bool, answer);
        Halls halls;
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
            QCOMPARE(OpenRegKey(HKEY_USERS, Halls::kFameKey, KEY_READ, key), RegStatus::kNotFound);
            QCOMPARE(OpenRegKey(HKEY_USERS, Halls::kShameKey, KEY_READ, key), RegStatus::kNotFound);
            QCOMPARE(changed.size(), 1);
        } else {
            QCOMPARE(rows(halls.hallOfFame()), fame);
            QCOMPARE(rows(halls.hallOfShame()), shame);
            QCOMPARE(storedRows(Halls::kFameKey, 10), fame);
            QCOMPARE(storedRows(Halls::kShameKey, 10), shame);
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
        Halls first;
        Halls second;
        first.LoadHalls();
        second.LoadHalls();
        first.EnterFinalScores({{"Ann", 200}, {"Al", 20}});
        second.EnterFinalScores({{"Bob", 190}, {"Bo", 10}});
        const QStringList shame{"1 Bo 10", "2 Al 20"};
        QCOMPARE(rows(second.hallOfFame()).mid(0, 2), (QStringList{"1 Ann 200", "2 Bob 190"}));
        QCOMPARE(rows(second.hallOfShame()), shame);
        Halls reread;
        reread.LoadHalls();
        QCOMPARE(rows(reread.hallOfFame()), rows(second.hallOfFame()));
        QCOMPARE(rows(reread.hallOfShame()), shame);
    }

    void failedWritesKeepTheListInMemory() {
        closeStore();
        {
            QFile f(file_);
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write("not a database at all, but someone's notes");
        }
        setStoreFile(file_);
        Halls halls;
        halls.LoadHalls();
        QCOMPARE(rows(halls.hallOfFame()), defaultFame());
        halls.EnterFinalScores({{"Ann", 200}});
        halls.EnterFinalScores({{"Bob", 20}});
        QCOMPARE(rows(halls.hallOfFame()), fameWith(1, "Ann 200"));
        QCOMPARE(rows(halls.hallOfShame()), QStringList{"1 Bob 20"});
        closeStore();
        QFile f(file_);
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(f.readAll(), QByteArray("not a database at all, but someone's notes"));
    }

    void enterWithoutLoadingFirst() {
        Halls halls;
        halls.EnterFinalScores({{"Ann", 120}});
        QCOMPARE(rows(halls.hallOfFame()), fameWith(7, "Ann 120")); // below the 120 it ties
    }
};

QTEST_GUILESS_MAIN(HallsTest)
#include "HallsTest.moc"
