#include "ui/DialogAnswers.h"

#include "game/Text.h"
#include "storage/SavedGame.h"
#include "ui/ComputerSeats.h"
#include "ui/FrmMessageBox.h"
#include "ui/FrmNewPlayer.h"

#include "ui/HelpViewer.h"

#include <QApplication>
#include <QIcon>
#include <QMessageBox>
#include <QTreeWidget>

using namespace MdlGlobalDecs;

namespace {

constexpr int16_t kFallingFigure = 2;
const QString kComputerIcon = QStringLiteral(":/pictures/toolbar/computer.svg");

// The platform's own message box, for the open and save errors.
void showMessage(const AppServices& services, QWidget* parent, QMessageBox::Icon icon,
                 const QString& title, const QString& text) {
    QString shown = text;
    shown.replace(CR, u'\n');
    QMessageBox box(icon, title, shown, QMessageBox::Ok, parent);
    box.setObjectName(QStringLiteral("MessageBox"));
    box.setTextFormat(Qt::PlainText);
    services.runModal(box);
}

} // namespace

QString DialogAnswers::namesChangedQuestion(const QStringList& names) {
    // A few names, so that the question always fits its window; all of them
    // go in in one pass, so that a name holding "%1" stays as typed.
    QString question;
    if (names.size() <= 1)
        //: %1 is a player's name.
        question = tr("Some letters of \"%1\" cannot be kept in a saved game; they will be "
                      "saved as \"?\".")
                       .arg(names.value(0));
    else if (names.size() == 2)
        //: %1 and %2 are players' names.
        question = tr("Some letters of \"%1\" and \"%2\" cannot be kept in a saved game; they "
                      "will be saved as \"?\".")
                       .arg(names[0], names[1]);
    else
        //: %1 and %2 are players' names; %n the number of further names (1 or more).
        question = tr("Some letters of \"%1\", \"%2\" and %n more names cannot be kept in a "
                      "saved game; they will be saved as \"?\".",
                      "", int(names.size() - 2))
                       .arg(names[0], names[1]);
    return question + CR + CR + tr("Save anyway?");
}

bool DialogAnswers::playsWithOthers() {
    const QVariant answer = ShowMessageBox(services_, DialogKind::Welcome);
    return answer.typeId() == QMetaType::Int && answer.toInt() == 1;
}

QString DialogAnswers::nextPlayerName() {
    return ShowMessageBox(services_, DialogKind::PlayerNames).toString();
}

QString DialogAnswers::ownName() {
    return ShowMessageBox(services_, DialogKind::OwnName).toString();
}

bool DialogAnswers::confirmZero() {
    return ShowMessageBox(services_, DialogKind::ConfirmZero).toBool();
}

void DialogAnswers::announceTurn(const QString& name) {
    AnnounceTurn(services_, name);
}

void DialogAnswers::announceComputerTurn(const QString& name) {
    AnnounceTurn(services_, name, computerAnnouncementMs);
}

void DialogAnswers::showResult(const GameResult& result, const std::vector<PlayerScore>& scores) {
    FrmMessageBox box(services_, parent_);
    box.setMessage(result.message());
    box.setPicture(kFallingFigure);
    box.setButtonSet(1);
    if (scores.size() > 1) {
        box.ListView1->show();
        for (const PlayerScore& p : scores) {
            // The computer's seats are marked, as on their player buttons.
            auto* row = new QTreeWidgetItem(
                box.ListView1, {QString::number(p.score),
                                p.computer ? ComputerSeats::computerMarked(p.name) : p.name});
            if (p.computer) row->setIcon(1, QIcon(kComputerIcon));
        }
    }
    services_.PlayResourceSound(QStringLiteral("WIN"));
    box.setKind(DialogKind::Notice);
    box.focusFirstControl();
    services_.runModal(box);
}

QString DialogAnswers::openFileName() {
    return services_.files->openFileName(
        parent_, QCoreApplication::translate("SavedGame", kOpenDialogTitle), savedGameFilter());
}

QString DialogAnswers::saveFileName() {
    return services_.files->saveFileName(
        parent_, QCoreApplication::translate("SavedGame", kSaveDialogTitle), savedGameFilter());
}

bool DialogAnswers::saveChangedNames(const QStringList& names) {
    return ShowNotice(services_, namesChangedQuestion(names), 3, 1, 1).toBool();
}

void DialogAnswers::openFailed(const OpenError& error) {
    const bool wrongHeader = error.kind == OpenError::Kind::WrongHeader;
    showMessage(services_, parent_, wrongHeader ? QMessageBox::Question : QMessageBox::Critical,
                error.title(), error.message());
}

void DialogAnswers::saveFailed(const QString& message) {
    showMessage(services_, parent_, QMessageBox::Warning, kSaveFailedTitle, message);
}

void DialogAnswers::notice(const QString& message) {
    ShowNotice(services_, message, 1, 1, 1);
}

bool DialogAnswers::personIsBusy() const {
    if (QApplication::activeModalWidget()) return true;
    const auto* help = parent_ ? parent_->findChild<HelpViewer*>() : nullptr;
    return help && help->isVisible() && !help->isMinimized();
}
