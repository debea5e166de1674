#include "data/ColumnWidth.h"
#include "data/Database.h"
#include "data/DbError.h"
#include "data/Refusal.h"
#include "data/Schema.h"
#include "data/Transaction.h"
#include "support/BulkMovements.h"
#include "support/TempShop.h"

#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QTest>

using namespace Qt::Literals::StringLiterals;

namespace {

const QString Keyed = u"PRAGMA key = 'qm1947';\nPRAGMA cipher_page_size = 4096;\n"_s;

// The stock sqlcipher shell on the file, fed the script; what it printed, errors included.
QString runShell(const QString& cli, const QString& path, const QString& script) {
    QProcess shell;
    shell.start(cli, {path});
    shell.write(script.toUtf8());
    shell.closeWriteChannel();
    shell.waitForFinished();
    return QString::fromUtf8(shell.readAllStandardOutput() + shell.readAllStandardError());
}

// Takes what the steps after the version added out of a new shop's file.
void makeVersion(Database& db, int version) {
    if (version < 5)
        db.execScript(u"DROP TABLE [挂单明细]; DROP TABLE [挂单]; DROP TABLE [销售修改]; "
                      u"CREATE TABLE [订单旧] AS SELECT [ID号], [日期], [备用1], [备用2], [实收], "
                      u"[找零] FROM [订单]; DROP TABLE [订单]; "
                      u"ALTER TABLE [订单旧] RENAME TO [订单];");
    if (version < 4)
        db.execScript(
            u"DROP INDEX [出入库_ID号_日期]; CREATE INDEX [出入库_ID号] ON [出入库] ([ID号]);");
    if (version < 3)
        db.execScript(u"DROP TRIGGER [商品_新增]; DROP TRIGGER [商品_删除]; "
                      u"DROP TRIGGER [商品_修改]; DROP TABLE [商品版本];");
    if (version < 2)
        db.execScript(u"DROP TABLE [小票驱动];");
    db.execScript(QString(u"PRAGMA user_version = " + QString::number(version) + u';'));
}

} // namespace

class TestDatabase : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void templateHoldsTheSampleShop();
    void textColumnsRejectTooLongTexts_data();
    void textColumnsRejectTooLongTexts();
    void otherRefusalsReadInChinese_data();
    void otherRefusalsReadInChinese();
    void currencyIsExactThroughSums();
    void boundTextWithQuotesIsStoredAsTyped();
    void transactionRollsBackUnlessCommitted();
    void nestedTransactionLandsWithTheOuter_data();
    void nestedTransactionLandsWithTheOuter();
    void upgradeBringsAnOlderFileToTheCurrentTables_data();
    void upgradeBringsAnOlderFileToTheCurrentTables();
    void likeKeepsWildcardsAndIgnoresAsciiCase();
    void wrongKeyIsRefused();
    void fileNeedsThePasswordOutsideTheProgram();
    void stockShellChecksTheFile_data();
    void stockShellChecksTheFile();
    void logShrinksAfterALargeTransaction_data();
    void logShrinksAfterALargeTransaction();
};

void TestDatabase::templateHoldsTheSampleShop() {
    TempShop shop;
    Statement settings =
        shop.db().prepare(u"SELECT [密码], [标题], [左边距], [自动打印], [条码] FROM [设置]");
    QVERIFY(settings.next());
    QCOMPARE(settings.text(0), u"739"_s);
    QCOMPARE(settings.text(1), u"zerurad"_s);
    QCOMPARE(settings.text(2), u"0"_s);
    QCOMPARE(settings.text(3), u"0"_s);
    QCOMPARE(settings.text(4), u"0"_s);
    QVERIFY(!settings.next());

    Statement products = shop.db().prepare(
        u"SELECT [名称], [查询], [进价], [售价], [库存] FROM [商品] ORDER BY [ID号]");
    QVERIFY(products.next());
    QCOMPARE(products.text(0), u"中华\\硬盒"_s);
    QCOMPARE(products.text(1), u"A20170313183319中华zh上海制烟厂"_s);
    QCOMPARE(products.decimal(2), Decimal::fromInt(43));
    QCOMPARE(products.decimal(3), Decimal::fromInt(45));
    QCOMPARE(products.decimal(4), Decimal::fromInt(88));
    int count = 1;
    while (products.next())
        ++count;
    QCOMPARE(count, 5);
    for (const char16_t* table : {u"订单", u"出入库", u"盘点明细"}) {
        Statement rows =
            shop.db().prepare(u"SELECT count(*) FROM [" + QString::fromUtf16(table) + u']');
        QVERIFY(rows.next());
        QCOMPARE(rows.integer(0), 0);
    }
}

