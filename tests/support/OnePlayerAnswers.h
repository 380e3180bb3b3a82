#pragma once

// The answers of one player playing alone, who is shown nothing, opens and
// saves no file and means every zero: what a test or a bench needs of a
// game on one board.

#include "players/Answers.h"

#include <utility>

class OnePlayerAnswers : public Answers {
public:
    explicit OnePlayerAnswers(QString name) : name_(std::move(name)) {}

    bool playsWithOthers() override { return false; }
    QString nextPlayerName() override { return QString(); }
    QString ownName() override { return name_; }
    bool confirmZero() override { return true; }
    void announceTurn(const QString&) override {}
    void showResult(const GameResult&, const std::vector<PlayerScore>&) override {}
    QString openFileName() override { return QString(); }
    QString saveFileName() override { return QString(); }
    bool saveChangedNames(const QStringList&) override { return false; }
    void openFailed(const OpenError&) override {}
    void saveFailed(const QString&) override {}
    void notice(const QString&) override {}

private:
    QString name_;
};
