#include "storage/Registry_Operations.h"
#include "storage/StorePaths.h"

#include <QFile>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTest>

#include <grp.h>
#include <sys/stat.h>
#include <unistd.h>

#include <limits>

using namespace Registry_Operations;

namespace {

const QString kKey = QStringLiteral(R"(.Default\Software\Tolvane Studios\Vorka\Test)");
constexpr int32_t kMin = std::numeric_limits<int32_t>::min();

QByteArray raw(std::initializer_list<int> bytes) {
    QByteArray out;
    for (int b : bytes) out.append(static_cast<char>(b));
    return out;
}

QString full(const QString& path) {
    return QStringLiteral("HKEY_USERS\\") + path;
}

QByteArray fileBytes(const QString& file) {
    QFile f(file);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

bool inGroup(gid_t gid) {
    gid_t groups[256];
    const int count = ::getgroups(256, groups);
    for (int i = 0; i < count; ++i)
        if (groups[i] == gid) return true;
    return ::getegid() == gid;
}

bool keyExists(Registry& reg_, const QString& path) {
    KeyHandle key = 0;
    if (reg_.OpenRegKey(HKEY_USERS, path, KEY_READ, key) != RegStatus::kSuccess) return false;
    reg_.CloseRegKey(key);
    return true;
}

} // namespace

class RegistryOperationsTest : public QObject {
    Q_OBJECT
    Registry_Operations::Registry reg_{QString()};

