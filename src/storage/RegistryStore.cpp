#include "storage/RegistryStore.h"

#include "storage/StorePaths.h"

#include <QFile>
#include <QFileInfo>
#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>

#include <atomic>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>

namespace {

// Marks a database as this game's store ("Vork").
constexpr qint64 kApplicationId = 0x566F726B;
constexpr int kSchemaVersion = 1;

std::atomic<int> connectionCounter{0};

// The file's mark and how many tables and indexes it has, read together.
const QString kInspection =
    QStringLiteral("SELECT (SELECT application_id FROM pragma_application_id), (SELECT count(*) "
                   "FROM sqlite_master)");

QString parentOf(const QString& path) {
    const qsizetype cut = path.lastIndexOf(u'\\');
    return cut < 0 ? QString() : path.left(cut);
}

bool isRoot(const QString& path) {
    return !path.contains(u'\\');
}

// Runs one statement; `query` keeps its result for the caller.
bool run(QSqlQuery& query, const QString& sql, const QVariantList& binds = {}) {
    query.setForwardOnly(true);
    if (!query.prepare(sql)) return false;
    for (const QVariant& v : binds) query.addBindValue(v);
    return query.exec();
}

// Ends a write: commits it when it went well, else undoes it.
class WriteScope {
public:
    explicit WriteScope(RegistryStore& store) : store_(store), begun_(store.beginTransaction()) {}
    ~WriteScope() {
        if (begun_ && !done_) store_.rollbackTransaction();
    }
    bool begun() const { return begun_; }
    bool commit() {
        done_ = true;
        return store_.commitTransaction();
    }

private:
    RegistryStore& store_;
    bool begun_;
    bool done_ = false;
};

} // namespace

RegistryStore::RegistryStore(const QString& file, int busyTimeoutMs)
    : file_(file), connectionName_(QStringLiteral("vorka-store-%1").arg(++connectionCounter)) {
    open(busyTimeoutMs);
}

RegistryStore::~RegistryStore() {
    while (depth_ > 0) rollbackTransaction();
    if (db_.isValid()) db_.close();
    db_ = QSqlDatabase();
    QSqlDatabase::removeDatabase(connectionName_);
}

void RegistryStore::open(int busyTimeoutMs) {
    existed_ = QFileInfo::exists(file_);
    db_ = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connectionName_);
    if (!db_.isValid()) return;
    db_.setDatabaseName(file_);
    db_.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=%1").arg(busyTimeoutMs));
    if (!db_.open()) return;
    // The journal is emptied after a change, not removed, so that one made
    // once (by the package, for the shared store) serves every change: the
    // shared Halls' writer never makes a file a player would own.
    QSqlQuery(QStringLiteral("PRAGMA journal_mode = TRUNCATE"), db_);
    checked_ = false;
    check();
}

bool RegistryStore::check() {
    if (checked_ || !db_.isOpen()) return usable_;
    // Only reads until the file is known to be ours or new. One statement,
    // so that both answers come from the same moment even while another
    // copy of the game is setting the file up.
    qint64 applicationId = -1;
    qint64 objects = -1;
    {
        QSqlQuery query(db_);
        if (!run(query, kInspection) || !query.next()) {
            // Another copy holding the store is no reason to give it up,
            // nor is a change cut short that only a writer may take back
            // (SQLite says "read-only"): it is looked at again on the next
            // call.
            checkFailure_ = statusOf(query.lastError());
            checked_ =
                checkFailure_ != RegStatus::kBusy && checkFailure_ != RegStatus::kAccessDenied;
            return false;
        }
        applicationId = query.value(0).toLongLong();
        objects = query.value(1).toLongLong();
    }

    if (applicationId == kApplicationId) {
        const int32_t integrity = checkIntegrity();
        usable_ = integrity == RegStatus::kSuccess;
        checked_ = integrity != RegStatus::kBusy;
        return usable_;
    }
    if (applicationId != 0 || objects != 0) { // some other program's database
        checked_ = true;
        return false;
    }
    const int32_t made = initialise();
    usable_ = made == RegStatus::kSuccess;
    checked_ = made != RegStatus::kBusy;

    // In a folder shared by a group, the other players must be able to write
    // the store too (SQLite gives its journal the same owner and permissions).
    if (usable_ && !existed_) StorePaths::shareNewStoreFile(file_);
    return usable_;
}

