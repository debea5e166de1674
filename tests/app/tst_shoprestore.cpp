#include "data/DbError.h"
#include "data/Schema.h"
#include "shopfile/DataFolder.h"
#include "shopfile/ShopBackup.h"
#include "shopfile/ShopRestore.h"
#include "shopfile/StartUp.h"
#include "support/SmallDisk.h"
#include "support/TempShop.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <cstdlib>

using namespace Qt::Literals::StringLiterals;
using Step = ShopRestore::Step;

namespace {

const QString Key = QString::fromUtf16(Schema::DatabasePassword);
const QDateTime Now(QDate(2017, 3, 13), QTime(18, 33, 19));

void setTitle(Database& database, const QString& title) {
    database.exec(u"UPDATE [设置] SET [标题] = ?", title);
}

QString titleOf(Database& database) {
    Statement title = database.prepare(u"SELECT [标题] FROM [设置]");
    title.next();
    return title.text(0);
}

QString titleIn(const QString& path) {
    Database database = Database::openCopy(path, Key);
    return titleOf(database);
}

QByteArray bytesOf(const QString& path) {
    QFile file(path);
    file.open(QIODevice::ReadOnly);
    return file.readAll();
}

void writeBytes(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    file.open(QIODevice::WriteOnly);
    file.write(bytes);
}

// A copy of a fresh shop titled `title`, as the backup makes it.
void makeCopy(const QString& path, const QString& title, int version = Schema::Version) {
    TempShop shop;
    setTitle(shop.db(), title);
    shop.db().execScript(QString(u"PRAGMA user_version = " + QString::number(version) + u';'));
    shop.db().backupTo(path, Key);
}

QStringList unfinishedIn(const QString& folder) {
    return QDir(folder).entryList({u"*.new"_s}, QDir::Files);
}

// Run as a child: restores, and ends at once where asked - no destructor runs, nothing is
// closed or flushed, so the disk is left as a kill would leave it.
int restoreAndDie(const QStringList& arguments) {
    const auto dieAt = Step(arguments[1].toInt());
    const bool open = arguments[2] == u"open";
    const ShopRestore::Request request{arguments[4], arguments[5], Now, [dieAt](Step step) {
                                           if (step == dieAt)
                                               std::_Exit(9);
                                       }};
    if (open) {
        Database database = Database::open(arguments[3], Key);
        setTitle(database, u"old"_s); // left in the log: the restore must take care of it
        ShopRestore::intoOpen(database, request);
    } else {
        ShopRestore::intoUnopenable(arguments[3], request);
    }
    return 0;
}

} // namespace

class TestShopRestore : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void refusedRestoreLeavesTheShopAsItWas_data();
    void refusedRestoreLeavesTheShopAsItWas();
    void killAtEveryStepLeavesAWholeFile_data();
    void killAtEveryStepLeavesAWholeFile();
    void backupToAFolder_data();
    void backupToAFolder();
};

void TestShopRestore::refusedRestoreLeavesTheShopAsItWas_data() {
    QTest::addColumn<QString>("problem");
    QTest::addColumn<QString>("said");
    QTest::newRow("a page damaged") << u"damaged"_s << u"已损坏"_s;
    QTest::newRow("cut short") << u"cut"_s << u"已损坏"_s;
    QTest::newRow("not a database") << u"garbage"_s << u"已损坏"_s;
    QTest::newRow("made by a newer program") << u"newer"_s << u"较新版本的程序"_s;
    QTest::newRow("the stick pulled out") << u"gone"_s << u"找不到文件"_s;
    QTest::newRow("no room to keep the shop file") << u"full"_s << u"磁盘已满"_s;
}

void TestShopRestore::refusedRestoreLeavesTheShopAsItWas() {
    QFETCH(QString, problem);
    QFETCH(QString, said);
    TempShop shop;
    setTitle(shop.db(), u"current"_s);
    QTemporaryDir place;
    const QString copy = place.filePath(u"copy.dat"_s);
    makeCopy(copy, u"copy"_s, problem == u"newer" ? Schema::Version + 1 : Schema::Version);
    QByteArray bytes = bytesOf(copy);
    if (problem == u"damaged")
        bytes.replace(40000, 16, QByteArray(16, 'x'));
    else if (problem == u"cut")
        bytes.truncate(30000);
    else if (problem == u"garbage")
        bytes.fill('x');
    writeBytes(copy, bytes);
    if (problem == u"gone")
        QFile::remove(copy);
    SmallDisk disk(16);
    if (problem == u"full" && !disk.isMounted())
        QSKIP("a small disk needs root to mount");
    const QString keptFolder = problem == u"full" ? disk.path() : place.filePath(u"kept"_s);

    try {
        ShopRestore::intoOpen(shop.db(), {copy, keptFolder, Now});
        QFAIL("restored");
    } catch (const DbError& error) {
        QVERIFY2(error.message().contains(said), qPrintable(error.message()));
    }
    QCOMPARE(titleOf(shop.db()), u"current"_s);
    setTitle(shop.db(), u"still open"_s);
    QCOMPARE(unfinishedIn(shop.folder()), QStringList());
    QCOMPARE(QDir(keptFolder).entryList(QDir::Files), QStringList());
}

