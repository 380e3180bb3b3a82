#include "hallswriter/HallsWriter.h"
#include "storage/Halls.h"
#include "storage/HallsRequest.h"
#include "storage/HallsStore.h"
#include "storage/Registry_Operations.h"
#include "storage/StorePaths.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSignalSpy>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace Registry_Operations;
using HallsRequest::Answer;
using Games = std::vector<WaitingGame>;

namespace {

QByteArray request(const QByteArray& body) {
    return QByteArray(HallsRequest::kFirstLine) + '\n' + body;
}

QStringList rows(const QList<HallEntry>& hall) {
    QStringList out;
    for (const HallEntry& e : hall) out << e.position + ' ' + e.name + ' ' + e.score;
    return out;
}

// The Halls as `store` holds them, "position name score" per row.
QStringList stored(const QString& store, bool shame = false) {
    Registry registry(store);
    QList<HallEntry> fame;
    QList<HallEntry> hallOfShame;
    HallsStore::read(registry, fame, hallOfShame);
    return rows(shame ? hallOfShame : fame);
}

bool touch(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::WriteOnly);
}

} // namespace

class HallsWriterTest : public QObject {
    Q_OBJECT
    Registry_Operations::Registry reg_{QString()};

    QTemporaryDir dir_;
    QString folder_;
    QString store_;

    HallsWriter::Result handle(const QByteArray& input, bool privileged = false) {
        return HallsWriter::handle(input, folder_, privileged);
    }

private slots:
    void init() {
        QVERIFY(dir_.isValid());
        folder_ = dir_.filePath(QString::fromLatin1(QTest::currentTestFunction()) + '-' +
                                QString::fromLatin1(QTest::currentDataTag()).toHtmlEscaped());
        folder_.replace(u' ', u'_');
        QVERIFY(QDir().mkpath(folder_));
        store_ = QDir(folder_).filePath(StorePaths::kStoreFileName);
    }
    void cleanup() { reg_.closeStore(); }

