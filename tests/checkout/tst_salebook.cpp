#include "catalogue/PickEntry.h"
#include "checkout/Cart.h"
#include "checkout/ProductFixture.h"
#include "checkout/Sale.h"
#include "checkout/SaleBook.h"
#include "data/DbError.h"
#include "data/Refusal.h"
#include "support/TempShop.h"

#include <QTest>

using namespace Qt::Literals::StringLiterals;

namespace {

using ProductFixture::rows;

const QString Zhonghua = u"20170313183319"_s; // 库存 88, 售价 45, 进价 43
const QString Shuangxi = u"20170313183432"_s; // 库存 17, 售价 38
const QString Baisha = u"20170313183515"_s;   // 库存 19, 售价 30
const QDate Day(2017, 3, 13);
const QDateTime Moment(Day, QTime(18, 0));

PickEntry pick(const QString& id, const QString& price = u"45"_s) {
    return {QString(), id, u"A" + id, u"商品" + id, u"包"_s, Decimal::read(price)};
}

Cart cartOf(const QList<std::pair<QString, int>>& lines) {
    Cart cart;
    for (const auto& [id, quantity] : lines) {
        for (int i = 0; i < quantity; ++i)
            cart.addProduct(pick(id));
    }
    return cart;
}

Sale saleOf(const QString& number, const Cart& cart, const QString& received = QString()) {
    Sale sale;
    sale.number = number;
    sale.date = Day;
    sale.cart = cart;
    sale.receive(received);
    return sale;
}

CartLine line(const QString& id, const QString& code, const QString& name, const char* quantity,
              const char* price, const char* discount, const char* amount, const QString& remark) {
    return {id,
            code,
            name,
            u"包"_s,
            Decimal::read(QString::fromLatin1(quantity)),
            Decimal::read(QString::fromLatin1(price)),
            Decimal::read(QString::fromLatin1(discount)),
            Decimal::read(QString::fromLatin1(amount)),
            remark};
}

QString stock(Database& db, const QString& id) {
    Statement query = db.prepare(u"SELECT [库存] FROM [商品] WHERE [ID号] = ?");
    query.bind(1, id);
    return query.next() ? query.decimal(0).plainText() : u"none"_s;
}

void addOrder(Database& db, const QString& number, QDate date) {
    db.exec(u"INSERT INTO [订单] ([ID号], [日期]) VALUES (?, ?)", number, date);
}

} // namespace

class TestSaleBook : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void numbersTheNextSale_data();
    void numbersTheNextSale();
    void deletingFreesOnlyTheLastNumber_data();
    void deletingFreesOnlyTheLastNumber();
    void writesOrderAndLines();
    void savingAgainReplacesTheSale_data();
    void savingAgainReplacesTheSale();
    void numbersLinesByPosition();
    void writesLineOfAGoneProductWithoutStock();
    void cutsLongNamesToTheColumn();
    void refusesWhatCannotBeStored_data();
    void refusesWhatCannotBeStored();
    void storesTheMostLines();
    void failedSaveLeavesDatabaseAsBefore_data();
    void failedSaveLeavesDatabaseAsBefore();
    void loadsLinesInWrittenOrder();
    void removeGivesStockBack();
    void recordsPaymentsCorrectionsAndDeletions();
    void listsHistory_data();
    void listsHistory();
};

void TestSaleBook::numbersTheNextSale_data() {
    QTest::addColumn<QStringList>("stored");
    QTest::addColumn<QString>("next");
    QTest::newRow("first of the day") << QStringList{} << u"A170313-0001"_s;
    QTest::newRow("previous day's numbers do not count")
        << QStringList{u"A170312-0007"_s} << u"A170313-0001"_s;
    QTest::newRow("after the day's highest")
        << QStringList{u"A170313-0002"_s, u"A170313-0004"_s, u"A170312-0009"_s}
        << u"A170313-0005"_s;
    QTest::newRow("counter grows past its digits' carry")
        << QStringList{u"A170313-0999"_s} << u"A170313-1000"_s;
    QTest::newRow("the day's last number") << QStringList{u"A170313-9998"_s} << u"A170313-9999"_s;
    QTest::newRow("a full day has none") << QStringList{u"A170313-9999"_s} << QString();
}