void TestDatabase::textColumnsRejectTooLongTexts_data() {
    QTest::addColumn<QString>("table");
    QTest::addColumn<QString>("column");
    QTest::addColumn<int>("width");
    // Every column the boxes and cuts take their widths from: the schema must agree.
    for (const ColumnWidth::TextColumn& text : ColumnWidth::TextColumns) {
        const QString table = QString::fromUtf16(text.table.data(), qsizetype(text.table.size()));
        const QString column =
            QString::fromUtf16(text.column.data(), qsizetype(text.column.size()));
        QTest::addRow("%s.%s", qPrintable(table), qPrintable(column))
            << table << column << text.width;
    }
}

void TestDatabase::textColumnsRejectTooLongTexts() {
    QFETCH(QString, table);
    QFETCH(QString, column);
    QFETCH(int, width);
    TempShop shop;
    const QString insert = u"INSERT INTO [" + table + u"] ([" + column + u"]) VALUES (?)";
    // Chinese characters count as one each, not as their bytes.
    shop.db().exec(insert, QString(width, u'烟'));
    try {
        shop.db().exec(insert, QString(width + 1, u'烟'));
        QFAIL("stored");
    } catch (const Refusal& refusal) {
        QCOMPARE(refusal.reason(), column + u"最多"_s + QString::number(width) + u"个字"_s);
    }
}

void TestDatabase::otherRefusalsReadInChinese_data() {
    QTest::addColumn<QString>("sql");
    QTest::addColumn<qint64>("value");
    QTest::addColumn<QString>("message");
    QTest::newRow("a text in a Currency column")
        << u"INSERT INTO [商品] ([进价]) VALUES ('abc')"_s << qint64(0)
        << u"商品表中有一项超出可保存的长度或范围"_s;
    QTest::newRow("an overflowed number")
        << u"INSERT INTO [商品] ([售价]) VALUES (?)"_s
        << Decimal::read(u"99999999999999999999"_s).units() << u"数值超出可保存的范围"_s;
}

void TestDatabase::otherRefusalsReadInChinese() {
    QFETCH(QString, sql);
    QFETCH(qint64, value);
    QFETCH(QString, message);
    TempShop shop;
    try {
        if (sql.contains(u'?'))
            shop.db().exec(sql, Decimal::fromUnits(value));
        else
            shop.db().exec(sql);
        QFAIL("stored");
    } catch (const Refusal& refusal) {
        QCOMPARE(refusal.reason(), message);
    }
    Statement count = shop.db().prepare(u"SELECT count(*) FROM [商品]");
    count.next();
    QCOMPARE(count.integer(0), qint64(5));
}

void TestDatabase::currencyIsExactThroughSums() {
    TempShop shop;
    for (int i = 0; i < 10; ++i)
        shop.db().exec(u"INSERT INTO [出入库] ([金额]) VALUES (?)", Decimal::read(u"0.1"));
    Statement sum = shop.db().prepare(u"SELECT sum([金额]) FROM [出入库]");
    QVERIFY(sum.next());
    QCOMPARE(sum.decimal(0), Decimal::fromInt(1));
    QVERIFY_THROWS_EXCEPTION(
        Refusal, shop.db().exec(u"INSERT INTO [出入库] ([金额]) VALUES (?)", u"12元"_s));
}

void TestDatabase::boundTextWithQuotesIsStoredAsTyped() {
    TempShop shop;
    const QString name = u"O'Neil \"牌\" 100%"_s;
    shop.db().exec(u"INSERT INTO [商品] ([ID号], [名称]) VALUES (?, ?)", u"1"_s, name);
    Statement read = shop.db().prepare(u"SELECT [名称] FROM [商品] WHERE [ID号] = ?");
    read.bindAll(u"1"_s);
    QVERIFY(read.next());
    QCOMPARE(read.text(0), name);
}

