#include "data/Schema.h"
#include "shopfile/DataFolder.h"
#include "shopfile/StartUp.h"

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
    QTest::newRow("0 bytes") << QByteArray();
    QTest::newRow("garbage") << QByteArray(4096, 'x');
    // Keyed like ours, but without the shop's tables: an upgrade would still stamp it.
    QTemporaryDir other;
    const QString path = other.filePath(u"other.dat"_s);
    Database::create(path, QString::fromUtf16(Schema::DatabasePassword))
        .execScript(u"PRAGMA journal_mode = DELETE; CREATE TABLE [设置] ([密码] TEXT);");
    QFile made(path);
    QVERIFY(made.open(QIODevice::ReadOnly));
    QTest::newRow("keyed, without the shop's tables") << made.readAll();
}

void TestStartUp::unusableFileIsReportedAndKept() {
    QFETCH(QByteArray, content);
    QTemporaryDir home;
    const QString folder = home.path() + u"/Vellor零售店收银软件数据库"_s;
    QDir().mkpath(folder);
    QFile garbage(folder + u"/数据库.dat"_s);
    QVERIFY(garbage.open(QIODevice::WriteOnly));
    garbage.write(content);
    garbage.close();

    const StartUpResult started = StartUp::run(QString(), home.path());
    QVERIFY(!started.database.has_value());
    QVERIFY2(started.error.contains(u"数据库.dat"_s), qPrintable(started.error));
    QVERIFY(garbage.open(QIODevice::ReadOnly));
    QCOMPARE(garbage.readAll(), content);
    QCOMPARE(QDir(folder).entryList(QDir::Files), QStringList{u"数据库.dat"_s});
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
