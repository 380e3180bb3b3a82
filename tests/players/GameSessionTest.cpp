// Whole games through the session alone: no window, the players' answers
// given directly, the way a computer player or a keyboard would drive it.

#include "players/GameSession.h"
#include "players/Answers.h"
#include "storage/SavedGame.h"
#include "support/SavedGames.h"

#include "support/Fakes.h"

#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <deque>
#include <memory>

namespace {

class ScriptedAnswers final : public Answers {
public:
    bool withOthers = false;
    std::deque<QString> names; // the last one of a list ends in NUL
    bool zeroAnswer = true;
    QString file; // for both file dialogs; empty: cancelled
    bool keepChangedNames = true;

    QStringList announced;
    QStringList results; // each result's message
    std::vector<PlayerScore> lastScores;
    int zeroQuestions = 0;
    QStringList notices;
    QStringList errors; // open and save failures, by title and message
    QStringList changedNames;

    bool playsWithOthers() override { return withOthers; }
    QString nextPlayerName() override { return take(); }
    QString ownName() override { return take(); }
    bool confirmZero() override {
        ++zeroQuestions;
        return zeroAnswer;
    }
    void announceTurn(const QString& name) override { announced << name; }
    void showResult(const GameResult& result, const std::vector<PlayerScore>& scores) override {
        results << result.message();
        lastScores = scores;
    }
    QString openFileName() override { return file; }
    QString saveFileName() override { return file; }
    bool saveChangedNames(const QStringList& changed) override {
        changedNames = changed;
        return keepChangedNames;
    }
    void openFailed(const OpenError& error) override {
        errors << error.title() + u'|' + error.message();
    }
    void saveFailed(const QString& message) override { errors << message; }
    void notice(const QString& message) override { notices << message; }

private:
    QString take() {
        if (names.empty()) {
            QTest::qFail("a name was asked for that the script does not hold", __FILE__, __LINE__);
            return QString(QChar(0));
        }
        QString name = names.front();
        names.pop_front();
        return name;
    }
};

const QString kCR(QChar(13));

} // namespace

class GameSessionTest : public QObject {
    Q_OBJECT

    std::unique_ptr<FakeServices> fake;
    std::unique_ptr<ScriptedAnswers> answers;
    std::unique_ptr<GameSession> session;
    QList<int> added, fronts, passed;
    int removed = 0;
    std::vector<PlayerScore> enteredScores;
    QTemporaryDir dir;

    void start(const QStringList& names) {
        answers->withOthers = names.size() > 1;
        for (int i = 0; i < names.size(); ++i)
            answers->names.push_back(names[i] + (i + 1 == names.size() && names.size() > 1
                                                     ? QString(QChar(0))
                                                     : QString()));
        session->StartNewGame();
    }

    // The current player rolls these faces and scores them in `c`; then the
    // event loop comes back, which is when a game that ended is finished.
    Board::ScoreOutcome play(const std::vector<int>& faces, Category c) {
        const Board::ScoreOutcome outcome = playMove(faces, c);
        QCoreApplication::sendPostedEvents(session.get(), QEvent::MetaCall);
        return outcome;
    }
    // The same, without the event loop.
    Board::ScoreOutcome playMove(const std::vector<int>& faces, Category c) {
        fake->random.setFaces(faces);
        session->rollAll(session->currentPlayer());
        return session->score(session->currentPlayer(), c);
    }

