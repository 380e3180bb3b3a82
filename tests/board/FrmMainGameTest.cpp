#include "board/FrmMainGame.h"
#include "board/Fonts.h"
#include "players/GameSession.h"
#include "ui/FrmMessageBox.h"

#include "support/Fakes.h"
#include "support/OnePlayerAnswers.h"
#include "support/ScriptedModals.h"

#include <QAccessible>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <memory>

Q_DECLARE_METATYPE(Category)

namespace {

QStringList faceTexts(const FrmMainGame& board) {
    QStringList out;
    for (QLabel* label : board.Label1) out << label->text();
    return out;
}

// Counts the paint events a widget receives.
class PaintCounter : public QObject {
public:
    int paints = 0;
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint) ++paints;
        return false;
    }
};

// Moves the fake clock on by one frame and lets Qt really handle events.
class RealPump final : public EventPump {
public:
    explicit RealPump(FakeClock& clock) : clock_(clock) {}
    void processEvents() override {
        clock_.now += 10'000'000;
        QCoreApplication::processEvents();
    }

private:
    FakeClock& clock_;
};

// One player, Ann, whose zeros are asked about in the message dialog.
class OnePlayer final : public OnePlayerAnswers {
public:
    OnePlayer() : OnePlayerAnswers(QStringLiteral("Ann")) {}
    AppServices services;
    bool confirmZero() override {
        return MdlGlobalDecs::ShowMessageBox(services, MdlGlobalDecs::DialogKind::ConfirmZero)
            .toBool();
    }
};

QKeyEvent heldKey(Qt::Key key, const QString& text) {
    return QKeyEvent(QEvent::KeyPress, key, Qt::NoModifier, text, /*autorep=*/true);
}

} // namespace

class FrmMainGameTest : public QObject {
    Q_OBJECT

    std::unique_ptr<FakeServices> fake;
    std::unique_ptr<ScriptedModals> modals;
    OnePlayer answers;
    std::unique_ptr<GameSession> session;
    Board* model = nullptr;
    std::unique_ptr<FrmMainGame> board;

    void roll(const std::vector<int>& faces) {
        fake->random.setFaces(faces);
        QTest::mouseClick(board->Command1, Qt::LeftButton);
    }

private slots:
    void initTestCase() { Fonts::installFontSubstitutes(); }

    void init() {
        fake = std::make_unique<FakeServices>();
        modals = std::make_unique<ScriptedModals>();
        answers.services = {fake->services(), modals.get(), nullptr};
        session = std::make_unique<GameSession>(answers, fake->services());
        session->StartNewGame();
        model = &session->board(0);
        fake->sound.played.clear();
        board = std::make_unique<FrmMainGame>(*session, 0);
        board->show();
    }
    void cleanup() {
        board.reset();
        session.reset();
        modals.reset();
    }