void TestShopRestore::killAtEveryStepLeavesAWholeFile_data() {
    QTest::addColumn<bool>("shopOpens");
    QTest::addColumn<int>("step");
    QTest::addColumn<QString>("left");
    const auto row = [](bool opens, Step step, const char* name, const QString& left) {
        QTest::addRow("%s, %s", opens ? "open" : "unopenable", name) << opens << int(step) << left;
    };
    for (bool opens : {true, false}) {
        const QString old = opens ? u"old"_s : u"cut short"_s;
        row(opens, Step::Staged, "copy staged", old);
        row(opens, Step::Checked, "copy checked", old);
        row(opens, Step::CurrentKept, "shop file kept", old);
        if (opens)
            row(opens, Step::Closed, "closed", old);
        row(opens, Step::Replaced, "replaced", u"new"_s);
        if (opens)
            row(opens, Step::Reopened, "reopened", u"new"_s);
    }
}

void TestShopRestore::killAtEveryStepLeavesAWholeFile() {
    QFETCH(bool, shopOpens);
    QFETCH(int, step);
    QFETCH(QString, left);
    QTemporaryDir home;
    const QString path =
        DataFolder::databaseFileIn(StartUp::run(QString(), home.path()).dataFolder);
    const QByteArray cutShort = bytesOf(path).left(30000);
    if (!shopOpens)
        writeBytes(path, cutShort);
    const QString copy = home.filePath(u"copy.dat"_s);
    makeCopy(copy, u"new"_s);

    QProcess child;
    child.start(QCoreApplication::applicationFilePath(),
                {u"--restore-and-die"_s, QString::number(step),
                 shopOpens ? u"open"_s : u"unopenable"_s, path, copy, home.filePath(u"kept"_s)});
    QVERIFY(child.waitForFinished());
    QCOMPARE(child.exitCode(), 9);

    if (left == u"cut short") {
        QCOMPARE(bytesOf(path), cutShort);
        return;
    }
    StartUpResult next = StartUp::run(QString(), home.path());
    QVERIFY2(next.database, qPrintable(next.error));
    QCOMPARE(titleOf(*next.database), left);
    QCOMPARE(unfinishedIn(next.dataFolder), QStringList());
    // Whenever the copy is in place, the shop file as it was is kept beside the backups.
    const QString kept = home.filePath(u"kept/数据库-20170313-183319.dat"_s);
    if (left == u"new" && shopOpens)
        QCOMPARE(titleIn(kept), u"old"_s);
    else if (left == u"new")
        QCOMPARE(bytesOf(kept), cutShort);
}

void TestShopRestore::backupToAFolder_data() {
    QTest::addColumn<QString>("folder");
    QTest::addColumn<QString>("said");
    QTest::newRow("a writable folder, twice in one second") << u"writable"_s << QString();
    QTest::newRow("a write-protected stick") << u"read-only"_s << u"只读"_s;
    QTest::newRow("a full stick") << u"full"_s << u"磁盘已满"_s;
    QTest::newRow("the stick pulled out") << u"gone"_s << u"找不到文件夹"_s;
}

void TestShopRestore::backupToAFolder() {
    QFETCH(QString, folder);
    QFETCH(QString, said);
    TempShop shop;
    setTitle(shop.db(), u"current"_s);
    QTemporaryDir writable;
    SmallDisk disk(folder == u"full" ? 32 : 256);
    if ((folder == u"full" || folder == u"read-only") && !disk.isMounted())
        QSKIP("a small disk needs root to mount");
    if (folder == u"read-only")
        QVERIFY(disk.makeReadOnly());
    const QString target = folder == u"writable" ? writable.path()
                           : folder == u"gone"   ? writable.filePath(u"stick"_s)
                                                 : disk.path();
    if (!said.isEmpty()) {
        try {
            ShopBackup::saveTo(shop.db(), target, Now);
            QFAIL("backed up");
        } catch (const DbError& error) {
            QVERIFY2(error.message().contains(said), qPrintable(error.message()));
        }
        QCOMPARE(QDir(target).entryList(QDir::Files), QStringList());
        setTitle(shop.db(), u"still open"_s);
        return;
    }
    const QString first = ShopBackup::saveTo(shop.db(), target, Now);
    setTitle(shop.db(), u"later"_s);
    const QString second = ShopBackup::saveTo(shop.db(), target, Now);
    QCOMPARE(
        QDir(target).entryList(QDir::Files),
        (QStringList{u"数据库备份-20170313-183319-2.dat"_s, u"数据库备份-20170313-183319.dat"_s}));
    QCOMPARE(titleIn(first), u"current"_s);
    QCOMPARE(titleIn(second), u"later"_s);
}

int main(int argc, char** argv) {
    QCoreApplication application(argc, argv);
    const QStringList arguments = application.arguments();
    if (arguments.size() == 7 && arguments[1] == u"--restore-and-die")
        return restoreAndDie(arguments.mid(1));
    TestShopRestore test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_shoprestore.moc"