    // Anything but a well-formed request is refused before the store is
    // opened: nothing entered, not even a store made.
    void refused_data() {
        QTest::addColumn<QByteArray>("input");
        QTest::addColumn<QString>("reason");
        const QByteArray ann = "game g1 1\n200 Ann\n";
        QTest::newRow("nothing") << QByteArray() << "empty";
        QTest::newRow("another version") << QByteArray("vorka-halls 2\nend\n") << "version";
        QTest::newRow("no end") << request(ann) << "no \"end\"";
        QTest::newRow("last line cut") << request(ann + "end") << "does not end";
        QTest::newRow("after end") << request(ann + "end\ngame g2 1\n1 Bob\n") << "after";
        QTest::newRow("carriage returns")
            << request("game g1 1\r\n200 Ann\r\nend\r\n") << "1 to 255";
        QTest::newRow("65 letters")
            << request("game g1 1\n200 " + QByteArray(65, 'a') + "\nend\n") << "name";
        QTest::newRow("tab") << request("game g1 1\n200 Ann\tB\nend\n") << "name";
        QTest::newRow("escape") << request("game g1 1\n200 \x1b[31mAnn\nend\n") << "name";
        QTest::newRow("carriage return") << request("game g1 1\n200 Ann\rBob\nend\n") << "name";
        QTest::newRow("line separator") << request("game g1 1\n200 Ann\xe2\x80\xa8"
                                                   "Bob\nend\n")
                                        << "name";
        QTest::newRow("bad UTF-8") << request("game g1 1\n200 \xff\xfe\nend\n") << "name";
        QTest::newRow("no name") << request("game g1 1\n200 \nend\n") << "name";
        QTest::newRow("no blank") << request("game g1 1\n200\nend\n") << "score";
        QTest::newRow("354") << request("game g1 1\n354 Ann\nend\n") << "score";
        QTest::newRow("-1") << request("game g1 1\n-1 Ann\nend\n") << "score";
        QTest::newRow("four digits") << request("game g1 1\n0300 Ann\nend\n") << "score";
        QTest::newRow("99999999") << request("game g1 1\n99999999 Ann\nend\n") << "score";
        QTest::newRow("no scores") << request("game g1 0\nend\n") << "1 to 255";
        QTest::newRow("256 scores") << request("game g1 256\nend\n") << "1 to 255";
        QTest::newRow("huge count") << request("game g1 2147483647\nend\n") << "1 to 255";
        QTest::newRow("count not a number") << request("game g1 x\nend\n") << "1 to 255";
        QTest::newRow("scores missing") << request("game g1 2\n200 Ann\nend\n") << "score";
        QTest::newRow("scores missing at the end") << request("game g1 2\n200 Ann\n") << "missing";
        QByteArray many;
        for (int g = 0; g < 5; ++g) {
            many += "game g" + QByteArray::number(g) + " 255\n";
            for (int p = 0; p < 255; ++p) many += "1 P\n";
        }
        QTest::newRow("1275 scores") << request(many + "end\n") << "more than 1024";
        QTest::newRow("identity with a slash")
            << request("game ../g 1\n1 Ann\nend\n") << "identity";
        QTest::newRow("identity too long")
            << request("game " + QByteArray(65, 'a') + " 1\n1 Ann\nend\n") << "identity";
        QTest::newRow("clear with a game") << request("clear\n" + ann + "end\n") << "line";
        QTest::newRow("game then clear") << request(ann + "clear\nend\n") << "alone";
        QTest::newRow("unknown line") << request("drop both\nend\n") << "line";
        QTest::newRow("over 256 KiB") << request(QByteArray(300 * 1024, 'x')) << "longer";
        QByteArray junk(4096, '\0');
        for (int i = 0; i < junk.size(); ++i) junk[i] = char((i * 7919 + 13) % 256);
        QTest::newRow("binary junk") << junk << "version";
        QTest::newRow("junk after the first line") << request(junk) << "line";
    }
    void refused() {
        QFETCH(QByteArray, input);
        QFETCH(QString, reason);
        const HallsWriter::Result result = handle(input);
        QCOMPARE(result.answer, Answer::Refused);
        QVERIFY2(result.why.contains(reason), qPrintable(result.why));
        QVERIFY(!QFile::exists(store_));
    }

    void accepted_data() {
        QTest::addColumn<QByteArray>("input");
        QTest::addColumn<QStringList>("fame");
        QTest::addColumn<QStringList>("shame");
        QTest::newRow("one game") << request("game g1 2\n200 Ann\n90 Bob\nend\n")
                                  << QStringList{"1 Ann 200", "2 Tolvane Studios 145"}
                                  << QStringList{"1 Bob 90"};
        QTest::newRow("two games, in order")
            << request("game g1 1\n150 Ann\ngame g2 1\n150 Bob\nend\n")
            << QStringList{"1 Ann 150", "2 Bob 150"} << QStringList{};
        QTest::newRow("the same game twice")
            << request("game g1 1\n200 Ann\ngame g1 1\n200 Ann\nend\n")
            << QStringList{"1 Ann 200", "2 Tolvane Studios 145"} << QStringList{};
        QTest::newRow("bounds") << request("game g1 2\n353 " + QByteArray(64, 'z') +
                                           "\n0 Zoë\nend\n")
                                << QStringList{"1 " + QString(64, u'z') + " 353",
                                               "2 Tolvane Studios 145"}
                                << QStringList{"1 Zoë 0"};
        QTest::newRow("nothing to enter")
            << request("end\n") << QStringList{"1 Tolvane Studios 145", "2 Tolvane Studios 140"}
            << QStringList{};
    }
    void accepted() {
        QFETCH(QByteArray, input);
        QFETCH(QStringList, fame);
        QFETCH(QStringList, shame);
        const HallsWriter::Result result = handle(input);
        QCOMPARE(result.answer, Answer::Entered);
        QCOMPARE(stored(store_).mid(0, 2), fame);
        QCOMPARE(stored(store_, true), shame);
    }

