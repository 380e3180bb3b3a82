#include "support/ShellFixture.h"

#include "ui/FrmHighScores.h"

#include <QMdiArea>
#include <QMdiSubWindow>
#include <QTreeWidget>

#include <memory>

class GameFlowTest : public QObject {
    Q_OBJECT

    std::unique_ptr<ShellFixture> f;

    // Answers the end-of-game notice, remembering what it showed.
    struct Result {
        QString message;
        QStringList rows;
        bool listShown = false;
        QString picture;
    };
    void expectResult(Result& result) {
        f->modals.then([&result](QDialog& d) {
            auto& box = static_cast<FrmMessageBox&>(d);
            result.message = box.message();
            result.listShown = box.ListView1->isVisible();
            result.rows = rows(box.ListView1);
            result.picture = QString::number(box.picture());
            QTest::mouseClick(box.Command1, Qt::LeftButton);
        });
    }

private slots:
    void initTestCase() { Fonts::installFontSubstitutes(); }
    void init() { f = std::make_unique<ShellFixture>(); }
    void cleanup() { f.reset(); }

    void startsIntoTheWelcomeDialog() {
        f->start({"Ann"});
        QCOMPARE(f->window->windowTitle(), QString("Vorka"));
        QCOMPARE(f->modals.shown.mid(0, 2), QStringList({"FrmMessageBox", "FrmMessageBox"}));
        QCOMPARE(f->fake.sound.played.mid(0, 1), QStringList({"START"}));
        QVERIFY(f->session().gameInProgress());
        QCOMPARE(int(f->session().lastPlayer()), 0);
        QCOMPARE(f->board(0)->windowTitle(), QString("Ann"));
        QVERIFY(f->window->highScores()->isVisible());
        QCOMPARE(f->activeBoard(), f->board(0));
        QCOMPARE(f->pressedButtons(), QList<int>{0});
    }

    void onePlayerGame() {
        f->start({"Ann"});
        f->fake.sound.played.clear();
        f->playRounds(14, 1);
        // One player: no announcement, the same board keeps the turn.
        QVERIFY(f->announced.isEmpty());
        QVERIFY(!f->fake.sound.played.contains("NEWPLAYER"));
        QVERIFY(f->board(0)->Command1->isEnabled());
        QVERIFY(f->board(0)->Digits[0]->isEnabled());

        Result result;
        expectResult(result);
        f->play(0, {6, 6, 6, 6, 6}, Category::Vorka);
        QCOMPARE(result.message, QString("Game over.") + QChar(13) +
                                     "Ann wins the game with a score of 218. Well played!");
        QVERIFY(!result.listShown);
        QCOMPARE(result.picture, QString("2"));
        QVERIFY(f->fake.sound.played.contains("WIN"));

        // The game is cleared away and the score is in the Hall of Fame.
        ShellFixture::flushDeletes();
        QVERIFY(!f->session().gameInProgress());
        QVERIFY((f->session().boardCount() == 0));
        QCOMPARE(int(f->session().lastPlayer()), 0);
        QCOMPARE(int(f->session().currentPlayer()), 0);
        QVERIFY(f->window->Toolbar1->actions().isEmpty());
        QCOMPARE(f->window->mdiArea->subWindowList().size(), 1);
        FrmHighScores* scores = f->window->highScores();
        QCOMPARE(rows(scores->ListView1[0]).first(), QString("1|Ann|218"));
        QCOMPARE(f->window->mdiArea->activeSubWindow()->widget(), scores);
    }

