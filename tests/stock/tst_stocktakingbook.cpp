#include "catalogue/ProductCatalogue.h"
#include "data/DbError.h"
#include "data/Refusal.h"
#include "data/Transaction.h"
#include "stock/StocktakingBook.h"
#include "stock/StocktakingRecords.h"
#include "support/TempShop.h"

#include <QTest>

using namespace Qt::Literals::StringLiterals;

namespace {

// A shop whose products are named after their stock, inserted out of pinyin order.
struct Shop {
    Shop() {
        shop.db().exec(u"DELETE FROM [商品]");
        const QList<std::pair<QString, int>> products{
            {u"中华"_s, -2},  {u"阿诗玛"_s, 0}, {u"红塔山"_s, 1},     {u"白沙"_s, 3},
            {u"红双喜"_s, 5}, {u"芙蓉王"_s, 6}, {u"黄鹤楼"_s, 30000}, {u"玉溪"_s, 29999}};
        for (const auto& [name, stock] : products)
            add(name, name, Decimal::fromInt(stock));
    }
    void add(const QString& id, const QString& name, Decimal stock, const QString& maker = {}) {
        shop.db().exec(
            u"INSERT INTO [商品] ([ID号], [编号], [名称], [查询], [厂家], [单位], [库存]) "
            u"VALUES (?, ?, ?, ?, ?, '包', ?)",
            id, u'A' + id, name, name, maker, stock);
    }
    QStringList listed(const StockFilter& filter) {
        QStringList names;
        for (const ListedStock& product : book.list(filter))
            names.append(product.name);
        return names;
    }
    Decimal stock(const QString& id) {
        Statement query = shop.db().prepare(u"SELECT [库存] FROM [商品] WHERE [ID号] = ?");
        query.bind(1, id);
        return query.next() ? query.decimal(0) : Decimal::fromInt(-999);
    }
    StockCount count(const QString& id, int counted, const QString& remark = {}) {
        for (const ListedStock& product : book.list({}))
            if (product.productId == id)
                return {product, Decimal::fromInt(counted), remark};
        qFatal("not listed");
    }

    TempShop shop;
    ProductCatalogue catalogue{shop.db()};
    StocktakingBook book{shop.db(), catalogue};
    StocktakingRecords records{shop.db()};
    QDate today{2017, 3, 13};
};

} // namespace

class TestStocktakingBook : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void listFilters_data();
    void listFilters();
    void productsSharingAnIdKeepTheirOwnStock();
    void countSetsStockAndRecordsIt();
    void countIsOneTransaction_data();
    void countIsOneTransaction();
    void removedProductIsNotCounted();
    void recordsFindByNameAndRange_data();
    void recordsFindByNameAndRange();
    void recordsRefuseMoreThanTheLimit();
};

void TestStocktakingBook::listFilters_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("above");
    QTest::addColumn<int>("number");
    QTest::addColumn<bool>("showZero");
    QTest::addColumn<QStringList>("listed");
    const QStringList all{u"阿诗玛"_s, u"白沙"_s,   u"芙蓉王"_s, u"红双喜"_s,
                          u"红塔山"_s, u"黄鹤楼"_s, u"玉溪"_s,   u"中华"_s};
    const auto except = [&all](QStringList names) {
        QStringList kept = all;
        for (const QString& name : names)
            kept.removeOne(name);
        return kept;
    };
    QTest::newRow("start: below 30000, zero and negative too")
        << QString() << false << 0 << true << except({u"黄鹤楼"_s});
    QTest::newRow("below nothing, unticked: 1 to 30000")
        << QString() << false << 0 << false << except({u"中华"_s, u"阿诗玛"_s});
    QTest::newRow("below 5 ticked: 5 not listed")
        << QString() << false << 5 << true
        << QStringList{u"阿诗玛"_s, u"白沙"_s, u"红塔山"_s, u"中华"_s};
    QTest::newRow("below 5 unticked: 1 to 5 inclusive")
        << QString() << false << 5 << false << QStringList{u"白沙"_s, u"红双喜"_s, u"红塔山"_s};
    QTest::newRow("below -2 unticked: bounds either way round")
        << QString() << false << -2 << false << QStringList{u"阿诗玛"_s, u"红塔山"_s, u"中华"_s};
    QTest::newRow("above nothing unticked: above 0")
        << QString() << true << 0 << false << except({u"中华"_s, u"阿诗玛"_s});
    QTest::newRow("above nothing ticked: 0 too")
        << QString() << true << 0 << true << except({u"中华"_s});
    QTest::newRow("name fragment, % a wildcard")
        << u"红%山"_s << false << 0 << true << QStringList{u"红塔山"_s};
}