    void gameIsEnteredOnceAcrossRequests() {
        const QByteArray ann = request("game g1 1\n200 Ann\nend\n");
        QCOMPARE(handle(ann).answer, Answer::Entered);
        QCOMPARE(handle(ann).answer, Answer::Entered);
        QCOMPARE(stored(store_).mid(0, 2), (QStringList{"1 Ann 200", "2 Tolvane Studios 145"}));
    }

    void clearDeletesBothHalls() {
        QCOMPARE(handle(request("game g1 2\n200 Ann\n5 Bob\nend\n")).answer, Answer::Entered);
        QCOMPARE(handle(HallsRequest::clearRequest()).answer, Answer::Entered);
        QCOMPARE(stored(store_).first(), QStringLiteral("1 Tolvane Studios 145"));
        QVERIFY(stored(store_, true).isEmpty());
    }

    // With a right the player lacks, the writer makes no file: what it
    // made would be the player's.
    void privilegedWriterMakesNoFile() {
        const QByteArray ann = request("game g1 1\n200 Ann\nend\n");
        HallsWriter::Result result = handle(ann, true);
        QCOMPARE(result.answer, Answer::CannotWrite);
        QVERIFY2(result.why.contains(store_), qPrintable(result.why));
        QVERIFY(QDir(folder_).isEmpty());

        QVERIFY(touch(store_));
        result = handle(ann, true);
        QCOMPARE(result.answer, Answer::CannotWrite);
        QVERIFY2(result.why.contains(StorePaths::kJournalSuffix), qPrintable(result.why));
        QCOMPARE(QDir(folder_).entryList(QDir::Files), QStringList{StorePaths::kStoreFileName});

        QVERIFY(QFile::link(store_, store_ + StorePaths::kJournalSuffix));
        QCOMPARE(handle(ann, true).answer, Answer::CannotWrite);
        QVERIFY(QFile::remove(store_ + StorePaths::kJournalSuffix));

        // As the package leaves them: two empty files.
        QVERIFY(touch(store_ + StorePaths::kJournalSuffix));
        QCOMPARE(handle(ann, true).answer, Answer::Entered);
        QCOMPARE(stored(store_).first(), QStringLiteral("1 Ann 200"));
        QCOMPARE(QDir(folder_).entryList(QDir::Files).size(), 2);
    }

    void rightsAreTakenOnlyForTheStore() {
        int gained = 0;
        int dropped = 0;
        const auto gain = [&] { return ++gained, true; };
        const auto drop = [&] { ++dropped; };
        HallsWriter::handle("junk", folder_, false, gain, drop);
        QCOMPARE(gained, 0);
        HallsWriter::handle(request("end\n"), folder_, false, gain, drop);
        QCOMPARE(gained, 1);
        QCOMPARE(dropped, 1);
        const HallsWriter::Result refused = HallsWriter::handle(
            request("end\n"), folder_, false, [] { return false; }, [] {});
        QCOMPARE(refused.answer, Answer::CannotWrite);
    }

    void damagedStoreIsSaid() {
        QFile junk(store_);
        QVERIFY(junk.open(QIODevice::WriteOnly));
        junk.write(QByteArray(4096, 'j'));
        junk.close();
        const HallsWriter::Result result = handle(request("game g1 1\n200 Ann\nend\n"));
        QCOMPARE(result.answer, Answer::Damaged);
        QVERIFY2(result.why.contains(store_), qPrintable(result.why));
    }

    void requestsRoundTrip() {
        const Games games{{"a-1", {{"Ann", 300}, {"Zoë 李", 0}}}, {"b-2", {{" Bob ", 353}}}};
        QString why;
        const std::optional<HallsRequest::Request> read =
            HallsRequest::parse(HallsRequest::enterRequest(games), why);
        QVERIFY2(read, qPrintable(why));
        QVERIFY(!read->clear);
        QVERIFY(read->games == games);
        const std::optional<HallsRequest::Request> clear =
            HallsRequest::parse(HallsRequest::clearRequest(), why);
        QVERIFY(clear && clear->clear && clear->games.empty());
    }

