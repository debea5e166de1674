// Start-up to the login window shown (fresh and existing database), and, for a shop with a
// million stock movements, the start with its check of the file, the daily backup and the
// check of a backup copy.
#include "app/LoginWindow.h"
#include "data/Transaction.h"
#include "shopfile/CopyCheck.h"
#include "shopfile/DailyBackup.h"
#include "shopfile/StartUp.h"
#include "support/FakePlatform.h"
#include "support/TempShop.h"

#include <QDir>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::Literals::StringLiterals;

class BenchStartUp : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void startUpToLogin_data();
    void startUpToLogin();
    void aMillionMovements();
};

namespace {

void addAMillionMovements(Database& database) {
    Transaction transaction(database);
    Statement insert = database.prepare(u"INSERT INTO [出入库] ([销售号], [ID号], [名称], [编号], "
                                        u"[单位], [进价], [售价], [金额], "
                                        u"[库存], [厂家], [备注], [日期], [数量], [折扣], [类别]) "
                                        u"VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)");
    const QDate first(2016, 1, 1);
    for (int i = 0; i < 1'000'000; ++i) {
        const QDate day = first.addDays(i / 2800);
        insert.bindAll(u'A' + day.toString(u"yyMMdd"_s) + u'-' +
                           QString::number(i % 2800 / 3 + 1).rightJustified(4, u'0') +
                           QString::number(i % 3).rightJustified(3, u'0'),
                       u"2017031318" + QString::number(i % 5000).rightJustified(4, u'0'),
                       u"红双喜\\精品"_s, u"A20170313183432"_s, u"包"_s, Decimal::fromInt(36),
                       Decimal::fromInt(38), Decimal::fromInt(38), Decimal::fromInt(17),
                       u"上海制烟厂"_s, QString(), day, Decimal::fromInt(1), Decimal::fromInt(1),
                       u"销售"_s);
        insert.run();
        insert.reset();
    }
    transaction.commit();
}

} // namespace

void BenchStartUp::startUpToLogin_data() {
    QTest::addColumn<bool>("fresh");
    QTest::newRow("first start") << true;
    QTest::newRow("existing database") << false;
}

void BenchStartUp::startUpToLogin() {
    QFETCH(bool, fresh);
    FakePlatform platform;
    QTemporaryDir home;
    if (!fresh)
        StartUp::run(QString(), home.path());
    QBENCHMARK {
        if (fresh)
            QDir(home.filePath(u"Vellor零售店收银软件数据库"_s)).removeRecursively();
        StartUpResult started = StartUp::run(QString(), home.path());
        LoginWindow login(platform, started.storedPassword);
        login.show();
        QVERIFY(QTest::qWaitForWindowExposed(&login));
    }
}

void BenchStartUp::aMillionMovements() {
    QTemporaryDir home;
    QString path;
    {
        StartUpResult started = StartUp::run(QString(), home.path());
        addAMillionMovements(*started.database);
        path = started.database->path();
    }
    qInfo("database size: %lld MB", QFileInfo(path).size() >> 20);
    QElapsedTimer timer;
    timer.start();
    StartUpResult started = StartUp::run(QString(), home.path());
    QVERIFY(started.database);
    qInfo("start-up with the file's check: %lld ms", timer.restart());
    QTemporaryDir backups;
    DailyBackup::run(*started.database, backups.path(), QDate(2017, 3, 7));
    qInfo("daily backup: %lld ms", timer.restart());
    const QString copy = backups.filePath(u"7日/数据库.dat"_s);
    QCOMPARE(CopyCheck::inspect(copy, Database::Check::Quick).state, CopyFacts::State::Good);
    qInfo("quick check of the copy: %lld ms", timer.restart());
    QCOMPARE(CopyCheck::inspect(copy, Database::Check::Full).state, CopyFacts::State::Good);
    qInfo("full check of the copy: %lld ms", timer.elapsed());
}

QTEST_MAIN(BenchStartUp)
#include "bench_startup.moc"