void TestStocktakingBook::listFilters() {
    QFETCH(QString, name);
    QFETCH(bool, above);
    QFETCH(int, number);
    QFETCH(bool, showZero);
    Shop shop;
    const StockFilter filter{
        name, above ? StockFilter::Comparison::Above : StockFilter::Comparison::Below,
        Decimal::fromInt(number), showZero};
    const QStringList listed = shop.listed(filter);
    QTEST(listed, "listed");
    // The product search shows the same order.
    QStringList searched;
    for (const PickEntry& entry : shop.catalogue.pickList(u""))
        if (listed.contains(entry.name))
            searched.append(entry.name);
    QCOMPARE(listed, searched);
}

void TestStocktakingBook::productsSharingAnIdKeepTheirOwnStock() {
    Shop shop;
    shop.add(u"同"_s, u"左"_s, Decimal::fromInt(7));
    shop.add(u"同"_s, u"矮"_s, Decimal::fromInt(8));
    QStringList listed;
    for (const ListedStock& product : shop.book.list({}))
        if (product.productId == u"同"_s)
            listed.append(product.name + product.stock.plainText());
    QCOMPARE(listed, (QStringList{u"矮8"_s, u"左7"_s}));
}

void TestStocktakingBook::countSetsStockAndRecordsIt() {
    Shop shop;
    const QString longMaker = u"湖南中烟工业有限责任公司长沙卷烟厂"_s;
    shop.add(u"P15"_s, u"长"_s.repeated(60), Decimal::fromInt(15), longMaker);
    QCOMPARE(shop.book.execute({shop.count(u"P15"_s, 12, u"破损"_s)}, shop.today), 1);
    QCOMPARE(shop.stock(u"P15"_s), Decimal::fromInt(12));
    const StocktakingRecords::Result found = shop.records.find({}, shop.today, shop.today);
    QCOMPARE(found.records.size(), qsizetype(1));
    const CountRecord& record = found.records.first();
    QCOMPARE(record.date, shop.today);
    QCOMPARE(record.name, u"长"_s.repeated(50));
    QCOMPARE(record.maker, longMaker.left(10));
    QCOMPARE(record.unit, u"包"_s);
    QCOMPARE(record.bookStock, Decimal::fromInt(15));
    QCOMPARE(record.counted, Decimal::fromInt(12));
    QCOMPARE(record.difference, Decimal::fromInt(-3));
    QCOMPARE(record.remark, u"破损"_s);
}

void TestStocktakingBook::countIsOneTransaction_data() {
    QTest::addColumn<QString>("counted"); // the second count, as typed
    QTest::addColumn<QString>("message");
    QTest::newRow("its record row fails") << u"9"_s << u"no"_s;
    QTest::newRow("its count is past Currency")
        << u"99999999999999999999"_s << u"实际库存超出可保存的范围"_s;
}