void TestSaleBook::numbersTheNextSale() {
    QFETCH(QStringList, stored);
    QFETCH(QString, next);
    TempShop shop;
    for (const QString& number : stored)
        addOrder(shop.db(), number, number.startsWith(u"A170313") ? Day : Day.addDays(-1));
    SaleBook book(shop.db());
    QCOMPARE(book.nextSaleNumber(Day).value_or(QString()), next);
    QCOMPARE(book.nextSaleNumber(Day).value_or(QString()), next); // nothing used up
}

void TestSaleBook::deletingFreesOnlyTheLastNumber_data() {
    QTest::addColumn<QString>("deleted");
    QTest::addColumn<QString>("next");
    QTest::newRow("the last") << u"A170313-0005"_s << u"A170313-0005"_s;
    QTest::newRow("one in the middle") << u"A170313-0003"_s << u"A170313-0006"_s;
}

void TestSaleBook::deletingFreesOnlyTheLastNumber() {
    QFETCH(QString, deleted);
    QFETCH(QString, next);
    TempShop shop;
    SaleBook book(shop.db());
    for (int i = 0; i < 5; ++i)
        book.save(saleOf(*book.nextSaleNumber(Day), cartOf({{Zhonghua, 1}})), Moment);
    book.remove(deleted, Moment);
    QCOMPARE(*book.nextSaleNumber(Day), next);
}

void TestSaleBook::writesOrderAndLines() {
    TempShop shop;
    Cart cart = cartOf({{Zhonghua, 2}});
    cart.append(line(Shuangxi, u"A2"_s, u"红双喜"_s, "1", "38", "0.9", "34.20", u"送货"_s));
    SaleBook(shop.db()).save(saleOf(u"A170313-0001"_s, cart, u"200"_s), Moment);
    QCOMPARE(rows(shop.db(), u"SELECT [ID号] || '|' || [日期] || '|' || [实收] || '|' || [找零] "
                             u"FROM [订单]"_s),
             QStringList{u"A170313-0001|2017-03-13|200|75.80"_s});
    QCOMPARE(
        rows(shop.db(),
             u"SELECT [销售号] || '|' || [ID号] || '|' || [名称] || '|' || [编号] || '|' || "
             u"[单位] || '|' || [进价] || '|' || [售价] || '|' || [金额] || '|' || [库存] || "
             u"'|' || [厂家] || '|' || [备注] || '|' || [日期] || '|' || [数量] || '|' || "
             u"[折扣] || '|' || [类别] FROM [出入库] ORDER BY [销售号]"_s),
        (QStringList{u"A170313-0001000|20170313183319|商品20170313183319|A20170313183319|包|430000|"
                     u"450000|900000|860000|上海制烟厂||2017-03-13|20000|10000|销售"_s,
                     u"A170313-0001001|20170313183432|红双喜|A2|包|360000|380000|342000|160000|"
                     u"上海制烟厂|送货|2017-03-13|10000|9000|销售"_s}));
    QCOMPARE(stock(shop.db(), Zhonghua), u"86"_s);
    QCOMPARE(stock(shop.db(), Shuangxi), u"16"_s);
}

