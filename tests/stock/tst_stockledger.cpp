#include "checkout/ProductFixture.h"
#include "data/DbError.h"
#include "data/Transaction.h"
#include "stock/StockLedger.h"
#include "support/TempShop.h"

#include <QTest>

using namespace Qt::Literals::StringLiterals;

namespace {

const QString Zhonghua = u"20170313183319"_s; // 库存 88, 进价 43, 厂家 上海制烟厂
const QString Shuangxi = u"20170313183432"_s; // 库存 17

Movement movement(const QString& number, const QString& productId, MovementKind kind,
                  qint64 quantity) {
    Movement result;
    result.number = number;
    result.productId = productId;
    result.name = u"名"_s;
    result.date = QDate(2017, 3, 13);
    result.quantity = Decimal::fromInt(quantity);
    result.kind = kind;
    return result;
}

QString stock(Database& db, const QString& id) {
    Statement query = db.prepare(u"SELECT [库存] FROM [商品] WHERE [ID号] = ?");
    query.bind(1, id);
    return query.next() ? query.decimal(0).plainText() : u"none"_s;
}

QString row(Database& db, const QString& number) {
    Statement query =
        db.prepare(u"SELECT quote([进价]) || '|' || quote([厂家]) || '|' || "
                   u"quote([库存]) || '|' || [类别] FROM [出入库] WHERE [销售号] = ?");
    query.bind(1, number);
    return query.next() ? query.text(0) : QString();
}

} // namespace

class TestStockLedger : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void booksInTheKindsDirection_data();
    void booksInTheKindsDirection();
    void reversingUndoesEachKind();
    void countSetsStockAndTellsTheBookStock();
    void failureHalfWayLeavesDatabaseAsBefore_data();
    void failureHalfWayLeavesDatabaseAsBefore();
};

void TestStockLedger::booksInTheKindsDirection_data() {
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("productId");
    QTest::addColumn<QString>("stockAfter");
    QTest::addColumn<QString>("stored");
    QTest::newRow("sale lowers, cost and maker from the product")
        << int(MovementKind::Sale) << Zhonghua << u"85"_s << u"430000|'上海制烟厂'|850000|销售"_s;
    QTest::newRow("stock-in raises") << int(MovementKind::StockIn) << Zhonghua << u"91"_s
                                     << u"430000|'上海制烟厂'|910000|入库"_s;
    QTest::newRow("a return lowers")
        << int(MovementKind::Return) << Zhonghua << u"85"_s << u"430000|'上海制烟厂'|850000|出库"_s;
    QTest::newRow("a gone product moves no stock")
        << int(MovementKind::Sale) << u"gone"_s << u"none"_s << u"NULL|NULL|NULL|销售"_s;
}

void TestStockLedger::booksInTheKindsDirection() {
    QFETCH(int, kind);
    QFETCH(QString, productId);
    QFETCH(QString, stockAfter);
    QFETCH(QString, stored);
    TempShop shop;
    StockLedger ledger(shop.db());
    ledger.book(movement(u"M1"_s, productId, MovementKind(kind), 3));
    QCOMPARE(stock(shop.db(), productId), stockAfter);
    QCOMPARE(row(shop.db(), u"M1"_s), stored);
}

void TestStockLedger::reversingUndoesEachKind() {
    TempShop shop;
    StockLedger ledger(shop.db());
    ledger.book(movement(u"B1"_s, Zhonghua, MovementKind::StockIn, 10));
    ledger.book(movement(u"C1"_s, Shuangxi, MovementKind::Return, 2));
    ledger.book(movement(u"A170313-0001000"_s, Zhonghua, MovementKind::Sale, 1));
    ledger.book(movement(u"A170313-0001001"_s, Shuangxi, MovementKind::Sale, 4));
    ledger.book(movement(u"A170313-00012"_s, Zhonghua, MovementKind::StockIn, 5));
    QCOMPARE(stock(shop.db(), Zhonghua), u"102"_s);
    QCOMPARE(stock(shop.db(), Shuangxi), u"11"_s);
    ledger.reverseSaleLines(u"A170313-0001"_s); // its stock-in look-alike stays
    QCOMPARE(stock(shop.db(), Zhonghua), u"103"_s);
    QCOMPARE(stock(shop.db(), Shuangxi), u"15"_s);
    ledger.reverse(u"B1"_s);
    ledger.reverse(u"C1"_s);
    QCOMPARE(stock(shop.db(), Zhonghua), u"93"_s);
    QCOMPARE(stock(shop.db(), Shuangxi), u"17"_s);
    Statement left = shop.db().prepare(u"SELECT [销售号] FROM [出入库]");
    QVERIFY(left.next());
    QCOMPARE(left.text(0), u"A170313-00012"_s);
    QVERIFY(!left.next());
}

void TestStockLedger::countSetsStockAndTellsTheBookStock() {
    TempShop shop;
    StockLedger ledger(shop.db());
    QCOMPARE(ledger.setCounted(Zhonghua, Decimal::read(u"12.5")), Decimal::fromInt(88));
    QCOMPARE(stock(shop.db(), Zhonghua), u"12.5"_s);
    QCOMPARE(ledger.setCounted(u"gone"_s, Decimal::fromInt(1)), std::nullopt);
}

void TestStockLedger::failureHalfWayLeavesDatabaseAsBefore_data() {
    QTest::addColumn<QString>("trigger");
    QTest::addColumn<int>("operation");
    QTest::newRow("book: the movement row after the stock")
        << u"BEFORE INSERT ON [出入库] WHEN NEW.[销售号] = 'M2'"_s << 0;
    QTest::newRow("reverse: the second product's stock")
        << u"BEFORE UPDATE ON [商品] WHEN NEW.[ID号] = '20170313183432'"_s << 1;
    QTest::newRow("reverse: removing the rows after the stock")
        << u"BEFORE DELETE ON [出入库]"_s << 1;
    QTest::newRow("count: the second product")
        << u"BEFORE UPDATE ON [商品] WHEN NEW.[ID号] = '20170313183432'"_s << 2;
}

void TestStockLedger::failureHalfWayLeavesDatabaseAsBefore() {
    QFETCH(QString, trigger);
    QFETCH(int, operation);
    TempShop shop;
    StockLedger ledger(shop.db());
    ledger.book(movement(u"A170313-0001000"_s, Zhonghua, MovementKind::Sale, 1));
    ledger.book(movement(u"A170313-0001001"_s, Shuangxi, MovementKind::Sale, 1));
    shop.db().execScript(QString(u"CREATE TRIGGER [fail] " + trigger +
                                 u" BEGIN SELECT RAISE(ABORT, 'injected'); END;"));
    const QString before = ProductFixture::snapshot(shop.db());
    try {
        Transaction transaction(shop.db());
        if (operation == 0) {
            ledger.book(movement(u"M1"_s, Zhonghua, MovementKind::StockIn, 5));
            ledger.book(movement(u"M2"_s, Shuangxi, MovementKind::StockIn, 5));
        } else if (operation == 1) {
            ledger.reverseSaleLines(u"A170313-0001"_s);
        } else {
            ledger.setCounted(Zhonghua, Decimal::fromInt(1));
            ledger.setCounted(Shuangxi, Decimal::fromInt(1));
        }
        transaction.commit();
        QFAIL("the injected failure did not stop the write");
    } catch (const DbError&) {
    }
    QCOMPARE(ProductFixture::snapshot(shop.db()), before);
}

QTEST_GUILESS_MAIN(TestStockLedger)
#include "tst_stockledger.moc"
