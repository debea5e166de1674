#include "data/Schema.h"
#include "shopfile/DataFolder.h"
#include "shopfile/StartUp.h"
#include "support/FakePlatform.h"
#include "support/SmallDisk.h"
#include "support/TempShop.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <cstdio>

using namespace Qt::Literals::StringLiterals;

namespace {

QByteArray fileHash(const QString& path) {
    QFile file(path);
    file.open(QIODevice::ReadOnly);
    return QCryptographicHash::hash(file.readAll(), QCryptographicHash::Sha256);
}

// The bytes of a shop titled `title` (user version `version`), as a backup holds them.
QByteArray shopBytes(const QString& title, int version = Schema::Version) {
    TempShop shop;
    shop.db().exec(u"UPDATE [设置] SET [标题] = ?", title);
    shop.db().execScript(QString(u"PRAGMA user_version = " + QString::number(version) + u';'));
    QTemporaryDir folder;
    shop.db().backupTo(folder.filePath(u"copy"_s), QString::fromUtf16(Schema::DatabasePassword));
    QFile copy(folder.filePath(u"copy"_s));
    copy.open(QIODevice::ReadOnly);
    return copy.readAll();
}

QByteArray withPageDamaged(QByteArray bytes) {
    return bytes.replace(40000, 16, QByteArray(16, 'x'));
}

void writeFile(const QString& path, const QByteArray& bytes, const QDateTime& written = {}) {
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    file.open(QIODevice::WriteOnly);
    file.write(bytes);
    if (written.isValid())
        file.setFileTime(written, QFileDevice::FileModificationTime);
}

} // namespace

class TestStartUp : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void driveTest_data();
    void driveTest();
    void makePathCollapsesDoubledSeparators_data();
    void makePathCollapsesDoubledSeparators();
    void firstStartWritesTheTemplate();
    void secondStartLeavesTheFileUnchanged();
    void oneProgramPerDataFile_data();
    void oneProgramPerDataFile();
    void unusableFileIsReportedAndKept_data();
    void unusableFileIsReportedAndKept();
    void diskProblemsAreSaidBeforeTheLogin_data();
    void diskProblemsAreSaidBeforeTheLogin();
    void halfWrittenCopiesAreRemoved();
    void damagedFileOffersTheNewestGoodDayCopy_data();
    void damagedFileOffersTheNewestGoodDayCopy();
};

void TestStartUp::driveTest_data() {
    QTest::addColumn<QString>("content"); // "file", "folder", "hidden", "empty" or "missing"
    QTest::addColumn<bool>("usesD");
    QTest::newRow("D: holds a file") << u"file"_s << true;
    QTest::newRow("D: holds a folder") << u"folder"_s << true;
    QTest::newRow("D: holds only a hidden file") << u"hidden"_s << false;
    QTest::newRow("D: empty") << u"empty"_s << false;
    QTest::newRow("no D:") << u"missing"_s << false;
}

void TestStartUp::driveTest() {
    QFETCH(QString, content);
    QFETCH(bool, usesD);
    QTemporaryDir machine;
    const QString d = machine.filePath(u"D"_s);
    const QString c = machine.filePath(u"C"_s);
    QDir().mkpath(c);
    if (content != u"missing")
        QDir().mkpath(d);
    if (content == u"file" || content == u"hidden") {
        QFile file(d + (content == u"file" ? u"/a.txt"_s : u"/.hidden"_s));
        QVERIFY(file.open(QIODevice::WriteOnly));
    }
    if (content == u"folder")
        QDir().mkpath(d + u"/games"_s);

    const StartUpResult started = StartUp::run(content == u"missing" ? QString() : d, c);
    QVERIFY2(started.database.has_value(), qPrintable(started.error));
    QCOMPARE(started.dataFolder, (usesD ? d : c) + u"/Vellor零售店收银软件数据库"_s);
    QVERIFY(QFile::exists(started.dataFolder + u"/数据库.dat"_s));
    QCOMPARE(DataFolder::chooseRoot(d, c), usesD ? d : c);
}

void TestStartUp::makePathCollapsesDoubledSeparators_data() {
    QTest::addColumn<QString>("relative");
    QTest::newRow("clean") << u"a/b/c"_s;
    QTest::newRow("doubled slashes") << u"a//b//c//"_s;
    QTest::newRow("doubled backslashes") << u"a\\\\b\\\\c"_s;
    QTest::newRow("mixed") << u"a\\/b\\c"_s;
}