void TestSaleBook::savingAgainReplacesTheSale_data() {
    QTest::addColumn<QList<std::pair<QString, int>>>("first");
    QTest::addColumn<QList<std::pair<QString, int>>>("second");
    QTest::addColumn<QStringList>("stocks"); // 中华, 红双喜, 白沙 afterwards
    QTest::addColumn<int>("lineRows");
    QTest::addColumn<QString>("lastLineStock");
    using Lines = QList<std::pair<QString, int>>;
    QTest::newRow("same two lines twice lower stock once")
        << Lines{{Zhonghua, 1}, {Shuangxi, 2}} << Lines{{Zhonghua, 1}, {Shuangxi, 2}}
        << QStringList{u"87"_s, u"15"_s, u"19"_s} << 2 << u"15"_s;
    QTest::newRow("3 corrected to 1 gives 2 back")
        << Lines{{Zhonghua, 3}} << Lines{{Zhonghua, 1}} << QStringList{u"87"_s, u"17"_s, u"19"_s}
        << 1 << u"87"_s;
    QTest::newRow("a line swapped for another product")
        << Lines{{Zhonghua, 1}, {Shuangxi, 1}} << Lines{{Baisha, 4}}
        << QStringList{u"88"_s, u"17"_s, u"15"_s} << 1 << u"15"_s;
    QTest::newRow("selling more than the stock goes negative")
        << Lines{} << Lines{{Baisha, 21}} << QStringList{u"88"_s, u"17"_s, u"-2"_s} << 1 << u"-2"_s;
    QTest::newRow("an emptied cart gives everything back")
        << Lines{{Zhonghua, 2}} << Lines{} << QStringList{u"88"_s, u"17"_s, u"19"_s} << 0
        << QString();
}

void TestSaleBook::savingAgainReplacesTheSale() {
    using Lines = QList<std::pair<QString, int>>;
    QFETCH(Lines, first);
    QFETCH(Lines, second);
    QFETCH(QStringList, stocks);
    QFETCH(int, lineRows);
    QFETCH(QString, lastLineStock);
    TempShop shop;
    SaleBook book(shop.db());
    // A stock-in row with a number of the same form must never be touched.
    shop.db().exec(u"INSERT INTO [出入库] ([销售号], [ID号], [数量], [类别], [日期]) "
                   u"VALUES ('A170313-0001x', ?, 50000, '入库', '2017-03-13')",
                   Zhonghua);
    book.save(saleOf(u"A170313-0001"_s, cartOf(first), u"100"_s), Moment);
    book.save(saleOf(u"A170313-0001"_s, cartOf(second), u"50"_s), Moment);
    QCOMPARE((QStringList{stock(shop.db(), Zhonghua), stock(shop.db(), Shuangxi),
                          stock(shop.db(), Baisha)}),
             stocks);
    QCOMPARE(rows(shop.db(), u"SELECT [销售号] FROM [出入库] WHERE [类别] = '销售'"_s).size(),
             lineRows);
    QCOMPARE(rows(shop.db(), u"SELECT [实收] FROM [订单]"_s), QStringList{u"50"_s});
    QCOMPARE(rows(shop.db(), u"SELECT [销售号] FROM [出入库] WHERE [类别] = '入库'"_s).size(), 1);
    const QStringList lineStocks =
        rows(shop.db(), u"SELECT [库存] / 10000 FROM [出入库] WHERE [类别] = '销售' "
                        u"ORDER BY [销售号] DESC"_s);
    QCOMPARE(lineStocks.value(0), lastLineStock);
}

void TestSaleBook::numbersLinesByPosition() {
    TempShop shop;
    ProductFixture::addNumbered(shop.db(), 13, u"行"_s);
    Cart cart;
    for (int i = 0; i < 13; ++i)
        cart.addProduct(pick(ProductFixture::barcode(u"行"_s, i)));
    SaleBook(shop.db()).save(saleOf(u"A170313-0007"_s, cart), Moment);
    const QStringList numbers =
        rows(shop.db(), u"SELECT [销售号] FROM [出入库] ORDER BY [销售号]"_s);
    QCOMPARE(numbers.size(), 13);
    QCOMPARE(numbers.first(), u"A170313-0007000"_s);
    QCOMPARE(numbers.at(11), u"A170313-0007011"_s);
    QCOMPARE(numbers.last(), u"A170313-0007012"_s);
}