    void threePlayers() {
        f->start({"Ann", "Bob", "Cy"});
        QCOMPARE(int(f->session().lastPlayer()), 2);
        for (int i = 0; i < 3; ++i) {
            QCOMPARE(f->board(i)->windowTitle(), QStringList({"Ann", "Bob", "Cy"})[i]);
            QCOMPARE(f->board(i)->Command1->isEnabled(), i == 0);
            QCOMPARE(f->window->playerButton(int16_t(i))->text(),
                     QStringList({"Ann", "Bob", "Cy"})[i]);
        }
        QCOMPARE(f->activeBoard(), f->board(0));
        QVERIFY(f->announced.isEmpty()); // the first player is not announced

        // While Bob is announced his Roll button is still disabled.
        bool bobRollDuringAnnouncement = true;
        QWidget* frontDuringAnnouncement = nullptr;
        f->modals.then([&](QDialog& d) {
            auto& a = static_cast<FrmNewPlayer&>(d);
            f->announced << a.Label1->text();
            bobRollDuringAnnouncement = f->board(1)->Command1->isEnabled();
            frontDuringAnnouncement = f->activeBoard();
            QTest::mouseClick(a.Command1, Qt::LeftButton);
        });
        f->fake.sound.played.clear();
        f->play(0, {1, 1, 3, 1, 6}, Category::Ones);
        QCOMPARE(f->announced, QStringList({"BOB's"}));
        QVERIFY(!bobRollDuringAnnouncement);
        QCOMPARE(frontDuringAnnouncement, f->board(1));
        QVERIFY(f->fake.sound.played.contains("NEWPLAYER"));
        QVERIFY(!f->board(0)->Command1->isEnabled());
        QVERIFY(!f->board(0)->Digits[0]->isEnabled());
        QVERIFY(f->board(1)->Command1->isEnabled());
        QCOMPARE(int(f->session().currentPlayer()), 1);
        QCOMPARE(f->pressedButtons(), QList<int>{1});
        QCOMPARE(f->board(0)->Label13->text(), QString("Total: 3"));

        f->play(1, {2, 2, 2, 2, 2}, Category::Ones); // a zero, confirmed
        f->play(2, {6, 6, 6, 6, 6}, Category::Ones);
        QCOMPARE(f->announced, QStringList({"BOB's", "CY's", "ANN's"}));
        QCOMPARE(int(f->session().currentPlayer()), 0);

        // The rest of the game: every card filled with five sixes, whose
        // zeros (Ones to Fives and the straights) are confirmed. A card of
        // five sixes makes 30 + 12 + 24 + 18 + 24 + 30 + 30 + 50 = 218.
        for (int r = 1; r < 15; ++r)
            for (int p = 0; p < 3; ++p)
                if (!(r == 14 && p == 2)) f->play(p, {6, 6, 6, 6, 6}, categoryAt(r));
        QVERIFY(f->session().gameInProgress());
        Result result;
        expectResult(result);
        f->play(2, {6, 6, 6, 6, 6}, Category::Vorka);
        // Cy scored 0 in Ones like Bob, Ann 3: Ann wins with 221.
        QCOMPARE(result.message, QString("Game over.") + QChar(13) +
                                     "Ann wins the game with a score of 221. Well played!");
        QVERIFY(result.listShown);
        QCOMPARE(result.rows, QStringList({"221|Ann", "218|Bob", "218|Cy"}));

        ShellFixture::flushDeletes();
        QVERIFY((f->session().boardCount() == 0));
        QVERIFY(!f->session().gameInProgress());
        QVERIFY(f->window->Toolbar1->actions().isEmpty());
        const QStringList fame = rows(f->window->highScores()->ListView1[0]);
        QCOMPARE(fame.mid(0, 4),
                 QStringList({"1|Ann|221", "2|Bob|218", "3|Cy|218", "4|Tolvane Studios|145"}));
        QCOMPARE(fame.size(), 10);
    }

    void drawOfTwo() {
        f->start({"Ann", "Bob"});
        Result result;
        for (int r = 0; r < 15; ++r)
            for (int p = 0; p < 2; ++p) {
                if (r == 14 && p == 1) expectResult(result);
                f->play(p, {6, 6, 6, 6, 6}, categoryAt(r));
            }
        QCOMPARE(result.message, QString("Game over.") + QChar(13) +
                                     "All 2 players scored 218 and therefore drew. Well played!");
        QCOMPARE(result.rows, QStringList({"218|Ann", "218|Bob"}));
    }

    // At the designed size the third board lies mostly beyond the right edge:
    // brought to the front, by its turn or its button, it is scrolled into
    // view, and so is the first one again.
    void boardInFrontIsInView() {
        f->start({"Ann", "Bob", "Cy"});
        QCoreApplication::processEvents(); // the client area settles its scroll bars
        const auto inView = [this](int i) {
            const QRect room(QPoint(0, 0), f->window->mdiArea->viewport()->size());
            return room.contains(f->frameOf(f->board(i))->geometry());
        };
        QVERIFY(!inView(2));
        f->play(0, {6, 6, 6, 6, 6}, Category::Sixes);
        f->play(1, {6, 6, 6, 6, 6}, Category::Sixes);
        QCOMPARE(f->activeBoard(), f->board(2));
        QVERIFY(inView(2));
        f->play(2, {6, 6, 6, 6, 6}, Category::Sixes);
        QCOMPARE(f->activeBoard(), f->board(0));
        QVERIFY(inView(0));
        f->window->playerButton(2)->trigger();
        QVERIFY(inView(2));
    }

