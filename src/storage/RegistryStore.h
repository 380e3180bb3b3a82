#pragma once

#include <QByteArray>
#include <QCoreApplication>
#include <QSqlDatabase>
#include <QString>

#include <cstdint>

// Status codes of the settings store, the numbers the registry of the
// game's first platform gives for the same failures. 0 is success.
namespace RegStatus {
inline constexpr int32_t kSuccess = 0;
inline constexpr int32_t kNotFound = 2;          // no such key or value
inline constexpr int32_t kAccessDenied = 5;      // key opened without the right, or has subkeys
inline constexpr int32_t kInvalidHandle = 6;     // not an open key
inline constexpr int32_t kInvalidParameter = 87; // malformed key path
inline constexpr int32_t kBusy = 170;            // another program held the store too long
inline constexpr int32_t kMoreData = 234;        // value longer than the read buffer
inline constexpr int32_t kBadStore = 1009;       // not a store of this game, or damaged
inline constexpr int32_t kIoFailed = 1016;       // any other failure of the store file
inline constexpr int32_t kKeyDeleted = 1018;     // the open key has been deleted since
} // namespace RegStatus

// A hierarchical key/value store in one SQLite file. Keys are addressed by
// their full path ("HKEY_USERS\.Default\Software\..."), parts separated by
// back-slashes; values by name under a key, each with its type code and raw
// bytes. Paths and names compare without regard to ASCII case.
//
// Every change is a transaction, so a crash never leaves half a value, and
// several programs may share the file: a store that another program holds
// is waited for briefly, then the call fails with kBusy. The wait is kept
// short because every call is made on the user-interface thread; callers
// that must get through try again later. A store that is busy when it is
// opened is looked at again on the next call.
//
// A file that is not a database, a database of some other program, or a
// damaged one makes the store unusable: every read fails (so callers fall
// back to their defaults) and the file is never written, repaired or removed.
class RegistryStore {
    Q_DECLARE_TR_FUNCTIONS(RegistryStore)

public:
    struct StoredValue {
        uint32_t type = 0;
        qsizetype length = 0; // the stored length, even when the data was not read
        QByteArray data;      // empty when longer than the limit of the read
    };

    static constexpr int kBusyTimeoutMs = 50;

    // Opens the file, creating it with an empty store when it does not exist.
    // A store held by another program is waited for `busyTimeoutMs`.
    explicit RegistryStore(const QString& file, int busyTimeoutMs = kBusyTimeoutMs);
    ~RegistryStore();
    RegistryStore(const RegistryStore&) = delete;
    RegistryStore& operator=(const RegistryStore&) = delete;

    const QString& file() const { return file_; }
    // Whether the file is a store of this game; a store that is busy now
    // counts as not usable until it can be looked at.
    bool usable() { return check(); }

    // Creates the key and every missing parent. The first part of a path is
    // its root, which always exists.
    int32_t createKey(const QString& path);
    int32_t keyExists(const QString& path);
    // Deletes the key with its values; a key with subkeys is not deleted.
    int32_t deleteKey(const QString& path);
    int32_t deleteValue(const QString& path, const QString& name);
    int32_t setValue(const QString& path, const QString& name, uint32_t type,
                     const QByteArray& data);
    // Reads at most `limit` bytes: a longer value gives kMoreData with its
    // type and length but no data.
    int32_t queryValue(const QString& path, const QString& name, qsizetype limit,
                       StoredValue& value);

    // Groups the following calls into one change that other programs see
    // whole. Nests; an outermost write transaction holds the store's write
    // lock until it ends, so keep it short. A read transaction (write false)
    // sees one state of the store throughout and locks out no reader.
    bool beginTransaction(bool write = true);
    bool commitTransaction();
    void rollbackTransaction();
    // Why the last beginTransaction failed.
    int32_t beginFailure() const { return beginFailure_; }
    // Why the store takes no change (a read-only file or folder, a file that
    // is not a store of this game), in words for the player; empty while it
    // may take one.
    QString whyNotWritable();

    // Whether the file passes SQLite's own consistency check.
    bool integrityOk();

private:
    void open(int busyTimeoutMs);
    // Finds out, once, whether the file is a store of this game, setting it
    // up when it is new; false while that is not known or it is not.
    bool check();
    // kSuccess, kBusy while the check waits for another program,
    // kAccessDenied while a change cut short waits for a writer to take it
    // back, or kBadStore.
    int32_t availability();
    // The key whose values are read or changed: kSuccess, kKeyDeleted when it
    // is not there, or why it could not be looked for.
    int32_t valuesKey(const QString& path);
    int32_t initialise();
    // kSuccess, kBusy, or kBadStore for a damaged file.
    int32_t checkIntegrity();
    int32_t statusOf(const class QSqlError& error) const;
    // kSuccess, or kAccessDenied when the file or its folder (where the
    // journal goes) may not be written; `why` then says why.
    int32_t writability(QString* why = nullptr) const;

    QString file_;
    QString connectionName_;
    QSqlDatabase db_;
    bool existed_ = false;
    bool checked_ = true;
    bool usable_ = false;
    int depth_ = 0;
    int32_t beginFailure_ = 0; // why the last beginTransaction failed
    int32_t checkFailure_ = 0; // why the last check could not say
};
