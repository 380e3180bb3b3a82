// Computer seats and the hint in the real windows, offscreen: seats handed
// over from the player button's menu, a whole game with two computer seats,
// and the hint beside the values the strategy engine gives.

#include "support/ShellFixture.h"

#include "game/Advisor.h"
#include "game/Position.h"
#include "players/ComputerPlayer.h"
#include "players/StrategyTable.h"
#include "ui/ComputerSeats.h"
#include "ui/DialogAnswers.h"
#include "ui/FileChooser.h"
#include "ui/FrmHighScores.h"
#include "ui/HintWindow.h"
#include "ui/ToolbarEntries.h"

#include <QContextMenuEvent>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QMenu>
#include <QScreen>
#include <QTimer>
#include <QTreeWidget>

#include <algorithm>
#include <functional>
#include <memory>

namespace {

constexpr uint16_t kLastTwo =
    (1u << categoryIndex(Category::Chance)) | (1u << categoryIndex(Category::Vorka));

class OneFile final : public FileChooser {
public:
    QString path;
    QString openFileName(QWidget*, const QString&, const QString&) override { return path; }
    QString saveFileName(QWidget*, const QString&, const QString&) override { return path; }
};

} // namespace

class ComputerSeatsTest : public QObject {
    Q_OBJECT

    std::unique_ptr<ShellFixture> f;
    QStringList closedByThemselves; // computer announcements that closed without a click
    QStringList resultRows;         // the score list of the result

    ComputerSeats& seats() { return f->window->computerSeats(); }

    // Chooses an entry of player `index`'s button menu, as a player would.
    void choose(int16_t index, const QString& entry) {
        std::unique_ptr<QMenu> menu = seats().seatMenu(index);
        QVERIFY(menu);
        QAction* action = menu->findChild<QAction*>(entry);
        QVERIFY(action && action->isEnabled());
        action->trigger();
    }

    // People's announcements are clicked away; the computer's close by
    // themselves, which the test waits for.
    void answerAnnouncements() {
        f->modals.fallback = [this, people = f->modals.fallback](QDialog& d) {
            auto* box = qobject_cast<FrmMessageBox*>(&d);
            if (box && box->ListView1->isVisible()) {
                resultRows = rows(box->ListView1);
                QTest::mouseClick(box->Command1, Qt::LeftButton);
                return;
            }
            auto* announcement = qobject_cast<FrmNewPlayer*>(&d);
            const int16_t next = f->session().currentPlayer();
            if (!announcement || !f->session().isComputer(next)) return people(d);
            f->announced << announcement->Label1->text();
            if (QTest::qWaitFor([&] { return !d.isVisible(); }, 5000))
                closedByThemselves << announcement->Label1->text();
        };
    }

private slots:
    void initTestCase() { Fonts::installFontSubstitutes(); }
    void init() {
        f = std::make_unique<ShellFixture>();
        closedByThemselves.clear();
        resultRows.clear();
        seats().setPaceMs(0);
    }
    void cleanup() { f.reset(); }

    // People alone: no table, no computer, no hint window, and the hint is
    // no button of the toolbar as designed.
    void nothingOfTheComputerWithoutIt() {
        f->start({"Ann", "Bob"});
        f->play(0, {6, 6, 6, 6, 6}, Category::Sixes);
        QVERIFY(!seats().table());
        QVERIFY(!seats().computer());
        QVERIFY(!seats().hintWindow());
        QVERIFY(!designedToolbarLayout().contains("Hint"));
        QVERIFY(!f->window->Toolbar2->actions().contains(f->window->commandAction("Hint")));
        QCOMPARE(f->window->playerButton(1)->toolTip(), QString("Selects Bob's Playerboard"));
    }

