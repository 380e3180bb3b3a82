#include "storage/Registry_Operations.h"
#include "storage/StorePaths.h"

#include <QFile>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <limits>

using namespace Registry_Operations;

namespace {

const QString kKey = QStringLiteral(R"(.Default\Software\Tolvane Studios\Vorka\Test)");

QByteArray raw(std::initializer_list<int> bytes) {
    QByteArray out;
    for (int b : bytes) out.append(static_cast<char>(b));
    return out;
}

// Puts bytes into the store exactly as given, the way another program could.
void putRaw(const QString& path, const QString& name, uint32_t type, const QByteArray& bytes) {
    const QString full = QStringLiteral("HKEY_USERS\\") + path;
    QCOMPARE(store().createKey(full), RegStatus::kSuccess);
    QCOMPARE(store().setValue(full, name, type, bytes), RegStatus::kSuccess);
}

RegistryStore::StoredValue stored(const QString& path, const QString& name) {
    RegistryStore::StoredValue value;
    store().queryValue(QStringLiteral("HKEY_USERS\\") + path, name, 1 << 20, value);
    return value;
}

QByteArray fileBytes(const QString& file) {
    QFile f(file);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

} // namespace

class RegistryOperationsTest : public QObject {
    Q_OBJECT

    QTemporaryDir dir_;
    QString file_;

private slots:
    void init() {
        QVERIFY(dir_.isValid());
        file_ = dir_.filePath(QStringLiteral("store-%1.sqlite").arg(QTest::currentTestFunction()));
        QFile::remove(file_);
        setStoreFile(file_);
    }
    void cleanup() { closeStore(); }

    // --- conversions on bytes ---------------------------------------------

    void decode_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<int>("length");
        QTest::addColumn<uint>("type");
        QTest::addColumn<QVariant>("expected");
        QTest::newRow("text") << QByteArray("145", 4) << 4 << 1u << QVariant(QString("145"));
        QTest::newRow("empty text") << QByteArray("", 1) << 1 << 1u << QVariant(QString());
        QTest::newRow("text of length 0") << QByteArray() << 0 << 1u << QVariant(QString());
        QTest::newRow("only the length counts")
            << QByteArray("abc\0junk", 8) << 4 << 1u << QVariant(QString("abc"));
        QTest::newRow("text without its NUL keeps its end")
            << QByteArray("abc") << 3 << 1u << QVariant(QString("abc"));
        QTest::newRow("8-bit text")
            << raw({0x5A, 0x6F, 0xEB, 0x80, 0}) << 5 << 1u << QVariant(QString::fromUtf8("Zoë€"));
        QTest::newRow("number -1") << raw({0xFF, 0xFF, 0xFF, 0xFF}) << 4 << 4u << QVariant(-1);
        QTest::newRow("smallest number") << raw({0x00, 0x00, 0x00, 0x80}) << 4 << 4u
                                         << QVariant(std::numeric_limits<int32_t>::min());
        QTest::newRow("number 145") << raw({0x91, 0, 0, 0}) << 4 << 4u << QVariant(145);
        QTest::newRow("type 0 as a number") << raw({0x01, 0x02, 0, 0}) << 4 << 0u << QVariant(513);
        QTest::newRow("big-endian 145") << raw({0, 0, 0, 0x91}) << 4 << 5u << QVariant(145);
        QTest::newRow("big-endian smallest")
            << raw({0x80, 0, 0, 0}) << 4 << 5u << QVariant(std::numeric_limits<int32_t>::min());
        QTest::newRow("short number") << raw({0x05}) << 1 << 4u << QVariant(5);
        QTest::newRow("list of texts")
            << QByteArray("a\0bc\0\0", 6) << 6 << 7u << QVariant(QString::fromLatin1("a\0bc", 4));
        QTest::newRow("raw bytes") << QByteArray("xyz") << 3 << 3u << QVariant(0);
        QTest::newRow("link") << QByteArray("xyz") << 3 << 6u << QVariant(0);
        QTest::newRow("resource list") << QByteArray("xyz") << 3 << 8u << QVariant(0);
        QTest::newRow("unknown type") << raw({1, 2, 3, 4}) << 4 << 99u << QVariant(0);
        QTest::newRow("expandable without references")
            << QByteArray("plain\0", 6) << 6 << 2u << QVariant(QString("plain"));
    }
    void decode() {
        QFETCH(QByteArray, bytes);
        QFETCH(int, length);
        QFETCH(uint, type);
        QFETCH(QVariant, expected);
        const QVariant value = DecodeRegValue(bytes, length, type);
        QCOMPARE(value.typeId(), expected.typeId());
        QCOMPARE(value, expected);
    }

