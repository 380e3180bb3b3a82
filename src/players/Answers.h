#pragma once

#include "game/GameResult.h"

#include <QString>
#include <QStringList>

#include <vector>

struct OpenError;

// Everything the game asks the players, or tells them and waits for: the
// windows answer with modal dialogs, tests and computer players directly.
class Answers {
public:
    virtual ~Answers() = default;

    // Setting up a game: true when several people play ("With others").
    virtual bool playsWithOthers() = 0;
    // The next name of the list; the last one ends in the character 0.
    virtual QString nextPlayerName() = 0;
    // The name of the one player.
    virtual QString ownName() = 0;

    // Whether to score 0 in a category the dice do not satisfy.
    virtual bool confirmZero() = 0;
    // Tells whose turn it is, and returns once the player has seen it.
    virtual void announceTurn(const QString& name) = 0;
    // The same for a seat the computer plays: nobody has to answer, so it
    // may close by itself after a moment.
    virtual void announceComputerTurn(const QString& name) { announceTurn(name); }
    // The end of a game: the result and every final score in board order.
    virtual void showResult(const GameResult& result, const std::vector<PlayerScore>& scores) = 0;

    // The file to open or to save to; an empty text when the player cancelled.
    virtual QString openFileName() = 0;
    virtual QString saveFileName() = 0;
    // Whether to save names whose letters the file cannot keep whole.
    virtual bool saveChangedNames(const QStringList& names) = 0;
    virtual void openFailed(const OpenError& error) = 0;
    virtual void saveFailed(const QString& message) = 0;
    // A message with nothing to answer but "OK  ".
    virtual void notice(const QString& message) = 0;

    // Whether a person is busy in a window of the game that waits for them
    // (a question, a file dialog, the help): the computer does not play
    // meanwhile, so that nothing of its turn comes up over that window.
    virtual bool personIsBusy() const { return false; }
};