    // Without a mouse: the menu key, or Shift+F10, on a board opens its own
    // seat's menu.
    void theMenuKeyOnABoardOpensItsSeatMenu_data() {
        QTest::addColumn<bool>("shiftF10");
        QTest::newRow("menu key") << false;
        QTest::newRow("Shift+F10") << true;
    }
    void theMenuKeyOnABoardOpensItsSeatMenu() {
        QFETCH(bool, shiftF10);
        f->start({"Ann", "Bob"});
        QString opened;
        QTimer::singleShot(0, this, [&] {
            auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
            if (!menu) return;
            for (QAction* a : menu->actions())
                if (!a->isSeparator() && a->isEnabled()) opened += a->text() + u'|';
            if (QAction* casual = menu->findChild<QAction*>("Casual"))
                menu->setActiveAction(casual);
            QTest::keyClick(menu, Qt::Key_Return);
        });
        QWidget* die = f->board(1)->Digits[2];
        if (shiftF10) {
            QKeyEvent press(QEvent::KeyPress, Qt::Key_F10, Qt::ShiftModifier);
            QApplication::sendEvent(die, &press);
        } else {
            QContextMenuEvent key(QContextMenuEvent::Keyboard, QPoint(1, 1),
                                  die->mapToGlobal(QPoint(1, 1)));
            QApplication::sendEvent(die, &key);
        }
        QCOMPARE(opened, QString("Let the computer play for Bob|Let the computer play casually "
                                 "for Bob|Computer's pace|"));
        QCOMPARE(f->session().computerSeat(1), std::optional<Strength>(Strength::Casual));
        QCOMPARE(f->session().computerSeat(0), std::optional<Strength>());
    }

    // While the computer has a seat, a person's clicks and keys on its board
    // do nothing; once the seat is taken back they play it again.
    void theComputersBoardIsWatchedNotPlayed() {
        f->start({"Ann", "Bob"});
        seats().setPaceMs(0);
        choose(1, "Casual");
        seats().computer()->setPaceMs(60000); // it waits: only the person acts here
        f->play(0, {6, 6, 6, 6, 6}, Category::Sixes);
        QCOMPARE(f->session().currentPlayer(), int16_t(1));
        const Board& bob = f->session().board(1);
        QCOMPARE(bob.rollsLeft(), int16_t(Board::kRollsPerTurn));

        FrmMainGame* board = f->board(1);
        QTest::mouseClick(board->Command1, Qt::LeftButton);
        QTest::keyClick(board, Qt::Key_3);
        QCOMPARE(bob.rollsLeft(), int16_t(Board::kRollsPerTurn));
        // Between its rolls its dice do not offer themselves to a person.
        f->fake.random.setFaces({2, 2, 3, 3, 4});
        f->session().rollAll(1, Mover::Computer);
        QVERIFY(board->Digits[2]->toolTip().isEmpty());

        choose(1, "Person");
        QVERIFY(!board->Digits[2]->toolTip().isEmpty());
        f->fake.random.setFaces({1, 2, 3, 4, 5});
        QTest::mouseClick(board->Command1, Qt::LeftButton);
        QCOMPARE(bob.rollsLeft(), int16_t(Board::kRollsPerTurn - 2));
        f->fake.random.setFaces({6});
        QTest::keyClick(board, Qt::Key_3);
        QCOMPARE(int(bob.faces()[2]), 6);
        QTest::mouseClick(board->categoryButton(Category::Chance), Qt::LeftButton);
        QVERIFY(!bob.card().available(Category::Chance));
    }

    void theButtonMenuHandsTheSeatOverAndBack() {
        f->start({"Ann", "Bob"});
        std::unique_ptr<QMenu> menu = seats().seatMenu(1);
        QStringList texts;
        for (QAction* a : menu->actions())
            if (!a->isSeparator()) texts << a->text();
        QCOMPARE(texts, QStringList({"Let the computer play for Bob",
                                     "Let the computer play casually for Bob",
                                     "Take Bob's seat back", "Computer's pace"}));
        QVERIFY(!menu->findChild<QAction*>("Person")->isEnabled());

        const auto picture = [this](int16_t index) {
            return f->window->playerButton(index)->icon().pixmap(32, 32).toImage();
        };
        const QImage person = QIcon(MDIFrmMainGame::kPlayerIcon).pixmap(32, 32).toImage();
        const QImage computer = QIcon(MDIFrmMainGame::kComputerIcon).pixmap(32, 32).toImage();
        QCOMPARE(picture(1), person);
        choose(1, "Casual");
        QCOMPARE(f->session().computerSeat(1), std::optional<Strength>(Strength::Casual));
        QCOMPARE(f->window->playerButton(1)->toolTip(),
                 QString("Selects Bob's Playerboard (computer)"));
        // The button shows the computer's picture beside the name.
        QCOMPARE(picture(1), computer);
        QCOMPARE(picture(0), person);
        QVERIFY(seats().seatMenu(1)->findChild<QAction*>("Casual")->isChecked());
        QVERIFY(seats().computer());
        // Casual play reads no table.
        QVERIFY(!seats().table() || !seats().table()->requested());

        choose(1, "Person");
        QVERIFY(!f->session().isComputer(1));

        // The status bar tells when the computer has the turn.
        choose(0, "Casual");
        QCOMPARE(f->window->TurnStatus->text(),
                 QString("Ann's turn (computer), 3 rolls left. Sounds on."));
        choose(0, "Person");
        QCOMPARE(f->window->TurnStatus->text(), QString("Ann's turn, 3 rolls left. Sounds on."));
        QCOMPARE(f->window->playerButton(1)->toolTip(), QString("Selects Bob's Playerboard"));
        QCOMPARE(f->window->playerButton(1)->text(), QString("Bob"));
        QCOMPARE(picture(1), person);
    }

