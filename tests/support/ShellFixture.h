#pragma once

// A whole game in the real windows, offscreen: fake clock, random numbers
// and sounds, dialogs answered by script, and a settings store and toolbar
// file of the test's own.

#include "board/Fonts.h"
#include "board/FrmMainGame.h"
#include "players/GameSession.h"
#include "storage/Registry_Operations.h"
#include "ui/FileChooser.h"
#include "ui/FrmMessageBox.h"
#include "ui/FrmNewPlayer.h"
#include "ui/MDIFrmMainGame.h"

#include "support/Fakes.h"
#include "support/ScriptedModals.h"

#include <QAction>
#include <QCoreApplication>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>
#include <QToolBar>
#include <QTreeWidget>

#include <memory>

// A list's rows as the player reads them, one text a row, cells joined by |.
inline QStringList rows(const QTreeWidget* list) {
    QStringList out;
    for (int i = 0; i < list->topLevelItemCount(); ++i) {
        const QTreeWidgetItem* item = list->topLevelItem(i);
        QStringList cells;
        for (int c = 0; c < item->columnCount(); ++c) cells << item->text(c);
        out << cells.join(u'|');
    }
    return out;
}

// The file dialogs of the fixture's window: whatever chooser a test puts in
// `target`; none answers as a cancelled dialog.
struct ChooserSlot final : FileChooser {
    FileChooser* target = nullptr;
    QString openFileName(QWidget* parent, const QString& title, const QString& filter) override {
        return target ? target->openFileName(parent, title, filter) : QString();
    }
    QString saveFileName(QWidget* parent, const QString& title, const QString& filter) override {
        return target ? target->saveFileName(parent, title, filter) : QString();
    }
};

struct ShellFixture {
    QTemporaryDir dir;
    FakeServices fake;
    ScriptedModals modals;
    ChooserSlot files;
    Registry_Operations::Registry store{dir.filePath(QStringLiteral("store.sqlite"))};
    // What the window gets: the fakes, the scripted answers, the chooser
    // slot and a store of its own.
    AppServices services() { return {fake.services(), &modals, &files, &store}; }
    std::unique_ptr<MDIFrmMainGame> window;
    int exits = 0;
    QStringList announced;     // the name line of every announcement, in order
    QStringList notices;       // the message of every Notice answered by default
    QStringList confirmations; // the message of every confirmation answered by default
    bool confirmAnswer = true; // how confirmations are answered by default

    ShellFixture() {
        // Announcements and zero confirmations are answered as a player
        // would, unless a test scripts something else.
        modals.fallback = [this](QDialog& d) {
            if (auto* announcement = qobject_cast<FrmNewPlayer*>(&d)) {
                announced << announcement->Label1->text();
                QTest::mouseClick(announcement->Command1, Qt::LeftButton);
            } else if (auto* box = qobject_cast<FrmMessageBox*>(&d)) {
                if (box->Command1->isVisible()) {
                    notices << box->message();
                    QTest::mouseClick(box->Command1, Qt::LeftButton);
                } else {
                    confirmations << box->message();
                    QTest::mouseClick(confirmAnswer ? box->Command2 : box->Command3,
                                      Qt::LeftButton);
                }
            } else {
                QTest::qFail(qPrintable("unexpected window " + d.objectName()), __FILE__, __LINE__);
                d.reject();
            }
        };
        openWindow(dir.filePath(QStringLiteral("toolbar.ini")));
    }

    // The program ends and starts again: a new main window over the same
    // store and files, its toolbar layout kept in `toolbarFile`.
    void restart(const QString& toolbarFile) {
        window.reset();
        flushDeletes();
        openWindow(toolbarFile);
    }

    ~ShellFixture() {
        window.reset();
        flushDeletes();
    }

    void openWindow(const QString& toolbarFile) {
        window = std::make_unique<MDIFrmMainGame>(services());
        window->exitProgram = [this] { ++exits; };
        window->toolbarSettingsFile = toolbarFile;
        window->pendingScoresFile = dir.filePath(QStringLiteral("pending-scores.ini"));
    }

    // What waits for the event loop to come back: the end of a finished
    // game, then the windows that went.
    static void flushDeletes() {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::MetaCall);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    // Scripts the set-up dialogs for these players: one name plays alone,
    // several play "With others", the last name closed with "OK  ".
    void scriptPlayers(const QStringList& names) {
        if (names.size() == 1) {
            modals.thenClick(QStringLiteral("Command1")); // "On my own" is preselected
            modals.then(typeName(names[0], QStringLiteral("Command1")));
            return;
        }
        modals.then([](QDialog& d) {
            auto& box = static_cast<FrmMessageBox&>(d);
            QTest::mouseClick(box.Option1[1], Qt::LeftButton);
            QTest::mouseClick(box.Command1, Qt::LeftButton);
        });
        for (int i = 0; i < names.size(); ++i)
            modals.then(typeName(names[i], i + 1 < names.size() ? QStringLiteral("Command2")
                                                                : QStringLiteral("Command3")));
    }

    static ScriptedModals::Answer click(const QString& button) {
        return ScriptedModals::click(button);
    }

    static ScriptedModals::Answer typeName(const QString& name, const QString& button) {
        return [name, button](QDialog& d) {
            auto& box = static_cast<FrmMessageBox&>(d);
            box.Text1->selectAll();
            QTest::keyClicks(box.Text1, name);
            if (name.isEmpty()) box.Text1->clear();
            QTest::mouseClick(d.findChild<QPushButton*>(button), Qt::LeftButton);
        };
    }

    // Starts the program with these players.
    void start(const QStringList& names) {
        scriptPlayers(names);
        window->MDIForm_Load();
    }

    GameSession& session() const { return window->session(); }
    FrmMainGame* board(int i) const { return window->boardWindow(int16_t(i)); }

    FrmMainGame* activeBoard() const {
        QMdiSubWindow* frame = window->mdiArea->activeSubWindow();
        return frame ? qobject_cast<FrmMainGame*>(frame->widget()) : nullptr;
    }

    // The player buttons that show pressed, by board index.
    QList<int> pressedButtons() const {
        QList<int> pressed;
        for (int i = 0; i <= session().lastPlayer(); ++i)
            if (QAction* b = window->playerButton(int16_t(i)); b && b->isChecked()) pressed << i;
        return pressed;
    }

    // Rolls these faces on board i with its Roll button, then scores them
    // in category c.
    void play(int i, const std::vector<int>& faces, Category c) {
        fake.random.setFaces(faces);
        QTest::mouseClick(board(i)->Command1, Qt::LeftButton);
        QTest::mouseClick(board(i)->categoryButton(c), Qt::LeftButton);
        // The event loop comes back, and with it the end of a finished game.
        QCoreApplication::sendPostedEvents(nullptr, QEvent::MetaCall);
    }

    // Plays `rounds` rounds of five sixes, round r into category r, for
    // every player in turn.
    void playRounds(int rounds, int players) {
        for (int r = 0; r < rounds; ++r)
            for (int p = 0; p < players; ++p) play(p, {6, 6, 6, 6, 6}, categoryAt(r));
    }

    QMdiSubWindow* frameOf(QWidget* w) const {
        return qobject_cast<QMdiSubWindow*>(w->parentWidget());
    }
};
