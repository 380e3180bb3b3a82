#include "game/Board.h"

#include "support/Fakes.h"

#include <QTest>

#include <memory>

namespace {
QStringList texts(const Board& b) {
    QStringList out;
    for (const QString& t : b.faceTexts()) out << t;
    return out;
}
} // namespace

class BoardTest : public QObject {
    Q_OBJECT

    std::unique_ptr<FakeServices> fake;
    std::unique_ptr<Board> board;

    void rollTo(const std::vector<int>& faces) {
        fake->random.setFaces(faces);
        board->rollAll();
    }

    // A category's button, as the session plays it once it has asked about a zero.
    Board::ScoreOutcome score(Category c) {
        if (!board->canScore(c)) return Board::ScoreOutcome::Ignored;
        board->commitScore(c, board->scoreFor(c));
        return Board::ScoreOutcome::Committed;
    }

private slots:
    void init() {
        fake = std::make_unique<FakeServices>();
        board = std::make_unique<Board>(fake->services());
    }
    void cleanup() { board.reset(); }

    void newBoard() {
        QCOMPARE(texts(*board), QStringList({"6", "6", "6", "6", "6"}));
        for (int p : board->diePictures()) QCOMPARE(p, Board::kNoPicture);
        QCOMPARE(board->rollsLeft(), int16_t(3));
        QVERIFY(board->rollEnabled());
        QVERIFY(!board->diceEnabled());
        for (Category c : kAllCategories) QVERIFY(!board->categoryEnabled(c));
        QCOMPARE(board->upperTotalText(), QString("1-6 Total: 0"));
        QCOMPARE(board->grandTotalText(), QString("Total: 0"));
        QCOMPARE(fake->random.seeds.size(), size_t(1)); // seeded at creation
    }

    void rollAllOrdersTheDice() {
        rollTo({5, 2, 6, 2, 1});
        QCOMPARE(texts(*board), QStringList({"1", "2", "2", "5", "6"}));
        QCOMPARE(board->diePictures(), (std::array<int, 5>{0, 1, 1, 4, 5}));
        QCOMPARE(board->rollsLeft(), int16_t(2));
        QVERIFY(board->diceEnabled());
        QVERIFY(board->rollEnabled());
        for (Category c : kAllCategories) QVERIFY(board->categoryEnabled(c));
        QCOMPARE(fake->sound.played, QStringList({"BPRESS", "ROLL"}));
        QCOMPARE(fake->random.seeds.size(), size_t(2)); // reseeded by the roll
    }

    void singleDieNeverReorders() {
        rollTo({5, 2, 6, 2, 1});
        fake->sound.played.clear();
        fake->random.setFaces({4});
        board->clickDie(0);
        QCOMPARE(texts(*board), QStringList({"4", "2", "2", "5", "6"}));
        QCOMPARE(board->diePictures()[0], 3);
        QCOMPARE(board->rollsLeft(), int16_t(1));
        QCOMPARE(fake->sound.played, QStringList({"ROLL"})); // no click sound for a die
    }

    void dieBeforeFirstRollDoesNothing() {
        board->clickDie(2);
        QCOMPARE(board->rollsLeft(), int16_t(3));
        QVERIFY(fake->sound.played.isEmpty());
        QCOMPARE(fake->events.pumps, 0);
    }

    // Dice still on from the last turn take no clicks at the start of a turn.
    void dieAtStartOfLaterTurnDoesNothing() {
        rollTo({1, 1, 1, 1, 1});
        QCOMPARE(score(Category::Ones), Board::ScoreOutcome::Committed);
        QVERIFY(board->diceEnabled());
        const int pumps = fake->events.pumps;
        board->clickDie(0);
        QCOMPARE(board->rollsLeft(), int16_t(3));
        QCOMPARE(fake->events.pumps, pumps);
    }

    void rollThenTwoDice() {
        rollTo({1, 2, 3, 4, 5});
        board->clickDie(0);
        QVERIFY(board->rollEnabled());
        board->clickDie(4);
        QCOMPARE(board->rollsLeft(), int16_t(0));
        QVERIFY(!board->rollEnabled());
        const QStringList before = texts(*board);
        const int pumps = fake->events.pumps;
        board->clickDie(1);
        QCOMPARE(texts(*board), before);
        QCOMPARE(fake->events.pumps, pumps);
        QCOMPARE(board->rollsLeft(), int16_t(0));
    }

    void threeRollButtonPresses() {
        for (int i = 0; i < 3; ++i) rollTo({3, 3, 3, 3, 3});
        QCOMPARE(board->rollsLeft(), int16_t(0));
        QVERIFY(!board->rollEnabled());
        board->rollAll(); // a disabled button takes no click
        QCOMPARE(board->rollsLeft(), int16_t(0));
    }

    void usedCategoryStaysDisabledAfterRoll() {
        rollTo({2, 2, 2, 2, 6});
        score(Category::Twos);
        rollTo({1, 2, 3, 4, 5});
        QVERIFY(!board->categoryEnabled(Category::Twos));
        for (Category c : kAllCategories)
            if (c != Category::Twos) QVERIFY(board->categoryEnabled(c));
    }