    void answers_data() {
        QTest::addColumn<Answer>("answer");
        QTest::addColumn<QString>("why");
        QTest::addColumn<QByteArray>("line");
        QTest::addColumn<int>("status");
        QTest::newRow("entered") << Answer::Entered << "" << QByteArray("entered\n") << 0;
        QTest::newRow("busy") << Answer::Busy << "" << QByteArray("busy\n") << 75;
        QTest::newRow("cannot write") << Answer::CannotWrite << "/x: Permission denied"
                                      << QByteArray("cannot-write /x: Permission denied\n") << 73;
        QTest::newRow("damaged") << Answer::Damaged << "it is\ndamaged"
                                 << QByteArray("damaged it is damaged\n") << 74;
        QTest::newRow("refused") << Answer::Refused << "line 2: no"
                                 << QByteArray("refused line 2: no\n") << 65;
    }
    void answers() {
        QFETCH(Answer, answer);
        QFETCH(QString, why);
        QFETCH(QByteArray, line);
        QFETCH(int, status);
        QCOMPARE(HallsRequest::answerLine(answer, why), line);
        QCOMPARE(HallsRequest::exitStatus(answer), status);
        QString read;
        QCOMPARE(HallsRequest::readAnswer(line, read), answer);
        QCOMPARE(read, QString(why).replace(u'\n', u' '));
    }
    void noAnswerIsRefused() {
        QString why;
        QCOMPARE(HallsRequest::readAnswer("", why), Answer::Refused);
        QCOMPARE(HallsRequest::readAnswer("enteredx\n", why), Answer::Refused);
        QVERIFY(!why.isEmpty());
    }

    // --- the game's side --------------------------------------------------

    void gameEntersThroughTheWriter() {
        reg_.setStoreFile(store_);
        Halls halls(reg_);
        QProcessEnvironment env;
        env.insert(StorePaths::kStoreFolderVariable, folder_);
        halls.setWriter(VORKA_HALLS_WRITER, store_, env);
        halls.setPendingFile(QDir(folder_).filePath("pending.ini"));
        QSignalSpy cannot(&halls, &Halls::cannotKeepScores);
        QSignalSpy committed(&halls, &Halls::committed);
        halls.LoadHalls();
        halls.EnterFinalScores({{"Ann", 200}, {"Bob", 3}});
        QVERIFY(halls.pendingGames().empty());
        QCOMPARE(cannot.count(), 0);
        QCOMPARE(committed.count(), 1);
        QCOMPARE(rows(halls.hallOfFame()).first(), QStringLiteral("1 Ann 200"));
        QCOMPARE(rows(halls.hallOfShame()), QStringList{"1 Bob 3"});
        reg_.closeStore();
        QCOMPARE(stored(store_).first(), QStringLiteral("1 Ann 200"));

        // And clears through it.
        reg_.setStoreFile(store_);
        QVERIFY(halls.ClearHalls([] { return true; }));
        QVERIFY(halls.hallOfShame().isEmpty());
        QCOMPARE(rows(halls.hallOfFame()).first(), QStringLiteral("1 Tolvane Studios 145"));
    }

    void busyStoreKeepsScoresWaiting() {
        reg_.setStoreFile(store_);
        Halls halls(reg_);
        QProcessEnvironment env;
        env.insert(StorePaths::kStoreFolderVariable, folder_);
        halls.setWriter(VORKA_HALLS_WRITER, store_, env);
        const QString pending = QDir(folder_).filePath("pending.ini");
        halls.setPendingFile(pending);
        halls.LoadHalls();
        {
            // This copy holds the store while the writer tries.
            RegistryStore holder(store_);
            QVERIFY(holder.beginTransaction());
            halls.EnterFinalScores({{"Ann", 200}});
            QCOMPARE(halls.pendingGames().size(), size_t(1));
            QCOMPARE(WaitingScores(pending).read().size(), size_t(1));
            holder.rollbackTransaction();
        }
        halls.catchUp();
        QVERIFY(halls.pendingGames().empty());
        QVERIFY(WaitingScores(pending).read().empty());
        QCOMPARE(rows(halls.hallOfFame()).first(), QStringLiteral("1 Ann 200"));
    }

