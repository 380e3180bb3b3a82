#pragma once

#include "storage/RegistryStore.h"

#include <QByteArray>
#include <QString>
#include <QVariant>

#include <cstdint>
#include <map>
#include <memory>

// The settings-store functions of the game: keys, single values, the
// conversion between program values and stored bytes, and three wrappers
// with defaults that the rest of the program uses. The store is one
// RegistryStore file, held by a Registry; keys live under the root
// HKEY_USERS. Statuses are passed through and never shown: a failed read
// gives the caller's default, a failed write a non-zero status.
//
// Text is kept in the store in the 8-bit character set of EightBitText;
// characters it cannot hold are stored as "?".
namespace Registry_Operations {

using KeyHandle = uint32_t;
using Status = int32_t;

// The one predefined root the game uses.
inline constexpr KeyHandle HKEY_USERS = 0x80000003u;

// Access rights of OpenRegKey.
inline constexpr uint32_t KEY_QUERY_VALUE = 0x0001;
inline constexpr uint32_t KEY_SET_VALUE = 0x0002;
inline constexpr uint32_t KEY_READ = 0x20019;
inline constexpr uint32_t KEY_WRITE = 0x20006;
inline constexpr uint32_t KEY_ALL_ACCESS = 0xF003F;

// Value types.
inline constexpr uint32_t REG_NONE = 0;
inline constexpr uint32_t REG_SZ = 1;
inline constexpr uint32_t REG_EXPAND_SZ = 2;
inline constexpr uint32_t REG_BINARY = 3;
inline constexpr uint32_t REG_DWORD = 4;
inline constexpr uint32_t REG_DWORD_BIG_ENDIAN = 5;
inline constexpr uint32_t REG_LINK = 6;
inline constexpr uint32_t REG_MULTI_SZ = 7;
inline constexpr uint32_t REG_RESOURCE_LIST = 8;

// Every read goes through a buffer of this many bytes; a longer value
// cannot be read.
inline constexpr qsizetype kReadBufferSize = 2048;

// The settings store as the program uses it: one store file, opened on
// first use, and the keys open in it. `main` makes the program's one and
// hands it to the Halls; tests make their own on a file of their own.
class Registry {
public:
    explicit Registry(const QString& file, int busyTimeoutMs = RegistryStore::kBusyTimeoutMs);
    ~Registry();
    Registry(const Registry&) = delete;
    Registry& operator=(const Registry&) = delete;

    // --- the store file --------------------------------------------------
    // Which file the store uses from now on; open keys are closed.
    void setStoreFile(const QString& file, int busyTimeoutMs = RegistryStore::kBusyTimeoutMs);
    const QString& storeFile() const { return file_; }
    // The store, opened on demand.
    RegistryStore& store();
    // Closes the store file (and every open key); the next call reopens it.
    void closeStore();

    // --- low-level operations, one store call each -----------------------------
    // `root` is HKEY_USERS or an open key; `path` is relative to it, parts
    // separated by back-slashes (empty: the root key itself).
    Status CreateRegKey(KeyHandle root, const QString& path, KeyHandle& key);
    Status OpenRegKey(KeyHandle root, const QString& path, uint32_t access, KeyHandle& key);
    Status CloseRegKey(KeyHandle key);
    // Deletes the key with its values (not a key that has subkeys).
    Status DeleteRegKey(KeyHandle root, const QString& path);
    // Deletes one value of an open key.
    Status DeleteRegValue(KeyHandle key, const QString& name);
    Status SetRegValue(KeyHandle key, const QString& name, uint32_t type, const QVariant& value);
    // On success `value` receives the decoded value; on failure it is left alone.
    Status QueryRegValue(KeyHandle key, const QString& name, QVariant& value);

    // --- the wrappers the program calls ----------------------------------------
    // The value as a number; text counts only when it holds a decimal whole
    // number in range, else the default is returned. `status`, when given,
    // receives kSuccess when a value was read, else the status of the failed
    // call (kNotFound for a value or key that is not there, kBusy, ...).
    int32_t ReadRegNumber(KeyHandle root, const QString& path, const QString& name,
                          int32_t defaultValue, Status* status = nullptr);
    QString ReadRegText(KeyHandle root, const QString& path, const QString& name,
                        const QString& defaultValue, Status* status = nullptr);
    // Writes a type 1 value, creating the key and its parents as needed.
    Status WriteRegText(KeyHandle root, const QString& path, const QString& name,
                        const QString& text);

private:
    struct OpenKey {
        QString path; // full path, root name first
        uint32_t access = 0;
    };
    // The full path of the key `root` names, or a null string.
    QString basePath(KeyHandle root) const;
    Status resolve(KeyHandle root, const QString& path, QString& full) const;
    KeyHandle addHandle(const QString& path, uint32_t access);
    const OpenKey* openKey(KeyHandle key) const;
    // Reads one value through its own open key; the status of the first
    // call that failed, or kSuccess.
    Status readValue(KeyHandle root, const QString& path, const QString& name, QVariant& value);

    QString file_;
    int busyTimeoutMs_;
    std::unique_ptr<RegistryStore> store_;
    std::map<KeyHandle, OpenKey> keys_;
    KeyHandle nextHandle_ = 1;
};

// Makes the calls of its lifetime one change of `registry`'s store: begun on
// construction, undone on destruction unless committed. When the store
// cannot begin one (unusable, or held by another program too long), the
// calls still run, each on its own; status() says why. A read transaction
// (write false) only makes its reads see one state of the store.
class Transaction {
public:
    explicit Transaction(Registry& registry, bool write = true);
    ~Transaction();
    Transaction(const Transaction&) = delete;
    Transaction& operator=(const Transaction&) = delete;
    bool active() const { return active_; }
    Status status() const { return status_; }
    bool commit();

private:
    Registry& registry_;
    bool active_ = false;
    Status status_ = 0;
};

// --- conversions ----------------------------------------------------------
// Types 1 and 2: the value as text (a number as its plain decimal digits)
// and one NUL. Type 7: the text and two NULs. Types 0 and 4: a 32-bit
// number, least significant byte first; type 5 most significant first.
// Type 3: the bytes of a QByteArray, or the 8-bit bytes of a text. Other
// types give no bytes.
QByteArray EncodeRegValue(const QVariant& value, uint32_t type);
// Text (QString) for types 1, 2 and 7, a signed 32-bit number (int) for
// types 0, 4 and 5, and the number 0 for every other type. Only the first
// `length` bytes of `bytes` count.
QVariant DecodeRegValue(const QByteArray& bytes, qsizetype length, uint32_t type);

} // namespace Registry_Operations