void TestStartUp::makePathCollapsesDoubledSeparators() {
    QFETCH(QString, relative);
    QTemporaryDir root;
    DataFolder::makePath(root.path() + u'/' + relative);
    QVERIFY(QDir(root.filePath(u"a/b/c"_s)).exists());
    QCOMPARE(QDir(root.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
             QStringList{u"a"_s});
    DataFolder::makePath(root.path() + u'/' + relative); // existing levels are fine
    QVERIFY(QDir(root.filePath(u"a/b/c"_s)).exists());
}

void TestStartUp::firstStartWritesTheTemplate() {
    QTemporaryDir home;
    const StartUpResult started = StartUp::run(QString(), home.path());
    QVERIFY2(started.database.has_value(), qPrintable(started.error));
    QCOMPARE(started.storedPassword, u"739"_s);
    Database& database = const_cast<Database&>(*started.database);
    Statement products = database.prepare(u"SELECT count(*) FROM [商品]");
    QVERIFY(products.next());
    QCOMPARE(products.integer(0), 5);
}

void TestStartUp::secondStartLeavesTheFileUnchanged() {
    QTemporaryDir home;
    const QString path = home.path() + u"/Vellor零售店收银软件数据库/数据库.dat"_s;
    QVERIFY(StartUp::run(QString(), home.path()).database.has_value());
    const QByteArray before = fileHash(path);
    const StartUpResult second = StartUp::run(QString(), home.path());
    QVERIFY(second.database.has_value());
    QCOMPARE(second.storedPassword, u"739"_s);
    QCOMPARE(fileHash(path), before);
}

void TestStartUp::oneProgramPerDataFile_data() {
    QTest::addColumn<bool>("otherKilled");
    QTest::newRow("the other program runs: refused, nothing written") << false;
    QTest::newRow("the other program was killed: its lock is stale") << true;
}

void TestStartUp::oneProgramPerDataFile() {
    QFETCH(bool, otherKilled);
    QTemporaryDir home;
    QProcess other; // killed with the test's end at the latest
    other.start(QCoreApplication::applicationFilePath(), {u"-other-program"_s, home.path()});
    QVERIFY(other.waitForReadyRead(30000));
    QCOMPARE(other.readAll(), QByteArray("started\n"));
    if (otherKilled) {
        other.kill(); // SIGKILL: no destructor removes its lock
        other.waitForFinished();
    }
    const QString path = home.path() + u"/Vellor零售店收银软件数据库/数据库.dat"_s;
    const QByteArray before = fileHash(path);
    const StartUpResult second = StartUp::run(QString(), home.path());
    QCOMPARE(second.alreadyRunning, !otherKilled);
    QCOMPARE(second.database.has_value(), otherKilled);
    QCOMPARE(fileHash(path), before);
}

void TestStartUp::unusableFileIsReportedAndKept_data() {
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QString>("said");
    const QString damaged = u"已损坏"_s;
    QTest::newRow("0 bytes") << QByteArray() << damaged;
    QTest::newRow("garbage") << QByteArray(4096, 'x') << damaged;
    QTest::newRow("cut short") << shopBytes(u"t"_s).left(30000) << damaged;
    QTest::newRow("a page damaged in the middle") << withPageDamaged(shopBytes(u"t"_s)) << damaged;
    QTest::newRow("made by a newer program")
        << shopBytes(u"t"_s, Schema::Version + 1)
        << u"此数据文件由较新版本的程序创建，请使用新版本打开。"_s;
    // Keyed like ours, but without the shop's tables: an upgrade would still stamp it.
    QTemporaryDir other;
    const QString path = other.filePath(u"other.dat"_s);
    Database::create(path, QString::fromUtf16(Schema::DatabasePassword))
        .execScript(u"PRAGMA journal_mode = DELETE; CREATE TABLE [设置] ([密码] TEXT);");
    QFile made(path);
    QVERIFY(made.open(QIODevice::ReadOnly));
    QTest::newRow("keyed, without the shop's tables") << made.readAll() << damaged;
}

void TestStartUp::unusableFileIsReportedAndKept() {
    QFETCH(QByteArray, content);
    QFETCH(QString, said);
    QTemporaryDir home;
    const QString folder = home.path() + u"/Vellor零售店收银软件数据库"_s;
    QDir().mkpath(folder);
    QFile garbage(folder + u"/数据库.dat"_s);
    QVERIFY(garbage.open(QIODevice::WriteOnly));
    garbage.write(content);
    garbage.close();

    const StartUpResult started = StartUp::run(QString(), home.path());
    QVERIFY(!started.database.has_value());
    QVERIFY2(started.error.contains(said), qPrintable(started.error));
    QVERIFY(garbage.open(QIODevice::ReadOnly));
    QCOMPARE(garbage.readAll(), content);
    QCOMPARE(QDir(folder).entryList(QDir::Files), QStringList{u"数据库.dat"_s});
}

void TestStartUp::diskProblemsAreSaidBeforeTheLogin_data() {
    QTest::addColumn<bool>("firstStart");
    QTest::addColumn<QString>("said");
    QTest::newRow("a full disk at the first start") << true << u"磁盘已满"_s;
    QTest::newRow("a read-only disk") << false << u"只读"_s;
}

void TestStartUp::diskProblemsAreSaidBeforeTheLogin() {
    QFETCH(bool, firstStart);
    QFETCH(QString, said);
    SmallDisk disk(firstStart ? 32 : 256);
    if (!disk.isMounted())
        QSKIP("a small disk needs root to mount");
    if (!firstStart) {
        QVERIFY(StartUp::run(QString(), disk.path()).database);
        QVERIFY(disk.makeReadOnly());
    }
    const StartUpResult started = StartUp::run(QString(), disk.path());
    QVERIFY(!started.database);
    QVERIFY2(started.error.contains(said), qPrintable(started.error));
}

void TestStartUp::halfWrittenCopiesAreRemoved() {
    QTemporaryDir home;
    const QString backups = home.filePath(u"Vellor零售店收银软件数据库备份"_s);
    const QStringList partial{home.filePath(u"Vellor零售店收银软件数据库/数据库.dat.new"_s),
                              backups + u"/7日/数据库.dat.new"_s,
                              backups + u"/恢复前/数据库-20170313-183319.dat.new"_s};
    for (const QString& path : partial)
        writeFile(path, "half");
    writeFile(backups + u"/7日/数据库.dat"_s, "the day's copy");

    QVERIFY(StartUp::run(QString(), home.path()).database);
    for (const QString& path : partial)
        QVERIFY2(!QFileInfo::exists(path), qPrintable(path));
    QVERIFY(QFileInfo::exists(backups + u"/7日/数据库.dat"_s));
}

void TestStartUp::damagedFileOffersTheNewestGoodDayCopy_data() {
    QTest::addColumn<bool>("goodCopy");
    QTest::addColumn<bool>("answer");
    QTest::newRow("yes: the newest good copy is back") << true << true;
    QTest::newRow("no: the file is left as it is") << true << false;
    QTest::newRow("no good copy: said, nothing asked") << false << true;
}

void TestStartUp::damagedFileOffersTheNewestGoodDayCopy() {
    QFETCH(bool, goodCopy);
    QFETCH(bool, answer);
    QTemporaryDir home;
    FakePlatform platform;
    platform.cRoot = home.path();
    platform.answers = {answer};
    const QString path = home.filePath(u"Vellor零售店收银软件数据库/数据库.dat"_s);
    const QString backups = home.filePath(u"Vellor零售店收银软件数据库备份"_s);
    const QByteArray cutShort = shopBytes(u"today"_s).left(30000);
    writeFile(path, cutShort);
    writeFile(backups + u"/9日/数据库.dat"_s, withPageDamaged(shopBytes(u"9日"_s)),
              QDateTime(QDate(2017, 3, 9), QTime(20, 5)));
    if (goodCopy) {
        writeFile(backups + u"/8日/数据库.dat"_s, shopBytes(u"8日"_s),
                  QDateTime(QDate(2017, 3, 8), QTime(21, 14)));
        writeFile(backups + u"/5日/数据库.dat"_s, shopBytes(u"5日"_s),
                  QDateTime(QDate(2017, 3, 5), QTime(19, 0)));
    }

    StartUpResult started = StartUp::open(platform);
    QCOMPARE(started.database.has_value(), goodCopy && answer);
    if (!goodCopy) {
        QCOMPARE(platform.questions, QStringList());
        QVERIFY(platform.warnings.value(0).contains(u"没有找到可以恢复的备份"_s));
    } else {
        QVERIFY2(platform.questions.value(0).endsWith(u"恢复最近的备份（8日 21:14）？"_s),
                 qPrintable(platform.questions.value(0)));
    }
    if (!started.database) {
        QCOMPARE(fileHash(path), QCryptographicHash::hash(cutShort, QCryptographicHash::Sha256));
        return;
    }
    Statement title = started.database->prepare(u"SELECT [标题] FROM [设置]");
    QVERIFY(title.next());
    QCOMPARE(title.text(0), u"8日"_s);
    QCOMPARE(QDir(backups + u"/恢复前"_s).entryList(QDir::Files).size(), 1);
}

int main(int argc, char** argv) {
    QCoreApplication application(argc, argv);
    // Run again by oneProgramPerDataFile as the other program, which holds the shop.
    if (argc == 3 && qstrcmp(argv[1], "-other-program") == 0) {
        const StartUpResult started = StartUp::run(QString(), QString::fromLocal8Bit(argv[2]));
        std::puts(started.database ? "started" : "refused");
        std::fflush(stdout);
        return std::getchar();
    }
    TestStartUp test;
    return QTest::qExec(&test, argc, argv);
}
#include "tst_startup.moc"
