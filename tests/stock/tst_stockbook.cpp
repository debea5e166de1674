#include "checkout/ProductFixture.h"
#include "data/DbError.h"
#include "data/Refusal.h"
#include "stock/StockBook.h"
#include "support/TempShop.h"

#include <QTest>

using namespace Qt::Literals::StringLiterals;

namespace {

const QString Zhonghua = u"20170313183319"_s; // 中华\硬盒, 库存 88, 进价 43, 售价 45
const QDateTime Now(QDate(2017, 3, 13), QTime(18, 40, 5));

StockEntry entryFor(const StockPick& picked, const QString& quantity) {
    return StockEntry{picked.name,
                      picked.unit,
                      picked.maker,
                      picked.number,
                      u"2017-03-13"_s,
                      quantity,
                      picked.purchasePrice.moneyText(),
                      picked.salePrice.moneyText(),
                      picked.purchasePrice.moneyText(),
                      QString()};
}

// Picks the product and books the quantity; returns the movement number.
QString book(StockBook& book, const QString& quantity, const QString& productId = Zhonghua) {
    const std::optional<StockPick> picked = book.pick(productId, Now);
    if (!picked || book.save(entryFor(*picked, quantity)) != StockBook::SaveResult::Saved)
        qFatal("the booking did not land");
    return picked->number;
}

QString column(Database& db, const QString& sql, const QString& key) {
    Statement query = db.prepare(sql);
    query.bind(1, key);
    return query.next() ? query.text(0) : u"none"_s;
}

QString stock(Database& db) {
    Statement query = db.prepare(u"SELECT [库存] FROM [商品] WHERE [ID号] = ?");
    query.bind(1, Zhonghua);
    return query.next() ? query.decimal(0).plainText() : u"none"_s;
}

void addMovement(Database& db, const QString& number, const QString& name, const QString& date,
                 const QString& category) {
    db.exec(u"INSERT INTO [出入库] ([销售号], [名称], [日期], [数量], [类别]) "
            u"VALUES (?, ?, ?, 10000, ?)",
            number, name, date, category);
}

} // namespace

class TestStockBook : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void bookingsMoveStockInTheKindsDirection_data();
    void bookingsMoveStockInTheKindsDirection();
    void savedRowKeepsTheTypedValues();
    void unchangedPricesKeepTheirStoredDecimals();
    void picksInOneSecondGetTheirOwnNumbers();
    void refusedSavesStoreNothing_data();
    void refusedSavesStoreNothing();
    void queryListsItsKindWithinTheDates_data();
    void queryListsItsKindWithinTheDates();
    void queryRefusesTooManyRows();
};

void TestStockBook::bookingsMoveStockInTheKindsDirection_data() {
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("first");
    QTest::addColumn<QString>("second");
    QTest::addColumn<QString>("stockAfterBoth");
    QTest::addColumn<QString>("stockAfterDelete"); // the second one deleted
    QTest::newRow("two stock-ins raise twice; deleting 5 lowers by 5")
        << int(MovementKind::StockIn) << u"3"_s << u"5"_s << u"96"_s << u"91"_s;
    QTest::newRow("a return beyond the stock goes negative; deleting 5 raises by 5")
        << int(MovementKind::Return) << u"90"_s << u"5"_s << u"-7"_s << u"-2"_s;
}

void TestStockBook::bookingsMoveStockInTheKindsDirection() {
    QFETCH(int, kind);
    QFETCH(QString, first);
    QFETCH(QString, second);
    QFETCH(QString, stockAfterBoth);
    QFETCH(QString, stockAfterDelete);
    TempShop shop;
    StockBook stockBook(shop.db(), MovementKind(kind));
    const QString one = book(stockBook, first);
    const QString two = book(stockBook, second);
    QCOMPARE(stock(shop.db()), stockAfterBoth);
    const QString recorded = u"SELECT [库存] / 10000 FROM [出入库] WHERE [销售号] = ?"_s;
    QCOMPARE(column(shop.db(), recorded, two), stockAfterBoth);
    QCOMPARE(stockBook.movementName(two), u"中华\\硬盒"_s);
    stockBook.remove(two);
    QCOMPARE(stock(shop.db()), stockAfterDelete);
    QCOMPARE(stockBook.movementName(two), std::nullopt);
    QVERIFY(stockBook.movementName(one).has_value());
}