int32_t RegistryStore::availability() {
    if (check()) return RegStatus::kSuccess;
    if (checked_) return RegStatus::kBadStore;
    return checkFailure_ == RegStatus::kAccessDenied ? RegStatus::kAccessDenied : RegStatus::kBusy;
}

int32_t RegistryStore::initialise() {
    QSqlQuery query(db_);
    if (!run(query, QStringLiteral("BEGIN IMMEDIATE"))) return statusOf(query.lastError());
    // Another copy of the game may have set the file up while we waited.
    bool ok = run(query, kInspection) && query.next();
    const qint64 applicationId = ok ? query.value(0).toLongLong() : -1;
    const qint64 objects = ok ? query.value(1).toLongLong() : -1;
    query.finish();
    if (ok && applicationId == 0 && objects == 0) {
        ok = run(query, QStringLiteral("CREATE TABLE reg_keys ("
                                       " path TEXT NOT NULL PRIMARY KEY COLLATE NOCASE,"
                                       " parent TEXT NOT NULL COLLATE NOCASE)")) &&
             run(query, QStringLiteral("CREATE INDEX reg_keys_parent ON reg_keys (parent)")) &&
             run(query, QStringLiteral("CREATE TABLE reg_values ("
                                       " key_path TEXT NOT NULL COLLATE NOCASE,"
                                       " name TEXT NOT NULL COLLATE NOCASE,"
                                       " type INTEGER NOT NULL,"
                                       " data BLOB NOT NULL,"
                                       " PRIMARY KEY (key_path, name))")) &&
             run(query, QStringLiteral("PRAGMA application_id = %1").arg(kApplicationId)) &&
             run(query, QStringLiteral("PRAGMA user_version = %1").arg(kSchemaVersion));
    } else if (applicationId != kApplicationId) {
        ok = false;
    }
    if (ok && run(query, QStringLiteral("COMMIT"))) return RegStatus::kSuccess;
    const int32_t status = statusOf(query.lastError());
    run(query, QStringLiteral("ROLLBACK"));
    return status == RegStatus::kBusy ? status : RegStatus::kBadStore;
}

int32_t RegistryStore::statusOf(const QSqlError& error) const {
    bool ok = false;
    const int code = error.nativeErrorCode().toInt(&ok) & 0xFF;
    if (!ok) return RegStatus::kIoFailed;
    switch (code) {
    case 5: // SQLITE_BUSY
    case 6: // SQLITE_LOCKED
        return RegStatus::kBusy;
    case 3:  // SQLITE_PERM
    case 8:  // SQLITE_READONLY
    case 23: // SQLITE_AUTH
        return RegStatus::kAccessDenied;
    case 11: // SQLITE_CORRUPT
    case 26: // SQLITE_NOTADB
        return RegStatus::kBadStore;
    default:
        return RegStatus::kIoFailed;
    }
}

int32_t RegistryStore::writability(QString* why) const {
    // SQLite opens a file it may not write for reading and lets every write
    // fail on its own: asked first, so that such a store is not taken for
    // one that is busy.
    const QFileInfo info(file_);
    for (const QString& path : {file_, info.absolutePath()}) {
        // With the rights the program has, not the player's: the shared
        // Halls' writer may write where the player may not.
        if (::faccessat(AT_FDCWD, QFile::encodeName(path).constData(), W_OK, AT_EACCESS) == 0)
            continue;
        if (errno == ENOENT && path == file_) continue; // made on first use
        if (why)
            *why = QStringLiteral("%1: %2").arg(path, QString::fromLocal8Bit(std::strerror(errno)));
        return RegStatus::kAccessDenied;
    }
    return RegStatus::kSuccess;
}

