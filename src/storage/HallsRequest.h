#pragma once

#include "storage/HallsStore.h"
#include "storage/WaitingScores.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include <optional>
#include <vector>

// What the game asks of the shared Halls' writer on its standard input, and
// what the writer answers on its standard output. The writer runs with a
// right the player lacks, so it reads the request as untrusted input and
// takes it whole or not at all. A request is UTF-8 text, lines ending in a
// line feed alone:
//
//   vorka-halls 1
//   game 5d0c8f1e-...-9a 2        a game's identity and how many scores follow
//   300 Ann                       a score a card can make, a blank, a name
//   0 Bob
//   end
//
// or "clear" alone between the first line and "end", which deletes both
// Halls. The answer is one line: "entered", "busy", "cannot-write <why>",
// "damaged <why>" or "refused <why>", and the exit status says the same.
namespace HallsRequest {

inline constexpr char kFirstLine[] = "vorka-halls 1";
inline constexpr int kMaxScores = WaitingScores::kMaxEntries; // in one request
inline constexpr int kMaxGameScores = 255;                    // players of one game
inline constexpr qsizetype kMaxBytes = 256 * 1024;

struct Request {
    bool clear = false;
    std::vector<WaitingGame> games;
};

QByteArray enterRequest(const std::vector<WaitingGame>& games);
QByteArray clearRequest();

// The request, or nothing and `why` in words.
std::optional<Request> parse(QByteArrayView bytes, QString& why);

enum class Answer { Entered, Busy, CannotWrite, Damaged, Refused };

Answer answerFor(HallsStore::Outcome outcome);
// The answer's line (a reason on one line, cut short when long) and the
// writer's exit status for it.
QByteArray answerLine(Answer answer, const QString& why = {});
int exitStatus(Answer answer);
// What the writer said; an answer that is none of the above is Refused,
// with `why` saying so.
Answer readAnswer(QByteArrayView line, QString& why);

} // namespace HallsRequest
