// The computer playing seats through the session, with no window: fake
// dice and clock, a pace of 0 ms, the players' answers given directly.

#include "players/ComputerPlayer.h"
#include "players/Answers.h"
#include "players/GameSession.h"
#include "players/StrategyTable.h"
#include "storage/SavedGame.h"

#include "support/Fakes.h"

#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <deque>
#include <memory>

namespace {

class SeatAnswers final : public Answers {
public:
    std::deque<QString> names;
    QString file;
    QStringList announced;         // people's turns
    QStringList computerAnnounced; // the computer's turns
    std::vector<PlayerScore> resultScores;
    int zeroQuestions = 0;

    bool playsWithOthers() override { return names.size() > 1; }
    QString nextPlayerName() override { return take(); }
    QString ownName() override { return take(); }
    bool confirmZero() override {
        ++zeroQuestions;
        return true;
    }
    void announceTurn(const QString& name) override { announced << name; }
    void announceComputerTurn(const QString& name) override { computerAnnounced << name; }
    void showResult(const GameResult&, const std::vector<PlayerScore>& scores) override {
        resultScores = scores;
    }
    QString openFileName() override { return file; }
    QString saveFileName() override { return file; }
    bool saveChangedNames(const QStringList&) override { return true; }
    void openFailed(const OpenError& error) override { QFAIL(qPrintable(error.message())); }
    void saveFailed(const QString& message) override { QFAIL(qPrintable(message)); }
    void notice(const QString&) override {}

private:
    QString take() {
        if (names.empty()) return QString(QChar(0));
        QString name = names.front();
        names.pop_front();
        return name;
    }
};

int usedCount(const Board& board) {
    int used = 0;
    for (Category c : kAllCategories) used += board.card().available(c) ? 0 : 1;
    return used;
}

} // namespace

class ComputerPlayerTest : public QObject {
    Q_OBJECT

    std::unique_ptr<FakeServices> fake;
    std::unique_ptr<SeatAnswers> answers;
    std::unique_ptr<GameSession> session;
    std::unique_ptr<StrategyTable> table;
    std::unique_ptr<ComputerPlayer> computer;
    QTemporaryDir dir;

    void start(const QStringList& names) {
        for (int i = 0; i < names.size(); ++i)
            answers->names.push_back(names[i] + (i + 1 == names.size() && names.size() > 1
                                                     ? QString(QChar(0))
                                                     : QString()));
        session->StartNewGame();
    }

