#include "support/ShellFixture.h"

#include "storage/SavedGame.h"
#include "support/SavedGames.h"
#include "ui/DialogAnswers.h"
#include "ui/FileChooser.h"

#include <QDir>
#include <QFile>
#include <QMessageBox>

#include <functional>
#include <memory>
#include <utility>

namespace {

// Answers the file dialogs with a scripted name, remembering their titles.
class FakeChooser final : public FileChooser {
public:
    QString answer;
    QStringList titles;
    QStringList filters;

    QString openFileName(QWidget*, const QString& title, const QString& filter) override {
        titles << title;
        filters << filter;
        return answer;
    }
    QString saveFileName(QWidget*, const QString& title, const QString& filter) override {
        titles << title;
        filters << filter;
        if (during) std::exchange(during, nullptr)();
        return answer;
    }
    // Runs while the save dialog is up, once.
    std::function<void()> during;
};

struct Shown {
    QString title;
    QString text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
};

} // namespace

class GameFilesTest : public QObject {
    Q_OBJECT

    std::unique_ptr<ShellFixture> f;
    std::unique_ptr<FakeChooser> chooser;

    QString path(const QString& name) const { return f->dir.filePath(name); }

    void expectMessageBox(Shown& shown) {
        f->modals.then([&shown](QDialog& d) {
            auto& box = static_cast<QMessageBox&>(d);
            shown = {box.windowTitle(), box.text(), box.icon()};
            QTest::mouseClick(box.button(QMessageBox::Ok), Qt::LeftButton);
        });
    }

    void saveAs(const QString& name) {
        chooser->answer = name.isEmpty() ? QString() : path(name);
        f->window->Toolbar2_ButtonClick("Save");
    }
    void openFrom(const QString& file) {
        chooser->answer = file;
        f->window->Toolbar2_ButtonClick("Open");
    }

    // Ann scores 12 in Fours, Bob 15 in Chance, Cy 0 in Vorka: Ann's turn.
    void playOneRound() {
        f->play(0, {4, 4, 4, 1, 2}, Category::Fours);
        f->play(1, {1, 2, 3, 4, 5}, Category::Chance);
        f->play(2, {4, 4, 4, 4, 3}, Category::Vorka);
    }

private slots:
    void initTestCase() { Fonts::installFontSubstitutes(); }
    void init() {
        f = std::make_unique<ShellFixture>();
        chooser = std::make_unique<FakeChooser>();
        f->files.target = chooser.get();
    }
    void cleanup() {
        chooser.reset();
        f.reset();
    }

    // New or Open while the dice spin: the roll finds its game gone and
    // returns without touching the board, whose window goes meanwhile.
    void replacingTheGameMidRoll_data() {
        QTest::addColumn<QString>("command");
        QTest::addColumn<QString>("player");
        QTest::newRow("New") << "New"
                             << "Bob";
        QTest::newRow("Open") << "Open"
                              << "Cy";
    }
    void replacingTheGameMidRoll() {
        QFETCH(QString, command);
        QFETCH(QString, player);
        f->start({"Cy"});
        saveAs("cy.vrk");
        f->start({"Ann"});
        if (command == "New") {
            f->modals.thenClick("Command2"); // YEAH: forfeit Ann's game
            f->scriptPlayers({"Bob"});
        }
        chooser->answer = path("cy.vrk");
        bool replaced = false;
        f->fake.events.onPump = [&](int) {
            if (!replaced) {
                replaced = true;
                f->window->Toolbar2_ButtonClick(command);
            } else {
                // The old game's windows and boards go while the roll runs.
                ShellFixture::flushDeletes();
            }
        };
        f->fake.random.setFaces({1, 2, 3, 4, 5});
        QTest::mouseClick(f->board(0)->Command1, Qt::LeftButton);
        f->fake.events.onPump = nullptr;
        ShellFixture::flushDeletes();
        QVERIFY(replaced);
        QCOMPARE(f->session().boardCount(), 1);
        QCOMPARE(f->board(0)->windowTitle(), player);
        QCOMPARE(f->session().board(0).rollsLeft(), int16_t(Board::kRollsPerTurn));
        QVERIFY(f->board(0)->Command1->isEnabled());
    }