void TestSaleBook::writesLineOfAGoneProductWithoutStock() {
    TempShop shop;
    SaleBook book(shop.db());
    Cart cart = cartOf({{u"gone"_s, 2}, {Zhonghua, 1}});
    book.save(saleOf(u"A170313-0001"_s, cart), Moment);
    QCOMPARE(rows(shop.db(), u"SELECT quote([进价]) || quote([厂家]) || quote([库存]) || [金额] "
                             u"FROM [出入库] WHERE [ID号] = 'gone'"_s),
             QStringList{u"NULLNULLNULL900000"_s});
    QCOMPARE(stock(shop.db(), Zhonghua), u"87"_s);
    book.remove(u"A170313-0001"_s, Moment);
    QCOMPARE(stock(shop.db(), Zhonghua), u"88"_s);
}

void TestSaleBook::cutsLongNamesToTheColumn() {
    TempShop shop;
    const QString name = QString(60, u'长');
    ProductFixture::add(shop.db(), {u"long"_s, name, u"厂"_s, Decimal::fromInt(1), Decimal()});
    Cart cart;
    cart.addProduct({QString(), u"long"_s, u"Along"_s, name, u"包"_s, Decimal::fromInt(1)});
    SaleBook(shop.db()).save(saleOf(u"A170313-0001"_s, cart), Moment);
    QCOMPARE(rows(shop.db(), u"SELECT [名称] FROM [出入库]"_s), QStringList{QString(50, u'长')});
    QCOMPARE(rows(shop.db(), u"SELECT [名称] FROM [商品] WHERE [ID号] = 'long'"_s),
             QStringList{name});
}

void TestSaleBook::refusesWhatCannotBeStored_data() {
    QTest::addColumn<int>("lines");
    QTest::addColumn<QString>("received");
    QTest::addColumn<QString>("quantity");
    QTest::addColumn<QString>("message");
    QTest::newRow("more than 999 lines")
        << SaleBook::MaxLines + 1 << QString() << u"1"_s << u"999"_s;
    QTest::newRow("a change too long for its column") << 1 << u"12345723"_s << u"1"_s << u"找零"_s;
    QTest::newRow("a quantity past Currency")
        << 1 << QString() << u"99999999999999999999"_s << u"数量超出可保存的范围"_s;
    QTest::newRow("an amount past Currency")
        << 1 << QString() << u"99999999999999"_s << u"金额超出可保存的范围"_s;
}

void TestSaleBook::refusesWhatCannotBeStored() {
    QFETCH(int, lines);
    QFETCH(QString, received);
    QFETCH(QString, quantity);
    QFETCH(QString, message);
    TempShop shop;
    Cart cart;
    for (int i = 0; i < lines; ++i)
        cart.addProduct(pick(QString::number(i)));
    cart.setQuantity(0, quantity);
    const QString before = ProductFixture::snapshot(shop.db());
    try {
        SaleBook(shop.db()).save(saleOf(u"A170313-0001"_s, cart, received), Moment);
        QFAIL("the sale was stored");
    } catch (const Refusal& refusal) {
        QVERIFY2(refusal.reason().contains(message), qPrintable(refusal.reason()));
    }
    QCOMPARE(ProductFixture::snapshot(shop.db()), before);
}

void TestSaleBook::storesTheMostLines() {
    TempShop shop;
    Cart cart;
    for (int i = 0; i < SaleBook::MaxLines; ++i)
        cart.addProduct(pick(QString::number(i)));
    SaleBook(shop.db()).save(saleOf(u"A170313-0001"_s, cart), Moment);
    QCOMPARE(rows(shop.db(), u"SELECT max([销售号]) FROM [出入库]"_s),
             QStringList{u"A170313-0001998"_s});
}

void TestSaleBook::failedSaveLeavesDatabaseAsBefore_data() {
    QTest::addColumn<QString>("trigger");
    QTest::addColumn<QString>("remark");
    QTest::newRow("second new line")
        << u"BEFORE INSERT ON [出入库] WHEN NEW.[销售号] LIKE '%001'"_s << QString();
    QTest::newRow("stock of the second product")
        << u"BEFORE UPDATE ON [商品] WHEN NEW.[ID号] = '20170313183432'"_s << QString();
    QTest::newRow("deleting the stored lines") << u"BEFORE DELETE ON [出入库]"_s << QString();
    QTest::newRow("recording the correction") << u"BEFORE INSERT ON [销售修改]"_s << QString();
    QTest::newRow("a remark longer than its column") << QString() << QString(51, u'x');
}