    // Ann plays against two computer seats to the end: the computer's
    // announcements close by themselves, its boards fill, the result names
    // everyone and the Hall of Fame gets Ann alone.
    void wholeGameWithTwoComputerSeats() {
        f->start({"Ann", "Bob", "Cy"});
        answerAnnouncements();
        choose(1, "Casual");
        choose(2, "Casual");
        for (int round = 0; round < 15; ++round) {
            QCOMPARE(int(f->session().currentPlayer()), 0);
            f->play(0, {6, 6, 6, 6, 6}, categoryAt(round));
            QVERIFY(QTest::qWaitFor(
                [&] { return resultRows.size() || f->session().currentPlayer() == 0; }, 10000));
            if (round == 14) break;
            // Both computer boards have scored this round.
            for (int p = 1; p <= 2; ++p) {
                int used = 0;
                for (Category c : kAllCategories)
                    used += f->session().board(int16_t(p)).card().available(c) ? 0 : 1;
                QCOMPARE(used, round + 1);
            }
        }
        const bool over = !resultRows.isEmpty();
        QVERIFY(over);
        QCOMPARE(closedByThemselves.size(), 30);
        QCOMPARE(closedByThemselves.mid(0, 2), QStringList({"BOB's", "CY's"}));
        QCOMPARE(resultRows.size(), 3);
        // The result marks the computer's seats, and only them.
        QCOMPARE(resultRows.filter("|Bob (computer)").size(), 1);
        QCOMPARE(resultRows.filter("|Cy (computer)").size(), 1);
        QCOMPARE(resultRows.filter("(computer)").size(), 2);
        ShellFixture::flushDeletes();
        const QStringList fame = rows(f->window->highScores()->ListView1[0]);
        const QStringList shame = rows(f->window->highScores()->ListView1[1]);
        QVERIFY(fame.filter("|Ann|").size() + shame.filter("|Ann|").size() == 1);
        QVERIFY(fame.filter("|Bob|").isEmpty() && shame.filter("|Bob|").isEmpty());
        QVERIFY(fame.filter("|Cy|").isEmpty() && shame.filter("|Cy|").isEmpty());
        QVERIFY(!seats().computer()->isActive());
    }

    // A game saved with a computer seat opens in a program that has not
    // seen the computer yet, and the computer plays on.
    void anOpenedGameGoesOnWithTheComputer() {
        QTemporaryDir dir;
        OneFile file;
        file.path = dir.filePath("computer.vrk");
        f->files.target = &file;
        f->start({"Ann", "Bob"});
        choose(1, "Casual");
        f->window->Toolbar2_ButtonClick("Save");
        f.reset();

        f = std::make_unique<ShellFixture>();
        f->files.target = &file;
        seats().setPaceMs(0);
        f->start({"Cy"});
        answerAnnouncements();
        QVERIFY(!seats().computer());
        f->window->Toolbar2_ButtonClick("Open");
        QCOMPARE(f->session().boardCount(), 2);
        QCOMPARE(f->session().computerSeat(1), std::optional<Strength>(Strength::Casual));
        QCOMPARE(f->window->playerButton(1)->toolTip(),
                 QString("Selects Bob's Playerboard (computer)"));
        QVERIFY(seats().computer());
        f->play(0, {6, 6, 6, 6, 6}, Category::Sixes);
        QVERIFY(QTest::qWaitFor([&] { return f->session().currentPlayer() == 0; }, 10000));
        QCOMPARE(closedByThemselves, QStringList({"BOB's"}));
        int used = 0;
        for (Category c : kAllCategories) used += f->session().board(1).card().available(c) ? 0 : 1;
        QCOMPARE(used, 1);
    }

