#pragma once

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
    int16_t TopScore = 0;
    QStringList Leaders;  // every player on TopScore, in board order
    int16_t TieCount = 0; // Leaders.size() - 1
    QString resultLine;

    // "Game over." CR and the result line.
    QString message() const;
};

// `players` in board order; at least one.
GameResult computeGameResult(const std::vector<PlayerScore>& players);