void TestDatabase::transactionRollsBackUnlessCommitted() {
    TempShop shop;
    try {
        Transaction transaction(shop.db());
        shop.db().exec(u"UPDATE [商品] SET [库存] = ?", Decimal::fromInt(0));
        shop.db().exec(u"INSERT INTO [出入库] ([名称]) VALUES (?)", QString(51, u'x'));
        transaction.commit();
        QFAIL("the too-long name was accepted");
    } catch (const Refusal& refusal) {
        QVERIFY(!refusal.reason().isEmpty());
    }
    Statement stock = shop.db().prepare(u"SELECT sum([库存]) FROM [商品]");
    QVERIFY(stock.next());
    QCOMPARE(stock.decimal(0), Decimal::fromInt(88 + 17 + 19 + 20 + 96));

    {
        Transaction transaction(shop.db());
        shop.db().exec(u"DELETE FROM [商品]");
        transaction.commit();
    }
    shop.reopen();
    Statement left = shop.db().prepare(u"SELECT count(*) FROM [商品]");
    QVERIFY(left.next());
    QCOMPARE(left.integer(0), 0);
}

void TestDatabase::nestedTransactionLandsWithTheOuter_data() {
    QTest::addColumn<bool>("innerCommits");
    QTest::addColumn<bool>("outerCommits");
    QTest::addColumn<qint64>("rowsLeft");
    QTest::newRow("both commit") << true << true << qint64(2);
    QTest::newRow("inner rolls back alone") << false << true << qint64(1);
    QTest::newRow("outer takes the committed inner with it") << true << false << qint64(0);
}

void TestDatabase::nestedTransactionLandsWithTheOuter() {
    QFETCH(bool, innerCommits);
    QFETCH(bool, outerCommits);
    QFETCH(qint64, rowsLeft);
    TempShop shop;
    shop.db().exec(u"DELETE FROM [订单]");
    {
        Transaction outer(shop.db());
        shop.db().exec(u"INSERT INTO [订单] ([ID号]) VALUES (?)", u"outer"_s);
        {
            Transaction inner(shop.db());
            shop.db().exec(u"INSERT INTO [订单] ([ID号]) VALUES (?)", u"inner"_s);
            if (innerCommits)
                inner.commit();
        }
        if (outerCommits)
            outer.commit();
    }
    QVERIFY(!shop.db().inTransaction());
    Statement count = shop.db().prepare(u"SELECT count(*) FROM [订单]");
    QVERIFY(count.next());
    QCOMPARE(count.integer(0), rowsLeft);
}

void TestDatabase::upgradeBringsAnOlderFileToTheCurrentTables_data() {
    QTest::addColumn<int>("version");
    for (int version = 0; version < Schema::Version; ++version)
        QTest::addRow("from version %d", version) << version;
}

void TestDatabase::upgradeBringsAnOlderFileToTheCurrentTables() {
    QFETCH(int, version);
    TempShop shop;
    makeVersion(shop.db(), version);
    Schema::upgrade(shop.db());
    QCOMPARE(Schema::versionOf(shop.db()), Schema::Version);
    shop.db().exec(u"INSERT INTO [小票驱动] ([方式]) VALUES (?)", u"ESCPOS"_s);
    shop.db().exec(u"INSERT INTO [订单] ([ID号], [付款]) VALUES (?, ?)", u"A170313-0001"_s,
                   u"微信"_s);
    shop.db().exec(u"INSERT INTO [挂单明细] ([挂单号], [序号]) VALUES (1, 0)");
    const auto catalogueVersion = [&] {
        Statement read = shop.db().prepare(u"SELECT [版本] FROM [商品版本]");
        return read.next() ? read.integer(0) : -1;
    };
    const qint64 before = catalogueVersion();
    // Neither stock alone nor a price stored again is a change of the catalogue.
    shop.db().exec(u"UPDATE [商品] SET [库存] = 1, [售价] = [售价], [名称] = [名称]");
    QCOMPARE(catalogueVersion(), before);
    shop.db().exec(u"UPDATE [商品] SET [售价] = 1 WHERE [ID号] = '20170313183319'");
    shop.db().exec(u"DELETE FROM [商品] WHERE [ID号] = '20170313183432'");
    QCOMPARE(catalogueVersion(), before + 2);
}

void TestDatabase::likeKeepsWildcardsAndIgnoresAsciiCase() {
    TempShop shop;
    const auto count = [&](const QString& text) {
        Statement statement = shop.db().prepare(u"SELECT count(*) FROM [商品] WHERE [查询] LIKE ?");
        statement.bindAll(u'%' + text + u'%');
        statement.next();
        return statement.integer(0);
    };
    QCOMPARE(count(QString()), 5);
    QCOMPARE(count(u"上海"_s), 2);
    QCOMPARE(count(u"HSX"_s), 1);
    QCOMPARE(count(u"红%上海"_s), 1);
    QCOMPARE(count(u"h_x"_s), 1);
    QCOMPARE(count(u"'"_s), 0);
}