QString RegistryStore::whyNotWritable() {
    QString why;
    if (writability(&why) != RegStatus::kSuccess) return why;
    if (availability() == RegStatus::kBadStore)
        //: %1 is the path of the file that keeps the Halls.
        return tr("%1 is not a store of Vorka's, or it is damaged").arg(file_);
    return {};
}

bool RegistryStore::beginTransaction(bool write) {
    beginFailure_ = availability();
    if (beginFailure_ != RegStatus::kSuccess) return false;
    if (write && depth_ == 0) {
        beginFailure_ = writability();
        if (beginFailure_ != RegStatus::kSuccess) return false;
    }
    QSqlQuery query(db_);
    const QString sql = depth_ > 0 ? QStringLiteral("SAVEPOINT level%1").arg(depth_)
                        : write    ? QStringLiteral("BEGIN IMMEDIATE")
                                   : QStringLiteral("BEGIN");
    if (!run(query, sql)) {
        beginFailure_ = statusOf(query.lastError());
        return false;
    }
    ++depth_;
    return true;
}

bool RegistryStore::commitTransaction() {
    if (depth_ == 0) return false;
    QSqlQuery query(db_);
    if (depth_ == 1) {
        if (run(query, QStringLiteral("COMMIT"))) {
            depth_ = 0;
            return true;
        }
        // A failed commit leaves the transaction open: undo it.
        rollbackTransaction();
        return false;
    }
    const bool ok = run(query, QStringLiteral("RELEASE level%1").arg(depth_ - 1));
    --depth_;
    return ok;
}

void RegistryStore::rollbackTransaction() {
    if (depth_ == 0) return;
    QSqlQuery query(db_);
    if (depth_ == 1) {
        run(query, QStringLiteral("ROLLBACK"));
    } else {
        const QString name = QStringLiteral("level%1").arg(depth_ - 1);
        run(query, QStringLiteral("ROLLBACK TO ") + name);
        run(query, QStringLiteral("RELEASE ") + name);
    }
    --depth_;
}

int32_t RegistryStore::keyExists(const QString& path) {
    if (const int32_t s = availability(); s != RegStatus::kSuccess) return s;
    if (isRoot(path)) return RegStatus::kSuccess;
    QSqlQuery query(db_);
    if (!run(query, QStringLiteral("SELECT 1 FROM reg_keys WHERE path = ?"), {path}))
        return statusOf(query.lastError());
    return query.next() ? RegStatus::kSuccess : RegStatus::kNotFound;
}

int32_t RegistryStore::valuesKey(const QString& path) {
    const int32_t exists = keyExists(path);
    return exists == RegStatus::kNotFound ? RegStatus::kKeyDeleted : exists;
}

int32_t RegistryStore::createKey(const QString& path) {
    if (const int32_t s = availability(); s != RegStatus::kSuccess) return s;
    if (isRoot(path)) return RegStatus::kSuccess;
    WriteScope scope(*this);
    if (!scope.begun()) return beginFailure_;
    QSqlQuery query(db_);
    // From the top down, so that every parent exists before its child.
    for (qsizetype cut = path.indexOf(u'\\', path.indexOf(u'\\') + 1);;
         cut = path.indexOf(u'\\', cut + 1)) {
        const QString key = cut < 0 ? path : path.left(cut);
        if (!run(query,
                 QStringLiteral("INSERT OR IGNORE INTO reg_keys (path, parent) VALUES (?, ?)"),
                 {key, parentOf(key)}))
            return statusOf(query.lastError());
        if (cut < 0) break;
    }
    return scope.commit() ? RegStatus::kSuccess : RegStatus::kIoFailed;
}

