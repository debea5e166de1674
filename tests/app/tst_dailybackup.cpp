#include "app/AtomicReplace.h"
#include "app/DailyBackup.h"
#include "data/Schema.h"
#include "support/TempShop.h"

#include <QDir>
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

QTEST_GUILESS_MAIN(TestDailyBackup)
#include "tst_dailybackup.moc"
