#include "support/ShellFixture.h"

#include "ui/FrmHighScores.h"
#include "ui/HelpViewer.h"
#include "ui/ScoreKeeper.h"

#include <QFile>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QScrollBar>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QStatusBar>
#include <QTabBar>
#include <QTextDocumentFragment>
#include <QTimer>
#include <QToolButton>
#include <QTranslator>
#include <QTreeWidget>

#include <memory>

namespace {

const QString kLeave = QStringLiteral("LEAVE VORKA???"
                                      "?!!!") +
                       QChar(13) + QChar(13) + QStringLiteral("Are you sure????");
const QString kForfeit =
    QChar(13) + QString(QChar(13)) + QStringLiteral("You'll forfeit the current game!!");

QWidget* buttonOf(QToolBar* toolbar, QAction* action) {
    return toolbar->widgetForAction(action);
}

QStringList shownKeys(QToolBar* toolbar) {
    QStringList keys;
    for (QAction* a : toolbar->actions()) keys << (a->isSeparator() ? "|" : a->objectName());
    return keys;
}

// Another copy of the game holding the store against readers and writers.
class HeldStore {
public:
    explicit HeldStore(const QString& file) {
        db_ = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), kName);
        db_.setDatabaseName(file);
        held_ = db_.open() && QSqlQuery(db_).exec(QStringLiteral("BEGIN EXCLUSIVE"));
    }
    ~HeldStore() { release(); }
    bool held() const { return held_; }
    void release() {
        if (db_.isOpen()) {
            QSqlQuery(db_).exec(QStringLiteral("ROLLBACK"));
            db_.close();
        }
        db_ = QSqlDatabase();
        QSqlDatabase::removeDatabase(kName);
    }

private:
    static inline const QString kName = QStringLiteral("held-by-another-copy");
    QSqlDatabase db_;
    bool held_ = false;
};

// A language of a few texts, installed while it lives: context, English, translation.
class FewTexts : public QTranslator {
public:
    explicit FewTexts(const QList<QStringList>& texts) {
        for (const QStringList& t : texts) texts_.insert(t[0] + u'|' + t[1], t[2]);
        QCoreApplication::installTranslator(this);
    }
    bool isEmpty() const override { return false; }
    QString translate(const char* context, const char* source, const char* = nullptr,
                      int = -1) const override {
        return texts_.value(QString::fromUtf8(context) + u'|' + QString::fromUtf8(source));
    }

private:
    QHash<QString, QString> texts_;
};

} // namespace

class CommandsTest : public QObject {
    Q_OBJECT

    std::unique_ptr<ShellFixture> f;

    void press(const QString& key) {
        QWidget* button = buttonOf(f->window->Toolbar2, f->window->commandAction(key));
        QVERIFY(button);
        QTest::mouseClick(button, Qt::LeftButton);
    }

    // Plays a one-player game of five sixes to its end.
    void finishOnePlayerGame() {
        f->start({"Ann"});
        f->playRounds(15, 1);
        ShellFixture::flushDeletes();
        QVERIFY(!f->session().gameInProgress());
    }

private slots:
    void initTestCase() { Fonts::installFontSubstitutes(); }
    void init() { f = std::make_unique<ShellFixture>(); }
    void cleanup() { f.reset(); }