void TestSaleBook::failedSaveLeavesDatabaseAsBefore() {
    QFETCH(QString, trigger);
    QFETCH(QString, remark);
    TempShop shop;
    SaleBook book(shop.db());
    book.save(saleOf(u"A170313-0001"_s, cartOf({{Zhonghua, 3}}), u"1"_s), Moment);
    if (!trigger.isEmpty()) {
        const QString create =
            u"CREATE TRIGGER [fail] " + trigger + u" BEGIN SELECT RAISE(ABORT, 'injected'); END;";
        shop.db().execScript(create);
    }
    Cart cart = cartOf({{Zhonghua, 1}, {Shuangxi, 1}});
    cart.setRemark(1, remark);
    const QString before = ProductFixture::snapshot(shop.db());
    // A trigger's abort is a DbError, the remark a Refusal: the same rollback for both.
    QVERIFY_THROWS_EXCEPTION(std::runtime_error,
                             book.save(saleOf(u"A170313-0001"_s, cart, u"2"_s), Moment));
    QCOMPARE(ProductFixture::snapshot(shop.db()), before);
    // The book stays usable after the rollback.
    shop.db().execScript(u"DROP TRIGGER IF EXISTS [fail];");
    book.save(saleOf(u"A170313-0001"_s, cartOf({{Zhonghua, 1}}), u"2"_s), Moment);
    QCOMPARE(stock(shop.db(), Zhonghua), u"87"_s);
}

void TestSaleBook::loadsLinesInWrittenOrder() {
    TempShop shop;
    Cart cart = cartOf({{Baisha, 1}, {Zhonghua, 3}});
    const CartLine third =
        line(Shuangxi, u"A3"_s, u"红双喜"_s, "1.5", "38", ".9", "51.30", u"备"_s);
    cart.append(third);
    SaleBook book(shop.db());
    book.save(saleOf(u"A170313-0002"_s, cart), Moment);
    book.save(saleOf(u"A170313-0001"_s, cartOf({{Zhonghua, 1}})), Moment);
    const Cart shown = book.load(u"A170313-0002"_s).cart;
    QCOMPARE(shown.size(), 3);
    QCOMPARE(shown.line(0).productId, Baisha);
    QCOMPARE(shown.line(1).quantity, Decimal::fromInt(3));
    QVERIFY(shown.line(2) == third);
    QCOMPARE(shown.totals().total, cart.totals().total);
    QVERIFY(book.load(u"A170313-0003"_s).cart.isEmpty());
}

void TestSaleBook::removeGivesStockBack() {
    TempShop shop;
    SaleBook book(shop.db());
    book.save(saleOf(u"A170313-0001"_s, cartOf({{Zhonghua, 2}})), Moment);
    book.save(saleOf(u"A170313-0002"_s, cartOf({{Zhonghua, 1}})), Moment);
    QCOMPARE(stock(shop.db(), Zhonghua), u"85"_s);
    book.remove(u"A170313-0001"_s, Moment);
    QCOMPARE(stock(shop.db(), Zhonghua), u"87"_s);
    QCOMPARE(book.history(Day, Day).size(), 1);
    QCOMPARE(book.history(Day, Day).at(0).number, u"A170313-0002"_s);
    QCOMPARE(rows(shop.db(), u"SELECT [销售号] FROM [出入库]"_s),
             QStringList{u"A170313-0002000"_s});
    const QString before = ProductFixture::snapshot(shop.db());
    book.remove(u"A170313-0009"_s, Moment); // never saved
    QCOMPARE(ProductFixture::snapshot(shop.db()), before);
}

