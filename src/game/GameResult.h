#pragma once

#include <QCoreApplication>
#include <QString>
#include <QStringList>

#include <cstdint>
#include <vector>

struct PlayerScore {
    QString name;
    int16_t score = 0;
    bool computer = false; // the computer played this seat
};

// Who won, or who drew, and the words that say so.
struct GameResult {
    Q_DECLARE_TR_FUNCTIONS(GameResult)

public:
    int16_t TopScore = 0;
    QStringList Leaders;  // every player on TopScore, in board order
    int16_t TieCount = 0; // Leaders.size() - 1
    QString resultLine;

    // "Game over." CR and the result line, in the player's language.
    QString message() const;
};

// `players` in board order; at least one.
GameResult computeGameResult(const std::vector<PlayerScore>& players);