    // Every dialog and tool window stands over the main window as its
    // transient: a compositor that places windows itself (Wayland) then puts
    // it over the game, whatever the program asked for.
    void windowsStandOverTheMainWindow_data() {
        QTest::addColumn<QString>("how");
        QTest::addColumn<QStringList>("windows");
        QTest::newRow("welcome, own name")
            << "start" << QStringList{"FrmMessageBox", "FrmMessageBox"};
        QTest::newRow("turn announcement") << "turn" << QStringList{"FrmNewPlayer"};
        QTest::newRow("zero confirmation") << "zero" << QStringList{"FrmMessageBox"};
        QTest::newRow("leave question") << "quit" << QStringList{"FrmMessageBox"};
        QTest::newRow("customise dialog") << "customise" << QStringList{"ToolbarCustomizer"};
        QTest::newRow("help viewer") << "help" << QStringList{"HelpViewer"};
    }
    void windowsStandOverTheMainWindow() {
        QFETCH(QString, how);
        QFETCH(QStringList, windows);
        if (how != "start") f->start({"Ann", "Bob"});
        f->modals.shown.clear();
        f->modals.owners.clear();
        QList<const QWindow*> owners;
        if (how == "start") {
            f->start({"Ann"});
        } else if (how == "turn") {
            f->play(0, {1, 2, 3, 4, 6}, Category::Chance);
        } else if (how == "zero") {
            f->confirmAnswer = false;
            f->play(0, {1, 2, 3, 4, 6}, Category::Vorka);
        } else if (how == "quit") {
            f->confirmAnswer = false;
            press("Quit");
        } else if (how == "customise") {
            f->modals.thenClick("CloseButton");
            f->window->customizeToolbar();
        } else {
            press("HELP");
            QStringList shown;
            for (QWidget* w : QApplication::topLevelWidgets()) {
                if (!qobject_cast<HelpViewer*>(w) || !w->isVisible()) continue;
                shown << w->objectName();
                owners << w->windowHandle()->transientParent();
                w->close();
            }
            QCOMPARE(shown, windows);
        }
        if (how != "help") {
            QCOMPARE(f->modals.shown, windows);
            owners = f->modals.owners;
        }
        for (const QWindow* owner : owners) QCOMPARE(owner, f->window->windowHandle());
    }

    void commandToolbarAsDesigned() {
        QCOMPARE(shownKeys(f->window->Toolbar2), QStringList({"New", "Scores", "|", "Open", "Save",
                                                              "|", "Quit", "Sounds", "HELP"}));
        QAction* save = f->window->commandAction("Save");
        QCOMPARE(save->text(), QString("&Save"));
        QCOMPARE(save->toolTip(), QString("Sves the current game"));
        QVERIFY(save->shortcuts().contains(QKeySequence(QKeySequence::Save)));
        QVERIFY(save->shortcuts().contains(QKeySequence(Qt::ALT | Qt::Key_S)));
        QVERIFY(f->window->commandAction("Sounds")->shortcuts().contains(
            QKeySequence(Qt::ALT | Qt::Key_U)));
        QVERIFY(f->window->commandAction("HELP")->shortcuts().contains(
            QKeySequence(QKeySequence::HelpContents)));
    }

    void newAnsweredNa() {
        f->start({"Ann", "Bob"});
        f->play(0, {1, 1, 3, 1, 6}, Category::Ones);
        f->modals.thenClick("Command3"); // "NA  "
        press("New");
        QCOMPARE(f->confirmations.size(), 0);
        QCOMPARE(f->session().boardCount(), 2);
        QCOMPARE(f->board(0)->Label2[0]->text(), QString(" 3"));
        QCOMPARE(int(f->session().currentPlayer()), 1);
        QVERIFY(f->session().gameInProgress());
    }

    void newAnsweredYeahClearsBeforeWelcome() {
        f->start({"Ann", "Bob"});
        QString forfeitMessage;
        f->modals.then([&](QDialog& d) {
            forfeitMessage = static_cast<FrmMessageBox&>(d).message();
            QTest::mouseClick(static_cast<FrmMessageBox&>(d).Command2, Qt::LeftButton);
        });
        bool clearedBeforeWelcome = false;
        f->modals.then([&](QDialog& d) {
            ShellFixture::flushDeletes();
            clearedBeforeWelcome = (f->session().boardCount() == 0) &&
                                   !f->session().gameInProgress() &&
                                   f->window->Toolbar1->actions().isEmpty();
            QTest::mouseClick(static_cast<FrmMessageBox&>(d).Command1, Qt::LeftButton);
        });
        f->modals.then(ShellFixture::typeName("Cy", "Command1"));
        press("New");
        QCOMPARE(forfeitMessage, QString("Choosing this option will forfeit the current game.") +
                                     QChar(13) + QChar(13) + "Are you sure?");
        QVERIFY(clearedBeforeWelcome);
        QCOMPARE(f->session().boardCount(), 1);
        QCOMPARE(f->board(0)->windowTitle(), QString("Cy"));
    }

    void newWithoutGameAsksNothingFirst() {
        finishOnePlayerGame();
        f->scriptPlayers({"Bob"});
        f->confirmations.clear();
        press("New");
        QVERIFY(f->confirmations.isEmpty());
        QCOMPARE(f->board(0)->windowTitle(), QString("Bob"));
    }