    // A table of the last two categories only: built in a moment.
    void useSmallTable() {
        table = std::make_unique<StrategyTable>(uint16_t((1u << categoryIndex(Category::Chance)) |
                                                         (1u << categoryIndex(Category::Vorka))));
        computer = std::make_unique<ComputerPlayer>(*session, *table);
        computer->setPaceMs(0);
    }

private slots:
    void init() {
        fake = std::make_unique<FakeServices>();
        fake->random.setFaces({3, 5, 2, 6, 4, 1, 6, 6, 2, 5, 3});
        answers = std::make_unique<SeatAnswers>();
        session = std::make_unique<GameSession>(*answers, fake->services());
        table = std::make_unique<StrategyTable>();
        computer = std::make_unique<ComputerPlayer>(*session, *table);
        computer->setPaceMs(0);
    }
    void cleanup() {
        computer.reset();
        table.reset();
        session.reset();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    // Two computer seats and a person play a whole game: the result names
    // all three, the Halls get the person's score alone.
    void computerScoresStayOutOfTheHalls() {
        start({"Ann", "Bob", "Cy"});
        session->setComputerSeat(1, Strength::Casual);
        session->setComputerSeat(2, Strength::Casual);
        std::vector<PlayerScore> entered;
        bool over = false;
        connect(session.get(), &GameSession::gameOver, this,
                [&](const std::vector<PlayerScore>& scores) {
                    entered = scores;
                    over = true;
                });
        for (int round = 0; round < 15 && !over; ++round) {
            QCOMPARE(int(session->currentPlayer()), 0);
            fake->random.setFaces({6, 6, 6, 6, 6});
            session->rollAll(session->currentPlayer());
            QCOMPARE(session->score(session->currentPlayer(), categoryAt(round)),
                     Board::ScoreOutcome::Committed);
            // The computer plays Bob and Cy and gives the turn back.
            QVERIFY(QTest::qWaitFor([&] { return over || session->currentPlayer() == 0; }, 5000));
        }
        QVERIFY(over);
        QCOMPARE(answers->resultScores.size(), size_t(3));
        QCOMPARE(answers->resultScores[1].name, QString("Bob"));
        QVERIFY(answers->resultScores[1].score > 0);
        QCOMPARE(entered.size(), size_t(1));
        QCOMPARE(entered[0].name, QString("Ann"));
        QCOMPARE(entered[0].score, answers->resultScores[0].score);
        // Every computer turn was announced as the computer's; Ann's as hers.
        QCOMPARE(answers->computerAnnounced.size(), 30);
        QCOMPARE(answers->computerAnnounced.mid(0, 2), QStringList({"Bob", "Cy"}));
        QCOMPARE(answers->announced, QStringList(14, "Ann"));
        // The computer means its zeros: nobody was asked. Ann's sixes in
        // the upper rows below Sixes and the straights were confirmed.
        QCOMPARE(answers->zeroQuestions, 7);
        QVERIFY(!computer->isActive());
    }

    // The seat is taken back while the computer's dice roll: the roll
    // ends, and the computer makes no further choice.
    void takingTheSeatBackMidTurnStopsTheComputer() {
        start({"Ann"});
        Board& board = session->board(0);
        bool takenBack = false;
        fake->events.onPump = [&](int) {
            if (board.spinning() && !takenBack) {
                takenBack = true;
                session->setComputerSeat(0, std::nullopt);
            }
        };
        session->setComputerSeat(0, Strength::Casual);
        QVERIFY(QTest::qWaitFor([&] { return takenBack; }, 5000));
        fake->events.onPump = nullptr;
        QTest::qWait(50);
        QCOMPARE(int(board.rollsLeft()), 2);
        QCOMPARE(usedCount(board), 0);
        QVERIFY(!computer->isActive());

        // Handed over again, it finishes the turn from where it stands.
        session->setComputerSeat(0, Strength::Casual);
        QVERIFY(QTest::qWaitFor([&] { return usedCount(board) == 1; }, 5000));
        session->setComputerSeat(0, std::nullopt);
    }

    // The seat goes to the computer while the person's dice still roll: the
    // roll ends as the person's, and the computer plays on from there.
    void aSeatHandedOverMidRollIsPlayed() {
        start({"Ann"});
        Board& board = session->board(0);
        bool handedOver = false;
        fake->events.onPump = [&](int) {
            if (board.spinning() && !handedOver) {
                handedOver = true;
                session->setComputerSeat(0, Strength::Casual);
            }
        };
        session->rollAll(0);
        fake->events.onPump = nullptr;
        QVERIFY(handedOver);
        QCOMPARE(int(board.rollsLeft()), 2);
        // A person's click is no longer the seat's.
        session->rollAll(0, Mover::Person);
        QCOMPARE(int(board.rollsLeft()), 2);
        QVERIFY(QTest::qWaitFor([&] { return usedCount(board) == 1; }, 5000));
        session->setComputerSeat(0, std::nullopt);
    }

    // A perfect seat says it is thinking while the table is built, then
    // plays; the table's thread starts only then.
    void aPerfectSeatWaitsForTheTable() {
        useSmallTable();
        start({"Ann"});
        for (int i = 0; i < 13; ++i) session->board(0).card().commit(categoryAt(i), 0);
        QVERIFY(!table->requested());
        QSignalSpy status(computer.get(), &ComputerPlayer::statusChanged);
        session->setComputerSeat(0, Strength::Perfect);
        // Its card full, the game is over.
        QVERIFY(QTest::qWaitFor([&] { return !session->gameInProgress(); }, 10000));
        QVERIFY(table->ready());
        QVERIFY(status.size() >= 2);
        QCOMPARE(status.first().at(0).toString(), QString("Ann is thinking..."));
        QCOMPARE(status.last().at(0).toString(), QString());
    }

    // A file keeps who the computer plays for, and the game opened from it
    // goes on with the computer.
    void computerSeatsAreSavedAndOpened() {
        start({"Ann", "Bob"});
        session->setComputerSeat(1, Strength::Perfect);
        answers->file = dir.filePath("seats.vrk");
        session->SaveGame();
        session->setComputerSeat(1, std::nullopt);
        session->StartNewGame();
        QVERIFY(!session->isComputer(1));
        session->OpenGame();
        QCOMPARE(session->computerSeat(1), std::optional<Strength>(Strength::Perfect));
        QVERIFY(!session->isComputer(0));
    }
};

QTEST_GUILESS_MAIN(ComputerPlayerTest)
#include "ComputerPlayerTest.moc"
