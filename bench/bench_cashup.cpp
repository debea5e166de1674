#include "checkout/CashUpBook.h"
#include "data/Transaction.h"
#include "support/TempShop.h"

#include <QTest>

#include <memory>

using namespace Qt::Literals::StringLiterals;

namespace {

// A year of sales at 1,000,000 movements: 2,000 sales on 2016-06-15, 901 on each other day,
// three lines each, and some 10,000 stock-ins and returns.
std::unique_ptr<TempShop> shop;

void fill(Database& db) {
    Transaction transaction(db);
    db.execScript(uR"sql(
        WITH RECURSIVE n(i) AS (SELECT 0 UNION ALL SELECT i + 1 FROM n WHERE i < 327963)
        INSERT INTO [订单] ([ID号], [日期], [付款], [实收], [找零])
        SELECT 'A' || substr(strftime('%Y%m%d', d), 3) || '-' || printf('%04d', i % 901 + 1), d,
               CASE i % 5 WHEN 0 THEN '微信' WHEN 1 THEN '支付宝' END, '400', '30.00'
        FROM (SELECT i, date('2016-01-01', '+' || (i / 901 + (i / 901 >= 166)) || ' days') AS d
              FROM n);
        WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 2000)
        INSERT INTO [订单] ([ID号], [日期], [付款], [实收], [找零])
        SELECT 'A160615-' || printf('%04d', i), '2016-06-15',
               CASE i % 5 WHEN 0 THEN '微信' WHEN 1 THEN '支付宝' END, '', ''
        FROM n;
        INSERT INTO [出入库] ([销售号], [ID号], [名称], [数量], [售价], [金额], [日期], [类别])
        SELECT o.[ID号] || printf('%03d', k), 'P' || k, '商品', 10000, 1200000, 1150000, o.[日期],
               '销售'
        FROM [订单] o, (SELECT 0 AS k UNION ALL SELECT 1 UNION ALL SELECT 2);
        WITH RECURSIVE n(i) AS (SELECT 0 UNION ALL SELECT i + 1 FROM n WHERE i < 10107)
        INSERT INTO [出入库] ([销售号], [ID号], [名称], [数量], [金额], [日期], [类别])
        SELECT printf('B%014d', i), 'P' || (i % 50), '商品', 10000, 500000,
               date('2016-01-01', '+' || (i % 366) || ' days'), CASE i % 4 WHEN 0 THEN '出库' ELSE '入库' END
        FROM n;
    )sql");
    transaction.commit();
}

} // namespace

class BenchCashUp : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void cleanupTestCase() { shop.reset(); }
    void read_data();
    void read();
};

void BenchCashUp::initTestCase() {
    shop = std::make_unique<TempShop>();
    fill(shop->db());
    Statement count = shop->db().prepare(u"SELECT count(*) FROM [出入库]");
    QVERIFY(count.next());
    qInfo("%lld movements", count.integer(0));
}

void BenchCashUp::read_data() {
    QTest::addColumn<QDate>("from");
    QTest::addColumn<QDate>("to");
    QTest::addColumn<int>("sales");
    QTest::newRow("the day of 2,000 sales") << QDate(2016, 6, 15) << QDate(2016, 6, 15) << 2000;
    QTest::newRow("a day of 901 sales") << QDate(2016, 3, 1) << QDate(2016, 3, 1) << 901;
    QTest::newRow("a week") << QDate(2016, 6, 13) << QDate(2016, 6, 19) << 2000 + 6 * 901;
}

void BenchCashUp::read() {
    QFETCH(QDate, from);
    QFETCH(QDate, to);
    QFETCH(int, sales);
    CashUp cashUp;
    QBENCHMARK {
        cashUp = CashUpBook(shop->db()).read(from, to);
    }
    QCOMPARE(cashUp.sales, sales);
    QCOMPARE(cashUp.total.moneyText(), Decimal::fromInt(115 * 3 * sales).moneyText());
}

QTEST_MAIN(BenchCashUp)
#include "bench_cashup.moc"