    // A person saving a game while the computer has the turn: the computer
    // waits until the save dialog has closed, so that no announcement comes
    // up over it and takes the name typed there or its Enter.
    void theComputerWaitsWhileAPersonSaves() {
        QTemporaryDir dir;
        f->start({"Ann", "Bob"});
        answerAnnouncements();
        choose(1, "Casual");
        seats().computer()->setPaceMs(60000); // Ann scores first, undisturbed
        f->play(0, {6, 6, 6, 6, 6}, Category::Sixes);
        QCOMPARE(f->session().currentPlayer(), int16_t(1));
        f->announced.clear();
        seats().setPaceMs(0); // from here the computer would play at once

        class TypingChooser final : public FileChooser {
        public:
            QString folder;
            std::function<void()> whileOpen;
            QString typed;
            QString openFileName(QWidget*, const QString&, const QString&) override { return {}; }
            QString saveFileName(QWidget* parent, const QString&, const QString&) override {
                QDialog dialog(parent);
                dialog.setObjectName("SaveDialog");
                auto* name = new QLineEdit(&dialog);
                QObject::connect(name, &QLineEdit::returnPressed, &dialog, &QDialog::accept);
                dialog.setModal(true);
                dialog.show();
                name->setFocus();
                whileOpen();
                QTest::keyClicks(name, "kept");
                QTest::keyClick(name, Qt::Key_Return);
                typed = name->text();
                return dialog.result() == QDialog::Accepted ? folder + "/" + typed + ".vrk"
                                                            : QString();
            }
        } chooser;
        chooser.folder = dir.path();
        f->files.target = &chooser;
        const Board& bob = f->session().board(1);
        int rollsWhileOpen = -1;
        qsizetype windowsWhileOpen = -1;
        const qsizetype windowsBefore = f->modals.shown.size();
        chooser.whileOpen = [&] {
            // The computer's pause is over many times here.
            for (int i = 0; i < 50; ++i) QCoreApplication::processEvents();
            rollsWhileOpen = bob.rollsLeft();
            windowsWhileOpen = f->modals.shown.size() - windowsBefore;
        };
        f->window->Toolbar2_ButtonClick("Save");
        QCOMPARE(rollsWhileOpen, int(Board::kRollsPerTurn));
        QCOMPARE(windowsWhileOpen, 0);
        QCOMPARE(chooser.typed, QString("kept"));
        QVERIFY(QFileInfo(dir.filePath("kept.vrk")).size() > 0);
        // Closed, and the computer plays its turn; Ann is announced after it.
        QVERIFY(QTest::qWaitFor([&] { return f->session().currentPlayer() == 0; }, 10000));
        QCOMPARE(f->announced, QStringList{"ANN's"});
    }