void TestStockBook::savedRowKeepsTheTypedValues() {
    TempShop shop;
    const QString longName = QString(60, u'烟');
    shop.db().exec(u"UPDATE [商品] SET [名称] = ? WHERE [ID号] = ?", longName, Zhonghua);
    StockBook stockBook(shop.db(), MovementKind::StockIn);
    const std::optional<StockPick> picked = stockBook.pick(Zhonghua, Now);
    QVERIFY(picked);
    StockEntry entry = entryFor(*picked, u"2.5箱"_s);
    entry.purchasePrice = u"40.125"_s;
    entry.salePrice = u"50元"_s;
    entry.amount = u"100.31"_s;
    entry.remark = QString(60, u'注');
    QCOMPARE(stockBook.save(entry), StockBook::SaveResult::Saved);
    QCOMPARE(
        column(shop.db(),
               u"SELECT [进价] || '|' || [售价] || '|' || [名称] FROM [商品] WHERE [ID号] = ?"_s,
               Zhonghua),
        u"401250|500000|"_s + longName);
    QCOMPARE(column(shop.db(),
                    u"SELECT [名称] || '|' || [编号] || '|' || [单位] || '|' || [进价] || '|' || "
                    u"[售价] || '|' || [金额] || '|' || [数量] || '|' || [库存] || '|' || [厂家] "
                    u"|| '|' || [日期] || '|' || [类别] || '|' || length([备注]) "
                    u"FROM [出入库] WHERE [销售号] = ?"_s,
                    picked->number),
             QString(50, u'烟') + u"|A20170313183319|包|401250|500000|1003100|25000|905000|"
                                  u"上海制烟厂|2017-03-13|入库|50"_s);
}

void TestStockBook::unchangedPricesKeepTheirStoredDecimals() {
    TempShop shop;
    shop.db().exec(u"UPDATE [商品] SET [进价] = 34560, [售价] = 45678 WHERE [ID号] = ?", Zhonghua);
    StockBook stockBook(shop.db(), MovementKind::StockIn);
    const QString number = book(stockBook, u"2"_s); // the boxes show 3.46 and 4.57
    QCOMPARE(column(shop.db(),
                    u"SELECT p.[进价] || '|' || p.[售价] || '|' || m.[进价] || '|' || m.[售价] "
                    u"FROM [出入库] m JOIN [商品] p ON p.[ID号] = m.[ID号] WHERE m.[销售号] = ?"_s,
                    number),
             u"34560|45678|34560|45678"_s);
}

void TestStockBook::picksInOneSecondGetTheirOwnNumbers() {
    TempShop shop;
    addMovement(shop.db(), u"B20170313184006"_s, u"旧"_s, u"2017-03-13"_s, u"入库"_s);
    StockBook stockIn(shop.db(), MovementKind::StockIn);
    StockBook returns(shop.db(), MovementKind::Return);
    QStringList numbers;
    for (int i = 0; i < 3; ++i)
        numbers.append(stockIn.pick(Zhonghua, Now)->number);
    numbers.append(returns.pick(Zhonghua, Now)->number);
    QCOMPARE(numbers, QStringList({u"B20170313184005"_s, u"B20170313184007"_s, u"B20170313184008"_s,
                                   u"C20170313184005"_s}));
}

void TestStockBook::refusedSavesStoreNothing_data() {
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("trigger"); // a failure injected into the save
    QTest::addColumn<int>("result");      // -1: the save throws
    QTest::addColumn<QString>("refusal"); // what it throws
    const int missing = int(StockBook::SaveResult::NameMissing);
    QTest::newRow("name edited after the pick")
        << u"name"_s << u"中华"_s << QString() << missing << QString();
    QTest::newRow("nothing picked")
        << u"unpicked"_s << QString() << QString() << missing << QString();
    QTest::newRow("quantity beyond Currency")
        << u"quantity"_s << u"9999999999999999"_s << QString() << -1 << u"数量超出可保存的范围"_s;
    QTest::newRow("price beyond Currency") << u"purchasePrice"_s << u"-99999999999999999"_s
                                           << QString() << -1 << u"进价超出可保存的范围"_s;
    QTest::newRow("stock pushed beyond Currency")
        << u"quantity"_s << u"922337203685470"_s << QString() << -1 << u"库存超出可保存的范围"_s;
    QTest::newRow("movement row fails after the product row")
        << QString() << QString() << u"BEFORE INSERT ON [出入库]"_s << -1 << u"injected"_s;
    QTest::newRow("stock fails after the prices")
        << QString() << QString() << u"BEFORE UPDATE OF [库存] ON [商品]"_s << -1 << u"injected"_s;
}