    void expand_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("expected");
        QTest::newRow("reference")
            << QByteArray("%VORKA_TEST_HOME%\\games\0", 24) << "/home/ann\\games";
        QTest::newRow("two references")
            << QByteArray("%VORKA_TEST_HOME%:%VORKA_TEST_HOME%\0", 36) << "/home/ann:/home/ann";
        QTest::newRow("unset variable stays")
            << QByteArray("%VORKA_TEST_UNSET%x\0", 20) << "%VORKA_TEST_UNSET%x";
        QTest::newRow("lone percent") << QByteArray("100%\0", 5) << "100%";
        QTest::newRow("ends at the NUL")
            << QByteArray("%VORKA_TEST_HOME%\0junk", 22) << "/home/ann";
    }
    void expand() {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, expected);
        qputenv("VORKA_TEST_HOME", "/home/ann");
        qunsetenv("VORKA_TEST_UNSET");
        const QVariant value = DecodeRegValue(bytes, bytes.size(), REG_EXPAND_SZ);
        QCOMPARE(value.typeId(), QMetaType::QString);
        QCOMPARE(value.toString(), expected);
    }

    void expansionFillsOneBuffer() {
        qputenv("VORKA_TEST_LONG", QByteArray(3000, 'x'));
        const QString value =
            DecodeRegValue(QByteArray("%VORKA_TEST_LONG%\0", 18), 18, REG_EXPAND_SZ).toString();
        QCOMPARE(value.size(), kReadBufferSize - 1);
    }

    void encode_data() {
        QTest::addColumn<QVariant>("value");
        QTest::addColumn<uint>("type");
        QTest::addColumn<QByteArray>("expected");
        QTest::newRow("text") << QVariant(QString("145")) << 1u << QByteArray("145", 4);
        QTest::newRow("empty text") << QVariant(QString()) << 1u << QByteArray("", 1);
        QTest::newRow("number as text") << QVariant(145) << 1u << QByteArray("145", 4);
        QTest::newRow("negative as text") << QVariant(-3) << 2u << QByteArray("-3", 3);
        QTest::newRow("true as text") << QVariant(true) << 1u << QByteArray("-1", 3);
        QTest::newRow("8-bit text")
            << QVariant(QString::fromUtf8("Zoë€")) << 1u << raw({0x5A, 0x6F, 0xEB, 0x80, 0});
        QTest::newRow("foreign characters")
            << QVariant(QString::fromUtf8("日本")) << 1u << QByteArray("??", 3);
        QTest::newRow("list") << QVariant(QString("ab")) << 7u << QByteArray("ab\0\0", 4);
        QTest::newRow("number -1") << QVariant(-1) << 4u << raw({0xFF, 0xFF, 0xFF, 0xFF});
        QTest::newRow("number big-endian") << QVariant(145) << 5u << raw({0, 0, 0, 0x91});
        QTest::newRow("raw bytes") << QVariant(QByteArray("\x01\x02", 2)) << 3u << raw({1, 2});
        QTest::newRow("nothing for links") << QVariant(QString("x")) << 6u << QByteArray();
    }
    void encode() {
        QFETCH(QVariant, value);
        QFETCH(uint, type);
        QFETCH(QByteArray, expected);
        QCOMPARE(EncodeRegValue(value, type), expected);
    }

    // --- the wrappers over stored bytes -----------------------------------

    void readStored_data() {
        QTest::addColumn<uint>("type");
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<int>("number");
        QTest::addColumn<QString>("text");
        // The defaults are 7 and "default".
        QTest::newRow("dword -1") << 4u << raw({0xFF, 0xFF, 0xFF, 0xFF}) << -1 << "-1";
        QTest::newRow("dword smallest")
            << 4u << raw({0, 0, 0, 0x80}) << std::numeric_limits<int32_t>::min() << "-2147483648";
        QTest::newRow("decimal text") << 1u << QByteArray("145", 4) << 145 << "145";
        QTest::newRow("text with blanks") << 1u << QByteArray(" 12 ", 5) << 12 << " 12 ";
        QTest::newRow("not a number") << 1u << QByteArray("abc", 4) << 7 << "abc";
        QTest::newRow("number then letters") << 1u << QByteArray("12x", 4) << 7 << "12x";
        QTest::newRow("out of range") << 1u << QByteArray("2147483648", 11) << 7 << "2147483648";
        QTest::newRow("empty text") << 1u << QByteArray("", 1) << 7 << "";
        QTest::newRow("text of length 0") << 1u << QByteArray() << 7 << "";
        QTest::newRow("raw bytes") << 3u << QByteArray("xyz") << 0 << "0";
        QTest::newRow("expanded number")
            << 2u << QByteArray("%VORKA_TEST_NUMBER%\0", 20) << 42 << "42";
    }
    void readStored() {
        QFETCH(uint, type);
        QFETCH(QByteArray, bytes);
        QFETCH(int, number);
        QFETCH(QString, text);
        qputenv("VORKA_TEST_NUMBER", "42");
        putRaw(kKey, "v", type, bytes);
        QCOMPARE(ReadRegNumber(HKEY_USERS, kKey, "v", 7), number);
        QCOMPARE(ReadRegText(HKEY_USERS, kKey, "v", "default"), text);
    }

    void neverWrittenGivesDefault() {
        QCOMPARE(ReadRegNumber(HKEY_USERS, kKey, "1S", 145), 145);
        QCOMPARE(ReadRegText(HKEY_USERS, kKey, "1", "Tolvane Studios"), QString("Tolvane Studios"));
        // The key exists but not the value.
        QCOMPARE(WriteRegText(HKEY_USERS, kKey, "other", "x"), RegStatus::kSuccess);
        QCOMPARE(ReadRegNumber(HKEY_USERS, kKey, "1S", 145), 145);
        QCOMPARE(ReadRegText(HKEY_USERS, kKey, "1", "Tolvane Studios"), QString("Tolvane Studios"));
    }

    void writeStoresTypeOneText() {
        QCOMPARE(WriteRegText(HKEY_USERS, kKey, "1S", "145"), RegStatus::kSuccess);
        const auto value = stored(kKey, "1S");
        QCOMPARE(value.type, REG_SZ);
        QCOMPARE(value.length, 4);
        QCOMPARE(value.data, QByteArray("145", 4));
        QCOMPARE(ReadRegNumber(HKEY_USERS, kKey, "1S", 0), 145);
        QCOMPARE(ReadRegText(HKEY_USERS, kKey, "1S", ""), QString("145"));
    }

    void emptyTextIsOnlyItsNul() {
        QCOMPARE(WriteRegText(HKEY_USERS, kKey, "1", ""), RegStatus::kSuccess);
        const auto value = stored(kKey, "1");
        QCOMPARE(value.type, REG_SZ);
        QCOMPARE(value.data, QByteArray("", 1));
        QCOMPARE(ReadRegText(HKEY_USERS, kKey, "1", "default"), QString());
    }

    void textKeepsItsCharacters() {
        const QString name = QString::fromUtf8("Zoë Œuvre ÿ 日");
        QCOMPARE(WriteRegText(HKEY_USERS, kKey, "1", name), RegStatus::kSuccess);
        QCOMPARE(ReadRegText(HKEY_USERS, kKey, "1", ""), QString::fromUtf8("Zoë Œuvre ÿ ?"));
    }

    void overwriteReplacesValue() {
        QCOMPARE(WriteRegText(HKEY_USERS, kKey, "1", "Ann"), RegStatus::kSuccess);
        QCOMPARE(WriteRegText(HKEY_USERS, kKey, "1", "Bob"), RegStatus::kSuccess);
        QCOMPARE(ReadRegText(HKEY_USERS, kKey, "1", ""), QString("Bob"));
    }

    void readBufferLimit_data() {
        QTest::addColumn<int>("bytes");
        QTest::addColumn<bool>("readable");
        QTest::newRow("2047 characters and the NUL") << 2048 << true;
        QTest::newRow("one byte more") << 2049 << false;
        QTest::newRow("far more") << 100000 << false;
    }
    void readBufferLimit() {
        QFETCH(int, bytes);
        QFETCH(bool, readable);
        const QString text(bytes - 1, u'a');
        QCOMPARE(WriteRegText(HKEY_USERS, kKey, "long", text), RegStatus::kSuccess);
        QCOMPARE(ReadRegText(HKEY_USERS, kKey, "long", "default"),
                 readable ? text : QString("default"));

        KeyHandle key = 0;
        QCOMPARE(OpenRegKey(HKEY_USERS, kKey, KEY_READ, key), RegStatus::kSuccess);
        QVariant value(QStringLiteral("untouched"));
        QCOMPARE(QueryRegValue(key, "long", value),
                 readable ? RegStatus::kSuccess : RegStatus::kMoreData);
        QCOMPARE(value.toString(), readable ? text : QString("untouched"));
        QCOMPARE(CloseRegKey(key), RegStatus::kSuccess);
    }

    void writeCreatesMissingParents() {
        KeyHandle key = 0;
        QCOMPARE(OpenRegKey(HKEY_USERS, ".Default", KEY_READ, key), RegStatus::kNotFound);
        QCOMPARE(WriteRegText(HKEY_USERS, kKey, "1", "Ann"), RegStatus::kSuccess);
        QString path;
        for (const QString& part : kKey.split(u'\\')) {
            path += (path.isEmpty() ? "" : "\\") + part;
            QCOMPARE(OpenRegKey(HKEY_USERS, path, KEY_READ, key), RegStatus::kSuccess);
            QCOMPARE(CloseRegKey(key), RegStatus::kSuccess);
        }
    }

    void namesIgnoreCase() {
        QCOMPARE(WriteRegText(HKEY_USERS, kKey, "1S", "145"), RegStatus::kSuccess);
        QCOMPARE(ReadRegNumber(HKEY_USERS, kKey.toUpper(), "1s", 0), 145);
    }

    void deleteKeyRemovesItsValues() {
        QCOMPARE(WriteRegText(HKEY_USERS, kKey, "1", "Ann"), RegStatus::kSuccess);
        QCOMPARE(WriteRegText(HKEY_USERS, kKey, "1S", "145"), RegStatus::kSuccess);
        QCOMPARE(DeleteRegKey(HKEY_USERS, kKey), RegStatus::kSuccess);
        KeyHandle key = 0;
        QCOMPARE(OpenRegKey(HKEY_USERS, kKey, KEY_READ, key), RegStatus::kNotFound);
        QCOMPARE(ReadRegText(HKEY_USERS, kKey, "1", "gone"), QString("gone"));
        // A key made again under the same path starts empty.
        QCOMPARE(CreateRegKey(HKEY_USERS, kKey, key), RegStatus::kSuccess);
        QCOMPARE(ReadRegNumber(HKEY_USERS, kKey, "1S", -5), -5);
        QCOMPARE(CloseRegKey(key), RegStatus::kSuccess);
    }

    void deleteMissingKeyFails() {
        QCOMPARE(WriteRegText(HKEY_USERS, kKey, "1", "Ann"), RegStatus::kSuccess);
        QVERIFY(DeleteRegKey(HKEY_USERS, kKey + "\\Missing") != RegStatus::kSuccess);
        QCOMPARE(ReadRegText(HKEY_USERS, kKey, "1", ""), QString("Ann"));
    }

    void deleteKeepsParentAndSubkeys() {
        const QString child = kKey + "\\Child";
        QCOMPARE(WriteRegText(HKEY_USERS, kKey, "1", "Ann"), RegStatus::kSuccess);
        QCOMPARE(WriteRegText(HKEY_USERS, child, "1", "Bob"), RegStatus::kSuccess);
        // A key with subkeys is not deleted.
        QCOMPARE(DeleteRegKey(HKEY_USERS, kKey), RegStatus::kAccessDenied);
        QCOMPARE(ReadRegText(HKEY_USERS, kKey, "1", ""), QString("Ann"));
        QCOMPARE(DeleteRegKey(HKEY_USERS, child), RegStatus::kSuccess);
        QCOMPARE(ReadRegText(HKEY_USERS, kKey, "1", ""), QString("Ann"));
        QCOMPARE(DeleteRegKey(HKEY_USERS, kKey), RegStatus::kSuccess);
    }

    void handles() {
        KeyHandle key = 0;
        QCOMPARE(CreateRegKey(HKEY_USERS, kKey, key), RegStatus::kSuccess);
        QCOMPARE(SetRegValue(key, "1", REG_SZ, QString("Ann")), RegStatus::kSuccess);
        QCOMPARE(CloseRegKey(key), RegStatus::kSuccess);
        QCOMPARE(CloseRegKey(key), RegStatus::kInvalidHandle);
        QCOMPARE(SetRegValue(key, "1", REG_SZ, QString("Bob")), RegStatus::kInvalidHandle);

        // A key opened for reading cannot be written.
        QCOMPARE(OpenRegKey(HKEY_USERS, kKey, KEY_READ, key), RegStatus::kSuccess);
        QCOMPARE(SetRegValue(key, "1", REG_SZ, QString("Bob")), RegStatus::kAccessDenied);
        QCOMPARE(CloseRegKey(key), RegStatus::kSuccess);
        QCOMPARE(ReadRegText(HKEY_USERS, kKey, "1", ""), QString("Ann"));

        // Paths relative to an open key.
        KeyHandle parent = 0;
        QCOMPARE(OpenRegKey(HKEY_USERS, ".Default\\Software", KEY_ALL_ACCESS, parent),
                 RegStatus::kSuccess);
        QCOMPARE(OpenRegKey(parent, "Tolvane Studios\\Vorka\\Test", KEY_READ, key),
                 RegStatus::kSuccess);
        QVariant value;
        QCOMPARE(QueryRegValue(key, "1", value), RegStatus::kSuccess);
        QCOMPARE(value.toString(), QString("Ann"));
        CloseRegKey(key);
        CloseRegKey(parent);
    }

    void deletedKeyCannotBeWritten() {
        KeyHandle key = 0;
        QCOMPARE(CreateRegKey(HKEY_USERS, kKey, key), RegStatus::kSuccess);
        QCOMPARE(DeleteRegKey(HKEY_USERS, kKey), RegStatus::kSuccess);
        QCOMPARE(SetRegValue(key, "1", REG_SZ, QString("Ann")), RegStatus::kKeyDeleted);
        CloseRegKey(key);
        QCOMPARE(ReadRegText(HKEY_USERS, kKey, "1", "none"), QString("none"));
    }

    void badPaths_data() {
        QTest::addColumn<uint>("root");
        QTest::addColumn<QString>("path");
        QTest::addColumn<int>("status");
        QTest::newRow("empty part")
            << uint(HKEY_USERS) << R"(.Default\\Software)" << RegStatus::kInvalidParameter;
        QTest::newRow("leading back-slash")
            << uint(HKEY_USERS) << R"(\.Default)" << RegStatus::kInvalidParameter;
        QTest::newRow("trailing back-slash")
            << uint(HKEY_USERS) << R"(.Default\)" << RegStatus::kInvalidParameter;
        QTest::newRow("unknown root") << 0x80000001u << ".Default" << RegStatus::kInvalidHandle;
    }
    void badPaths() {
        QFETCH(uint, root);
        QFETCH(QString, path);
        QFETCH(int, status);
        QCOMPARE(WriteRegText(root, path, "1", "x"), status);
        QCOMPARE(ReadRegText(root, path, "1", "default"), QString("default"));
        QCOMPARE(DeleteRegKey(root, path), status);
    }

    void survivesReopening() {
        QCOMPARE(WriteRegText(HKEY_USERS, kKey, "1", "Ann"), RegStatus::kSuccess);
        closeStore();
        setStoreFile(file_);
        QCOMPARE(ReadRegText(HKEY_USERS, kKey, "1", ""), QString("Ann"));
        QVERIFY(store().integrityOk());
    }

    void transactionIsAllOrNothing() {
        {
            Transaction t;
            QVERIFY(t.active());
            QCOMPARE(WriteRegText(HKEY_USERS, kKey, "1", "Ann"), RegStatus::kSuccess);
            QCOMPARE(WriteRegText(HKEY_USERS, kKey, "1S", "150"), RegStatus::kSuccess);
            // Visible inside, undone because it is not committed.
            QCOMPARE(ReadRegText(HKEY_USERS, kKey, "1", ""), QString("Ann"));
        }
        QCOMPARE(ReadRegText(HKEY_USERS, kKey, "1", "none"), QString("none"));
        KeyHandle key = 0;
        QCOMPARE(OpenRegKey(HKEY_USERS, kKey, KEY_READ, key), RegStatus::kNotFound);
        {
            Transaction t;
            QCOMPARE(WriteRegText(HKEY_USERS, kKey, "1", "Ann"), RegStatus::kSuccess);
            QVERIFY(t.commit());
        }
        QCOMPARE(store().transactionDepth(), 0);
        closeStore();
        QCOMPARE(ReadRegText(HKEY_USERS, kKey, "1", "none"), QString("Ann"));
    }

    void heldStoreFailsWritesButReads() {
        QCOMPARE(WriteRegText(HKEY_USERS, kKey, "1", "Ann"), RegStatus::kSuccess);
        setStoreFile(file_, 50);
        RegistryStore other(file_);
        QVERIFY(other.usable());
        QVERIFY(other.beginTransaction()); // another program holds the write lock
        QCOMPARE(WriteRegText(HKEY_USERS, kKey, "1", "Bob"), RegStatus::kBusy);
        QCOMPARE(ReadRegText(HKEY_USERS, kKey, "1", ""), QString("Ann"));
        {
            Transaction t;
            QVERIFY(!t.active());
        }
        QVERIFY(other.commitTransaction());
        QCOMPARE(WriteRegText(HKEY_USERS, kKey, "1", "Bob"), RegStatus::kSuccess);
        QCOMPARE(ReadRegText(HKEY_USERS, kKey, "1", ""), QString("Bob"));
    }

    // --- files that are not a store ---------------------------------------

    void unusableFile_data() {
        QTest::addColumn<QString>("kind");
        QTest::newRow("text file") << "text";
        QTest::newRow("another program's database") << "foreign";
        QTest::newRow("damaged store") << "damaged";
        QTest::newRow("store cut short") << "cut";
        QTest::newRow("random bytes") << "random";
    }
    void unusableFile() {
        QFETCH(QString, kind);
        closeStore();
        if (kind == "text") {
            QFile f(file_);
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write("Fame=Ann 200\nThis is not a database.\n");
        } else if (kind == "random") {
            QFile f(file_);
            QVERIFY(f.open(QIODevice::WriteOnly));
            QByteArray bytes(8192, '\0');
            for (int i = 0; i < bytes.size(); ++i) bytes[i] = char((i * 7919 + 13) % 251);
            f.write(bytes);
        } else if (kind == "foreign") {
            const QString name = QStringLiteral("foreign-db");
            {
                QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", name);
                db.setDatabaseName(file_);
                QVERIFY(db.open());
                QSqlQuery q(db);
                QVERIFY(q.exec("CREATE TABLE notes (text TEXT)"));
                QVERIFY(q.exec("INSERT INTO notes VALUES ('keep me')"));
                db.close();
            }
            QSqlDatabase::removeDatabase(name);
        } else {
            // A real store with enough values to fill several pages.
            setStoreFile(file_);
            Transaction fill;
            for (int i = 0; i < 200; ++i)
                QCOMPARE(WriteRegText(HKEY_USERS, kKey + QString::number(i % 7), QString::number(i),
                                      QString(300, QChar(u'a' + i % 26))),
                         RegStatus::kSuccess);
            QVERIFY(fill.commit());
            closeStore();
            QFile f(file_);
            QVERIFY(f.open(QIODevice::ReadWrite));
            QVERIFY(f.size() > 4 * 4096);
            if (kind == "cut") {
                QVERIFY(f.resize(f.size() / 2));
            } else {
                // Scramble the middle of two b-tree pages.
                for (qint64 page : {1, 3}) {
                    f.seek(page * 4096);
                    f.write(QByteArray(2048, '\xA5'));
                }
            }
        }
        const QByteArray before = fileBytes(file_);
        QVERIFY(!before.isEmpty());

        setStoreFile(file_);
        QVERIFY(!store().usable());
        QCOMPARE(ReadRegText(HKEY_USERS, kKey + "0", "0", "default"), QString("default"));
        QCOMPARE(ReadRegNumber(HKEY_USERS, kKey, "1S", 145), 145);
        QVERIFY(WriteRegText(HKEY_USERS, kKey, "1", "Ann") != RegStatus::kSuccess);
        QVERIFY(DeleteRegKey(HKEY_USERS, kKey + "0") != RegStatus::kSuccess);
        KeyHandle key = 0;
        QVERIFY(CreateRegKey(HKEY_USERS, kKey, key) != RegStatus::kSuccess);
        {
            Transaction t;
            QVERIFY(!t.active());
        }
        closeStore();
        QCOMPARE(fileBytes(file_), before); // never written, repaired or removed
    }

    void emptyFileBecomesStore() {
        closeStore();
        QFile f(file_);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.close();
        setStoreFile(file_);
        QVERIFY(store().usable());
        QCOMPARE(WriteRegText(HKEY_USERS, kKey, "1", "Ann"), RegStatus::kSuccess);
        QCOMPARE(ReadRegText(HKEY_USERS, kKey, "1", ""), QString("Ann"));
    }

    void missingFolderReadsDefaults() {
        setStoreFile(dir_.filePath("no/such/folder/store.sqlite"));
        QVERIFY(!store().usable());
        QCOMPARE(ReadRegNumber(HKEY_USERS, kKey, "1S", 145), 145);
        QVERIFY(WriteRegText(HKEY_USERS, kKey, "1", "Ann") != RegStatus::kSuccess);
    }

    void sharedFolderFileIsGroupWritable() {
        const QString shared = dir_.filePath("shared");
        QVERIFY(QDir().mkpath(shared));
        QVERIFY(QFile::setPermissions(shared, QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                                  QFileDevice::ExeOwner | QFileDevice::ReadGroup |
                                                  QFileDevice::WriteGroup | QFileDevice::ExeGroup));
        const QString file = StorePaths::settingsStoreFile(shared);
        QCOMPARE(file, QDir(shared).filePath(StorePaths::kStoreFileName));
        setStoreFile(file);
        QCOMPARE(WriteRegText(HKEY_USERS, kKey, "1", "Ann"), RegStatus::kSuccess);
        QVERIFY(QFile::permissions(file) & QFileDevice::WriteGroup);
    }

    void storeFileOutsideSharedFolder() {
        QStandardPaths::setTestModeEnabled(true);
        const QString own = StorePaths::settingsStoreFile(dir_.filePath("not-there"));
        QCOMPARE(QFileInfo(own).absolutePath(),
                 QStandardPaths::writableLocation(QStandardPaths::AppDataLocation));
        QVERIFY(QFileInfo(QFileInfo(own).absolutePath()).isDir());
        QStandardPaths::setTestModeEnabled(false);
    }
};

QTEST_GUILESS_MAIN(RegistryOperationsTest)
#include "RegistryOperationsTest.moc"
