#include "ui/ScoreKeeper.h"

#include "storage/Registry_Operations.h"
#include "storage/StorePaths.h"
#include "ui/FrmHighScores.h"
#include "ui/FrmMessageBox.h"

#include <QLabel>
#include <QStatusBar>

QString ScoreKeeper::cannotKeepMessage(const QString& why) {
    //: %1 is the reason the system gives, such as "Permission denied".
    return tr("The Halls of Fame and Shame cannot be changed: %1.").arg(why) + CR + CR +
           tr("The scores of your games are shown until Vorka ends, but they are not kept.");
}

QString ScoreKeeper::notKeptAtExitMessage(const QString& why) {
    //: %1 is the reason the system gives, such as "Not a directory".
    return tr("The scores still waiting for the Halls of Fame and Shame could not be kept for "
              "the next start of Vorka: %1.")
               .arg(why) +
           CR + CR + tr("They are lost when Vorka ends.");
}

ScoreKeeper::ScoreKeeper(const AppServices& services, QStatusBar& statusBar, QObject* parent)
    : QObject(parent), services_(services), halls_(*services.store, this) {
    StoreStatus = new QLabel(&statusBar);
    StoreStatus->setObjectName(QStringLiteral("StoreStatus"));
    StoreStatus->setTextFormat(Qt::PlainText);
    // Beside the turn, not under the tips of the toolbar's buttons; shown
    // only while there is something to say.
    statusBar.addPermanentWidget(StoreStatus);
    StoreStatus->hide();
    // The shared Halls, where the player may not write them, are written by
    // their own program.
    const QString store = services.store->storeFile();
    halls_.setWriter(StorePaths::hallsWriterFor(store), store);

    // Told from the event loop, never from inside the store's retry.
    connect(
        &halls_, &Halls::waitingForStore, this,
        [this] {
            if (!halls_.pendingGames().empty())
                MdlGlobalDecs::ShowNotice(services_, FrmHighScores::scoresWaiting(), 1, 1, 1);
            showStoreState();
        },
        Qt::QueuedConnection);
    connect(
        &halls_, &Halls::cannotKeepScores, this,
        [this](const QString& why) {
            MdlGlobalDecs::ShowNotice(services_, cannotKeepMessage(why), 1, 1, 1);
        },
        Qt::QueuedConnection);
    connect(&halls_, &Halls::changed, this, &ScoreKeeper::showStoreState);
}

void ScoreKeeper::showStoreState() {
    const bool waiting = !halls_.upToDate() || !halls_.pendingGames().empty();
    StoreStatus->setText(waiting ? tr(kHallsWaiting.toUtf8().constData()) : QString());
    // Whole or not at all: while it shows, the window keeps room for it.
    StoreStatus->setMinimumWidth(waiting ? StoreStatus->sizeHint().width() : 0);
    StoreStatus->setVisible(waiting);
}

void ScoreKeeper::keepAtExit() {
    const QString why = halls_.keepWaiting();
    if (!why.isNull()) MdlGlobalDecs::ShowNotice(services_, notKeptAtExitMessage(why), 1, 1, 1);
}