void TestStockBook::refusedSavesStoreNothing() {
    QFETCH(QString, field);
    QFETCH(QString, typed);
    QFETCH(QString, trigger);
    QFETCH(int, result);
    QFETCH(QString, refusal);
    TempShop shop;
    StockBook stockBook(shop.db(), MovementKind::StockIn);
    StockEntry entry;
    if (field != u"unpicked") {
        entry = entryFor(*stockBook.pick(Zhonghua, Now), u"5"_s);
        entry.salePrice = u"99"_s;
    }
    if (field == u"name")
        entry.name = typed;
    if (field == u"quantity")
        entry.quantity = typed;
    if (field == u"purchasePrice")
        entry.purchasePrice = typed;
    if (!trigger.isEmpty())
        shop.db().execScript(QString(u"CREATE TRIGGER [fail] " + trigger +
                                     u" BEGIN SELECT RAISE(ABORT, 'injected'); END;"));
    const QString before = ProductFixture::snapshot(shop.db());
    try {
        QCOMPARE(int(stockBook.save(entry)), result);
    } catch (const Refusal& refused) {
        QCOMPARE(refused.reason(), refusal);
    } catch (const DbError& error) {
        QCOMPARE(result, -1);
        QCOMPARE(error.message(), refusal);
    }
    QCOMPARE(ProductFixture::snapshot(shop.db()), before);
}

void TestStockBook::queryListsItsKindWithinTheDates_data() {
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("filter");
    QTest::addColumn<QStringList>("numbers");
    QTest::newRow("stock-in: its own kind, both bounds, newest first")
        << int(MovementKind::StockIn) << QString()
        << QStringList({u"B20170313090000"_s, u"B20170213090000"_s});
    QTest::newRow("returns: no sales, no stock-in")
        << int(MovementKind::Return) << QString() << QStringList({u"C20170301090000"_s});
    QTest::newRow("name filter") << int(MovementKind::StockIn) << u"红"_s
                                 << QStringList({u"B20170213090000"_s});
    QTest::newRow("a quote is only a character")
        << int(MovementKind::StockIn) << u"'"_s << QStringList();
    QTest::newRow("underscore stays a wildcard")
        << int(MovementKind::StockIn) << u"中_"_s << QStringList({u"B20170313090000"_s});
}

void TestStockBook::queryListsItsKindWithinTheDates() {
    QFETCH(int, kind);
    QFETCH(QString, filter);
    QFETCH(QStringList, numbers);
    TempShop shop;
    Database& db = shop.db();
    addMovement(db, u"B20170212090000"_s, u"中华"_s, u"2017-02-12"_s, u"入库"_s);
    addMovement(db, u"B20170213090000"_s, u"红塔山"_s, u"2017-02-13"_s, u"入库"_s);
    addMovement(db, u"B20170313090000"_s, u"中华\\硬盒"_s, u"2017-03-13"_s, u"入库"_s);
    addMovement(db, u"B20170314090000"_s, u"中华"_s, u"2017-03-14"_s, u"入库"_s);
    addMovement(db, u"C20170301090000"_s, u"中华"_s, u"2017-03-01"_s, u"出库"_s);
    addMovement(db, u"A170301-0001001"_s, u"中华"_s, u"2017-03-01"_s, u"销售"_s);
    StockBook stockBook(db, MovementKind(kind));
    const StockBook::QueryResult result =
        stockBook.query(filter, QDate(2017, 2, 13), QDate(2017, 3, 13));
    QVERIFY(!result.tooMany);
    QStringList found;
    for (const StockRow& row : result.rows)
        found.append(row.number);
    QCOMPARE(found, numbers);
}

void TestStockBook::queryRefusesTooManyRows() {
    TempShop shop;
    shop.db().execScript(uR"sql(
        WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 30001)
        INSERT INTO [出入库] ([销售号], [名称], [日期], [类别])
        SELECT printf('B%014d', i), '中华', '2017-03-01', '入库' FROM n;)sql");
    StockBook stockBook(shop.db(), MovementKind::StockIn);
    const QDate day(2017, 3, 1);
    QVERIFY(stockBook.query(QString(), day, day).tooMany);
    QVERIFY(stockBook.query(QString(), day, day).rows.isEmpty());
    shop.db().exec(u"DELETE FROM [出入库] WHERE [销售号] = ?", u"B00000000000001"_s);
    QCOMPARE(stockBook.query(QString(), day, day).rows.size(), StockBook::RowLimit);
}

QTEST_GUILESS_MAIN(TestStockBook)
#include "tst_stockbook.moc"
