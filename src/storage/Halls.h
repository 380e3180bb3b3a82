#pragma once

#include "game/GameResult.h"
#include "game/Text.h"
#include "storage/HallsStore.h"
#include "storage/Registry_Operations.h"
#include "storage/WaitingScores.h"

#include <QElapsedTimer>
#include <QList>
#include <QObject>
#include <QProcessEnvironment>
#include <QString>
#include <QTimer>

#include <functional>
#include <vector>

// The Hall of Fame (always the ten best final scores, best first) and the
// Hall of Shame (up to ten of the worst, worst first), kept in the settings
// store under HKEY_USERS. changed() tells a window showing them to redraw.
//
// Several copies of the game may share the store. Every reading of the
// Halls sees one state of the store, and the final scores of a game are
// entered in one step against it: read, insert, write, commit, or nothing,
// never from lists that another copy may have changed since. Every game's
// scores carry an identity, which the same step records in the store (the
// last kRecordedGames of them); a game whose identity is there already is
// not entered again. A store that another copy holds is not waited for on
// the spot: the scores are kept as pending, in the order they came, and
// tried again from the event loop, so the windows go on; they are written
// to the waiting file at once, so that they outlive the program however it
// ends, and are entered the next time any copy loads the Halls. After
// kPatienceMs, waitingForStore() says so, once.
//
// A store that can take no change (a read-only file or folder, a file that
// is no store of this game) keeps the run's entries in the lists in memory
// only, and cannotKeepScores() says why, once.
//
// The shared Halls are written by a program of their own (setWriter), which
// may write them where the player may not: the Halls then read the store
// themselves and hand every change to that program, with the same waiting
// and retries.
class Halls : public QObject {
    Q_OBJECT
public:
    static constexpr int kHallSize = HallsStore::kHallSize;
    static constexpr int kNoShameScore = HallsStore::kNoShameScore;
    // How long the store may keep a game's scores waiting before the player
    // is told, and how often it is tried meanwhile and after.
    static constexpr int kPatienceMs = 2000;
    static constexpr int kRetryMs = 50;
    static constexpr int kSlowRetryMs = 500;
    static constexpr int kRecordedGames = HallsStore::kRecordedGames;
    // How long the writer of the shared Halls may take before it is given up
    // (and the scores kept waiting).
    static constexpr int kWriterPatienceMs = 5000;

    static inline const QString& kFameKey = HallsStore::kFameKey;
    static inline const QString& kShameKey = HallsStore::kShameKey;
    static inline const QString& kEnteredKey = HallsStore::kEnteredKey;
    static inline const QString& kDefaultName = HallsStore::kDefaultName;

    // What "&Clear All Scores" asks with ShowNotice before it clears: button
    // set 2 ("YEAH  " / "NA  "), picture cell 1 and sound 1. clearQuestion()
    // in the player's language, kClearQuestion in English.
    static constexpr char kClearWarning[] =
        QT_TR_NOOP("Choosing this option will delete all scores on both the Hall of Fame "
                   "and the Hall of Shame.");
    //: Asked before the Halls of Fame and Shame are emptied.
    static constexpr char kClearConfirm[] = QT_TR_NOOP("Are you sure?");
    static inline const QString kClearQuestion =
        QLatin1String(kClearWarning) + CR + CR + QLatin1String(kClearConfirm);
    static QString clearQuestion() { return tr(kClearWarning) + CR + CR + tr(kClearConfirm); }
    static constexpr int kClearQuestionButtons = 2;
    static constexpr int kClearQuestionPicture = 1;
    static constexpr int kClearQuestionSound = 1;

    // The Halls kept in `registry`.
    explicit Halls(Registry_Operations::Registry& registry, QObject* parent = nullptr);
    // Keeps what is pending in the waiting file; never waits for the store.
    ~Halls() override;

    const QList<HallEntry>& hallOfFame() const { return fame_; }
    const QList<HallEntry>& hallOfShame() const { return shame_; }

    // Fills both lists from the store; missing values read as the defaults.
    // While another copy holds the store, the lists show the defaults (or
    // what they showed) until it can be read.
    void LoadHalls();

    // Offers every player's final score, in board order, to the Hall of Fame
    // and, when it misses that, to the Hall of Shame, after any scores still
    // pending; writes what changed. Later players compare against the lists
    // as the earlier ones left them.
    void EnterFinalScores(const std::vector<PlayerScore>& players);

    // Asks `confirm`; when it says yes, deletes both Halls from the store and
    // reloads them (the default Hall of Fame, an empty Hall of Shame).
    // Returns whether the player confirmed.
    bool ClearHalls(const std::function<bool()>& confirm);

    // Scores not yet entered because the store was busy, oldest first.
    std::vector<PlayerScore> pendingScores() const;
    const std::vector<WaitingGame>& pendingGames() const { return pending_; }
    // Whether the lists show what the store holds.
    bool upToDate() const { return upToDate_; }
    // Tries at once to enter what is pending and to read the lists afresh
    // if they are not up to date.
    void catchUp();

    // Changes of `store` go through `program` (the shared Halls' writer),
    // started with `environment` (the program's own when empty), while it is
    // the store in use; an empty program: the Halls write the store
    // themselves.
    void setWriter(const QString& program, const QString& store,
                   const QProcessEnvironment& environment = {}) {
        writer_ = program;
        writerStore_ = store;
        writerEnvironment_ = environment;
    }
    // The writer for the store in use, or an empty string.
    QString writer() const;

    // Where pending scores outlive the program (no file: they do not).
    // Set before the first LoadHalls.
    void setPendingFile(const QString& file) { pendingFile_ = file; }

    // For the end of the program: one more try at the store, without
    // waiting, then what is still pending is made sure of in the waiting
    // file. A null string when nothing is lost, else the system's reason
    // why the scores could not be kept.
    QString keepWaiting();

signals:
    void changed();
    // The store has been busy for kPatienceMs; told once per wait.
    void waitingForStore();
    // The store takes no change, for the reason given: what this run
    // enters lives in memory only. Told once.
    void cannotKeepScores(const QString& why);
    // Games have gone into the store; the waiting file is told next.
    void committed(const QStringList& ids);

private:
    enum class Attempt { Done, Busy };
    Attempt attempt();
    Attempt enterInMemory(const QString& why);
    // Hands a request to the writer; its answer as the store's outcome.
    HallsStore::Outcome askWriter(const QByteArray& request, QString& why);
    void tryNow();
    void restorePending();
    // Writes the pending games the waiting file does not hold yet.
    QString keepPending();

    Registry_Operations::Registry& registry_;
    QList<HallEntry> fame_;
    QList<HallEntry> shame_;
    std::vector<WaitingGame> pending_;
    QStringList inFile_; // ids of pending games the waiting file holds
    bool toldCannotKeep_ = false;
    bool upToDate_ = false;
    QTimer retry_;
    QElapsedTimer waitingSince_; // valid while the store keeps us waiting
    bool told_ = false;
    QString pendingFile_;
    bool restored_ = false;
    QString writer_;
    QString writerStore_;
    QProcessEnvironment writerEnvironment_;
};
