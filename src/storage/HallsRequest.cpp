#include "storage/HallsRequest.h"

#include <QCoreApplication>
#include <QStringDecoder>

namespace HallsRequest {

namespace {

constexpr int kMaxReasonLength = 400;

const std::pair<Answer, QByteArrayView> kAnswerWords[] = {
    {Answer::Entered, "entered"},          {Answer::Busy, "busy"},
    {Answer::CannotWrite, "cannot-write"}, {Answer::Damaged, "damaged"},
    {Answer::Refused, "refused"},
};

// Plain decimal digits alone, at most `maxDigits` of them; -1 otherwise.
int number(QByteArrayView text, int maxDigits) {
    if (text.isEmpty() || text.size() > maxDigits) return -1;
    int n = 0;
    for (char c : text) {
        if (c < '0' || c > '9') return -1;
        n = n * 10 + (c - '0');
    }
    return n;
}

// The text of well-formed UTF-8, or nothing.
std::optional<QString> utf8(QByteArrayView bytes) {
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = decoder(bytes);
    if (decoder.hasError()) return std::nullopt;
    return text;
}

std::optional<Request> refuse(QString& why, const QString& reason, int line) {
    why = QStringLiteral("line %1: %2").arg(line).arg(reason);
    return std::nullopt;
}

} // namespace

QByteArray enterRequest(const std::vector<WaitingGame>& games) {
    QByteArray out = QByteArray(kFirstLine) + '\n';
    for (const WaitingGame& game : games) {
        out += "game " + game.id.toLatin1() + ' ' + QByteArray::number(game.players.size()) + '\n';
        for (const PlayerScore& player : game.players)
            out += QByteArray::number(player.score) + ' ' + player.name.toUtf8() + '\n';
    }
    return out + "end\n";
}

QByteArray clearRequest() {
    return QByteArray(kFirstLine) + "\nclear\nend\n";
}

std::optional<Request> parse(QByteArrayView bytes, QString& why) {
    if (bytes.size() > kMaxBytes)
        return refuse(why, QStringLiteral("the request is longer than %1 bytes").arg(kMaxBytes), 1);
    Request request;
    int scores = 0;
    int lineNumber = 0;
    int expected = 0; // scores still to come for the last game
    bool first = true;
    bool ended = false;
    qsizetype at = 0;
    while (at < bytes.size()) {
        const qsizetype end = bytes.indexOf('\n', at);
        ++lineNumber;
        if (ended) return refuse(why, QStringLiteral("text after \"end\""), lineNumber);
        if (end < 0) return refuse(why, QStringLiteral("the line does not end"), lineNumber);
        const QByteArrayView line = bytes.sliced(at, end - at);
        at = end + 1;
        if (first) {
            if (line != kFirstLine)
                return refuse(why, QStringLiteral("not a request of this version"), lineNumber);
            first = false;
            continue;
        }
        if (expected > 0) {
            const qsizetype blank = line.indexOf(' ');
            const int score = blank < 0 ? -1 : number(line.first(blank), 3);
            if (!WaitingScores::validScore(score))
                return refuse(why, QStringLiteral("not a score a card can make"), lineNumber);
            const std::optional<QString> name = utf8(line.sliced(blank + 1));
            if (!name || !WaitingScores::validName(*name))
                return refuse(why, QStringLiteral("not a name a player can have"), lineNumber);
            request.games.back().players.push_back({*name, int16_t(score)});
            --expected;
            continue;
        }
        if (line == "end") {
            ended = true;
            continue;
        }
        if (line == "clear") {
            if (request.clear || !request.games.empty())
                return refuse(why, QStringLiteral("\"clear\" goes alone"), lineNumber);
            request.clear = true;
            continue;
        }
        if (!line.startsWith("game ") || request.clear)
            return refuse(why, QStringLiteral("not a line of a request"), lineNumber);
        const QByteArrayView rest = line.sliced(5);
        const qsizetype blank = rest.indexOf(' ');
        const QString id = blank < 0 ? QString() : QString::fromLatin1(rest.first(blank));
        if (!WaitingScores::validId(id))
            return refuse(why, QStringLiteral("not a game's identity"), lineNumber);
        expected = number(rest.sliced(blank + 1), 3);
        if (expected < 1 || expected > kMaxGameScores)
            return refuse(why, QStringLiteral("a game has 1 to %1 scores").arg(kMaxGameScores),
                          lineNumber);
        scores += expected;
        if (scores > kMaxScores)
            return refuse(why, QStringLiteral("more than %1 scores").arg(kMaxScores), lineNumber);
        request.games.push_back({id, {}});
    }
    if (first) return refuse(why, QStringLiteral("the request is empty"), 1);
    if (expected > 0) return refuse(why, QStringLiteral("a game's scores are missing"), lineNumber);
    if (!ended) return refuse(why, QStringLiteral("the request has no \"end\""), lineNumber);
    return request;
}

Answer answerFor(HallsStore::Outcome outcome) {
    switch (outcome) {
    case HallsStore::Outcome::Done:
        return Answer::Entered;
    case HallsStore::Outcome::Busy:
        return Answer::Busy;
    case HallsStore::Outcome::CannotWrite:
        return Answer::CannotWrite;
    case HallsStore::Outcome::Damaged:
        return Answer::Damaged;
    }
    return Answer::Refused;
}

QByteArray answerLine(Answer answer, const QString& why) {
    QByteArray line;
    for (const auto& [a, word] : kAnswerWords)
        if (a == answer) line = word.toByteArray();
    if (answer == Answer::Entered || answer == Answer::Busy) return line + '\n';
    QString reason = why.left(kMaxReasonLength);
    for (QChar& c : reason)
        if (c.category() == QChar::Other_Control || c.isSurrogate()) c = u' ';
    return line + ' ' + reason.toUtf8() + '\n';
}

int exitStatus(Answer answer) {
    // The numbers of <sysexits.h>.
    switch (answer) {
    case Answer::Entered:
        return 0;
    case Answer::Busy:
        return 75; // EX_TEMPFAIL
    case Answer::CannotWrite:
        return 73; // EX_CANTCREAT
    case Answer::Damaged:
        return 74; // EX_IOERR
    case Answer::Refused:
        return 65; // EX_DATAERR
    }
    return 70;
}

Answer readAnswer(QByteArrayView line, QString& why) {
    why.clear();
    if (line.endsWith('\n')) line.chop(1);
    const qsizetype blank = line.indexOf(' ');
    const QByteArrayView word = blank < 0 ? line : line.first(blank);
    for (const auto& [answer, w] : kAnswerWords) {
        if (word != w) continue;
        if (blank >= 0) why = QString::fromUtf8(line.sliced(blank + 1));
        return answer;
    }
    //: Why the scores could not be entered in the shared Halls.
    why = QCoreApplication::translate("HallsRequest", "the Halls' writer gave no answer");
    return Answer::Refused;
}

} // namespace HallsRequest