void TestDatabase::wrongKeyIsRefused() {
    TempShop shop;
    QVERIFY_THROWS_EXCEPTION(DbError, Database::open(shop.databasePath(), u"wrong"_s));
}

void TestDatabase::fileNeedsThePasswordOutsideTheProgram() {
    const QString cli = QStandardPaths::findExecutable(u"sqlcipher"_s);
    if (cli.isEmpty())
        QSKIP("the sqlcipher shell is not installed");
    TempShop shop;
    QVERIFY(runShell(cli, shop.databasePath(), u"SELECT [密码] FROM [设置];\n"_s)
                .contains(u"not a database"_s));
    const QString keyed =
        runShell(cli, shop.databasePath(), Keyed + u"SELECT [密码] FROM [设置];\n");
    QVERIFY2(keyed.contains(u"739"_s), qPrintable(keyed));
}

void TestDatabase::stockShellChecksTheFile_data() {
    QTest::addColumn<bool>("previousVersion");
    QTest::newRow("new shop") << false;
    QTest::newRow("made by the previous version, upgraded") << true;
}

// The previous version indexed the names with a collation only this program had, so the
// shell could not check the file. The stand-in index is built with a collation the engine
// has and then renamed in the schema, as no connection of ours registers "zh" any more.
void TestDatabase::stockShellChecksTheFile() {
    QFETCH(bool, previousVersion);
    const QString cli = QStandardPaths::findExecutable(u"sqlcipher"_s);
    if (cli.isEmpty())
        QSKIP("the sqlcipher shell is not installed");
    TempShop shop;
    const QString path = shop.databasePath();
    if (previousVersion) {
        Database& old = shop.db();
        makeVersion(old, 0);
        old.execScript(u"CREATE INDEX [商品_名称] ON [商品] ([名称] COLLATE NOCASE);"
                       u"PRAGMA writable_schema = ON;");
        old.exec(u"UPDATE sqlite_master SET sql = replace(sql, 'NOCASE', 'zh') WHERE name = ?",
                 u"商品_名称"_s);
        old.execScript(u"PRAGMA writable_schema = OFF; PRAGMA user_version = 0;");
        shop.reopen();
        QVERIFY(runShell(cli, path, Keyed + u"PRAGMA integrity_check;\n")
                    .contains(u"no such collation sequence: zh"_s));
        Schema::upgrade(shop.db());
    }
    shop.reopen();
    QCOMPARE(Schema::versionOf(shop.db()), Schema::Version);
    Statement index = shop.db().prepare(u"SELECT count(*) FROM sqlite_master WHERE name = ?");
    index.bind(1, u"商品_名称"_s);
    QVERIFY(index.next());
    QCOMPARE(index.integer(0), 0);
    const QString checked =
        runShell(cli, path,
                 Keyed + u"PRAGMA integrity_check;\nSELECT [名称] FROM [商品] ORDER BY [ID号];\n");
    QVERIFY2(checked.startsWith(u"ok\n中华\\硬盒\n"_s), qPrintable(checked));
    QVERIFY2(checked.trimmed().endsWith(u"阿诗玛\\软盒"_s), qPrintable(checked));
}

void TestDatabase::logShrinksAfterALargeTransaction_data() {
    QTest::addColumn<bool>("explicitCheckpoint");
    QTest::addColumn<qint64>("largestLog");
    QTest::newRow("checkpoint after it") << true << qint64(0);
    QTest::newRow("next save after the engine's own checkpoint") << false << qint64(4 << 20);
}

void TestDatabase::logShrinksAfterALargeTransaction() {
    QFETCH(bool, explicitCheckpoint);
    QFETCH(qint64, largestLog);
    TempShop shop;
    const QString log = shop.databasePath() + u"-wal";
    {
        Transaction large(shop.db());
        BulkMovements::add(shop.db(), 100000);
        large.commit();
    }
    QVERIFY(QFileInfo(log).size() > 8 << 20);
    if (explicitCheckpoint)
        QVERIFY(shop.db().checkpoint());
    else
        shop.db().exec(u"UPDATE [设置] SET [标题] = ?", u"next save"_s);
    QVERIFY2(QFileInfo(log).size() <= largestLog,
             qPrintable(QString::number(QFileInfo(log).size())));
}

QTEST_APPLESS_MAIN(TestDatabase)
#include "tst_database.moc"
