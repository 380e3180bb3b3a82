#include "storage/Registry_Operations.h"

#include "storage/EightBitText.h"
#include "storage/StorePaths.h"

#include <QCoreApplication>
#include <QtEndian>

#include <map>
#include <memory>

namespace Registry_Operations {

namespace {

struct OpenKey {
    QString path; // full path, root name first
    uint32_t access = 0;
};

struct Layer {
    QString file;
    bool fileChosen = false;
    int busyTimeoutMs = RegistryStore::kBusyTimeoutMs;
    std::unique_ptr<RegistryStore> store;
    std::map<KeyHandle, OpenKey> keys;
    KeyHandle nextHandle = 1;
};

// Never destroyed: the store is closed by the application's post routine,
// while Qt Sql still exists.
Layer& layer() {
    static Layer* const instance = new Layer;
    return *instance;
}

const QString kUsersRootName = QStringLiteral("HKEY_USERS");

// Text as the 8-bit store holds it.
QString storedForm(const QString& text) {
    return EightBitText::toUnicode(EightBitText::fromUnicode(text));
}

// The full path of the key `root` names, or a null string.
QString basePath(KeyHandle root) {
    if (root == HKEY_USERS) return kUsersRootName;
    const auto& keys = layer().keys;
    const auto it = keys.find(root);
    return it == keys.end() ? QString() : it->second.path;
}

// Joins `relative` to the base; false for an empty part ("a\\b", "\a").
bool joinPath(const QString& base, const QString& relative, QString& full) {
    full = base;
    if (relative.isEmpty()) return true;
    for (const QString& part : relative.split(u'\\')) {
        if (part.isEmpty()) return false;
        full += u'\\' + storedForm(part);
    }
    return true;
}

Status resolve(KeyHandle root, const QString& path, QString& full) {
    const QString base = basePath(root);
    if (base.isNull()) return RegStatus::kInvalidHandle;
    return joinPath(base, path, full) ? RegStatus::kSuccess : RegStatus::kInvalidParameter;
}

KeyHandle addHandle(const QString& path, uint32_t access) {
    Layer& l = layer();
    KeyHandle handle = l.nextHandle;
    while (handle == 0 || handle >= 0x80000000u || l.keys.count(handle))
        handle = handle >= 0x80000000u ? 1 : handle + 1;
    l.nextHandle = handle + 1;
    l.keys[handle] = OpenKey{path, access};
    return handle;
}

const OpenKey* openKey(KeyHandle key) {
    const auto& keys = layer().keys;
    const auto it = keys.find(key);
    return it == keys.end() ? nullptr : &it->second;
}

QString programText(const QVariant& value) {
    if (value.typeId() == QMetaType::Bool) return value.toBool() ? QStringLiteral("-1") : "0";
    return value.toString();
}

// A decimal whole number in the signed 32-bit range, blanks around it allowed.
bool parseDecimal(const QString& text, int32_t& number) {
    bool ok = false;
    const int value = text.trimmed().toInt(&ok, 10);
    if (ok) number = value;
    return ok;
}

int32_t programNumber(const QVariant& value) {
    if (value.typeId() == QMetaType::Bool) return value.toBool() ? -1 : 0;
    if (value.typeId() == QMetaType::QString) {
        int32_t number = 0;
        parseDecimal(value.toString(), number);
        return number;
    }
    return static_cast<int32_t>(value.toLongLong());
}

// %NAME% references replaced by the variables' values; a reference to an
// unset variable stays as it is. The result fills at most the 2048-character
// buffer, terminator included.
QString expandEnvironmentStrings(const QString& text) {
    QString out;
    qsizetype i = 0;
    while (i < text.size()) {
        const qsizetype open = text.indexOf(u'%', i);
        const qsizetype close = open < 0 ? -1 : text.indexOf(u'%', open + 1);
        if (close < 0) {
            out += text.mid(i);
            break;
        }
        out += text.mid(i, open - i);
        const QString name = text.mid(open + 1, close - open - 1);
        if (!name.isEmpty() && qEnvironmentVariableIsSet(name.toLocal8Bit().constData()))
            out += qEnvironmentVariable(name.toLocal8Bit().constData());
        else
            out += text.mid(open, close - open + 1);
        i = close + 1;
    }
    return out.left(kReadBufferSize - 1);
}

int32_t littleEndian32(QByteArrayView data) {
    uint32_t n = 0;
    for (qsizetype i = 0; i < 4 && i < data.size(); ++i)
        n |= static_cast<uint32_t>(static_cast<unsigned char>(data[i])) << (8 * i);
    return static_cast<int32_t>(n);
}

int32_t bigEndian32(QByteArrayView data) {
    uint32_t n = 0;
    for (qsizetype i = 0; i < 4; ++i) {
        const uint32_t b = i < data.size() ? static_cast<unsigned char>(data[i]) : 0;
        n = (n << 8) | b;
    }
    return static_cast<int32_t>(n);
}

} // namespace

// --- the store file ------------------------------------------------------

void setStoreFile(const QString& file, int busyTimeoutMs) {
    closeStore();
    layer().file = file;
    layer().fileChosen = true;
    layer().busyTimeoutMs = busyTimeoutMs;
}

QString storeFile() {
    Layer& l = layer();
    if (!l.fileChosen) {
        l.file = StorePaths::settingsStoreFile();
        l.fileChosen = true;
    }
    return l.file;
}

RegistryStore& store() {
    Layer& l = layer();
    if (!l.store) {
        l.store = std::make_unique<RegistryStore>(storeFile(), l.busyTimeoutMs);
        static bool closedAtExit = false;
        if (!closedAtExit && QCoreApplication::instance()) {
            qAddPostRoutine(closeStore);
            closedAtExit = true;
        }
    }
    return *l.store;
}

void closeStore() {
    Layer& l = layer();
    l.keys.clear();
    l.store.reset();
}

Transaction::Transaction(bool write) : active_(store().beginTransaction(write)) {
    status_ = active_ ? RegStatus::kSuccess : store().beginFailure();
}

Transaction::~Transaction() {
    if (active_) store().rollbackTransaction();
}

bool Transaction::commit() {
    if (!active_) return false;
    active_ = false;
    return store().commitTransaction();
}

// --- low-level operations --------------------------------------------------

Status CreateRegKey(KeyHandle root, const QString& path, KeyHandle& key) {
    QString full;
    if (const Status s = resolve(root, path, full); s != RegStatus::kSuccess) return s;
    if (const Status s = store().createKey(full); s != RegStatus::kSuccess) return s;
    key = addHandle(full, KEY_ALL_ACCESS);
    return RegStatus::kSuccess;
}

Status OpenRegKey(KeyHandle root, const QString& path, uint32_t access, KeyHandle& key) {
    QString full;
    if (const Status s = resolve(root, path, full); s != RegStatus::kSuccess) return s;
    if (const Status s = store().keyExists(full); s != RegStatus::kSuccess) return s;
    key = addHandle(full, access);
    return RegStatus::kSuccess;
}

Status CloseRegKey(KeyHandle key) {
    if (key == HKEY_USERS) return RegStatus::kSuccess;
    return layer().keys.erase(key) ? RegStatus::kSuccess : RegStatus::kInvalidHandle;
}

Status DeleteRegKey(KeyHandle root, const QString& path) {
    if (path.isEmpty()) return RegStatus::kInvalidParameter;
    QString full;
    if (const Status s = resolve(root, path, full); s != RegStatus::kSuccess) return s;
    return store().deleteKey(full);
}

Status DeleteRegValue(KeyHandle key, const QString& name) {
    const OpenKey* open = openKey(key);
    if (!open) return RegStatus::kInvalidHandle;
    if (!(open->access & KEY_SET_VALUE)) return RegStatus::kAccessDenied;
    return store().deleteValue(open->path, storedForm(name));
}

Status SetRegValue(KeyHandle key, const QString& name, uint32_t type, const QVariant& value) {
    const OpenKey* open = openKey(key);
    if (!open) return RegStatus::kInvalidHandle;
    if (!(open->access & KEY_SET_VALUE)) return RegStatus::kAccessDenied;
    return store().setValue(open->path, storedForm(name), type, EncodeRegValue(value, type));
}

Status QueryRegValue(KeyHandle key, const QString& name, QVariant& value) {
    const OpenKey* open = openKey(key);
    if (!open) return RegStatus::kInvalidHandle;
    if (!(open->access & KEY_QUERY_VALUE)) return RegStatus::kAccessDenied;
    RegistryStore::StoredValue stored;
    const Status s = store().queryValue(open->path, storedForm(name), kReadBufferSize, stored);
    if (s == RegStatus::kSuccess) value = DecodeRegValue(stored.data, stored.length, stored.type);
    return s;
}

// --- conversions ----------------------------------------------------------

QByteArray EncodeRegValue(const QVariant& value, uint32_t type) {
    switch (type) {
    case REG_SZ:
    case REG_EXPAND_SZ:
        return EightBitText::fromUnicode(programText(value)) + '\0';
    case REG_MULTI_SZ:
        return EightBitText::fromUnicode(programText(value)) + QByteArray(2, '\0');
    case REG_NONE:
    case REG_DWORD:
    case REG_DWORD_BIG_ENDIAN: {
        const int32_t n = programNumber(value);
        QByteArray bytes(4, '\0');
        if (type == REG_DWORD_BIG_ENDIAN)
            qToBigEndian(n, bytes.data());
        else
            qToLittleEndian(n, bytes.data());
        return bytes;
    }
    case REG_BINARY:
        if (value.typeId() == QMetaType::QByteArray) return value.toByteArray();
        return EightBitText::fromUnicode(programText(value));
    default:
        return {};
    }
}

QVariant DecodeRegValue(const QByteArray& bytes, qsizetype length, uint32_t type) {
    const QByteArrayView data(bytes.constData(), std::clamp<qsizetype>(length, 0, bytes.size()));
    switch (type) {
    case REG_SZ: {
        // The stored NUL is dropped; a value written without one (only
        // another program does that) keeps its last character.
        QByteArrayView text = data;
        if (!text.isEmpty() && text.back() == '\0') text.chop(1);
        return EightBitText::toUnicode(text);
    }
    case REG_EXPAND_SZ: {
        const qsizetype nul = data.indexOf('\0');
        return expandEnvironmentStrings(EightBitText::toUnicode(nul < 0 ? data : data.first(nul)));
    }
    case REG_MULTI_SZ: {
        const qsizetype pair = data.indexOf(QByteArrayView("\0\0", 2));
        QByteArrayView text = pair < 0 ? data : data.first(pair);
        if (pair < 0 && !text.isEmpty() && text.back() == '\0') text.chop(1);
        return EightBitText::toUnicode(text);
    }
    case REG_NONE:
    case REG_DWORD:
        return littleEndian32(data);
    case REG_DWORD_BIG_ENDIAN:
        return bigEndian32(data);
    default:
        return 0;
    }
}

// --- wrappers -------------------------------------------------------------

namespace {
// Reads one value through its own open key; the status of the first call
// that failed, or kSuccess.
Status readValue(KeyHandle root, const QString& path, const QString& name, QVariant& value) {
    KeyHandle key = 0;
    Status s = OpenRegKey(root, path, KEY_READ, key);
    if (s != RegStatus::kSuccess) return s;
    s = QueryRegValue(key, name, value);
    CloseRegKey(key);
    return s;
}
} // namespace

int32_t ReadRegNumber(KeyHandle root, const QString& path, const QString& name,
                      int32_t defaultValue, Status* status) {
    int32_t result = defaultValue;
    QVariant value;
    const Status s = readValue(root, path, name, value);
    if (status) *status = s;
    if (s == RegStatus::kSuccess) {
        if (value.typeId() == QMetaType::Int)
            result = value.toInt();
        else if (value.typeId() == QMetaType::QString)
            parseDecimal(value.toString(), result);
    }
    return result;
}

QString ReadRegText(KeyHandle root, const QString& path, const QString& name,
                    const QString& defaultValue, Status* status) {
    QVariant value;
    const Status s = readValue(root, path, name, value);
    if (status) *status = s;
    return s == RegStatus::kSuccess ? value.toString() : defaultValue;
}

Status WriteRegText(KeyHandle root, const QString& path, const QString& name, const QString& text) {
    KeyHandle key = 0;
    if (const Status s = CreateRegKey(root, path, key); s != RegStatus::kSuccess) return s;
    if (const Status s = SetRegValue(key, name, REG_SZ, text); s != RegStatus::kSuccess) {
        CloseRegKey(key);
        return s;
    }
    return CloseRegKey(key);
}

} // namespace Registry_Operations