    void failingWriterIsTold_data() {
        QTest::addColumn<QString>("program");
        QTest::addColumn<QString>("reason");
        QTest::newRow("no answer") << "/bin/false"
                                   << "no answer";
        QTest::newRow("not there") << "/nonexistent/vorka-halls"
                                   << "cannot be started";
    }
    void failingWriterIsTold() {
        QFETCH(QString, program);
        QFETCH(QString, reason);
        reg_.setStoreFile(store_);
        Halls halls(reg_);
        halls.setWriter(program, store_);
        QSignalSpy cannot(&halls, &Halls::cannotKeepScores);
        halls.LoadHalls();
        halls.EnterFinalScores({{"Ann", 200}});
        QCOMPARE(cannot.count(), 1);
        QVERIFY2(cannot.first().first().toString().contains(reason),
                 qPrintable(cannot.first().first().toString()));
        // Shown for the run, not kept.
        QCOMPARE(rows(halls.hallOfFame()).first(), QStringLiteral("1 Ann 200"));
        reg_.closeStore();
        QCOMPARE(stored(store_).first(), QStringLiteral("1 Tolvane Studios 145"));
    }

    // A copy killed in the middle of a change leaves a journal that a
    // player who may only read the store cannot take back: the Halls have
    // the writer take it back and then read the Halls as they were. (The
    // writer here is a script that gives the file back its write bit, as
    // the set-group-id writer has the group's.)
    void changeCutShortIsTakenBackByTheWriter() {
        if (::getuid() == 0)
            QSKIP(qgetenv("VORKA_AS_PLAYER_UNAVAILABLE").isEmpty()
                      ? "root may write any file"
                      : qgetenv("VORKA_AS_PLAYER_UNAVAILABLE").constData());
        QCOMPARE(handle(request("game g1 1\n200 Ann\nend\n")).answer, Answer::Entered);
        const pid_t child = ::fork();
        QVERIFY(child >= 0);
        if (child == 0) {
            QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", "cut");
            db.setDatabaseName(store_);
            if (!db.open()) ::_exit(1);
            QSqlQuery q(db);
            q.exec("PRAGMA cache_size = 1");
            q.exec("BEGIN IMMEDIATE");
            for (int n = 0; n < 100; ++n)
                q.exec(QStringLiteral("INSERT INTO reg_values VALUES ('x', '%1', 1, "
                                      "randomblob(3000))")
                           .arg(n));
            q.exec("UPDATE reg_values SET data = randomblob(50) WHERE key_path <> 'x'");
            ::_exit(0); // no commit: the journal stays
        }
        int status = 0;
        QCOMPARE(::waitpid(child, &status, 0), child);
        QVERIFY(QFileInfo(store_ + StorePaths::kJournalSuffix).size() > 0);
        // QProcess passes the writer no arguments: the script finds the
        // folder and the real writer in its environment.
        const QString script = QDir(folder_).filePath("writer.sh");
        {
            QFile f(script);
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write("#!/bin/sh\nchmod u+w \"$VORKA_STORE_DIR\" "
                    "\"$VORKA_STORE_DIR/vorka-settings.sqlite\"\nexec \"$VORKA_TEST_WRITER\"\n");
        }
        QVERIFY(::chmod(QFile::encodeName(script), 0755) == 0);
        QVERIFY(::chmod(QFile::encodeName(store_), 0444) == 0);
        QVERIFY(::chmod(QFile::encodeName(folder_), 0555) == 0);

        reg_.setStoreFile(store_);
        Halls halls(reg_);
        QProcessEnvironment env;
        env.insert(StorePaths::kStoreFolderVariable, folder_);
        env.insert("VORKA_TEST_WRITER", VORKA_HALLS_WRITER);
        halls.setWriter(script, store_, env);
        halls.LoadHalls();
        ::chmod(QFile::encodeName(folder_), 0755);
        QVERIFY(halls.upToDate());
        QCOMPARE(rows(halls.hallOfFame()).first(), QStringLiteral("1 Ann 200"));
        QVERIFY(QFileInfo(store_ + StorePaths::kJournalSuffix).size() == 0);
    }