    void places_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QRect>("place");
        QTest::newRow("Roll") << "Command1" << QRect(4, 314, 198, 33);
        QTest::newRow("die 0") << "Digits_0" << QRect(5, 265, 40, 39);
        QTest::newRow("die 4") << "Digits_4" << QRect(161, 265, 40, 39);
        QTest::newRow("Ones cell") << "Label2_0" << QRect(5, 6, 30, 15);
        QTest::newRow("Sixes button") << "Command2_5" << QRect(169, 22, 33, 26);
        QTest::newRow("upper total") << "Label12" << QRect(6, 49, 194, 15);
        QTest::newRow("2 Pairs button") << "Command4" << QRect(103, 82, 99, 26);
        QTest::newRow("Vorka cell") << "Label11" << QRect(137, 110, 63, 15);
        QTest::newRow("Vorka button") << "Command11" << QRect(136, 127, 66, 26);
        QTest::newRow("Full House button") << "Command9" << QRect(4, 217, 99, 26);
        QTest::newRow("grand total") << "Label13" << QRect(6, 244, 194, 15);
        QTest::newRow("hidden box") << "Text1" << QRect(18, 354, 143, 20);
    }
    void places() {
        QFETCH(QString, name);
        QFETCH(QRect, place);
        auto* widget = board->findChild<QWidget*>(name);
        QVERIFY(widget);
        QCOMPARE(widget->geometry(), place);
    }

    void captionsAndNewBoard() {
        QCOMPARE(board->Command1->text(), QString("Roll  "));
        QCOMPARE(board->Command5->text(), QString("3 of a Kind"));
        QCOMPARE(board->Command2[3]->text(), QString("4"));
        QCOMPARE(board->Label12->text(), QString("1-6 Total: 0"));
        QCOMPARE(board->Label13->text(), QString("Total: 0"));
        QCOMPARE(faceTexts(*board), QStringList({"6", "6", "6", "6", "6"}));
        QVERIFY(board->Command1->isEnabled());
        for (Category c : kAllCategories) {
            QVERIFY(!board->categoryButton(c)->isEnabled());
            QCOMPARE(board->categoryButton(c)->property("Tag").toString(), QString("-1"));
            QCOMPARE(board->scoreCell(c)->text(), QString());
        }
        for (auto* die : board->Digits) {
            QVERIFY(!die->isEnabled());
            QVERIFY(die->pixmap().isNull());
        }
        // The hidden box lies below the visible client area.
        QVERIFY(board->Text1->geometry().top() >= board->height());
    }

    // Every caption font resolves to a face that has letters.
    void fontsHaveLetters() {
        for (QWidget* w :
             {static_cast<QWidget*>(board->Command1), static_cast<QWidget*>(board->Label13),
              static_cast<QWidget*>(board->Command9)}) {
            const QFontMetrics metrics(w->font());
            for (QChar ch : QStringLiteral("Roll Total 1-6 Full House"))
                QVERIFY2(metrics.inFontUcs4(ch.unicode()),
                         qPrintable(QFontInfo(w->font()).family()));
            QVERIFY(QFontInfo(w->font()).family() != QStringLiteral("Impact"));
        }
    }

    void rollShowsOrderedDice() {
        roll({5, 2, 6, 2, 1});
        QCOMPARE(faceTexts(*board), QStringList({"1", "2", "2", "5", "6"}));
        for (auto* die : board->Digits) {
            QVERIFY(die->isEnabled());
            QVERIFY(!die->pixmap().isNull());
        }
        for (Category c : kAllCategories) QVERIFY(board->categoryButton(c)->isEnabled());
        QCOMPARE(fake->sound.played, QStringList({"BPRESS", "ROLL"}));

        fake->random.setFaces({4});
        QTest::mouseClick(board->Digits[0], Qt::LeftButton);
        QCOMPARE(faceTexts(*board), QStringList({"4", "2", "2", "5", "6"}));
        QCOMPARE(board->model().rollsLeft(), int16_t(1));
    }

    void pictureFollowsFace() {
        roll({3, 3, 3, 3, 3});
        const QImage three = board->Digits[0]->pixmap().toImage();
        roll({6, 6, 6, 6, 6});
        QVERIFY(board->Digits[0]->pixmap().toImage() != three);
        QCOMPARE(board->Digits[0]->pixmap().toImage(), board->Digits[4]->pixmap().toImage());
    }

    void thirdRollDisablesRoll() {
        roll({1, 2, 3, 4, 5});
        roll({1, 2, 3, 4, 5});
        QTest::mouseClick(board->Digits[2], Qt::LeftButton);
        QVERIFY(!board->Command1->isEnabled());
        const QStringList before = faceTexts(*board);
        QTest::mouseClick(board->Digits[2], Qt::LeftButton);
        QCOMPARE(faceTexts(*board), before);
    }

    // Without a mouse: on the board that has the focus, the keys 1 to 5 roll
    // that die again, where a click on it would.
    void keysRollOneDie_data() {
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("modifiers");
        QTest::addColumn<int>("die");
        QTest::newRow("1") << int(Qt::Key_1) << int(Qt::NoModifier) << 0;
        QTest::newRow("3") << int(Qt::Key_3) << int(Qt::NoModifier) << 2;
        QTest::newRow("5 on the keypad") << int(Qt::Key_5) << int(Qt::KeypadModifier) << 4;
    }
    void keysRollOneDie() {
        QFETCH(int, key);
        QFETCH(int, modifiers);
        QFETCH(int, die);
        // Before the first roll of a turn the keys do nothing, as clicks do.
        QTest::keyClick(board.get(), Qt::Key(key), Qt::KeyboardModifiers(modifiers));
        QCOMPARE(board->model().rollsLeft(), int16_t(3));
        roll({1, 2, 3, 4, 5});
        QStringList expected = faceTexts(*board);
        fake->random.setFaces({6});
        // From a category button, which takes no digits itself, too.
        QTest::keyClick(board->Command3, Qt::Key(key), Qt::KeyboardModifiers(modifiers));
        expected[die] = "6";
        QCOMPARE(faceTexts(*board), expected);
        QCOMPARE(board->model().rollsLeft(), int16_t(1));
        // The key held past the repeat delay still counts once.
        QKeyEvent held = heldKey(Qt::Key(key), QString::number(die + 1));
        QCoreApplication::sendEvent(board->Command3, &held);
        QCOMPARE(board->model().rollsLeft(), int16_t(1));
        QKeyEvent heldSpace = heldKey(Qt::Key_Space, " ");
        QCoreApplication::sendEvent(board->Digits[die], &heldSpace);
        QCOMPARE(board->model().rollsLeft(), int16_t(1));
    }

    // Each die is a keyboard stop of its own, after the card and before the
    // Roll button; Space and Enter roll it again. The hidden box stays last.
    void diceAreKeyboardStops() {
        QList<QWidget*> order;
        for (QWidget* w = board->Command2[0]; order.size() < 23; w = w->nextInFocusChain())
            if (w->focusPolicy() & Qt::TabFocus) order << w;
        const qsizetype rollAt = order.indexOf(board->Command1);
        QCOMPARE(order.indexOf(board->Digits[0]), rollAt - 5);
        QCOMPARE(order.indexOf(board->Digits[4]), rollAt - 1);
        QCOMPARE(order.indexOf(board->Text1), rollAt + 1);

        roll({1, 2, 3, 4, 5});
        fake->random.setFaces({6});
        QTest::keyClick(board->Digits[1], Qt::Key_Space);
        fake->random.setFaces({5});
        QTest::keyClick(board->Digits[3], Qt::Key_Return);
        QCOMPARE(faceTexts(*board), QStringList({"1", "6", "3", "5", "5"}));
        QCOMPARE(board->model().rollsLeft(), int16_t(0));
    }

    // What is typed into the hidden box goes into it, digits included.
    void digitsInTheHiddenBoxAreTyped() {
        roll({1, 2, 3, 4, 5});
        QTest::keyClicks(board->Text1, "12");
        QCOMPARE(board->Text1->text(), QString("Text112"));
        QCOMPARE(board->model().rollsLeft(), int16_t(2));
    }

    // Dice that a click rolls again say so: the hand cursor and a tooltip,
    // and only then.
    void clickableDiceShowIt() {
        const auto showsIt = [this] {
            const bool hand = board->Digits[2]->cursor().shape() == Qt::PointingHandCursor;
            const bool tip = !board->Digits[2]->toolTip().isEmpty();
            return hand && tip;
        };
        QVERIFY(!showsIt());
        roll({1, 2, 3, 4, 5});
        QVERIFY(showsIt());
        QVERIFY(board->Digits[2]->toolTip().contains("3"));
        roll({1, 2, 3, 4, 5});
        roll({1, 2, 3, 4, 5});
        QVERIFY(!showsIt()); // no roll left
    }

    // Used categories stand apart from free ones while the buttons are greyed
    // out, also when their cell holds 0; reopened ones are free again.
    void usedCategoriesAreStruckThrough() {
        const auto struck = [this](Category c) {
            const QPushButton* button = board->categoryButton(c);
            return button->font().strikeOut() && button->isFlat();
        };
        roll({1, 2, 3, 4, 6});
        modals->thenClick("Command2"); // YEAH: 0 in Vorka
        QTest::mouseClick(board->Command11, Qt::LeftButton);
        QTest::mouseClick(board->Command10, Qt::LeftButton); // ignored: no roll yet
        QCOMPARE(board->Label11->text(), QString("0"));
        QVERIFY(!board->Command11->isEnabled() && !board->Command10->isEnabled());
        QVERIFY(struck(Category::Vorka));
        QVERIFY(!struck(Category::Chance));
        QTest::keyClicks(board->Text1, "vmqzta");
        QTest::keyClick(board->Text1, Qt::Key_Return);
        QVERIFY(!struck(Category::Vorka));
    }

    void scoringWritesCellAndTotals() {
        roll({1, 1, 3, 1, 6});
        QTest::mouseClick(board->Command2[0], Qt::LeftButton);
        QCOMPARE(board->Label2[0]->text(), QString(" 3"));
        QCOMPARE(board->Command2[0]->property("Tag").toString(), QString("0"));
        QCOMPARE(board->Label12->text(), QString("1-6 Total: 3"));
        QCOMPARE(board->Label13->text(), QString("Total: 3"));
        QVERIFY(board->Command1->isEnabled());
        for (Category c : kAllCategories) QVERIFY(!board->categoryButton(c)->isEnabled());
        QVERIFY(modals->shown.isEmpty());
    }

    void zeroNeedsConfirmation_data() {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("cell");
        QTest::newRow("YEAH") << "Command2"
                              << " 0";
        QTest::newRow("NA") << "Command3"
                            << "";
    }
    void zeroNeedsConfirmation() {
        QFETCH(QString, button);
        QFETCH(QString, cell);
        roll({1, 3, 4, 5, 6});
        modals->thenClick(button);
        QTest::mouseClick(board->Command2[1], Qt::LeftButton);
        QCOMPARE(modals->shown, QStringList({"FrmMessageBox"}));
        QCOMPARE(board->Label2[1]->text(), cell);
        QCOMPARE(board->Command2[1]->isEnabled(), cell.isEmpty());
        QCOMPARE(board->model().rollsLeft(), int16_t(cell.isEmpty() ? 2 : 3));
    }

    void hiddenCodeNeedsEnter() {
        roll({1, 2, 3, 4, 5});
        QTest::mouseClick(board->Command10, Qt::LeftButton);
        QCOMPARE(board->Command10->property("Tag").toString(), QString("0"));
        board->Text1->clear();
        QTest::keyClicks(board->Text1, "abc vmqZta");
        QCOMPARE(board->Command10->property("Tag").toString(), QString("0"));
        QTest::keyClick(board->Text1, Qt::Key_Return);
        QCOMPARE(board->Command10->property("Tag").toString(), QString("-1"));
        QCOMPARE(board->Text1->text(), QString());
        QCOMPARE(board->Label10->text(), QString(" 15")); // the cell keeps its score

        QTest::keyClicks(board->Text1, "bxnrywe");
        QTest::keyClick(board->Text1, Qt::Key_Enter);
        QCOMPARE(board->model().rollsLeft(), int16_t(2));
    }

    // What a screen reader speaks: each die and its face, each category, its
    // score and whether it is free, the rolls left and the totals.
    // What a screen reader says of the board follows every roll and score.
    void accessibleNamesAndValues() {
        auto speak = [](QWidget* w, QAccessible::Text t) {
            QAccessibleInterface* a = QAccessible::queryAccessibleInterface(w);
            return a ? a->text(t) : QStringLiteral("<none>");
        };
        board->setWindowTitle(QStringLiteral("Ann"));
        QCOMPARE(speak(board.get(), QAccessible::Name), QString("Ann"));
        QCOMPARE(speak(board->Digits[0], QAccessible::Name), QString("Die 1: not rolled"));
        QCOMPARE(speak(board->Command1, QAccessible::Name), QString("Roll, 3 rolls left"));
        QCOMPARE(speak(board->Command1, QAccessible::Description), QString("Dice not rolled yet"));
        QCOMPARE(speak(board->Label10, QAccessible::Name), QString("Chance: empty"));

        roll({5, 2, 6, 2, 1});
        QStringList dice;
        for (DieImage* die : board->Digits) dice << speak(die, QAccessible::Name);
        QCOMPARE(dice, QStringList({"Die 1: 1", "Die 2: 2", "Die 3: 2", "Die 4: 5", "Die 5: 6"}));
        QCOMPARE(speak(board->Command1, QAccessible::Name), QString("Roll, 2 rolls left"));
        QCOMPARE(speak(board->Command1, QAccessible::Description), QString("Dice 1, 2, 2, 5, 6"));

        // One die again: only its name changes.
        fake->random.setFaces({4});
        QTest::keyClick(board->Command1, Qt::Key_4);
        QCOMPARE(speak(board->Digits[3], QAccessible::Name), QString("Die 4: 4"));
        QCOMPARE(speak(board->Digits[4], QAccessible::Name), QString("Die 5: 6"));
        QCOMPARE(speak(board->Command1, QAccessible::Name), QString("Roll, 1 roll left"));
        QCOMPARE(speak(board.get(), QAccessible::Description),
                 QString("Dice 1, 2, 2, 4, 6. 1 roll left. 1-6 Total: 0. Total: 0."));

        QCOMPARE(speak(board->Command2[1], QAccessible::Name), QString("Twos"));
        QCOMPARE(speak(board->Command2[1], QAccessible::Description), QString("Free"));
        QTest::mouseClick(board->Command2[1], Qt::LeftButton);
        QCOMPARE(speak(board->Command2[1], QAccessible::Description), QString("Used, score 4"));
        QCOMPARE(speak(board->Label2[1], QAccessible::Name), QString("Twos: 4"));
        QCOMPARE(speak(board->Command9, QAccessible::Name), QString("Full House"));
        QCOMPARE(speak(board->Label9, QAccessible::Name), QString("Full House: empty"));
        QCOMPARE(speak(board->Label13, QAccessible::Name), QString("Total: 4"));
        QCOMPARE(speak(board->Label12, QAccessible::Name), QString("1-6 Total: 4"));
        QCOMPARE(speak(board->Command1, QAccessible::Name), QString("Roll, 3 rolls left"));
    }

    // While the dice spin they are said to roll, not read face by face.
    void spinningDiceAreSaidToRoll() {
        QStringList heard;
        // After the window's own slot.
        connect(model, &Board::dieDrawn, this, [&](int die) {
            heard << board->Digits[die]->accessibleName() + " / " +
                         board->Command1->accessibleName();
        });
        roll({3, 3, 3, 3, 3});
        QVERIFY(!heard.isEmpty());
        for (const QString& h : heard) {
            QVERIFY2(h.endsWith(": rolling / Roll, dice rolling"), qPrintable(h));
        }
        QCOMPARE(board->Digits[2]->accessibleName(), QString("Die 3: 3"));
    }

    // The window repaints the dice while they spin.
    void rollRepaints() {
        RealPump pump(fake->clock);
        Services live = fake->services();
        live.events = &pump;
        GameSession liveSession(answers, live);
        liveSession.StartNewGame();
        FrmMainGame liveBoard(liveSession, 0);
        liveBoard.show();
        QVERIFY(QTest::qWaitForWindowExposed(&liveBoard));
        PaintCounter counter;
        liveBoard.Digits[2]->installEventFilter(&counter);
        std::vector<float> randoms;
        for (int i = 0; i < 400; ++i) randoms.push_back(float(i % 6) / 6.0f + 0.01f);
        fake->random.script = randoms;
        liveBoard.Command1_Click();
        QVERIFY2(counter.paints >= 20, qPrintable(QString::number(counter.paints)));
    }
};

QTEST_MAIN(FrmMainGameTest)
#include "FrmMainGameTest.moc"