    // The status bar says whose turn it is, the rolls left and, while a game
    // runs, whether sounds are on.
    void statusBarSaysWhoseTurn() {
        f->start({"Ann", "Bob"});
        const auto status = [this] { return f->window->TurnStatus->text(); };
        QCOMPARE(status(), QString("Ann's turn, 3 rolls left. Sounds on."));
        f->fake.random.setFaces({1, 2, 3, 4, 5});
        QTest::mouseClick(f->board(0)->Command1, Qt::LeftButton);
        QCOMPARE(status(), QString("Ann's turn, 2 rolls left. Sounds on."));
        QTest::mouseClick(f->board(0)->Digits[0], Qt::LeftButton);
        QCOMPARE(status(), QString("Ann's turn, 1 roll left. Sounds on."));
        f->window->Toolbar2_ButtonClick("Sounds");
        QCOMPARE(status(), QString("Ann's turn, 1 roll left. Sounds off."));
        QTest::mouseClick(f->board(0)->Command10, Qt::LeftButton); // Chance
        QCOMPARE(status(), QString("Bob's turn, 3 rolls left. Sounds off."));
        f->play(1, {6, 6, 6, 6, 6}, Category::Chance);
        for (int r = 0; r < 15; ++r)
            for (int p = 0; p < 2 && categoryAt(r) != Category::Chance; ++p)
                f->play(p, {6, 6, 6, 6, 6}, categoryAt(r));
        QVERIFY(!f->session().gameInProgress());
        QCOMPARE(status(), QString());
    }

    // After the name dialog and after every announcement the keyboard is on
    // the Roll button of the board whose turn it is: Space rolls, the keys
    // 1 to 5 roll a die again, and once Roll goes off with the last roll the
    // keyboard moves on to the card, never to the hidden box.
    void keyboardFollowsTheTurn() {
        f->start({"Ann", "Bob"});
        QCOMPARE(f->window->focusWidget(), f->board(0)->Command1);
        f->fake.random.setFaces({1, 2, 3, 4, 5});
        QTest::keyClick(f->window->focusWidget(), Qt::Key_Space);
        QCOMPARE(f->session().board(0).rollsLeft(), int16_t(2));
        f->fake.random.setFaces({6});
        QTest::keyClick(f->window->focusWidget(), Qt::Key_2);
        QCOMPARE(f->session().board(0).rollsLeft(), int16_t(1));
        QCOMPARE(int(f->session().board(0).faces()[1]), 6);
        f->fake.random.setFaces({1, 2, 3, 4, 5});
        QTest::keyClick(f->window->focusWidget(), Qt::Key_Space);
        QCOMPARE(f->session().board(0).rollsLeft(), int16_t(0));
        QCOMPARE(f->window->focusWidget(), f->board(0)->Command2[0]);

        QTest::mouseClick(f->board(0)->Command10, Qt::LeftButton); // Chance
        QCOMPARE(f->announced, QStringList{"BOB's"});
        QCOMPARE(f->window->focusWidget(), f->board(1)->Command1);
        QTest::keyClick(f->window->focusWidget(), Qt::Key_Space);
        QCOMPARE(f->session().board(1).rollsLeft(), int16_t(2));
    }