    // A writer chosen for the shared store is not asked to change another
    // store in use (a test's, a private one named later).
    void writerOfAnotherStoreIsNotAsked() {
        reg_.setStoreFile(store_);
        Halls halls(reg_);
        halls.setWriter("/bin/false", dir_.filePath("shared.sqlite"));
        QSignalSpy cannot(&halls, &Halls::cannotKeepScores);
        halls.LoadHalls();
        halls.EnterFinalScores({{"Ann", 200}});
        QCOMPARE(cannot.count(), 0);
        reg_.closeStore();
        QCOMPARE(stored(store_).first(), QStringLiteral("1 Ann 200"));
    }

    // Which store the game uses, and whether through the writer: as a
    // player, for whom a folder without the write bit is one.
    void writerIsUsedForTheSharedStoreAlone_data() {
        QTest::addColumn<bool>("folderWritable");
        QTest::addColumn<bool>("storeThere");
        QTest::addColumn<bool>("writerSetgid");
        QTest::addColumn<bool>("expected");
        QTest::newRow("player may write the folder") << true << true << true << false;
        QTest::newRow("no store yet") << false << false << true << false;
        QTest::newRow("writer without its right") << false << true << false << false;
        QTest::newRow("through the writer") << false << true << true << true;
    }
    void writerIsUsedForTheSharedStoreAlone() {
        if (::getuid() == 0)
            QSKIP(qgetenv("VORKA_AS_PLAYER_UNAVAILABLE").isEmpty()
                      ? "root may write any folder"
                      : qgetenv("VORKA_AS_PLAYER_UNAVAILABLE").constData());
        QFETCH(bool, folderWritable);
        QFETCH(bool, storeThere);
        QFETCH(bool, writerSetgid);
        QFETCH(bool, expected);
        const QString writer =
            dir_.filePath(QStringLiteral("writer-%1").arg(QTest::currentDataTag()));
        QVERIFY(QFile::copy("/bin/true", writer));
        QVERIFY(::chmod(QFile::encodeName(writer), writerSetgid ? 02755 : 0755) == 0);
        if (storeThere) QVERIFY(touch(store_));
        QVERIFY(::chmod(QFile::encodeName(folder_), folderWritable ? 0755 : 0555) == 0);
        qunsetenv(StorePaths::kStoreFolderVariable);
        const QString got = StorePaths::hallsWriterFor(store_, folder_, writer);
        const QString file = StorePaths::settingsStoreFile(folder_, writer);
        ::chmod(QFile::encodeName(folder_), 0755);
        QCOMPARE(got, expected ? writer : QString());
        QCOMPARE(file == store_, expected || folderWritable);
        // Another store, or a private folder named, never goes through it.
        QCOMPARE(StorePaths::hallsWriterFor(dir_.filePath("own.sqlite"), folder_, writer),
                 QString());
        if (expected) {
            ::chmod(QFile::encodeName(folder_), 0555);
            qputenv(StorePaths::kStoreFolderVariable, dir_.path().toUtf8());
            const QString withPrivate = StorePaths::hallsWriterFor(store_, folder_, writer);
            qunsetenv(StorePaths::kStoreFolderVariable);
            ::chmod(QFile::encodeName(folder_), 0755);
            QCOMPARE(withPrivate, QString());
        }
    }
};

QTEST_GUILESS_MAIN(HallsWriterTest)
#include "HallsWriterTest.moc"