    void leaving_data() {
        QTest::addColumn<bool>("inGame");
        QTest::addColumn<bool>("yeah");
        QTest::addColumn<bool>("byQuit");
        QTest::newRow("quit, no game, NA") << false << false << true;
        QTest::newRow("quit, no game, YEAH") << false << true << true;
        QTest::newRow("close box, game, NA") << true << false << false;
        QTest::newRow("close box, game, YEAH") << true << true << false;
    }
    void leaving() {
        QFETCH(bool, inGame);
        QFETCH(bool, yeah);
        QFETCH(bool, byQuit);
        if (inGame)
            f->start({"Ann"});
        else
            finishOnePlayerGame();
        f->confirmAnswer = yeah;
        f->confirmations.clear();
        f->fake.sound.played.clear();
        if (byQuit)
            press("Quit");
        else
            f->window->close();
        QCOMPARE(f->confirmations, QStringList({inGame ? kLeave + kForfeit : kLeave}));
        QCOMPARE(f->exits, yeah ? 1 : 0);
        QCOMPARE(f->fake.sound.waited, yeah ? QStringList{"END"} : QStringList{});
        QCOMPARE(f->window->isVisible(), !yeah);
        QCOMPARE(f->session().gameInProgress(), inGame); // nothing else changes
    }

    void leavingSilently() {
        f->start({"Ann"});
        press("Sounds");
        f->fake.sound.played.clear();
        f->window->close();
        QCOMPARE(f->exits, 1);
        QVERIFY(f->fake.sound.played.isEmpty());
    }

    // A signal to end the program (a session logging out) leaves as QUIT
    // does, without the question.
    void leavingWithoutAsking() {
        f->start({"Ann"});
        f->confirmations.clear();
        f->window->leaveWithoutAsking();
        QCOMPARE(f->confirmations, QStringList());
        QCOMPARE(f->exits, 1);
        QCOMPARE(f->fake.sound.waited, QStringList{"END"});
    }

    // Scores that cannot be kept for the next start are told before the
    // program ends, with the system's reason.
    void scoresNotKeptAtExitAreTold() {
        QFile blocker(f->dir.filePath("not-a-folder"));
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();
        f->window->pendingScoresFile = f->dir.filePath("not-a-folder/pending-scores.ini");
        f->start({"Ann"});
        HeldStore other(f->store.storeFile());
        QVERIFY(other.held());
        f->window->scoreKeeper().halls().EnterFinalScores({{"Ann", 300}});
        f->notices.clear();
        press("Quit");
        QCOMPARE(f->notices,
                 QStringList{ScoreKeeper::notKeptAtExitMessage(QStringLiteral("Not a directory"))});
        QCOMPARE(f->exits, 1);
    }

    // The Halls outlive the high-score window: closed while scores wait,
    // nothing waits for the store and nothing is lost. Meanwhile the status
    // bar says so, whole, beside the turn.
    void highScoresClosedWhileScoresWait() {
        f->start({"Ann"});
        f->window->highScores()->parentWidget()->close();
        ShellFixture::flushDeletes();
        auto other = std::make_unique<HeldStore>(f->store.storeFile());
        QVERIFY(other->held());
        FrmHighScores* scores = f->window->highScores(); // loaded while the store is held
        Halls& halls = f->window->scoreKeeper().halls();
        halls.EnterFinalScores({{"Ann", 300}});
        QCOMPARE(halls.pendingScores().size(), size_t(1));
        QLabel* status = f->window->scoreKeeper().StoreStatus;
        QCOMPARE(status->text(), ScoreKeeper::kHallsWaiting);
        QCoreApplication::processEvents();
        const QRect shown = status->geometry();
        const QRect turn = f->window->TurnStatus->geometry();
        if (!qEnvironmentVariableIsEmpty("VORKA_SHOTS"))
            f->window->grab().save(qEnvironmentVariable("VORKA_SHOTS") + "/store-waiting.png");
        QVERIFY2(
            status->isVisible() && shown.width() >= status->sizeHint().width(),
            qPrintable(QString("%1 of %2 px").arg(shown.width()).arg(status->sizeHint().width())));
        QVERIFY(!shown.intersects(turn));
        QVERIFY(turn.width() >= f->window->TurnStatus->sizeHint().width());

        scores->parentWidget()->close();
        ShellFixture::flushDeletes();
        QCOMPARE(halls.pendingScores().size(), size_t(1));
        other->release();
        halls.catchUp();
        QVERIFY(halls.pendingScores().empty());
        QCOMPARE(status->text(), QString());
        QVERIFY(!status->isVisible());
        QCOMPARE(rows(f->window->highScores()->ListView1[0]).first(), QString("1|Ann|300"));
    }