    void animationTiming_data() {
        QTest::addColumn<bool>("soundsOn");
        QTest::addColumn<bool>("midnight");
        QTest::newRow("sounds on") << true << false;
        QTest::newRow("sounds off") << false << false;
        QTest::newRow("just before midnight") << true << true;
    }
    // The roll lasts 1.42 s of monotonic time and draws changing faces,
    // whatever the sound switch and the time of day.
    void animationTiming() {
        QFETCH(bool, soundsOn);
        QFETCH(bool, midnight);
        fake->sound.setOn(soundsOn);
        fake->clock.timeOfDay = midnight ? 86399.9 : 43200.0;
        fake->clock.wrapAtMidnight = midnight;
        fake->events.frameNanoseconds = 10'000'000; // 10 ms a die
        std::vector<float> randoms;
        for (int i = 0; i < 1000; ++i) randoms.push_back(float(i % 6) / 6.0f + 0.01f);
        fake->random.script = randoms;
        int drawn = 0;
        QObject::connect(board.get(), &Board::dieDrawn, [&](int) { ++drawn; });

        board->rollAll();
        const double seconds = fake->clock.now / 1e9;
        QVERIFY2(seconds >= 1.42 && seconds < 1.42 + 0.06, qPrintable(QString::number(seconds)));
        // One pump before the frames, then one per drawn die; 29 passes of 5.
        QCOMPARE(fake->events.pumps, 1 + 29 * 5);
        QCOMPARE(drawn, 29 * 5 + 5); // the frames, then the ordering
        QCOMPARE(fake->sound.played.isEmpty(), !soundsOn);
    }

    // A Roll press during the animation starts another roll inside it; both
    // count, the inner one ends first.
    void nestedRollCountsTwice() {
        fake->random.setFaces({1, 2, 3, 4, 5});
        fake->events.onPump = [&](int pump) {
            if (pump == 2) board->rollAll();
        };
        board->rollAll();
        QCOMPARE(board->rollsLeft(), int16_t(1));
        QVERIFY(!board->spinning());
    }

    // Roll pressed again and again during the first animation drives the
    // count below zero; no die click may then roll.
    void nestedRollsNeverGiveEndlessRolls() {
        fake->random.setFaces({1, 2, 3, 4, 5});
        fake->events.onPump = [&](int pump) {
            if (pump >= 2 && pump <= 4) board->rollAll();
        };
        board->rollAll();
        fake->events.onPump = nullptr;
        QCOMPARE(board->rollsLeft(), int16_t(-1));
        QVERIFY(!board->rollEnabled());
        const int pumps = fake->events.pumps;
        for (int i = 0; i < 5; ++i) board->clickDie(int16_t(i));
        QCOMPARE(board->rollsLeft(), int16_t(-1));
        QCOMPARE(fake->events.pumps, pumps);
    }

    // Roll pressed on every frame of every roll: rolls nest only so deep,
    // and the presses beyond that are ignored rather than overflowing the stack.
    void rollsNestOnlySoDeep() {
        fake->random.setFaces({1, 2, 3, 4, 5});
        int depth = 0;
        int deepest = 0;
        fake->events.onPump = [&](int) {
            ++depth;
            deepest = std::max(deepest, depth);
            board->rollAll();
            --depth;
        };
        board->rollAll();
        fake->events.onPump = nullptr;
        QCOMPARE(deepest, Board::kMaxRollDepth);
        QVERIFY(!board->spinning());
        QVERIFY(!board->rollEnabled());
    }

    // A die clicked during the first roll of a turn is ignored: the count is
    // still 3 until that roll ends.
    void dieDuringFirstRollIgnored() {
        fake->random.setFaces({1, 2, 3, 4, 5});
        fake->events.onPump = [&](int pump) {
            if (pump == 2) board->clickDie(0);
        };
        board->rollAll();
        QCOMPARE(board->rollsLeft(), int16_t(2));
    }

    // A category clicked while the dice spin would score faces in mid-draw;
    // it is ignored and the roll goes on as usual.
    void categoryDuringSpinIgnored() {
        rollTo({1, 1, 1, 1, 1});
        Board::ScoreOutcome outcome = Board::ScoreOutcome::Committed;
        fake->random.setFaces({6, 6, 6, 6, 6});
        fake->events.onPump = [&](int) {
            if (board->spinning()) outcome = score(Category::Sixes);
        };
        board->rollAll();
        fake->events.onPump = nullptr;
        QCOMPARE(outcome, Board::ScoreOutcome::Ignored);
        QCOMPARE(board->card().cellText(Category::Sixes), QString());
        QCOMPARE(board->rollsLeft(), int16_t(1));
        QVERIFY(board->categoryEnabled(Category::Sixes));
        QCOMPARE(score(Category::Sixes), Board::ScoreOutcome::Committed);
        QCOMPARE(board->card().cellText(Category::Sixes), QString(" 30"));
    }