    // The computer's pace, chosen in the player button's menu, holds for the
    // computer and its announcements and is kept for the player's next game.
    void thePaceIsChosenAndKept_data() {
        QTest::addColumn<QString>("entry");
        QTest::addColumn<int>("pace");
        QTest::newRow("normal") << "Pace0" << int(ComputerSeats::Pace::Normal);
        QTest::newRow("fast") << "Pace1" << int(ComputerSeats::Pace::Fast);
        QTest::newRow("instant") << "Pace2" << int(ComputerSeats::Pace::Instant);
    }
    void thePaceIsChosenAndKept() {
        QFETCH(QString, entry);
        QFETCH(int, pace);
        const auto chosen = ComputerSeats::Pace(pace);
        f->start({"Ann", "Bob"});
        // Another pace first, so that the choice below changes something.
        seats().setPace(chosen == ComputerSeats::Pace::Fast ? ComputerSeats::Pace::Instant
                                                            : ComputerSeats::Pace::Fast);
        choose(1, entry);
        QCOMPARE(int(seats().pace()), pace);
        QCOMPARE(seats().paceMs(), ComputerSeats::paceMs(chosen));
        QCOMPARE(f->window->answers().computerAnnouncementMs,
                 ComputerSeats::announcementMs(chosen));
        QVERIFY(seats().seatMenu(1)->findChild<QAction*>(entry)->isChecked());
        QVERIFY(ComputerSeats::paceMs(ComputerSeats::Pace::Fast) <
                ComputerSeats::paceMs(ComputerSeats::Pace::Normal));
        const QString settings = f->window->toolbarSettingsFile;
        QTemporaryDir keep;
        QVERIFY(QFile::copy(settings, keep.filePath("kept.ini")));
        f.reset();

        f = std::make_unique<ShellFixture>();
        QVERIFY(QFile::copy(keep.filePath("kept.ini"), f->window->toolbarSettingsFile));
        f->start({"Cy"});
        QCOMPARE(int(seats().pace()), pace);
        QCOMPARE(f->window->answers().computerAnnouncementMs,
                 ComputerSeats::announcementMs(chosen));
    }

    // The hint opens beside the game, over none of its boards.
    void theHintOpensBesideTheGame() {
        seats().setTableCategories(kLastTwo);
        f->start({"Ann"});
        const QRect screen = f->window->screen()->availableGeometry();
        // Room on the left only.
        f->window->resize(screen.width() / 2, f->window->height());
        f->window->move(screen.right() + 1 - f->window->frameGeometry().width(), screen.top());
        f->window->commandAction("Hint")->trigger();
        HintWindow* hint = seats().hintWindow();
        QVERIFY(hint && hint->isVisible());
        QVERIFY(!hint->frameGeometry().intersects(f->window->frameGeometry()));
        QVERIFY(screen.contains(hint->frameGeometry()));
        QVERIFY(QTest::qWaitFor([&] { return seats().table()->ready(); }, 10000));
    }

    // The hint lists every choice with the value the engine gives it, best
    // first, and follows the board.
    void theHintShowsTheEnginesValues() {
        seats().setTableCategories(kLastTwo);
        f->start({"Ann"});
        f->playRounds(13, 1);
        f->fake.random.setFaces({6, 6, 2, 6, 5});
        QTest::mouseClick(f->board(0)->Command1, Qt::LeftButton);

        QAction* command = f->window->commandAction("Hint");
        QVERIFY(command->shortcuts().contains(QKeySequence(Qt::CTRL | Qt::Key_H)));
        command->trigger();
        HintWindow* hint = seats().hintWindow();
        QVERIFY(hint && hint->isVisible());
        QVERIFY(
            QTest::qWaitFor([&] { return seats().table() && seats().table()->ready(); }, 10000));
        QCoreApplication::processEvents();

        const auto expected = [&] {
            const Board& board = f->session().board(0);
            const Position position = positionOf(board.card(), board.faces(), board.rollsLeft());
            auto choices = Advisor(seats().table()->tableFor(position.used))
                               .choices(position, Strength::Perfect);
            std::stable_sort(choices.begin(), choices.end(),
                             [](auto& a, auto& b) { return a.value > b.value; });
            QStringList out;
            for (const ValuedChoice& c : choices)
                out << HintWindow::choiceText(c.choice) + u'|' + QString::number(c.value, 'f', 1);
            return out;
        };
        // Two rolls left: roll all, each die, Chance and Vorka.
        QCOMPARE(rows(hint->Values).size(), 8);
        QCOMPARE(rows(hint->Values), expected());
        QVERIFY(
            hint->Heading->text().startsWith("Ann: best is " + expected()[0].section('|', 0, 0)));

        // A die rolled: the hint follows.
        const QStringList before = rows(hint->Values);
        f->fake.random.setFaces({6});
        QTest::mouseClick(f->board(0)->Digits[0], Qt::LeftButton);
        QCOMPARE(rows(hint->Values), expected());
        QVERIFY(rows(hint->Values) != before);
    }
};

QTEST_MAIN(ComputerSeatsTest)
#include "ComputerSeatsTest.moc"