    // The game ends while the player chooses where to save it: there is
    // nothing left to save, and the game says so.
    void gameEndedDuringTheSaveDialog() {
        f->start({"Ann"});
        f->playRounds(14, 1);
        chooser->answer = path("late.vrk");
        chooser->during = [&] {
            f->play(0, {6, 6, 6, 6, 6}, Category::Vorka);
            ShellFixture::flushDeletes();
        };
        f->notices.clear();
        f->window->Toolbar2_ButtonClick("Save");
        QVERIFY(!f->session().gameInProgress());
        QCOMPARE(f->notices.size(), 2); // the result, then the answer to the save
        QCOMPARE(f->notices.last(), GameSession::kNothingToSave);
        QVERIFY(!QFile::exists(path("late.vrk")));
    }

    void saveWritesTheRecords() {
        f->start({"Ann"});
        f->play(0, {4, 4, 4, 1, 2}, Category::Fours);
        saveAs("ann.vrk");
        QCOMPARE(chooser->titles, QStringList({"Save Game"}));
        QVERIFY(chooser->filters[0].contains("*.vrk"));
        QFile file(path("ann.vrk"));
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray bytes = file.readAll();
        QVERIFY(bytes.size() >= 128 * 3 + 2);
        QCOMPARE(bytes.mid(0, 26), QByteArray("\x18\x00Vorka by Tolvane Studios", 26));
        QCOMPARE(bytes.mid(256, 5), QByteArray("\x03\x00"
                                               "Ann",
                                               5));
        // Fours (category 3) scored 12: bytes 7 + 2 * 3 of the record.
        QCOMPARE(bytes.mid(256 + 7 + 6, 2), QByteArray("\x0c\x00", 2));
        QVERIFY(f->notices.isEmpty()); // no message after a good save
    }

    void openAtBobsTurn() {
        f->start({"Ann", "Bob", "Cy"});
        f->play(0, {4, 4, 4, 1, 2}, Category::Fours);
        saveAs("bob.vrk");
        // Something else happens in between; the opened game replaces it.
        f->play(1, {1, 2, 3, 4, 5}, Category::Chance);
        f->announced.clear();
        f->confirmations.clear();
        openFrom(path("bob.vrk"));
        QVERIFY(f->confirmations.isEmpty()); // replaced without a question
        QCOMPARE(chooser->titles.last(), QString("Load Game"));
        ShellFixture::flushDeletes();

        QCOMPARE(f->session().boardCount(), 3);
        QCOMPARE(f->announced, QStringList({"BOB's"}));
        QCOMPARE(int(f->session().currentPlayer()), 1);
        QVERIFY(f->session().gameInProgress());
        for (int i = 0; i < 3; ++i) QCOMPARE(f->board(i)->Command1->isEnabled(), i == 1);
        QCOMPARE(f->activeBoard(), f->board(1));
        QCOMPARE(f->pressedButtons(), QList<int>{1});
        // Restored cells carry no leading blank; the totals are recomputed.
        QCOMPARE(f->board(0)->Label2[3]->text(), QString("12"));
        QCOMPARE(f->board(0)->Label12->text(), QString("1-6 Total: 12"));
        QCOMPARE(f->board(1)->Label10->text(), QString()); // Bob's later Chance is gone
        QCOMPARE(f->board(0)->model().rollsLeft(), int16_t(3));
        QVERIFY(!f->board(0)->Command2[3]->isEnabled());
        QCOMPARE(f->board(0)->Command2[3]->property("Tag").toString(), QString("0"));
        QCOMPARE(f->board(0)->Command2[2]->property("Tag").toString(), QString("-1"));
        QCOMPARE(f->window->playerButton(2)->text(), QString("Cy"));
    }