    // Every player in turn fills the card with five sixes, round r into
    // category r, from round `from` on.
    void playRounds(int from, int rounds) {
        const int players = session->lastPlayer() + 1;
        for (int r = from; r < rounds; ++r)
            for (int p = 0; p < players; ++p) play({6, 6, 6, 6, 6}, categoryAt(r));
    }

private slots:
    void init() {
        fake = std::make_unique<FakeServices>();
        answers = std::make_unique<ScriptedAnswers>();
        session = std::make_unique<GameSession>(*answers, fake->services());
        added.clear();
        fronts.clear();
        passed.clear();
        removed = 0;
        enteredScores.clear();
        connect(session.get(), &GameSession::boardAdded, this, [this](int16_t i) { added << i; });
        connect(session.get(), &GameSession::boardToFront, this,
                [this](int16_t i) { fronts << i; });
        connect(session.get(), &GameSession::turnPassed, this, [this](int16_t i) { passed << i; });
        connect(session.get(), &GameSession::playersRemoved, this, [this] { ++removed; });
        connect(session.get(), &GameSession::gameOver, this,
                [this](const std::vector<PlayerScore>& s) { enteredScores = s; });
    }
    void cleanup() {
        session.reset();
        answers.reset();
        fake.reset();
    }

    void onePlayerGame() {
        start({"Ann"});
        QVERIFY(session->gameInProgress());
        QCOMPARE(session->boardCount(), 1);
        QCOMPARE(session->name(0), QString("Ann"));
        QCOMPARE(added, QList<int>{0});
        QCOMPARE(passed, QList<int>{0});
        playRounds(0, 14);
        // One player: the same board keeps the turn, nothing is announced.
        QVERIFY(answers->announced.isEmpty());
        QVERIFY(session->board(0).rollEnabled());
        QVERIFY(session->board(0).diceEnabled());
        QVERIFY(answers->results.isEmpty());

        const Board* last = &session->board(0);
        QCOMPARE(playMove({6, 6, 6, 6, 6}, Category::Vorka), Board::ScoreOutcome::Committed);
        // Over, but finished only once the move has returned: nothing can be
        // played meanwhile, and a save says there is no game.
        QVERIFY(!session->gameInProgress());
        QVERIFY(!last->rollEnabled());
        QVERIFY(answers->results.isEmpty());
        QCOMPARE(removed, 0);
        QCOMPARE(session->score(0, Category::Chance), Board::ScoreOutcome::Ignored);
        QCoreApplication::sendPostedEvents(session.get(), QEvent::MetaCall);
        QCOMPARE(answers->results,
                 QStringList(
                     {"Game over." + kCR + "Ann wins the game with a score of 218. Well played!"}));
        QCOMPARE(enteredScores.size(), size_t(1));
        QCOMPARE(enteredScores[0].score, int16_t(218));
        QVERIFY(!session->gameInProgress());
        QCOMPARE(session->boardCount(), 0);
        QCOMPARE(session->lastPlayer(), int16_t(0));
        QCOMPARE(session->currentPlayer(), int16_t(0));
        QCOMPARE(removed, 1);
        // The board whose click ended the game lasts until the event loop.
        QVERIFY(last->card().full());
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    void threePlayers() {
        start({"Ann", "Bob", "Cy"});
        QCOMPARE(session->lastPlayer(), int16_t(2));
        QCOMPARE(added, QList<int>({0, 1, 2}));
        for (int16_t i = 0; i < 3; ++i) {
            QCOMPARE(session->name(i), QStringList({"Ann", "Bob", "Cy"})[i]);
            QCOMPARE(session->board(i).rollEnabled(), i == 0);
        }
        QCOMPARE(fronts, QList<int>{0});
        QVERIFY(answers->announced.isEmpty());

        play({1, 1, 3, 1, 6}, Category::Ones);
        QCOMPARE(answers->announced, QStringList({"Bob"}));
        QCOMPARE(session->currentPlayer(), int16_t(1));
        QVERIFY(!session->board(0).rollEnabled());
        QVERIFY(!session->board(0).diceEnabled());
        QVERIFY(session->board(1).rollEnabled());
        QCOMPARE(session->board(0).grandTotalText(), QString("Total: 3"));
        QCOMPARE(fronts, QList<int>({0, 1}));
        QCOMPARE(passed, QList<int>({0, 1}));

        play({2, 2, 2, 2, 2}, Category::Ones); // a zero, confirmed
        QCOMPARE(answers->zeroQuestions, 1);
        play({6, 6, 6, 6, 6}, Category::Ones);
        QCOMPARE(answers->announced, QStringList({"Bob", "Cy", "Ann"}));
        QCOMPARE(session->currentPlayer(), int16_t(0));

        playRounds(1, 15);
        QCOMPARE(answers->results,
                 QStringList(
                     {"Game over." + kCR + "Ann wins the game with a score of 221. Well played!"}));
        QCOMPARE(enteredScores.size(), size_t(3));
        QCOMPARE(enteredScores[1].name, QString("Bob"));
        QCOMPARE(enteredScores[1].score, int16_t(218));
        QVERIFY(!session->gameInProgress());
        QCOMPARE(session->boardCount(), 0);
        QCOMPARE(removed, 1);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    void drawOfTwo() {
        start({"Ann", "Bob"});
        playRounds(0, 15);
        QCOMPARE(answers->results,
                 QStringList({"Game over." + kCR +
                              "All 2 players scored 218 and therefore drew. Well played!"}));
    }

    // A category click sounds first; a zero is asked about, and declining it
    // leaves the whole board as it was.
    void zeroConfirmation_data() {
        QTest::addColumn<int>("category");
        QTest::addColumn<bool>("answer");
        QTest::addColumn<bool>("soundsOn");
        QTest::addColumn<QString>("cell"); // empty: not scored
        QTest::newRow("YEAH") << int(Category::Twos) << true << true << " 0";
        QTest::newRow("NA") << int(Category::Twos) << false << true << "";
        QTest::newRow("NA silent") << int(Category::Twos) << false << false << "";
        QTest::newRow("Chance never asks") << int(Category::Chance) << false << true << " 19";
    }
    void zeroConfirmation() {
        QFETCH(int, category);
        QFETCH(bool, answer);
        QFETCH(bool, soundsOn);
        QFETCH(QString, cell);
        const auto c = Category(category);
        start({"Ann", "Bob"});
        fake->sound.setOn(soundsOn);
        answers->zeroAnswer = answer;
        fake->random.setFaces({1, 3, 4, 5, 6});
        session->rollAll(0);
        fake->sound.played.clear();
        const Board::ScoreOutcome outcome = session->score(0, c);
        QCOMPARE(answers->zeroQuestions, c == Category::Twos ? 1 : 0);
        QCOMPARE(fake->sound.played, soundsOn ? QStringList{"BPRESS"} : QStringList{});
        QCOMPARE(session->board(0).card().cellText(c), cell);
        QCOMPARE(outcome,
                 cell.isEmpty() ? Board::ScoreOutcome::Declined : Board::ScoreOutcome::Committed);
        QCOMPARE(session->currentPlayer(), int16_t(cell.isEmpty() ? 0 : 1));
        if (cell.isEmpty()) {
            QCOMPARE(session->board(0).rollsLeft(), int16_t(2));
            for (Category k : kAllCategories) QVERIFY(session->board(0).categoryEnabled(k));
        }
    }

    void aDeclinedZeroKeepsTheTurn() {
        start({"Ann", "Bob"});
        answers->zeroAnswer = false;
        QCOMPARE(play({1, 3, 4, 5, 6}, Category::Twos), Board::ScoreOutcome::Declined);
        QCOMPARE(session->currentPlayer(), int16_t(0));
        QVERIFY(answers->announced.isEmpty());
        QVERIFY(session->board(0).card().available(Category::Twos));
    }

    // A full card that is not the last player's never ends the game.
    void onlyTheLastCardEndsTheGame() {
        start({"Ann", "Bob"});
        for (Category c : kAllCategories)
            if (c != Category::Sixes) session->board(0).card().commit(c, 1);
        play({6, 6, 6, 6, 6}, Category::Sixes);
        QVERIFY(session->gameInProgress());
        QCOMPARE(session->currentPlayer(), int16_t(1));
    }

    void saveAndOpenAtBobsTurn() {
        start({"Ann", "Bob", "Cy"});
        play({4, 4, 4, 1, 2}, Category::Fours);
        answers->file = dir.filePath("bob.vrk");
        session->SaveGame();
        QVERIFY(answers->errors.isEmpty());
        play({1, 2, 3, 4, 5}, Category::Chance); // lost by the opening
        answers->announced.clear();
        added.clear();
        session->OpenGame();
        QCOMPARE(removed, 1); // the running game went first
        QCOMPARE(added, QList<int>({0, 1, 2}));
        QCOMPARE(answers->announced, QStringList({"Bob"}));
        QCOMPARE(session->currentPlayer(), int16_t(1));
        QVERIFY(session->gameInProgress());
        for (int16_t i = 0; i < 3; ++i) QCOMPARE(session->board(i).rollEnabled(), i == 1);
        QCOMPARE(session->board(0).card().cellText(Category::Fours), QString("12"));
        QCOMPARE(session->board(0).upperTotalText(), QString("1-6 Total: 12"));
        QVERIFY(session->board(1).card().available(Category::Chance));
        QCOMPARE(session->name(2), QString("Cy"));
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    // Saved at the first player's turn with the last card full: the game
    // ends as soon as it is opened.
    void openFinishedGameEndsAtOnce() {
        const SavedGame game = finishedTwoPlayerGame();
        answers->file = dir.filePath("done.vrk");
        QVERIFY(!game.writeFile(answers->file));
        session->OpenGame();
        QCoreApplication::sendPostedEvents(session.get(), QEvent::MetaCall);
        QCOMPARE(answers->results.size(), 1);
        QVERIFY(answers->results[0].endsWith("Bob wins the game with a score of 21. Well played!"));
        QVERIFY(!session->gameInProgress());
        QCOMPARE(session->boardCount(), 0);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    void wrongHeaderLeavesNoGame() {
        start({"Ann"});
        answers->file = dir.filePath("other.vrk");
        QFile file(answers->file);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(QByteArray(512, 'x'));
        file.close();
        session->OpenGame();
        QCOMPARE(answers->errors, QStringList({"Vorka|This is not a TOL Vorka saved game file!"}));
        QVERIFY(!session->gameInProgress());
        QCOMPARE(session->boardCount(), 0);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    void cancelledFilesChangeNothing() {
        start({"Ann"});
        answers->file.clear();
        session->OpenGame();
        session->SaveGame();
        QVERIFY(session->gameInProgress());
        QCOMPARE(removed, 0);
        QVERIFY(answers->errors.isEmpty());
    }

    void savingWithoutAGameSaysSo() {
        answers->file = dir.filePath("nothing.vrk");
        session->SaveGame();
        QCOMPARE(answers->notices, QStringList({GameSession::kNothingToSave}));
        QVERIFY(!QFile::exists(answers->file));
    }

    void namesTheFileCannotKeepAreAskedAbout() {
        start({"Zoe", "Lukasz"});
        session->setName(1, QString::fromUtf8("Łukasz"));
        answers->keepChangedNames = false;
        answers->file = dir.filePath("names.vrk");
        session->SaveGame();
        QCOMPARE(answers->changedNames, QStringList({QString::fromUtf8("Łukasz")}));
        QVERIFY(!QFile::exists(answers->file));
    }

    // The name entry ends by itself at the most players a game may have.
    void nameEntryStopsAtTheLimit() {
        QStringList names;
        for (int i = 1; i <= 256; ++i) names << QString("P%1").arg(i);
        start(names);
        QCOMPARE(session->lastPlayer(), int16_t(254));
        QCOMPARE(session->boardCount(), 255);
        QCOMPARE(session->name(254), QString("P255"));
        QCOMPARE(answers->names.size(), size_t(1)); // the 256th name was never asked for
    }
};

QTEST_GUILESS_MAIN(GameSessionTest)
#include "GameSessionTest.moc"
