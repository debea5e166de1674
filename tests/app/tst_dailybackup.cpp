#include "data/Schema.h"
#include "data/Transaction.h"
#include "shopfile/AtomicReplace.h"
#include "shopfile/DailyBackup.h"
#include "support/BulkMovements.h"
#include "support/TempShop.h"

#include <QDir>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::Literals::StringLiterals;

namespace {

QString titleIn(const QString& path) {
    Database copy = Database::open(path, QString::fromUtf16(Schema::DatabasePassword));
    Statement title = copy.prepare(u"SELECT [标题] FROM [设置]");
    title.next();
    return title.text(0);
}

bool writeFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

void setTitle(Database& database, const QString& title) {
    database.exec(u"UPDATE [设置] SET [标题] = ?", title);
}

qint64 movementsIn(Database& database) {
    Statement count = database.prepare(u"SELECT count(*) FROM [出入库]");
    count.next();
    return count.integer(0);
}

// What the stock sqlcipher shell says of the file's integrity; empty without the shell.
QString shellIntegrity(const QString& path) {
    const QString cli = QStandardPaths::findExecutable(u"sqlcipher"_s);
    if (cli.isEmpty())
        return QString();
    QProcess shell;
    shell.start(cli, {path});
    shell.write(
        "PRAGMA key = 'qm1947';\nPRAGMA cipher_page_size = 4096;\nPRAGMA integrity_check;\n");
    shell.closeWriteChannel();
    shell.waitForFinished();
    return QString::fromUtf8(shell.readAll()).trimmed();
}

} // namespace

class TestDailyBackup : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void twoExitsOnOneDayLeaveTheLaterCopy();
    void eachDayOfTheMonthHasItsFolder();
    void unwritableFolderIsIgnored();
    void folderBesideTheDataFolder();
    void replaceIsAllOrNothing_data();
    void replaceIsAllOrNothing();
    void copyHoldsOnlyCommitsWhileOthersWork_data();
    void copyHoldsOnlyCommitsWhileOthersWork();
    void failedCopyKeepsThePreviousOne();
};

void TestDailyBackup::twoExitsOnOneDayLeaveTheLaterCopy() {
    TempShop shop;
    QTemporaryDir backups;
    setTitle(shop.db(), u"first"_s);
    DailyBackup::run(shop.db(), backups.path(), QDate(2017, 3, 7));
    setTitle(shop.db(), u"second"_s);
    DailyBackup::run(shop.db(), backups.path(), QDate(2017, 3, 7));

    QCOMPARE(QDir(backups.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
             QStringList{u"7日"_s});
    QCOMPARE(QDir(backups.filePath(u"7日"_s)).entryList(QDir::Files), QStringList{u"数据库.dat"_s});
    QCOMPARE(titleIn(backups.filePath(u"7日/数据库.dat"_s)), u"second"_s);
}

void TestDailyBackup::eachDayOfTheMonthHasItsFolder() {
    TempShop shop;
    QTemporaryDir backups;
    DailyBackup::run(shop.db(), backups.path(), QDate(2017, 3, 31));
    DailyBackup::run(shop.db(), backups.path(), QDate(2017, 4, 1));
    QStringList days = QDir(backups.path()).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    days.sort();
    QCOMPARE(days, (QStringList{u"1日"_s, u"31日"_s}));
    QCOMPARE(titleIn(backups.filePath(u"31日/数据库.dat"_s)), u"zerurad"_s);
}

void TestDailyBackup::unwritableFolderIsIgnored() {
    TempShop shop;
    QTemporaryDir backups;
    // A file where the backup folder should be: nothing can be written, nothing is thrown.
    QFile blocker(backups.filePath(u"blocked"_s));
    QVERIFY(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    DailyBackup::run(shop.db(), blocker.fileName(), QDate(2017, 3, 7));
    QVERIFY(QFileInfo(blocker.fileName()).isFile());
}

void TestDailyBackup::folderBesideTheDataFolder() {
    QCOMPARE(DailyBackup::folderFor(u"/home/shop"_s),
             u"/home/shop/Vellor零售店收银软件数据库备份"_s);
}

void TestDailyBackup::replaceIsAllOrNothing_data() {
    QTest::addColumn<bool>("fromExists");
    QTest::newRow("old copy replaced") << true;
    QTest::newRow("move fails: old copy kept whole") << false;
}

void TestDailyBackup::replaceIsAllOrNothing() {
    QFETCH(bool, fromExists);
    QTemporaryDir folder;
    const QString from = folder.filePath(u"new"_s);
    const QString to = folder.filePath(u"old"_s);
    const QByteArray oldCopy(100000, 'o');
    QVERIFY(writeFile(to, oldCopy));
    if (fromExists)
        QVERIFY(writeFile(from, "new copy"));

    QCOMPARE(AtomicReplace::replace(from, to), fromExists);
    QFile target(to);
    QVERIFY(target.open(QIODevice::ReadOnly));
    QCOMPARE(target.readAll(), fromExists ? QByteArray("new copy") : oldCopy);
    QVERIFY(!QFile::exists(from));
}

void TestDailyBackup::copyHoldsOnlyCommitsWhileOthersWork_data() {
    QTest::addColumn<bool>("otherWrites");
    QTest::newRow("another connection's uncommitted pages in the log") << true;
    QTest::newRow("another connection reads an older state") << false;
}

void TestDailyBackup::copyHoldsOnlyCommitsWhileOthersWork() {
    QFETCH(bool, otherWrites);
    TempShop shop;
    QTemporaryDir backups;
    const qint64 movements = movementsIn(shop.db());
    Database other =
        Database::open(shop.databasePath(), QString::fromUtf16(Schema::DatabasePassword));
    Statement olderState = other.prepare(u"SELECT [标题] FROM [设置]");
    std::optional<Transaction> uncommitted;
    if (otherWrites) {
        setTitle(shop.db(), u"committed"_s);
        QVERIFY(shop.db().checkpoint());
        uncommitted.emplace(other);
        // More than the page cache holds, so pages spill into the log before any commit.
        BulkMovements::add(other, 100000);
        QVERIFY(QFileInfo(shop.databasePath() + u"-wal").size() > 0);
    } else {
        QVERIFY(olderState.next());
        setTitle(shop.db(), u"committed"_s);
    }

    DailyBackup::run(shop.db(), backups.path(), QDate(2017, 3, 7));

    const QString copy = backups.filePath(u"7日/数据库.dat"_s);
    QCOMPARE(titleIn(copy), u"committed"_s);
    Database copied = Database::open(copy, QString::fromUtf16(Schema::DatabasePassword));
    QCOMPARE(movementsIn(copied), movements);
    const QString integrity = shellIntegrity(copy);
    QVERIFY2(integrity.isEmpty() || integrity == u"ok"_s, qPrintable(integrity));
}

void TestDailyBackup::failedCopyKeepsThePreviousOne() {
    TempShop shop;
    QTemporaryDir backups;
    setTitle(shop.db(), u"first"_s);
    DailyBackup::run(shop.db(), backups.path(), QDate(2017, 3, 7));
    setTitle(shop.db(), u"second"_s);
    // A folder where the fresh copy goes: neither way of copying can write it.
    QVERIFY(QDir(backups.path()).mkpath(u"7日/数据库.dat.new"_s));
    DailyBackup::run(shop.db(), backups.path(), QDate(2017, 3, 7));
    QCOMPARE(titleIn(backups.filePath(u"7日/数据库.dat"_s)), u"first"_s);
}

QTEST_GUILESS_MAIN(TestDailyBackup)
#include "tst_dailybackup.moc"