    // Started with a saved game (a double click on it): the welcome and the
    // names come as always, then the file opens as OPEN would open it, with
    // the status bar naming its player at once.
    void startedWithASavedGame() {
        f->start({"Ann", "Bob", "Cy"});
        f->play(0, {4, 4, 4, 1, 2}, Category::Fours);
        saveAs("bob.vrk");
        QTemporaryDir keep;
        QVERIFY(QFile::copy(path("bob.vrk"), keep.filePath("bob.vrk")));
        chooser.reset();
        f.reset();

        f = std::make_unique<ShellFixture>();
        chooser = std::make_unique<FakeChooser>();
        f->window->startFile = keep.filePath("bob.vrk");
        QStringList statusAtAnnouncement;
        f->modals.fallback = [this, &statusAtAnnouncement,
                              answer = f->modals.fallback](QDialog& d) {
            if (qobject_cast<FrmNewPlayer*>(&d))
                statusAtAnnouncement << f->window->TurnStatus->text();
            answer(d);
        };
        f->start({"Dee"});
        ShellFixture::flushDeletes();
        QCOMPARE(f->modals.shown.mid(0, 2), QStringList({"FrmMessageBox", "FrmMessageBox"}));
        QCOMPARE(f->session().boardCount(), 3);
        QCOMPARE(f->window->playerButton(1)->text(), QString("Bob"));
        QCOMPARE(int(f->session().currentPlayer()), 1);
        QCOMPARE(f->announced, QStringList({"BOB's"}));
        QCOMPARE(statusAtAnnouncement, QStringList({"Bob's turn, 3 rolls left. Sounds on."}));
        QVERIFY(f->window->startFile.isEmpty());
    }

    void openAtAnnsTurnWraps() {
        f->start({"Ann", "Bob", "Cy"});
        playOneRound();
        saveAs("ann.vrk");
        f->announced.clear();
        openFrom(path("ann.vrk"));
        ShellFixture::flushDeletes();
        QCOMPARE(f->announced, QStringList({"ANN's"}));
        QCOMPARE(int(f->session().currentPlayer()), 0);
        QVERIFY(f->board(0)->Command1->isEnabled());
        QVERIFY(!f->board(2)->Command1->isEnabled());
        QCOMPARE(f->board(1)->Label10->text(), QString("15"));
        QCOMPARE(f->board(2)->Label11->text(), QString("0"));
        QCOMPARE(f->board(2)->Command11->property("Tag").toString(), QString("0"));
    }

    // Saved at the first player's turn with the last card full: the game
    // ends as soon as it is opened.
    void openFinishedGameEndsAtOnce() {
        const SavedGame game = finishedTwoPlayerGame();
        QVERIFY(!game.writeFile(path("done.vrk")));
        f->start({"Cy"});
        f->notices.clear();
        openFrom(path("done.vrk"));
        ShellFixture::flushDeletes();
        QCOMPARE(f->notices.size(), 1);
        QVERIFY(f->notices[0].endsWith("Bob wins the game with a score of 21. Well played!"));
        QVERIFY(!f->session().gameInProgress());
        QVERIFY((f->session().boardCount() == 0));
    }

    void openOnePlayerGame() {
        f->start({"Ann"});
        f->play(0, {6, 6, 6, 6, 6}, Category::Vorka);
        saveAs("solo.vrk");
        f->announced.clear();
        openFrom(path("solo.vrk"));
        ShellFixture::flushDeletes();
        QVERIFY(f->announced.isEmpty());
        QVERIFY(f->board(0)->Command1->isEnabled());
        QCOMPARE(f->board(0)->Label13->text(), QString("Total: 50"));
    }

    void wrongHeader() {
        QFile file(path("other.vrk"));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(QByteArray(512, 'x'));
        file.close();
        f->start({"Ann"});
        Shown shown;
        expectMessageBox(shown);
        openFrom(path("other.vrk"));
        ShellFixture::flushDeletes();
        QCOMPARE(shown.title, QString("Vorka"));
        QCOMPARE(shown.text, QString("This is not a TOL Vorka saved game file!"));
        QCOMPARE(shown.icon, QMessageBox::Question);
        QVERIFY(!f->session().gameInProgress());
        QVERIFY((f->session().boardCount() == 0));
        QVERIFY(f->window->Toolbar1->actions().isEmpty());
    }

    void damagedFile() {
        f->start({"Ann", "Bob"});
        saveAs("cut.vrk");
        QFile file(path("cut.vrk"));
        QVERIFY(file.resize(128 * 3 + 10)); // the second player is cut off
        Shown shown;
        expectMessageBox(shown);
        openFrom(path("cut.vrk"));
        QCOMPARE(shown.title, QString("Error"));
        QCOMPARE(shown.icon, QMessageBox::Critical);
        QVERIFY(shown.text.startsWith("Error number "));
        QVERIFY(shown.text.endsWith(
            "The above error was encountered. The Open Game process was aborted."));
        QVERIFY(!f->session().gameInProgress());
        QVERIFY((f->session().boardCount() == 0));
    }

