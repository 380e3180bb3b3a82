#include "storage/Halls.h"

#include "storage/HallsRequest.h"
#include "storage/Registry_Operations.h"

#include <QFile>
#include <QProcess>

#include <algorithm>

using namespace Registry_Operations;
using HallsStore::Outcome;

Halls::Halls(Registry_Operations::Registry& registry, QObject* parent)
    : QObject(parent), registry_(registry) {
    retry_.setSingleShot(true);
    connect(&retry_, &QTimer::timeout, this, &Halls::tryNow);
}

Halls::~Halls() {
    // The program is ending: what is still pending outlives it. No waiting
    // for the store here; the waiting file has it, and the next start
    // enters it.
    keepPending();
}

std::vector<PlayerScore> Halls::pendingScores() const {
    std::vector<PlayerScore> out;
    for (const WaitingGame& game : pending_)
        out.insert(out.end(), game.players.begin(), game.players.end());
    return out;
}

Halls::Attempt Halls::enterInMemory(const QString& why) {
    // The lists keep the new entries in memory only, on top of what they
    // showed (or what the store holds, when that can be read). Games from
    // the waiting file stay there, for when the store takes changes again.
    QList<HallEntry> fame = fame_;
    QList<HallEntry> shame = shame_;
    if (!upToDate_ && !HallsStore::read(registry_, fame, shame)) {
        fame = fame_;
        shame = shame_;
        if (fame.isEmpty()) fame = HallsStore::defaultFame();
    }
    bool fameChanged = false;
    bool shameChanged = false;
    for (const WaitingGame& game : pending_)
        HallsStore::enterInLists(fame, shame, game, fameChanged, shameChanged);
    for (qsizetype n = 0; n < fame.size(); ++n) fame[n].position = QString::number(n + 1);
    if (shameChanged)
        for (qsizetype n = 0; n < shame.size(); ++n) shame[n].position = QString::number(n + 1);
    pending_.clear();
    inFile_.clear();
    fame_ = fame;
    shame_ = shame;
    upToDate_ = true;
    if (!toldCannotKeep_) {
        toldCannotKeep_ = true;
        emit cannotKeepScores(why);
    }
    return Attempt::Done;
}

QString Halls::writer() const {
    return writer_.isEmpty() || registry_.storeFile() != writerStore_ ? QString() : writer_;
}

HallsStore::Outcome Halls::askWriter(const QByteArray& request, QString& why) {
    QProcess writer;
    if (!writerEnvironment_.isEmpty()) writer.setProcessEnvironment(writerEnvironment_);
    writer.setProcessChannelMode(QProcess::SeparateChannels);
    writer.start(writer_, {}, QIODevice::ReadWrite);
    if (!writer.waitForStarted(kWriterPatienceMs)) {
        //: %1 is the path of the program that writes the shared Halls, %2 the system's reason.
        why = tr("%1 cannot be started: %2").arg(writer_, writer.errorString());
        return Outcome::CannotWrite;
    }
    writer.write(request);
    writer.closeWriteChannel();
    if (!writer.waitForFinished(kWriterPatienceMs)) {
        // Ended in the middle of a change, it leaves the store as it was.
        writer.kill();
        writer.waitForFinished(kWriterPatienceMs);
        return Outcome::Busy;
    }
    if (writer.exitStatus() != QProcess::NormalExit) {
        //: %1 is the path of the program that writes the shared Halls.
        why = tr("%1 ended abnormally").arg(writer_);
        return Outcome::CannotWrite;
    }
    using HallsRequest::Answer;
    switch (HallsRequest::readAnswer(writer.readAllStandardOutput(), why)) {
    case Answer::Entered:
        return Outcome::Done;
    case Answer::Busy:
        return Outcome::Busy;
    case Answer::Damaged:
        return Outcome::Damaged;
    case Answer::CannotWrite:
        return Outcome::CannotWrite;
    case Answer::Refused:
        //: %1 is the path of the program that writes the shared Halls, %2 its reason (in
        //: English: it comes from that program).
        why = tr("%1 refused the scores (%2)").arg(writer_, why);
        return Outcome::CannotWrite;
    }
    return Outcome::CannotWrite;
}

