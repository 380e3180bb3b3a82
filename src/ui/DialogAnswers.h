#pragma once

#include "players/Answers.h"
#include "ui/AppServices.h"

#include <QCoreApplication>

class QWidget;

// The players answer in the game's own modal windows: the message dialog,
// the turn announcement, the file dialogs and the platform's message box.
class DialogAnswers final : public Answers {
    Q_DECLARE_TR_FUNCTIONS(DialogAnswers)

public:
    // Dialogs open over `parent`, sound and run through `services`.
    explicit DialogAnswers(const AppServices& services, QWidget* parent = nullptr)
        : services_(services), parent_(parent) {}

    // Asked before saving names that the file's character set cannot keep
    // whole (set 3: "OK  " saves, "CANCEL  " does not): the names, each in
    // quotes, go in the middle.
    static QString namesChangedQuestion(const QStringList& names);

    bool playsWithOthers() override;
    QString nextPlayerName() override;
    QString ownName() override;
    bool confirmZero() override;
    void announceTurn(const QString& name) override;
    void announceComputerTurn(const QString& name) override;

    // How long the computer's announcement stays before it closes itself.
    static constexpr int kComputerAnnouncementMs = 1500;
    int computerAnnouncementMs = kComputerAnnouncementMs;
    void showResult(const GameResult& result, const std::vector<PlayerScore>& scores) override;
    QString openFileName() override;
    QString saveFileName() override;
    bool saveChangedNames(const QStringList& names) override;
    void openFailed(const OpenError& error) override;
    void saveFailed(const QString& message) override;
    void notice(const QString& message) override;
    // A modal window of the game is up (a question, a file dialog, the
    // customise dialog), or the help is open.
    bool personIsBusy() const override;

private:
    AppServices services_;
    QWidget* parent_;
};