    void cancelChangesNothing() {
        f->start({"Ann"});
        f->play(0, {6, 6, 6, 6, 6}, Category::Vorka);
        openFrom(QString());
        saveAs(QString());
        QVERIFY(f->session().gameInProgress());
        QCOMPARE(f->board(0)->Label11->text(), QString("50"));
        QCOMPARE(QDir(f->dir.path()).entryList({"*.vrk"}), QStringList());
    }

    void saveWithoutGameSaysSo() {
        f->start({"Ann"});
        f->playRounds(15, 1);
        ShellFixture::flushDeletes();
        f->notices.clear();
        saveAs("nothing.vrk");
        QCOMPARE(f->notices, QStringList({GameSession::kNothingToSave}));
        QVERIFY(chooser->titles.isEmpty());
        QVERIFY(!QFile::exists(path("nothing.vrk")));
    }

    // Letters the file cannot keep are not changed silently: the player is
    // asked first, and only "OK  " saves them as "?".
    void namesTheFileCannotKeep_data() {
        QTest::addColumn<bool>("save");
        QTest::newRow("CANCEL") << false;
        QTest::newRow("OK") << true;
    }
    void namesTheFileCannotKeep() {
        QFETCH(bool, save);
        f->start({"Zoe", "Lukasz"});
        // Names as a keyboard of another language would type them.
        f->session().setName(0, QString::fromUtf8("Zoë"));
        f->session().setName(1, QString::fromUtf8("Łukasz"));
        QString asked;
        f->modals.then([&](QDialog& d) {
            auto& box = static_cast<FrmMessageBox&>(d);
            asked = box.message();
            QCOMPARE(box.Command2->text(), QString("OK  "));
            QCOMPARE(box.Command3->text(), QString("CANCEL  "));
            QTest::mouseClick(save ? box.Command2 : box.Command3, Qt::LeftButton);
        });
        saveAs("names.vrk");
        QCOMPARE(asked, DialogAnswers::namesChangedQuestion({QString::fromUtf8("Łukasz")}));
        QVERIFY(asked.contains(QString::fromUtf8("\"Łukasz\"")));
        QVERIFY(!asked.contains(QString::fromUtf8("Zoë"))); // kept whole
        QCOMPARE(QFile::exists(path("names.vrk")), save);
        if (!save) return;
        const OpenResult read = SavedGame::readFile(path("names.vrk"));
        QVERIFY(read.game);
        QCOMPARE(read.game->players[0].name, QString::fromUtf8("Zoë"));
        QCOMPARE(read.game->players[1].name, QString("?ukasz"));
    }

    // A file of more players than a game may have is refused whole.
    void tooManyPlayersIsRefused() {
        SavedGame game;
        game.LastPlayer = 299;
        for (int16_t i = 0; i < 300; ++i)
            game.players.push_back(PlayerRecord::fromCard(QString::number(i), i, ScoreCard()));
        QByteArray bytes;
        game.players.resize(1); // the writer refuses 300; write the file by hand
        game.LastPlayer = 0;
        QVERIFY(!game.toBytes(bytes));
        bytes[128] = char(299 & 0xFF);
        bytes[129] = char(299 >> 8);
        bytes = bytes.left(256) + QByteArray(128 * 301, '\0');
        QFile file(path("crowd.vrk"));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        file.close();
        f->start({"Ann"});
        Shown shown;
        expectMessageBox(shown);
        openFrom(path("crowd.vrk"));
        ShellFixture::flushDeletes();
        QCOMPARE(shown.title, QString("Error"));
        QVERIFY2(shown.text.contains("300 players") && shown.text.contains("at most 255"),
                 qPrintable(shown.text));
        QVERIFY(!f->session().gameInProgress());
        QVERIFY((f->session().boardCount() == 0));
    }

    // A save that fails says so and leaves the earlier file as it was.
    void failedSaveKeepsTheOldFile() {
        f->start({"Ann"});
        saveAs("keep.vrk");
        QFile file(path("keep.vrk"));
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray before = file.readAll();
        file.close();
        f->session().setName(0, QString(70, u'N')); // too long for its record
        Shown shown;
        expectMessageBox(shown);
        saveAs("keep.vrk");
        QCOMPARE(shown.icon, QMessageBox::Warning);
        QVERIFY(shown.text.startsWith("The game was not saved."));
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), before);
    }
};

QTEST_MAIN(GameFilesTest)
#include "GameFilesTest.moc"
