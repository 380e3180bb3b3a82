#include "storage/Registry_Operations.h"

#include "storage/EightBitText.h"

#include <QtEndian>

#include <map>
#include <memory>

namespace Registry_Operations {

namespace {

const QString kUsersRootName = QStringLiteral("HKEY_USERS");

// Text as the 8-bit store holds it.
QString storedForm(const QString& text) {
    return EightBitText::toUnicode(EightBitText::fromUnicode(text));
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

// --- the store ------------------------------------------------------------

Registry::Registry(const QString& file, int busyTimeoutMs)
    : file_(file), busyTimeoutMs_(busyTimeoutMs) {}

Registry::~Registry() {
    closeStore();
}

void Registry::setStoreFile(const QString& file, int busyTimeoutMs) {
    closeStore();
    file_ = file;
    busyTimeoutMs_ = busyTimeoutMs;
}

RegistryStore& Registry::store() {
    if (!store_) store_ = std::make_unique<RegistryStore>(file_, busyTimeoutMs_);
    return *store_;
}

void Registry::closeStore() {
    keys_.clear();
    store_.reset();
}

QString Registry::basePath(KeyHandle root) const {
    if (root == HKEY_USERS) return kUsersRootName;
    const auto it = keys_.find(root);
    return it == keys_.end() ? QString() : it->second.path;
}

Status Registry::resolve(KeyHandle root, const QString& path, QString& full) const {
    const QString base = basePath(root);
    if (base.isNull()) return RegStatus::kInvalidHandle;
    return joinPath(base, path, full) ? RegStatus::kSuccess : RegStatus::kInvalidParameter;
}

KeyHandle Registry::addHandle(const QString& path, uint32_t access) {
    KeyHandle handle = nextHandle_;
    while (handle == 0 || handle >= 0x80000000u || keys_.count(handle))
        handle = handle >= 0x80000000u ? 1 : handle + 1;
    nextHandle_ = handle + 1;
    keys_[handle] = OpenKey{path, access};
    return handle;
}

const Registry::OpenKey* Registry::openKey(KeyHandle key) const {
    const auto it = keys_.find(key);
    return it == keys_.end() ? nullptr : &it->second;
}

Transaction::Transaction(Registry& registry, bool write)
    : registry_(registry), active_(registry.store().beginTransaction(write)) {
    status_ = active_ ? RegStatus::kSuccess : registry_.store().beginFailure();
}

Transaction::~Transaction() {
    if (active_) registry_.store().rollbackTransaction();
}

bool Transaction::commit() {
    if (!active_) return false;
    active_ = false;
    return registry_.store().commitTransaction();
}

// --- low-level operations --------------------------------------------------

Status Registry::CreateRegKey(KeyHandle root, const QString& path, KeyHandle& key) {
    QString full;
    if (const Status s = resolve(root, path, full); s != RegStatus::kSuccess) return s;
    if (const Status s = store().createKey(full); s != RegStatus::kSuccess) return s;
    key = addHandle(full, KEY_ALL_ACCESS);
    return RegStatus::kSuccess;
}

Status Registry::OpenRegKey(KeyHandle root, const QString& path, uint32_t access, KeyHandle& key) {
    QString full;
    if (const Status s = resolve(root, path, full); s != RegStatus::kSuccess) return s;
    if (const Status s = store().keyExists(full); s != RegStatus::kSuccess) return s;
    key = addHandle(full, access);
    return RegStatus::kSuccess;
}

Status Registry::CloseRegKey(KeyHandle key) {
    if (key == HKEY_USERS) return RegStatus::kSuccess;
    return keys_.erase(key) ? RegStatus::kSuccess : RegStatus::kInvalidHandle;
}

Status Registry::DeleteRegKey(KeyHandle root, const QString& path) {
    if (path.isEmpty()) return RegStatus::kInvalidParameter;
    QString full;
    if (const Status s = resolve(root, path, full); s != RegStatus::kSuccess) return s;
    return store().deleteKey(full);
}

Status Registry::DeleteRegValue(KeyHandle key, const QString& name) {
    const OpenKey* open = openKey(key);
    if (!open) return RegStatus::kInvalidHandle;
    if (!(open->access & KEY_SET_VALUE)) return RegStatus::kAccessDenied;
    return store().deleteValue(open->path, storedForm(name));
}

Status Registry::SetRegValue(KeyHandle key, const QString& name, uint32_t type,
                             const QVariant& value) {
    const OpenKey* open = openKey(key);
    if (!open) return RegStatus::kInvalidHandle;
    if (!(open->access & KEY_SET_VALUE)) return RegStatus::kAccessDenied;
    return store().setValue(open->path, storedForm(name), type, EncodeRegValue(value, type));
}

Status Registry::QueryRegValue(KeyHandle key, const QString& name, QVariant& value) {
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

Status Registry::readValue(KeyHandle root, const QString& path, const QString& name,
                           QVariant& value) {
    KeyHandle key = 0;
    Status s = OpenRegKey(root, path, KEY_READ, key);
    if (s != RegStatus::kSuccess) return s;
    s = QueryRegValue(key, name, value);
    CloseRegKey(key);
    return s;
}

int32_t Registry::ReadRegNumber(KeyHandle root, const QString& path, const QString& name,
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

QString Registry::ReadRegText(KeyHandle root, const QString& path, const QString& name,
                              const QString& defaultValue, Status* status) {
    QVariant value;
    const Status s = readValue(root, path, name, value);
    if (status) *status = s;
    return s == RegStatus::kSuccess ? value.toString() : defaultValue;
}

Status Registry::WriteRegText(KeyHandle root, const QString& path, const QString& name,
                              const QString& text) {
    KeyHandle key = 0;
    if (const Status s = CreateRegKey(root, path, key); s != RegStatus::kSuccess) return s;
    if (const Status s = SetRegValue(key, name, REG_SZ, text); s != RegStatus::kSuccess) {
        CloseRegKey(key);
        return s;
    }
    return CloseRegKey(key);
}

} // namespace Registry_Operations
