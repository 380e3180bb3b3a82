#include "ui/GameFiles.h"

#include "game/FrmMainGame.h"
#include "game/MdlGlobalDecs.h"
#include "game/Text.h"
#include "game/TurnFlow.h"
#include "players/EndTurn.h"
#include "players/PlayerBoards.h"
#include "storage/SavedGame.h"
#include "ui/FrmMessageBox.h"
#include "ui/MDIFrmMainGame.h"
#include "ui/ModalRunner.h"

#include <QFileDialog>
#include <QMessageBox>

namespace {

class DialogChooser final : public FileChooser {
public:
    QString openFileName(QWidget* parent, const QString& title, const QString& filter) override {
        QFileDialog dialog(parent, title, QString(), filter);
        dialog.setAcceptMode(QFileDialog::AcceptOpen);
        dialog.setFileMode(QFileDialog::ExistingFile);
        dialog.setOption(QFileDialog::ReadOnly);
        return dialog.exec() == QDialog::Accepted ? dialog.selectedFiles().value(0) : QString();
    }
    QString saveFileName(QWidget* parent, const QString& title, const QString& filter) override {
        QFileDialog dialog(parent, title, QString(), filter);
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setFileMode(QFileDialog::AnyFile);
        dialog.setDefaultSuffix(QStringLiteral("vrk"));
        return dialog.exec() == QDialog::Accepted ? dialog.selectedFiles().value(0) : QString();
    }
};

DialogChooser dialogChooser;
FileChooser* currentChooser = &dialogChooser;

// The platform's own message box, for the open and save errors.
void showMessage(QMessageBox::Icon icon, const QString& title, const QString& text) {
    QString shown = text;
    shown.replace(CR, u'\n');
    QMessageBox box(icon, title, shown, QMessageBox::Ok, MDIFrmMainGame::instance());
    box.setObjectName(QStringLiteral("MessageBox"));
    box.setTextFormat(Qt::PlainText);
    modalRunner().run(box);
}

} // namespace

FileChooser& fileChooser() {
    return *currentChooser;
}

void setFileChooser(FileChooser* chooser) {
    currentChooser = chooser ? chooser : &dialogChooser;
}

namespace MdlGlobalDecs {

QString namesChangedQuestion(const QStringList& names) {
    // A few names, so that the question always fits its window.
    constexpr qsizetype kNamed = 2;
    QStringList quoted;
    for (const QString& name : names.first(std::min(names.size(), kNamed)))
        quoted << u'"' + name + u'"';
    QString which = quoted.join(QStringLiteral(" and "));
    if (names.size() > kNamed) {
        which = quoted.join(QStringLiteral(", ")) +
                QStringLiteral(" and %1 more names").arg(names.size() - kNamed);
    }
    return QStringLiteral("Some letters of ") + which +
           QStringLiteral(" cannot be kept in a saved game; they will be saved as \"?\".") + CR +
           CR + QStringLiteral("Save anyway?");
}

void SaveGame() {
    const GameState& s = state();
    if (!s.GameInProgress) {
        ShowNotice(kNothingToSave, 1, 1, 1);
        return;
    }
    const QString path =
        fileChooser().saveFileName(MDIFrmMainGame::instance(), kSaveDialogTitle, kSavedGameFilter);
    if (path.isEmpty()) return;

    SavedGame game;
    game.LastPlayer = s.LastPlayer;
    game.CurrentPlayer = s.CurrentPlayer;
    for (int16_t i = 0; i <= s.LastPlayer; ++i) {
        const FrmMainGame* board = s.Boards.at(size_t(i));
        game.players.push_back(
            PlayerRecord::fromCard(board->windowTitle(), i, board->model().card()));
    }
    const QStringList changed = game.namesChangedBySaving();
    if (!changed.isEmpty() && !ShowNotice(namesChangedQuestion(changed), 3, 1, 1).toBool()) return;
    if (const auto error = game.writeFile(path))
        showMessage(QMessageBox::Warning, kSaveFailedTitle, error->message());
}

void RebuildBoard(const PlayerRecord& record) {
    FrmMainGame* board = CreateBoard(record.index, record.name);
    board->model().card() = record.toCard();
    board->model().Countup();
}

void OpenGame() {
    const QString path =
        fileChooser().openFileName(MDIFrmMainGame::instance(), kOpenDialogTitle, kSavedGameFilter);
    if (path.isEmpty()) return;

    GameState& s = state();
    ClearGame();

    // The whole file is checked before any board is built.
    const OpenResult read = SavedGame::readFile(path);
    if (!read.game) {
        const bool wrongHeader = read.error.kind == OpenError::Kind::WrongHeader;
        showMessage(wrongHeader ? QMessageBox::Question : QMessageBox::Critical, read.error.title(),
                    read.error.message());
        return;
    }
    const SavedGame& game = *read.game;
    s.LastPlayer = game.LastPlayer;
    for (const PlayerRecord& record : game.players) RebuildBoard(record);
    s.CurrentPlayer = game.CurrentPlayer;

    for (int16_t i = 0; i <= s.LastPlayer; ++i) {
        AddPlayerButton(i);
        ShowBoard(i);
        services().events->processEvents();
        if (s.LastPlayer != 0) s.Boards[size_t(i)]->model().setRollEnabled(false);
    }
    BringBoardToFront(s.CurrentPlayer);
    s.GameInProgress = true;
    PressPlayerButton(s.CurrentPlayer);
    s.CurrentPlayer = playerBefore(s.CurrentPlayer, s.LastPlayer);
    EndTurn();
}

} // namespace MdlGlobalDecs