    // Tab goes from control to control with nothing in between: the board
    // itself is no stop, and the hidden box, when reached, frames the board.
    void tabStopsAreVisible() {
        f->start({"Ann"});
        FrmMainGame* board = f->board(0);
        QVERIFY(!(board->focusPolicy() & Qt::TabFocus));
        QList<QWidget*> stops;
        for (QWidget* w = board->Command1->nextInFocusChain();
             w != board->Command1 && stops.size() < 40; w = w->nextInFocusChain())
            if (board->isAncestorOf(w) && (w->focusPolicy() & Qt::TabFocus)) stops << w;
        QCOMPARE(stops.value(0), board->Text1);
        QCOMPARE(stops.value(1), board->Command2[0]);

        f->window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(f->window.get()));
        board->Text1->setFocus();
        QVERIFY(board->Text1->hasFocus());
        const QImage framed = board->grab().toImage();
        const QColor highlight = board->palette().color(QPalette::Highlight);
        int marked = 0;
        for (int y = 0; y < framed.height(); ++y)
            if (framed.pixelColor(1, y) == highlight) ++marked;
        QVERIFY2(marked > framed.height() / 4, qPrintable(QString::number(marked)));
    }

    // The status bar names the player whose turn is being announced, and
    // nobody once the game is over.
    void statusFollowsTheTurnAtOnce() {
        f->start({"Ann", "Bob"});
        QStringList during;
        f->modals.fallback = [this, &during, answer = f->modals.fallback](QDialog& d) {
            during << f->window->TurnStatus->text();
            answer(d);
        };
        f->play(0, {6, 6, 6, 6, 6}, Category::Sixes);
        QCOMPARE(during, QStringList({"Bob's turn, 3 rolls left. Sounds on."}));
        f->play(1, {6, 6, 6, 6, 6}, Category::Sixes);
        for (int r = 0; r < 15; ++r) {
            if (categoryAt(r) == Category::Sixes) continue;
            f->play(0, {6, 6, 6, 6, 6}, categoryAt(r));
            during.clear();
            f->play(1, {6, 6, 6, 6, 6}, categoryAt(r));
        }
        QVERIFY(!f->session().gameInProgress());
        // The result: no player named any more.
        QCOMPARE(during, QStringList({QString()}));
    }

    // A window larger than the designed one shows every board when they
    // fit, in rows; Cascade lays them over one another and Tile back out.
    void boardsUseALargerWindow() {
        f->start({"Ann", "Bob", "Cy", "Dee"});
        const QSize board = f->frameOf(f->board(0))->size();
        f->window->resize(f->window->width() + board.width(),
                          f->window->height() + board.height() + 20);
        QCoreApplication::processEvents();
        const QRect room(QPoint(0, 0), f->window->mdiArea->viewport()->size());
        for (int i = 0; i < 4; ++i)
            QVERIFY2(room.contains(f->frameOf(f->board(i))->geometry()),
                     qPrintable(QString::number(i)));
        QCOMPARE(f->frameOf(f->board(0))->y(), f->frameOf(f->board(1))->y());
        QVERIFY(f->frameOf(f->board(3))->y() > f->frameOf(f->board(0))->y());

        f->window->Toolbar2_ButtonClick("Cascade");
        QVERIFY(f->frameOf(f->board(1))->pos() != f->frameOf(f->board(0))->pos());
        QVERIFY(f->frameOf(f->board(1))->y() != f->frameOf(f->board(0))->y());
        f->window->Toolbar2_ButtonClick("Tile");
        QCOMPARE(f->frameOf(f->board(0))->pos(), QPoint(0, 0));
        QCOMPARE(f->frameOf(f->board(1))->pos(), QPoint(board.width(), 0));
        for (int i = 0; i < 4; ++i) QVERIFY(room.contains(f->frameOf(f->board(i))->geometry()));
    }

    // The name entry ends by itself at the most players a game may have.
    void nameEntryStopsAtTheLimit() {
        QStringList names;
        for (int i = 1; i <= 256; ++i) names << QString("P%1").arg(i);
        f->scriptPlayers(names);
        f->window->MDIForm_Load();
        QCOMPARE(int(f->session().lastPlayer()), 254);
        QCOMPARE(f->session().boardCount(), 255);
        QCOMPARE(f->board(254)->windowTitle(), QString("P255"));
        QCOMPARE(f->modals.answers.size(), size_t(1)); // the 256th name was never asked for
        f->modals.answers.clear();
        QVERIFY(f->session().gameInProgress());
        QCOMPARE(f->pressedButtons(), QList<int>{0});
    }

    // A full card that is not the last player's never ends the game.
    void onlyTheLastCardEndsTheGame() {
        f->start({"Ann", "Bob"});
        for (Category c : kAllCategories)
            if (c != Category::Sixes) f->window->session().board(0).card().commit(c, 1);
        f->play(0, {6, 6, 6, 6, 6}, Category::Sixes);
        QVERIFY(f->session().gameInProgress());
        QCOMPARE(int(f->session().currentPlayer()), 1);
    }
};

QTEST_MAIN(GameFlowTest)
#include "GameFlowTest.moc"
