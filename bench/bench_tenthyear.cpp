// A shop's tenth year: 1,000,000 stock movements and 100,000 products. One session - look-ups,
// 100 sales saved, the history of a year, the backup at exit - run in a process of its own
// today's way and the current way, side by side: the backup, the peak resident memory and the
// log left behind.
#include "catalogue/ProductCatalogue.h"
#include "checkout/ProductFixture.h"
#include "checkout/Sale.h"
#include "checkout/SaleBook.h"
#include "data/Schema.h"
#include "data/Transaction.h"
#include "shopfile/DailyBackup.h"
#include "shopfile/TemplateDatabase.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <sys/resource.h>

using namespace Qt::Literals::StringLiterals;

namespace {

const QString Stem = u"商品"_s;
const QString SessionFlag = u"--session"_s;
const QDate Today(2017, 3, 13);

QString key() {
    return QString::fromUtf16(Schema::DatabasePassword);
}

void buildShop(const QString& path) {
    QString error;
    if (!TemplateDatabase::writeTo(path, &error))
        qFatal("cannot write the template database: %s", qPrintable(error));
    Database db = Database::open(path, key());
    ProductFixture::addNumbered(db, 100000, Stem);
    Transaction transaction(db);
    // 2,800 sale lines a day, seven to a sale, from the first of January 2016.
    db.execScript(uR"sql(
        WITH RECURSIVE n(i) AS (SELECT 0 UNION ALL SELECT i + 1 FROM n WHERE i < 999999)
        INSERT INTO [出入库] ([销售号], [ID号], [名称], [数量], [金额], [日期], [类别])
        SELECT printf('A%s-%04d%03d', strftime('%y%m%d', '2016-01-01', '+' || (i / 2800) || ' days'),
                      i / 7 % 400 + 1, i % 7),
               printf('692%010d', i % 100000), '商品', 10000, 100000,
               date('2016-01-01', '+' || (i / 2800) || ' days'), '销售'
        FROM n;
        WITH RECURSIVE n(i) AS (SELECT 0 UNION ALL SELECT i + 1 FROM n WHERE i < 142856)
        INSERT INTO [订单] ([ID号], [日期], [实收], [找零])
        SELECT printf('A%s-%04d', strftime('%y%m%d', '2016-01-01', '+' || (i / 400) || ' days'),
                      i % 400 + 1),
               date('2016-01-01', '+' || (i / 400) || ' days'), '100', '1.00'
        FROM n;)sql");
    transaction.commit();
}

// The session in this process; prints "backup-ms peak-kB log-bytes save-ms history-ms".
int runSession(bool todaysWay, const QString& path, const QString& backups) {
    Database db = Database::open(path, key());
    if (todaysWay)
        db.execScript(u"PRAGMA cache_size = -262144; PRAGMA journal_size_limit = -1;");

    ProductCatalogue catalogue(db);
    for (const QString& typed : {u"商"_s, u"商品0123"_s, u"没有的"_s, u"6920000012345"_s})
        catalogue.pickList(typed);

    SaleBook book(db);
    QElapsedTimer saving;
    saving.start();
    for (int s = 0; s < 100; ++s) {
        Sale sale;
        for (int line = 0; line < 5; ++line) {
            const QString id = ProductFixture::barcode(Stem, (s * 5 + line) * 197 % 100000);
            sale.cart.addProduct({QString(), id, u"A" + id, Stem, u"包"_s, Decimal::fromInt(12)});
        }
        sale.date = Today;
        sale.number = *book.nextSaleNumber(Today);
        sale.receive(u"100"_s);
        book.save(sale, QDateTime(Today, QTime(10, 0)));
        // What the main window does at the next quiet moment after a save.
        if (!todaysWay)
            db.checkpoint();
    }
    const qint64 saveMs = saving.elapsed();

    QElapsedTimer history;
    history.start();
    const qsizetype sales = book.history(QDate(2016, 1, 1), QDate(2016, 12, 31)).size();
    const qint64 historyMs = history.elapsed();
    if (sales != 142857)
        qFatal("a year's history listed %lld sales", qlonglong(sales));

    QElapsedTimer backup;
    backup.start();
    if (todaysWay) {
        // A read left open on the connection leaves only the page-by-page copy, today's way.
        Statement reading = db.prepare(u"SELECT [标题] FROM [设置]");
        reading.next();
        DailyBackup::run(db, backups, Today);
    } else {
        DailyBackup::run(db, backups, Today);
    }
    const qint64 backupMs = backup.elapsed();

    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    const qint64 log = QFileInfo(path + u"-wal").size();
    printf("%lld %ld %lld %lld %lld\n", backupMs, usage.ru_maxrss, log, saveMs, historyMs);
    return 0;
}

} // namespace

class BenchTenthYear : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void sessionSideBySide();
};

void BenchTenthYear::sessionSideBySide() {
    QTemporaryDir folder;
    const QString shop = folder.filePath(u"fixture.dat"_s);
    QElapsedTimer building;
    building.start();
    buildShop(shop);
    qInfo("shop built in %lld s: %lld MB", building.elapsed() / 1000, QFileInfo(shop).size() >> 20);

    for (const bool todaysWay : {true, false}) {
        const QString way = todaysWay ? u"today"_s : u"now"_s;
        QDir(folder.path()).mkdir(way);
        const QString path = folder.filePath(way + u"/数据库.dat");
        QVERIFY(QFile::copy(shop, path));
        const QString backups = folder.filePath(way + u"/备份");
        QProcess session;
        session.start(QCoreApplication::applicationFilePath(), {SessionFlag, way, path, backups});
        QVERIFY(session.waitForFinished(600000));
        const QStringList figures = QString::fromUtf8(session.readAllStandardOutput()).split(u' ');
        QVERIFY2(session.exitCode() == 0 && figures.size() == 5,
                 session.readAllStandardError().constData());
        const qint64 copy = QFileInfo(backups + u"/13日/数据库.dat").size();
        qInfo("%-5s backup at exit %5lld ms | peak resident %4lld MB | log after %4lld MB "
              "(%lld bytes) | 100 saves %lld ms | a year's history %lld ms | day copies 31 x "
              "%lld MB = %lld MB",
              qPrintable(way), figures[0].toLongLong(), figures[1].toLongLong() >> 10,
              figures[2].toLongLong() >> 20, figures[2].toLongLong(), figures[3].toLongLong(),
              figures[4].trimmed().toLongLong(), copy >> 20, (31 * copy) >> 20);
    }
}

int main(int argc, char** argv) {
    QCoreApplication application(argc, argv);
    const QStringList arguments = application.arguments();
    if (arguments.size() == 5 && arguments[1] == SessionFlag)
        return runSession(arguments[2] == u"today"_s, arguments[3], arguments[4]);
    BenchTenthYear bench;
    return QTest::qExec(&bench, argc, argv);
}

#include "bench_tenthyear.moc"