Halls::Attempt Halls::attempt() {
    QList<HallEntry> fame;
    QList<HallEntry> shame;
    if (!pending_.empty()) {
        QStringList settled; // entered now, or found entered before
        QString why;
        Outcome outcome = Outcome::Busy;
        if (writer().isEmpty()) {
            outcome = HallsStore::enter(registry_, pending_, fame, shame, settled, why);
        } else {
            outcome = askWriter(HallsRequest::enterRequest(pending_), why);
            for (const WaitingGame& game : pending_) settled << game.id;
        }
        if (outcome == Outcome::Busy) return Attempt::Busy;
        if (outcome != Outcome::Done) return enterInMemory(why);
        const bool fromFile = std::any_of(settled.begin(), settled.end(),
                                          [&](const QString& id) { return inFile_.contains(id); });
        pending_.clear();
        emit committed(settled);
        // Killed before this, the next start finds the games recorded and
        // only takes them out of the file.
        if (fromFile && !pendingFile_.isEmpty()) WaitingScores(pendingFile_).remove(settled);
        inFile_.clear();
        if (writer().isEmpty()) {
            fame_ = fame;
            shame_ = shame;
            upToDate_ = true;
            return Attempt::Done;
        }
        // The writer has changed the store: read what it holds now.
        upToDate_ = false;
    }
    Transaction transaction(registry_, false);
    if (transaction.status() == RegStatus::kBusy) return Attempt::Busy;
    Status failure = RegStatus::kSuccess;
    if (!HallsStore::read(registry_, fame, shame, &failure)) {
        // A change cut short leaves its journal for the next writer to undo,
        // which a player who may only read the store cannot: the writer is
        // asked to, with a request that enters nothing.
        if (writer().isEmpty() || failure != RegStatus::kAccessDenied) return Attempt::Busy;
        transaction.commit();
        QString why;
        if (askWriter(HallsRequest::enterRequest({}), why) != Outcome::Done) return Attempt::Busy;
        if (!HallsStore::read(registry_, fame, shame)) return Attempt::Busy;
    }
    fame_ = fame;
    shame_ = shame;
    upToDate_ = true;
    return Attempt::Done;
}

void Halls::tryNow() {
    retry_.stop();
    if (attempt() == Attempt::Done) {
        waitingSince_.invalidate();
        told_ = false;
        emit changed();
        return;
    }
    // Whatever waits is on the disk before anything else can happen to
    // the program.
    keepPending();
    if (!waitingSince_.isValid()) waitingSince_.start();
    const bool patient = waitingSince_.elapsed() < kPatienceMs;
    // Each try of the writer starts a program: it is not tried as often.
    retry_.start(patient && writer().isEmpty() ? kRetryMs : kSlowRetryMs);
    if (!patient && !told_) {
        told_ = true;
        emit waitingForStore();
    }
}

void Halls::LoadHalls() {
    restorePending();
    upToDate_ = false;
    tryNow();
    if (!upToDate_) {
        // Something to show until the store can be read.
        if (fame_.isEmpty()) fame_ = HallsStore::defaultFame();
        emit changed();
    }
}

void Halls::EnterFinalScores(const std::vector<PlayerScore>& players) {
    pending_.push_back({WaitingScores::newId(), players});
    tryNow();
}

void Halls::catchUp() {
    if (!pending_.empty() || !upToDate_) tryNow();
}

bool Halls::ClearHalls(const std::function<bool()>& confirm) {
    if (!confirm || !confirm()) return false;
    // What cannot be deleted stays, as the Halls show after reloading.
    QString why;
    if (writer().isEmpty())
        HallsStore::clear(registry_, why);
    else
        askWriter(HallsRequest::clearRequest(), why);
    LoadHalls();
    return true;
}

// Scores that copies which ended while the store was busy left behind go
// first: they were offered before any of this run. Games another copy is
// entering at the same time are entered once all the same: the store
// knows them by their identities.
void Halls::restorePending() {
    if (restored_ || pendingFile_.isEmpty()) return;
    restored_ = true;
    std::vector<WaitingGame> kept = WaitingScores(pendingFile_).read();
    for (const WaitingGame& game : kept) inFile_ << game.id;
    pending_.insert(pending_.begin(), kept.begin(), kept.end());
}

QString Halls::keepPending() {
    if (pendingFile_.isEmpty() || pending_.empty()) return {};
    std::vector<WaitingGame> fresh;
    for (const WaitingGame& game : pending_)
        if (!inFile_.contains(game.id)) fresh.push_back(game);
    if (fresh.empty()) return {};
    const QString why = WaitingScores(pendingFile_).add(fresh);
    if (why.isNull())
        for (const WaitingGame& game : fresh) inFile_ << game.id;
    return why;
}

QString Halls::keepWaiting() {
    if (pending_.empty()) return {};
    retry_.stop();
    if (attempt() == Attempt::Done) {
        emit changed();
        return {};
    }
    //: Why the scores waiting for the Halls cannot be kept.
    if (pendingFile_.isEmpty()) return tr("there is no file to keep them in");
    return keepPending();
}
