#include "ui/ScoreKeeper.h"

#include "ui/FrmHighScores.h"
#include "ui/FrmMessageBox.h"

#include <QLabel>
#include <QStatusBar>

QString ScoreKeeper::cannotKeepMessage(const QString& why) {
    return QStringLiteral("The Halls of Fame and Shame cannot be changed: %1.").arg(why) + CR + CR +
           QStringLiteral("The scores of your games are shown until Vorka ends, but they are "
                          "not kept.");
}

QString ScoreKeeper::notKeptAtExitMessage(const QString& why) {
    return QStringLiteral("The scores still waiting for the Halls of Fame and Shame could not be "
                          "kept for the next start of Vorka: %1.")
               .arg(why) +
           CR + CR + QStringLiteral("They are lost when Vorka ends.");
}

ScoreKeeper::ScoreKeeper(QStatusBar& statusBar, QObject* parent) : QObject(parent), halls_(this) {
    StoreStatus = new QLabel(&statusBar);
    StoreStatus->setObjectName(QStringLiteral("StoreStatus"));
    StoreStatus->setTextFormat(Qt::PlainText);
    // Whole or not at all: the window keeps room for it beside the turn.
    StoreStatus->setText(kHallsWaiting);
    StoreStatus->setMinimumWidth(StoreStatus->sizeHint().width());
    StoreStatus->clear();
    statusBar.addWidget(StoreStatus, 1);

    // Told from the event loop, never from inside the store's retry.
    connect(
        &halls_, &Halls::waitingForStore, this,
        [this] {
            if (!halls_.pendingGames().empty())
                MdlGlobalDecs::ShowNotice(FrmHighScores::kScoresWaiting, 1, 1, 1);
            showStoreState();
        },
        Qt::QueuedConnection);
    connect(
        &halls_, &Halls::cannotKeepScores, this,
        [](const QString& why) { MdlGlobalDecs::ShowNotice(cannotKeepMessage(why), 1, 1, 1); },
        Qt::QueuedConnection);
    connect(&halls_, &Halls::changed, this, &ScoreKeeper::showStoreState);
}

void ScoreKeeper::showStoreState() {
    StoreStatus->setText(halls_.upToDate() && halls_.pendingGames().empty() ? QString()
                                                                            : kHallsWaiting);
}

void ScoreKeeper::keepAtExit() {
    const QString why = halls_.keepWaiting();
    if (!why.isNull()) MdlGlobalDecs::ShowNotice(notKeptAtExitMessage(why), 1, 1, 1);
}