    QTemporaryDir dir_;
    QString file_;

private slots:
    void init() {
        QVERIFY(dir_.isValid());
        file_ = dir_.filePath(QStringLiteral("store-%1.sqlite").arg(QTest::currentTestFunction()));
        QFile::remove(file_);
        reg_.setStoreFile(file_);
    }
    void cleanup() { reg_.closeStore(); }

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
        QTest::newRow("FF FF FF FF") << raw({0xFF, 0xFF, 0xFF, 0xFF}) << 4 << 4u << QVariant(-1);
        QTest::newRow("00 00 00 80") << raw({0, 0, 0, 0x80}) << 4 << 4u << QVariant(kMin);
        QTest::newRow("type 0 as type 4") << raw({0x01, 0x02, 0, 0}) << 4 << 0u << QVariant(513);
        QTest::newRow("big-endian") << raw({0x80, 0, 0, 0x91}) << 4 << 5u << QVariant(kMin + 0x91);
        QTest::newRow("list of texts")
            << QByteArray("a\0bc\0\0x", 7) << 7 << 7u << QVariant(QString::fromLatin1("a\0bc", 4));
        QTest::newRow("raw bytes") << QByteArray("xyz") << 3 << 3u << QVariant(0);
        QTest::newRow("unknown type") << raw({1, 2, 3, 4}) << 4 << 99u << QVariant(0);
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
        QTest::newRow("reference") << QByteArray("%VORKA_TEST_HOME%\\x:%VORKA_TEST_HOME%\0junk", 40)
                                   << "/home/ann\\x:/home/ann";
        QTest::newRow("unset variable stays")
            << QByteArray("%VORKA_TEST_UNSET%x\0", 20) << "%VORKA_TEST_UNSET%x";
        QTest::newRow("lone percent") << QByteArray("100%\0", 5) << "100%";
        QTest::newRow("at most one buffer")
            << QByteArray("%VORKA_TEST_LONG%\0", 18) << QString(kReadBufferSize - 1, u'x');
    }
    void expand() {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, expected);
        qputenv("VORKA_TEST_HOME", "/home/ann");
        qputenv("VORKA_TEST_LONG", QByteArray(3000, 'x'));
        qunsetenv("VORKA_TEST_UNSET");
        const QVariant value = DecodeRegValue(bytes, bytes.size(), REG_EXPAND_SZ);
        QCOMPARE(value.typeId(), QMetaType::QString);
        QCOMPARE(value.toString(), expected);
    }

    void encode_data() {
        QTest::addColumn<QVariant>("value");
        QTest::addColumn<uint>("type");
        QTest::addColumn<QByteArray>("expected");
        QTest::newRow("empty text") << QVariant(QString()) << 1u << QByteArray("", 1);
        QTest::newRow("number as text") << QVariant(-145) << 2u << QByteArray("-145", 5);
        QTest::newRow("8-bit text")
            << QVariant(QString::fromUtf8("Zoë€日")) << 1u << raw({0x5A, 0x6F, 0xEB, 0x80, '?', 0});
        QTest::newRow("list") << QVariant(QString("ab")) << 7u << QByteArray("ab\0\0", 4);
        QTest::newRow("number") << QVariant(-1) << 4u << raw({0xFF, 0xFF, 0xFF, 0xFF});
        QTest::newRow("big-endian") << QVariant(145) << 5u << raw({0, 0, 0, 0x91});
    }
    void encode() {
        QFETCH(QVariant, value);
        QFETCH(uint, type);
        QFETCH(QByteArray, expected);
        QCOMPARE(EncodeRegValue(value, type), expected);
    }

    // Bytes put into the store as another program could, read by the wrappers
    // with the defaults 7 and "default".
    void readStored_data() {
        QTest::addColumn<uint>("type");
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<int>("number");
        QTest::addColumn<QString>("text");
        QTest::newRow("FF FF FF FF") << 4u << raw({0xFF, 0xFF, 0xFF, 0xFF}) << -1 << "-1";
        QTest::newRow("00 00 00 80") << 4u << raw({0, 0, 0, 0x80}) << kMin << "-2147483648";
        QTest::newRow("decimal text") << 1u << QByteArray(" 145", 5) << 145 << " 145";
        QTest::newRow("not a number") << 1u << QByteArray("12x", 4) << 7 << "12x";
        QTest::newRow("out of range") << 1u << QByteArray("2147483648", 11) << 7 << "2147483648";
        QTest::newRow("empty text") << 1u << QByteArray("", 1) << 7 << "";
        QTest::newRow("raw bytes") << 3u << QByteArray("xyz") << 0 << "0";
        QTest::newRow("expanded") << 2u << QByteArray("%VORKA_TEST_NUMBER%\0", 20) << 42 << "42";
    }
    void readStored() {
        QFETCH(uint, type);
        QFETCH(QByteArray, bytes);
        QFETCH(int, number);
        QFETCH(QString, text);
        qputenv("VORKA_TEST_NUMBER", "42");
        QCOMPARE(reg_.store().createKey(full(kKey)), RegStatus::kSuccess);
        QCOMPARE(reg_.store().setValue(full(kKey), "v", type, bytes), RegStatus::kSuccess);
        QCOMPARE(reg_.ReadRegNumber(HKEY_USERS, kKey, "v", 7), number);
        QCOMPARE(reg_.ReadRegText(HKEY_USERS, kKey, "v", "default"), text);
    }

    void neverWrittenGivesDefault() {
        QCOMPARE(reg_.ReadRegNumber(HKEY_USERS, kKey, "1S", 145), 145);
        QCOMPARE(reg_.ReadRegText(HKEY_USERS, kKey, "1", "Tolvane Studios"),
                 QString("Tolvane Studios"));
        QCOMPARE(reg_.WriteRegText(HKEY_USERS, kKey, "other", "x"), RegStatus::kSuccess);
        QCOMPARE(reg_.ReadRegNumber(HKEY_USERS, kKey, "1S", 145), 145);
        QCOMPARE(reg_.ReadRegText(HKEY_USERS, kKey, "1", "Tolvane Studios"),
                 QString("Tolvane Studios"));
    }

    void writtenBytes_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("145") << "145" << QByteArray("145", 4);
        QTest::newRow("empty text is only its NUL") << "" << QByteArray("", 1);
    }
    void writtenBytes() {
        QFETCH(QString, text);
        QFETCH(QByteArray, bytes);
        QCOMPARE(reg_.WriteRegText(HKEY_USERS, kKey, "1S", "old"), RegStatus::kSuccess);
        QCOMPARE(reg_.WriteRegText(HKEY_USERS, kKey, "1S", text), RegStatus::kSuccess);
        reg_.closeStore(); // and read back from the file
        RegistryStore::StoredValue value;
        QCOMPARE(reg_.store().queryValue(full(kKey), "1s", 4096, value), RegStatus::kSuccess);
        QCOMPARE(value.type, REG_SZ);
        QCOMPARE(value.data, bytes);
        QCOMPARE(reg_.ReadRegText(HKEY_USERS, kKey.toUpper(), "1S", "default"), text);
    }

    void readBufferLimit_data() {
        QTest::addColumn<int>("bytes");
        QTest::addColumn<bool>("readable");
        QTest::newRow("2047 characters and the NUL") << 2048 << true;
        QTest::newRow("one byte more") << 2049 << false;
    }
    void readBufferLimit() {
        QFETCH(int, bytes);
        QFETCH(bool, readable);
        const QString text(bytes - 1, u'a');
        QCOMPARE(reg_.WriteRegText(HKEY_USERS, kKey, "long", text), RegStatus::kSuccess);
        QCOMPARE(reg_.ReadRegText(HKEY_USERS, kKey, "long", "default"),
                 readable ? text : "default");
        KeyHandle key = 0;
        QCOMPARE(reg_.OpenRegKey(HKEY_USERS, kKey, KEY_READ, key), RegStatus::kSuccess);
        QVariant value(QStringLiteral("untouched"));
        QCOMPARE(reg_.QueryRegValue(key, "long", value),
                 readable ? RegStatus::kSuccess : RegStatus::kMoreData);
        QCOMPARE(value.toString(), readable ? text : "untouched");
        QCOMPARE(reg_.CloseRegKey(key), RegStatus::kSuccess);
    }

    void writeCreatesMissingParents() {
        QVERIFY(!keyExists(reg_, ".Default"));
        QCOMPARE(reg_.WriteRegText(HKEY_USERS, kKey, "1", "Ann"), RegStatus::kSuccess);
        QString path;
        for (const QString& part : kKey.split(u'\\')) {
            path += (path.isEmpty() ? "" : "\\") + part;
            QVERIFY2(keyExists(reg_, path), qPrintable(path));
        }
    }

    void deleteKey() {
        const QString child = kKey + "\\Child";
        QCOMPARE(reg_.WriteRegText(HKEY_USERS, kKey, "1", "Ann"), RegStatus::kSuccess);
        QCOMPARE(reg_.WriteRegText(HKEY_USERS, child, "1", "Bob"), RegStatus::kSuccess);
        QCOMPARE(reg_.DeleteRegKey(HKEY_USERS, kKey), RegStatus::kAccessDenied); // has a subkey
        QCOMPARE(reg_.DeleteRegKey(HKEY_USERS, kKey + "\\Missing"), RegStatus::kNotFound);
        QCOMPARE(reg_.DeleteRegKey(HKEY_USERS, child), RegStatus::kSuccess);
        QCOMPARE(reg_.ReadRegText(HKEY_USERS, kKey, "1", ""), QString("Ann"));
        QCOMPARE(reg_.DeleteRegKey(HKEY_USERS, kKey), RegStatus::kSuccess);
        QVERIFY(!keyExists(reg_, kKey));
        QVERIFY(keyExists(reg_, ".Default\\Software\\Tolvane Studios\\Vorka"));
        // Made again, the key starts without its old values.
        QCOMPARE(reg_.WriteRegText(HKEY_USERS, kKey, "2", "Cy"), RegStatus::kSuccess);
        QCOMPARE(reg_.ReadRegText(HKEY_USERS, kKey, "1", "gone"), QString("gone"));
    }

    void deleteValue() {
        QCOMPARE(reg_.WriteRegText(HKEY_USERS, kKey, "1", "Ann"), RegStatus::kSuccess);
        QCOMPARE(reg_.WriteRegText(HKEY_USERS, kKey, "2", "Bob"), RegStatus::kSuccess);
        KeyHandle key = 0;
        QCOMPARE(reg_.OpenRegKey(HKEY_USERS, kKey, KEY_READ, key), RegStatus::kSuccess);
        QCOMPARE(reg_.DeleteRegValue(key, "1"), RegStatus::kAccessDenied); // opened for reading
        reg_.CloseRegKey(key);
        QCOMPARE(reg_.CreateRegKey(HKEY_USERS, kKey, key), RegStatus::kSuccess);
        QCOMPARE(reg_.DeleteRegValue(key, "1"), RegStatus::kSuccess);
        QCOMPARE(reg_.DeleteRegValue(key, "1"), RegStatus::kNotFound);
        reg_.CloseRegKey(key);
        QCOMPARE(reg_.ReadRegText(HKEY_USERS, kKey, "1", "gone"), QString("gone"));
        QCOMPARE(reg_.ReadRegText(HKEY_USERS, kKey, "2", "gone"), QString("Bob"));
    }

    void handles() {
        KeyHandle key = 0;
        QCOMPARE(reg_.CreateRegKey(HKEY_USERS, kKey, key), RegStatus::kSuccess);
        QCOMPARE(reg_.SetRegValue(key, "1", REG_SZ, QString("Ann")), RegStatus::kSuccess);
        QCOMPARE(reg_.CloseRegKey(key), RegStatus::kSuccess);
        QCOMPARE(reg_.SetRegValue(key, "1", REG_SZ, QString("Bob")), RegStatus::kInvalidHandle);
        QCOMPARE(reg_.OpenRegKey(HKEY_USERS, kKey, KEY_READ, key), RegStatus::kSuccess);
        QCOMPARE(reg_.SetRegValue(key, "1", REG_SZ, QString("Bob")), RegStatus::kAccessDenied);
        reg_.CloseRegKey(key);
        KeyHandle parent = 0;
        QCOMPARE(reg_.OpenRegKey(HKEY_USERS, ".Default\\Software", KEY_READ, parent),
                 RegStatus::kSuccess);
        QCOMPARE(reg_.OpenRegKey(parent, "Tolvane Studios\\Vorka\\Test", KEY_READ, key),
                 RegStatus::kSuccess);
        QVariant value;
        QCOMPARE(reg_.QueryRegValue(key, "1", value), RegStatus::kSuccess);
        QCOMPARE(value.toString(), QString("Ann"));
        reg_.CloseRegKey(key);
        reg_.CloseRegKey(parent);
    }

    void badPaths_data() {
        QTest::addColumn<uint>("root");
        QTest::addColumn<QString>("path");
        QTest::addColumn<int>("status");
        QTest::newRow("empty part")
            << uint(HKEY_USERS) << R"(.Default\\Software)" << RegStatus::kInvalidParameter;
        QTest::newRow("unknown root") << 0x80000001u << ".Default" << RegStatus::kInvalidHandle;
    }
    void badPaths() {
        QFETCH(uint, root);
        QFETCH(QString, path);
        QFETCH(int, status);
        QCOMPARE(reg_.WriteRegText(root, path, "1", "x"), status);
        QCOMPARE(reg_.ReadRegText(root, path, "1", "default"), QString("default"));
    }

    void transactionIsAllOrNothing() {
        {
            Transaction t(reg_);
            QVERIFY(t.active());
            QCOMPARE(reg_.WriteRegText(HKEY_USERS, kKey, "1", "Ann"), RegStatus::kSuccess);
            QCOMPARE(reg_.ReadRegText(HKEY_USERS, kKey, "1", ""), QString("Ann"));
        } // not committed
        QVERIFY(!keyExists(reg_, kKey));
        {
            Transaction t(reg_);
            QCOMPARE(reg_.WriteRegText(HKEY_USERS, kKey, "1", "Ann"), RegStatus::kSuccess);
            QVERIFY(t.commit());
        }
        reg_.closeStore();
        QCOMPARE(reg_.ReadRegText(HKEY_USERS, kKey, "1", "none"), QString("Ann"));
    }

    void heldStoreFailsWritesButReads() {
        QCOMPARE(reg_.WriteRegText(HKEY_USERS, kKey, "1", "Ann"), RegStatus::kSuccess);
        reg_.setStoreFile(file_, 50);
        RegistryStore other(file_); // another copy of the game, in a long write
        QVERIFY(other.beginTransaction());
        QCOMPARE(reg_.WriteRegText(HKEY_USERS, kKey, "1", "Bob"), RegStatus::kBusy);
        QCOMPARE(reg_.ReadRegText(HKEY_USERS, kKey, "1", ""), QString("Ann"));
        QVERIFY(!Transaction(reg_).active());
        QVERIFY(other.commitTransaction());
        QCOMPARE(reg_.WriteRegText(HKEY_USERS, kKey, "1", "Bob"), RegStatus::kSuccess);
    }

    void unusableFile_data() {
        QTest::addColumn<QString>("kind");
        QTest::newRow("text file") << "text";
        QTest::newRow("another program's database") << "foreign";
        QTest::newRow("damaged store") << "damaged";
        QTest::newRow("store cut short") << "cut";
        QTest::newRow("no folder for it") << "folder";
    }
    void unusableFile() {
        QFETCH(QString, kind);
        reg_.closeStore();
        if (kind == "folder") file_ = dir_.filePath("no/such/folder/store.sqlite");
        if (kind == "text") {
            QFile f(file_);
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write("Fame=Ann 200\nThis is not a database.\n");
        } else if (kind == "foreign") {
            {
                QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", "foreign");
                db.setDatabaseName(file_);
                QVERIFY(db.open());
                QVERIFY(QSqlQuery(db).exec("CREATE TABLE notes (text TEXT)"));
            }
            QSqlDatabase::removeDatabase("foreign");
        } else if (kind == "damaged" || kind == "cut") {
            reg_.setStoreFile(file_);
            Transaction fill(reg_); // a real store, several pages long
            for (int i = 0; i < 200; ++i)
                reg_.WriteRegText(HKEY_USERS, kKey + QString::number(i % 7), QString::number(i),
                                  QString(300, QChar(u'a' + i % 26)));
            QVERIFY(fill.commit());
            reg_.closeStore();
            QFile f(file_);
            QVERIFY(f.open(QIODevice::ReadWrite));
            QVERIFY(f.size() > 4 * 4096);
            if (kind == "cut") QVERIFY(f.resize(f.size() / 2));
            for (qint64 page : {1, 3})
                if (kind == "damaged" && f.seek(page * 4096)) f.write(QByteArray(2048, '\xA5'));
        }
        const QByteArray before = fileBytes(file_);

        reg_.setStoreFile(file_);
        QVERIFY(!reg_.store().usable());
        QCOMPARE(reg_.ReadRegText(HKEY_USERS, kKey + "0", "0", "default"), QString("default"));
        QCOMPARE(reg_.ReadRegNumber(HKEY_USERS, kKey, "1S", 145), 145);
        QVERIFY(reg_.WriteRegText(HKEY_USERS, kKey, "1", "Ann") != RegStatus::kSuccess);
        QVERIFY(reg_.DeleteRegKey(HKEY_USERS, kKey + "0") != RegStatus::kSuccess);
        QVERIFY(!Transaction(reg_).active());
        reg_.closeStore();
        QCOMPARE(fileBytes(file_), before); // never written, repaired or removed
        QCOMPARE(QFile::exists(file_), kind != "folder");
    }

    void emptyFileBecomesStore() {
        QFile f(file_);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.close();
        QCOMPARE(reg_.WriteRegText(HKEY_USERS, kKey, "1", "Ann"), RegStatus::kSuccess);
        QCOMPARE(reg_.ReadRegText(HKEY_USERS, kKey, "1", ""), QString("Ann"));
    }

    // Whoever creates the store in the shared folder, with whatever umask,
    // it is the group's: group games, mode 0664.
    void sharedFolderFileIsGroupWritable_data() {
        QTest::addColumn<int>("mask");
        QTest::newRow("umask 022") << 022;
        QTest::newRow("umask 077") << 077;
    }
    void sharedFolderFileIsGroupWritable() {
        QFETCH(int, mask);
        const QString shared = dir_.filePath("shared");
        QVERIFY(QDir().mkpath(shared));
        QVERIFY(
            QFile::setPermissions(shared, QFile::permissions(shared) | QFileDevice::WriteGroup));
        const QString file = StorePaths::settingsStoreFile(shared);
        QCOMPARE(file, QDir(shared).filePath(StorePaths::kStoreFileName));
        reg_.setStoreFile(file);
        const mode_t before = ::umask(mode_t(mask));
        const int32_t written = reg_.WriteRegText(HKEY_USERS, kKey, "1", "Ann");
        ::umask(before);
        QCOMPARE(written, RegStatus::kSuccess);
        QVERIFY(QFile::permissions(file) & QFileDevice::WriteGroup);
        struct stat made {};
        QCOMPARE(::stat(QFile::encodeName(file).constData(), &made), 0);
        QCOMPARE(made.st_mode & 07777, mode_t(0664));
        const struct group* games = ::getgrnam("games");
        if (!games || (::geteuid() != 0 && !inGroup(games->gr_gid)))
            QSKIP("the group games is missing or this user may not give a file to it");
        QCOMPARE(QFileInfo(file).groupId(), uint(games->gr_gid));
    }

    // A store folder named by the environment takes the place of the shared
    // and the player's own; it is made when missing.
    void storeFolderFromEnvironment() {
        const QString shared = dir_.filePath("shared");
        QVERIFY(QDir().mkpath(shared));
        const QString chosen = dir_.filePath("private/store");
        qputenv(StorePaths::kStoreFolderVariable, QFile::encodeName(chosen));
        const QString file = StorePaths::settingsStoreFile(shared);
        const QString pending = StorePaths::pendingScoresFile();
        qunsetenv(StorePaths::kStoreFolderVariable);
        QCOMPARE(file, QDir(chosen).filePath(StorePaths::kStoreFileName));
        QCOMPARE(pending, QDir(chosen).filePath(StorePaths::kPendingScoresFileName));
        QVERIFY(QFileInfo(chosen).isDir());
        QCOMPARE(StorePaths::settingsStoreFile(shared),
                 QDir(shared).filePath(StorePaths::kStoreFileName));
    }
};

QTEST_GUILESS_MAIN(RegistryOperationsTest)
#include "RegistryOperationsTest.moc"