    void soundsToggle() {
        f->start({"Ann"});
        f->fake.sound.played.clear();
        // The button shows pressed while sounds are on.
        QAction* sounds = f->window->commandAction("Sounds");
        QVERIFY(sounds->isCheckable() && sounds->isChecked());
        press("Sounds");
        QVERIFY(!f->fake.sound.isOn());
        QVERIFY(!sounds->isChecked());
        QCOMPARE(f->fake.sound.played, QStringList({"BPRESS"}));
        press("Sounds");
        QVERIFY(f->fake.sound.isOn());
        QVERIFY(sounds->isChecked());
        QCOMPARE(f->fake.sound.played, QStringList({"BPRESS"}));
    }

    // Keys that reach their command whatever the desktop's theme binds:
    // Ctrl+Q leaves (after the question), Ctrl+Shift+T opens the customise
    // dialog, and Tile and Cascade have keys of their own.
    void keysReachTheirCommands_data() {
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("modifiers");
        QTest::addColumn<QString>("window"); // the dialog that comes up, if any
        QTest::addColumn<bool>("cascaded");
        QTest::newRow("Ctrl+Q") << int(Qt::Key_Q) << int(Qt::ControlModifier) << "FrmMessageBox"
                                << false;
        QTest::newRow("Ctrl+Shift+T")
            << int(Qt::Key_T) << int(Qt::ControlModifier | Qt::ShiftModifier) << "ToolbarCustomizer"
            << false;
        QTest::newRow("Ctrl+Shift+K cascades")
            << int(Qt::Key_K) << int(Qt::ControlModifier | Qt::ShiftModifier) << "" << true;
        QTest::newRow("Alt+A cascades") << int(Qt::Key_A) << int(Qt::AltModifier) << "" << true;
    }
    void keysReachTheirCommands() {
        QFETCH(int, key);
        QFETCH(int, modifiers);
        QFETCH(QString, window);
        QFETCH(bool, cascaded);
        f->start({"Ann", "Bob"});
        f->window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(f->window.get()));
        const qsizetype before = f->modals.shown.size();
        f->confirmAnswer = false; // "NA  ": the game goes on
        f->modals.fallback = [answer = f->modals.fallback](QDialog& d) {
            if (d.objectName() == "ToolbarCustomizer")
                d.accept();
            else
                answer(d);
        };
        QTest::keyClick(f->window.get(), Qt::Key(key), Qt::KeyboardModifiers(modifiers));
        QCOMPARE(f->modals.shown.mid(before),
                 window.isEmpty() ? QStringList() : QStringList{window});
        QCOMPARE(f->exits, 0);
        const QPoint second = f->frameOf(f->board(1))->pos();
        QCOMPARE(second.y() != 0, cascaded);
    }

    // The window opens at the designed size the first time; its size and
    // place afterwards are those it was left with.
    void windowPlaceSurvivesARestart() {
        f->start({"Ann"});
        const QSize designed = f->window->size();
        const QRect place(QPoint(37, 41), designed + QSize(260, 120));
        f->window->setGeometry(place);
        QCOMPARE(f->window->geometry(), place);
        f->window->close(); // confirmed by the fixture
        QCOMPARE(f->exits, 1);

        const QString settings = f->window->toolbarSettingsFile;
        f->restart(settings);
        f->start({"Ann", "Bob"});
        QCOMPARE(f->window->geometry(), place);
        // The high-score window covers no board where the window as kept has
        // room beside them.
        const QRect scores = f->window->highScores()->parentWidget()->geometry();
        for (int i = 0; i < 2; ++i)
            QVERIFY(!scores.intersects(f->frameOf(f->board(i))->geometry()));

        // A player with nothing kept gets the designed size.
        f->restart(f->dir.filePath("other.ini"));
        f->start({"Ann"});
        QCOMPARE(f->window->size(), designed);
    }

    void playerButtons() {
        f->start({"Ann", "Bob", "Cy"});
        QAction* bob = f->window->playerButton(1);
        QCOMPARE(bob->objectName(), QString("Num 1"));
        QCOMPARE(bob->toolTip(), QString("Selects Bob's Playerboard"));
        QVERIFY(bob->isCheckable());
        QTest::mouseClick(buttonOf(f->window->Toolbar1, bob), Qt::LeftButton);
        QCOMPARE(f->activeBoard(), f->board(1));
        QCOMPARE(f->pressedButtons(), QList<int>{1});
        // Looking is allowed; playing is not.
        QVERIFY(!f->board(1)->Command1->isEnabled());

        // The pressed button toggles off, and the board's focus presses it again.
        QTest::mouseClick(buttonOf(f->window->Toolbar1, bob), Qt::LeftButton);
        QCOMPARE(f->activeBoard(), f->board(1));
        QCOMPARE(f->pressedButtons(), QList<int>{1});
    }

    void boardsSideBySide() {
        f->start({"A", "B", "C", "D"});
        const int width = f->frameOf(f->board(0))->width();
        for (int i = 0; i < 4; ++i) QCOMPARE(f->frameOf(f->board(i))->x(), i * width);
        QCOMPARE(f->frameOf(f->board(3))->y(), 0);
    }

    void namesArePlainText() {
        f->start({"<b>Bob&Co", "<img src=x>"});
        QAction* first = f->window->playerButton(0);
        QWidget* button = buttonOf(f->window->Toolbar1, first);
        QCOMPARE(static_cast<QToolButton*>(button)->text(), QString("<b>Bob&&Co"));
        QCOMPARE(f->board(0)->windowTitle(), QString("<b>Bob&Co"));
        // The tooltip shows the name as typed, not as markup.
        QCOMPARE(
            QTextDocumentFragment::fromHtml(f->window->playerButton(1)->toolTip()).toPlainText(),
            QString("Selects <img src=x>'s Playerboard"));
    }

    void timerFollowsTheActiveWindow() {
        f->start({"Ann", "Bob"});
        f->play(0, {6, 6, 6, 6, 6}, Category::Sixes);
        QCOMPARE(f->pressedButtons(), QList<int>{1});
        f->window->showHighScores();
        f->window->Timer1_Timer();
        QCOMPARE(f->pressedButtons(), QList<int>{0}); // its empty Tag counts as board 0
        f->window->mdiArea->setActiveSubWindow(f->frameOf(f->board(1)));
        for (int i = 0; i < 2; ++i) f->window->playerButton(int16_t(i))->setChecked(false);
        f->window->Timer1_Timer();
        QCOMPARE(f->pressedButtons(), QList<int>{1});
        QCOMPARE(f->window->Timer1->interval(), 1000);
        QVERIFY(f->window->Timer1->isActive());
    }

    // The high-score window stands beside the first board, not over it, and
    // shows each Hall's ten entries whole, without scrolling.
    void highScoresBesideTheFirstBoard() {
        f->start({"Ann"});
        QCoreApplication::processEvents();
        const QRect board = f->frameOf(f->board(0))->geometry();
        FrmHighScores* scores = f->window->highScores();
        const QRect window = scores->parentWidget()->geometry();
        QVERIFY2(!window.intersects(board),
                 qPrintable(QString("scores at x %1..%2, board at x %3..%4")
                                .arg(window.left())
                                .arg(window.right())
                                .arg(board.left())
                                .arg(board.right())));
        // And inside the client area, where it can be seen.
        QVERIFY(window.right() < f->window->mdiArea->viewport()->width());
        QVERIFY(window.bottom() < f->window->mdiArea->viewport()->height());

        for (int hall = 0; hall < 2; ++hall) {
            scores->TabStrip1->setCurrentIndex(hall);
            QTreeWidget* list = scores->ListView1[hall];
            while (list->topLevelItemCount() < 10)
                new QTreeWidgetItem(list, {"10", "Someone", "1"});
            QCoreApplication::processEvents();
            const QRect last = list->visualItemRect(list->topLevelItem(9));
            QVERIFY2(last.isValid() && last.bottom() < list->viewport()->height(),
                     qPrintable(QString("hall %1: row 10 ends at %2 of %3")
                                    .arg(hall)
                                    .arg(last.bottom())
                                    .arg(list->viewport()->height())));
            QCOMPARE(list->verticalScrollBar()->maximum(), 0);
        }
    }

    void scoresComesToTheFront() {
        f->start({"Ann"});
        FrmHighScores* before = f->window->highScores();
        press("Scores");
        QCOMPARE(f->window->mdiArea->activeSubWindow()->widget(), before);
        QCOMPARE(f->window->highScores(), before); // not loaded again
    }

    // In the high-score window Alt+C is its "&Clear All Scores", not the
    // main window's "S&cores".
    void altCInTheHighScoreWindowClears() {
        f->start({"Ann"});
        FrmHighScores* scores = f->window->highScores();
        f->window->showHighScores();
        QString asked;
        f->modals.then([&](QDialog& d) {
            asked = static_cast<FrmMessageBox&>(d).message();
            QTest::mouseClick(static_cast<FrmMessageBox&>(d).Command3, Qt::LeftButton); // NA
        });
        f->fake.sound.played.clear();
        QTest::keyClick(scores->ListView1[0], Qt::Key_C, Qt::AltModifier);
        QTRY_COMPARE(asked, Halls::kClearQuestion);
        QVERIFY(f->modals.answers.empty());
    }

    // Alt+C brings up the scores, Alt+C again asks to clear them, and Enter
    // then answers NA: nothing is deleted.
    void altCAltCEnterDeletesNothing() {
        finishOnePlayerGame();
        FrmHighScores* scores = f->window->highScores();
        const QStringList before = rows(scores->ListView1[0]);
        QVERIFY(!before.first().contains("Tolvane Studios"));
        QString focused;
        f->modals.then([&](QDialog& d) {
            focused = d.focusWidget() ? d.focusWidget()->objectName() : QString();
            QTest::keyClick(d.focusWidget() ? d.focusWidget() : &d, Qt::Key_Return);
        });
        f->window->showHighScores(); // what the first Alt+C does
        QTest::keyClick(scores->ListView1[0], Qt::Key_C, Qt::AltModifier);
        QTRY_COMPARE(focused, QString("Command3"));
        QCOMPARE(rows(scores->ListView1[0]), before);
        QVERIFY(f->store.ReadRegText(Registry_Operations::HKEY_USERS, Halls::kFameKey, "1",
                                     "gone") != "gone");
    }

    // In another language the commands keep working: the toolbar's buttons
    // are found by key, not caption, the high-score window's access key is
    // the one its caption marks, and the status bar is one whole sentence.
    void aTranslatedWindowKeepsItsCommands() {
        const FewTexts german({{"ToolbarEntry", "So&unds", "&Ton"},
                               {"FrmHighScores", "&Clear All Scores", "Alle &löschen"},
                               {"MDIFrmMainGame", "%1's turn", "%1 ist dran"},
                               {"MDIFrmMainGame", "%1, %n rolls left. Sounds off.",
                                "%1 und würfelt noch %n-mal. Ton aus."}});
        const QString settings = f->window->toolbarSettingsFile;
        f->restart(settings); // its texts come with the language
        f->start({"Ann"});
        QCOMPARE(f->window->commandAction("Sounds")->text(), QString("&Ton"));
        press("Sounds");
        QVERIFY(!f->fake.sound.isOn());
        QCOMPARE(f->window->TurnStatus->text(),
                 QString("Ann ist dran und würfelt noch 3-mal. Ton aus."));

        f->window->showHighScores();
        QString asked;
        f->modals.then([&](QDialog& d) {
            asked = static_cast<FrmMessageBox&>(d).message();
            QTest::mouseClick(static_cast<FrmMessageBox&>(d).Command3, Qt::LeftButton); // NA
        });
        QTest::keyClick(f->window->highScores()->ListView1[0], Qt::Key_L, Qt::AltModifier);
        QTRY_COMPARE(asked, Halls::kClearQuestion);
    }

    void toolbarLayoutSurvivesARestart() {
        f->start({"Ann"});
        f->window->Toolbar2_Change(
            {"Quit", "New", "Scores", "Separator", "Open", "Save", "Separator3", "Sounds"});
        const QStringList changed = shownKeys(f->window->Toolbar2);
        QCOMPARE(changed,
                 QStringList({"Quit", "New", "Scores", "|", "Open", "Save", "|", "Sounds"}));

        const QString settings = f->window->toolbarSettingsFile;
        f->restart(settings);
        f->start({"Ann"});
        QCOMPARE(shownKeys(f->window->Toolbar2), changed);
        // A hidden command still answers its shortcut.
        QVERIFY(!f->window->commandAction("HELP")->shortcuts().isEmpty());
    }
};

QTEST_MAIN(CommandsTest)
#include "CommandsTest.moc"