void TestStocktakingBook::countIsOneTransaction() {
    QFETCH(QString, counted);
    QFETCH(QString, message);
    Shop shop;
    shop.shop.db().execScript(u"CREATE TRIGGER [拒绝] BEFORE INSERT ON [盘点明细] "
                              u"WHEN NEW.[编号] = 'A中华' BEGIN SELECT RAISE(ABORT, 'no'); END;");
    StockCount second = shop.count(u"中华"_s, 0);
    second.counted = Decimal::read(counted);
    try {
        shop.book.execute({shop.count(u"白沙"_s, 9), second}, shop.today);
        QFAIL("counted");
    } catch (const Refusal& refusal) {
        QCOMPARE(refusal.reason(), message);
    } catch (const DbError& error) {
        QCOMPARE(error.message(), message);
    }
    QCOMPARE(shop.stock(u"白沙"_s), Decimal::fromInt(3));
    QVERIFY(shop.records.find({}, shop.today, shop.today).records.isEmpty());
}

void TestStocktakingBook::removedProductIsNotCounted() {
    Shop shop;
    const StockCount gone = shop.count(u"白沙"_s, 9);
    shop.shop.db().exec(u"DELETE FROM [商品] WHERE [ID号] = ?", u"白沙"_s);
    QCOMPARE(shop.book.execute({gone, shop.count(u"玉溪"_s, 9)}, shop.today), 1);
    QCOMPARE(shop.records.find({}, shop.today, shop.today).records.first().name, u"玉溪"_s);
}

void TestStocktakingBook::recordsFindByNameAndRange_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QDate>("from");
    QTest::addColumn<QDate>("to");
    QTest::addColumn<QStringList>("found");
    QTest::newRow("last month, newest first")
        << QString() << QDate(2017, 2, 13) << QDate(2017, 3, 13)
        << QStringList{u"白沙"_s, u"中华"_s, u"红双喜"_s};
    QTest::newRow("bounds either way round")
        << QString() << QDate(2017, 3, 13) << QDate(2017, 2, 13)
        << QStringList{u"白沙"_s, u"中华"_s, u"红双喜"_s};
    QTest::newRow("fragment anywhere in the name")
        << u"双"_s << QDate(2017, 1, 1) << QDate(2017, 12, 31) << QStringList{u"红双喜"_s};
}

void TestStocktakingBook::recordsFindByNameAndRange() {
    QFETCH(QString, name);
    Shop shop;
    shop.book.execute({shop.count(u"红双喜"_s, 1)}, QDate(2017, 2, 13));
    shop.book.execute({shop.count(u"红塔山"_s, 1)}, QDate(2017, 2, 12));
    shop.book.execute({shop.count(u"中华"_s, 1)}, QDate(2017, 3, 1));
    shop.book.execute({shop.count(u"白沙"_s, 1)}, QDate(2017, 3, 13));
    QFETCH(QDate, from);
    QFETCH(QDate, to);
    QStringList found;
    for (const CountRecord& record : shop.records.find(name, from, to).records)
        found.append(record.name);
    QTEST(found, "found");
}

void TestStocktakingBook::recordsRefuseMoreThanTheLimit() {
    Shop shop;
    const QDate day(2017, 3, 1);
    Transaction transaction(shop.shop.db());
    Statement insert =
        shop.shop.db().prepare(u"INSERT INTO [盘点明细] ([日期], [名称], [帐面库存], [实际库存], "
                               u"[差额]) VALUES (?, ?, 0, 0, 0)");
    for (int i = 0; i < StocktakingRecords::ListLimit; ++i) {
        insert.bindAll(day.addDays(i % 10), u"烟"_s);
        insert.run();
        insert.reset();
    }
    insert.bindAll(day.addDays(20), u"烟"_s);
    insert.run();
    transaction.commit();
    const StocktakingRecords::Result limit = shop.records.find({}, day, day.addDays(9));
    QCOMPARE(limit.records.size(), qsizetype(StocktakingRecords::ListLimit));
    QVERIFY(!limit.tooMany);
    QCOMPARE(limit.records.first().date, day.addDays(9));
    const StocktakingRecords::Result over = shop.records.find({}, day, day.addDays(20));
    QVERIFY(over.tooMany);
    QVERIFY(over.records.isEmpty());
}

QTEST_GUILESS_MAIN(TestStocktakingBook)
#include "tst_stocktakingbook.moc"