void TestSaleBook::recordsPaymentsCorrectionsAndDeletions() {
    TempShop shop;
    SaleBook book(shop.db());
    const QString number = u"A170313-0001"_s;
    const auto order = [&] {
        return rows(shop.db(), u"SELECT [实收] || '|' || [找零] || '|' || [付款] FROM [订单]"_s);
    };
    const auto changes = [&] {
        return rows(shop.db(), u"SELECT [销售号] || '|' || [日期] || '|' || [时间] || '|' || "
                               u"[类别] || '|' || [原金额] || '|' || ifnull([新金额], '-') "
                               u"FROM [销售修改] ORDER BY rowid"_s);
    };
    Sale sale = saleOf(number, cartOf({{Zhonghua, 2}}));
    sale.payment = PaymentMethod::WeChat;
    book.save(sale, Moment); // nothing typed: the customer paid the total
    QCOMPARE(order(), QStringList{u"90.00||微信"_s});
    book.settle(number, u"100"_s, u"10.00"_s, PaymentMethod::Cash);
    QCOMPARE(order(), QStringList{u"100|10.00|现金"_s});
    QVERIFY(changes().isEmpty()); // paying is no correction
    sale.cart = cartOf({{Zhonghua, 1}});
    book.save(sale, QDateTime(Day.addDays(1), QTime(9, 5, 7)));
    shop.db().execScript(u"CREATE TRIGGER [fail] BEFORE INSERT ON [销售修改] "
                         u"BEGIN SELECT RAISE(ABORT, 'injected'); END;");
    QVERIFY_THROWS_EXCEPTION(DbError, book.remove(number, Moment));
    QCOMPARE(book.history(Day, Day).size(), 1); // the deletion rolled back with its record
    shop.db().execScript(u"DROP TRIGGER [fail];");
    book.remove(number, Moment);
    book.remove(u"A170313-0002"_s, Moment); // never saved: nothing to record
    QCOMPARE(changes(), (QStringList{u"A170313-0001|2017-03-14|09:05:07|修改|900000|450000"_s,
                                     u"A170313-0001|2017-03-13|18:00:00|删除|450000|-"_s}));
    addOrder(shop.db(), number, Day); // a sale stored before payments were recorded
    QCOMPARE(book.load(number).payment, PaymentMethod::Cash);
}

void TestSaleBook::listsHistory_data() {
    QTest::addColumn<QDate>("from");
    QTest::addColumn<QDate>("to");
    QTest::addColumn<QStringList>("entries");
    QTest::newRow("one day") << Day << Day
                             << QStringList{u"A170313-0002[2017-03-13]"_s,
                                            u"A170313-0001[2017-03-13]"_s};
    QTest::newRow("both bounds inclusive, newest number first")
        << QDate(2017, 2, 28) << QDate(2017, 3, 13)
        << QStringList{u"A170313-0002[2017-03-13]"_s, u"A170313-0001[2017-03-13]"_s,
                       u"A170301-0001[2017-03-01]"_s, u"A170228-0001[2017-02-28]"_s};
    QTest::newRow("a range without sales")
        << QDate(2017, 3, 2) << QDate(2017, 3, 12) << QStringList{};
    QTest::newRow("reversed range") << Day << QDate(2017, 3, 1) << QStringList{};
}

void TestSaleBook::listsHistory() {
    QFETCH(QDate, from);
    QFETCH(QDate, to);
    QFETCH(QStringList, entries);
    TempShop shop;
    addOrder(shop.db(), u"A170313-0001"_s, Day);
    addOrder(shop.db(), u"A170228-0001"_s, QDate(2017, 2, 28));
    addOrder(shop.db(), u"A170313-0002"_s, Day);
    addOrder(shop.db(), u"A170301-0001"_s, QDate(2017, 3, 1));
    addOrder(shop.db(), u"A170227-0001"_s, QDate(2017, 2, 27));
    QStringList listed;
    for (const SaleSummary& sale : SaleBook(shop.db()).history(from, to))
        listed.append(sale.number + u'[' + sale.date.toString(Qt::ISODate) + u']');
    QCOMPARE(listed, entries);
}

QTEST_GUILESS_MAIN(TestSaleBook)
#include "tst_salebook.moc"