    void scoreCommits() {
        rollTo({1, 1, 3, 1, 6});
        QList<Category> scored;
        QObject::connect(board.get(), &Board::scored, [&](Category c) { scored << c; });
        QCOMPARE(score(Category::Ones), Board::ScoreOutcome::Committed);
        QCOMPARE(board->card().cellText(Category::Ones), QString(" 3"));
        QCOMPARE(board->card().tag(Category::Ones), QString("0"));
        QCOMPARE(board->rollsLeft(), int16_t(3));
        QVERIFY(board->rollEnabled());
        for (Category c : kAllCategories) QVERIFY(!board->categoryEnabled(c));
        QCOMPARE(scored, QList<Category>{Category::Ones});
        // The dice keep their faces until the next roll.
        QCOMPARE(texts(*board), QStringList({"1", "1", "1", "3", "6"}));
    }

    void scoreThenTotals() {
        rollTo({6, 6, 6, 6, 6});
        score(Category::Vorka);
        board->Countup();
        QCOMPARE(board->card().cellText(Category::Vorka), QString("50"));
        QCOMPARE(board->grandTotalText(), QString("Total: 50"));
        QCOMPARE(int(board->finalScore()), 50);
    }

    void zeroIsWritten() {
        rollTo({1, 3, 4, 5, 6});
        QCOMPARE(board->scoreFor(Category::Twos), 0);
        QCOMPARE(score(Category::Twos), Board::ScoreOutcome::Committed);
        QCOMPARE(board->card().cellText(Category::Twos), QString(" 0"));
        QVERIFY(!board->card().available(Category::Twos));
        QCOMPARE(board->rollsLeft(), int16_t(3));
    }

    void vorkaZeroHasNoBlank() {
        rollTo({4, 4, 4, 4, 3});
        score(Category::Vorka);
        QCOMPARE(board->card().cellText(Category::Vorka), QString("0"));
    }

    void chanceScoresTheSum() {
        rollTo({1, 2, 3, 4, 5});
        score(Category::Chance);
        QCOMPARE(board->card().cellText(Category::Chance), QString(" 15"));
    }

    void closeTurn() {
        rollTo({1, 2, 3, 4, 5});
        board->closeTurn();
        QVERIFY(!board->diceEnabled());
        QVERIFY(!board->rollEnabled());
        board->clickDie(0);
        QCOMPARE(board->rollsLeft(), int16_t(2));
    }

    void unlockCode() {
        for (Category c : {Category::Ones, Category::Chance}) {
            rollTo({1, 2, 3, 4, 5});
            score(c);
            board->Countup();
        }
        board->applyHiddenCodes("xx vmqZta yy");
        for (Category c : kAllCategories) QCOMPARE(board->card().tag(c), QString("-1"));
        // Cells, totals and enabled buttons follow only later.
        QCOMPARE(board->card().cellText(Category::Chance), QString(" 15"));
        QCOMPARE(board->grandTotalText(), QString("Total: 16"));
        QVERIFY(!board->categoryEnabled(Category::Ones));
        QCOMPARE(board->rollsLeft(), int16_t(3));
        rollTo({1, 1, 1, 1, 1});
        QVERIFY(board->categoryEnabled(Category::Ones));
        score(Category::Ones);
        QCOMPARE(board->card().cellText(Category::Ones), QString(" 5"));
    }

    void bothCodes() {
        board->applyHiddenCodes("BXNRYWEVMQZTA");
        QCOMPARE(board->rollsLeft(), int16_t(2));
        QVERIFY(board->rollEnabled());
    }

    void extraRollsAfterThirdRoll() {
        for (int i = 0; i < 3; ++i) rollTo({2, 2, 2, 2, 2});
        QVERIFY(!board->rollEnabled());
        board->applyHiddenCodes("bxnrywe");
        QCOMPARE(board->rollsLeft(), int16_t(2));
        QVERIFY(board->rollEnabled());
        rollTo({2, 2, 2, 2, 2});
        rollTo({2, 2, 2, 2, 2});
        QVERIFY(!board->rollEnabled());
    }

    // Before the first roll the code leaves two rolls, and single dice can be
    // clicked at once when they are on.
    void extraRollsBeforeFirstRoll() {
        rollTo({1, 2, 3, 4, 5});
        score(Category::Chance);
        board->applyHiddenCodes("BXNRYWE");
        fake->random.setFaces({6});
        board->clickDie(0);
        QCOMPARE(board->rollsLeft(), int16_t(1));
        QCOMPARE(board->faceTexts()[0], QString("6"));
    }

    void textWithoutCodeChangesNothing() {
        board->applyHiddenCodes("VMQZT BXNRYW");
        QCOMPARE(board->rollsLeft(), int16_t(3));
        for (Category c : kAllCategories) QCOMPARE(board->card().tag(c), QString("-1"));
    }
};

QTEST_APPLESS_MAIN(BoardTest)
#include "BoardTest.moc"