int32_t RegistryStore::deleteKey(const QString& path) {
    if (const int32_t s = availability(); s != RegStatus::kSuccess) return s;
    if (isRoot(path)) return RegStatus::kAccessDenied;
    WriteScope scope(*this);
    if (!scope.begun()) return beginFailure_;
    const int32_t exists = keyExists(path);
    if (exists != RegStatus::kSuccess) return exists;
    QSqlQuery query(db_);
    if (!run(query, QStringLiteral("SELECT 1 FROM reg_keys WHERE parent = ? LIMIT 1"), {path}))
        return statusOf(query.lastError());
    if (query.next()) return RegStatus::kAccessDenied;
    query.finish();
    if (!run(query, QStringLiteral("DELETE FROM reg_values WHERE key_path = ?"), {path}) ||
        !run(query, QStringLiteral("DELETE FROM reg_keys WHERE path = ?"), {path}))
        return statusOf(query.lastError());
    return scope.commit() ? RegStatus::kSuccess : RegStatus::kIoFailed;
}

int32_t RegistryStore::deleteValue(const QString& path, const QString& name) {
    if (const int32_t s = availability(); s != RegStatus::kSuccess) return s;
    WriteScope scope(*this);
    if (!scope.begun()) return beginFailure_;
    if (const int32_t s = valuesKey(path); s != RegStatus::kSuccess) return s;
    QSqlQuery query(db_);
    if (!run(query, QStringLiteral("DELETE FROM reg_values WHERE key_path = ? AND name = ?"),
             {path, name}))
        return statusOf(query.lastError());
    if (query.numRowsAffected() == 0) return RegStatus::kNotFound;
    return scope.commit() ? RegStatus::kSuccess : RegStatus::kIoFailed;
}

int32_t RegistryStore::setValue(const QString& path, const QString& name, uint32_t type,
                                const QByteArray& data) {
    if (const int32_t s = availability(); s != RegStatus::kSuccess) return s;
    WriteScope scope(*this);
    if (!scope.begun()) return beginFailure_;
    if (const int32_t s = valuesKey(path); s != RegStatus::kSuccess) return s;
    QSqlQuery query(db_);
    // A null QByteArray would be stored as NULL; the empty value is a blob.
    const QByteArray bytes = data.isNull() ? QByteArray("", 0) : data;
    if (!run(query,
             QStringLiteral("INSERT OR REPLACE INTO reg_values (key_path, name, type, data)"
                            " VALUES (?, ?, ?, ?)"),
             {path, name, static_cast<qlonglong>(type), bytes}))
        return statusOf(query.lastError());
    return scope.commit() ? RegStatus::kSuccess : RegStatus::kIoFailed;
}

int32_t RegistryStore::queryValue(const QString& path, const QString& name, qsizetype limit,
                                  StoredValue& value) {
    if (const int32_t s = valuesKey(path); s != RegStatus::kSuccess) return s;
    QSqlQuery query(db_);
    // A value over the limit is measured, not read.
    if (!run(query,
             QStringLiteral("SELECT type, length(CAST(data AS BLOB)),"
                            " CASE WHEN length(CAST(data AS BLOB)) <= ? THEN data END"
                            " FROM reg_values WHERE key_path = ? AND name = ?"),
             {static_cast<qlonglong>(limit), path, name}))
        return statusOf(query.lastError());
    if (!query.next()) return RegStatus::kNotFound;
    value.type = static_cast<uint32_t>(query.value(0).toLongLong());
    value.length = query.value(1).toLongLong();
    if (value.length > limit) {
        value.data.clear();
        return RegStatus::kMoreData;
    }
    value.data = query.value(2).toByteArray();
    return RegStatus::kSuccess;
}

int32_t RegistryStore::checkIntegrity() {
    if (!db_.isOpen()) return RegStatus::kBadStore;
    QSqlQuery query(db_);
    if (!run(query, QStringLiteral("PRAGMA quick_check")) || !query.next()) {
        // Another copy in the middle of a change is no sign of damage.
        return statusOf(query.lastError()) == RegStatus::kBusy ? RegStatus::kBusy
                                                               : RegStatus::kBadStore;
    }
    return query.value(0).toString() == QStringLiteral("ok") && !query.next()
               ? RegStatus::kSuccess
               : RegStatus::kBadStore;
}

bool RegistryStore::integrityOk() {
    return checkIntegrity() == RegStatus::kSuccess;
}
