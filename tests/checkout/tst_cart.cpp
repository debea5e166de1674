#include "catalogue/PickEntry.h"
#include "checkout/Cart.h"
#include "checkout/Sale.h"

#include <QTest>

using namespace Qt::Literals::StringLiterals;

namespace {

PickEntry product(const QString& id, const QString& price) {
    return {u"名" + id, id, u"A" + id, u"名" + id, u"包"_s, Decimal::read(price)};
}

// A one-line cart at the price, with the cashier's typed quantity, discount and amount.
Cart typed(const QString& price, const QString& quantity, const QString& discount,
           const QString& amount = QString()) {
    Cart cart;
    cart.addProduct(product(u"p"_s, price));
    cart.setQuantity(0, quantity);
    cart.setDiscount(0, discount);
    if (!amount.isEmpty())
        cart.setAmount(0, amount);
    return cart;
}

} // namespace

class TestCart : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void computesAmounts_data();
    void computesAmounts();
    void addsProducts();
    void totalsOverEveryLine_data();
    void totalsOverEveryLine();
    void computesChange_data();
    void computesChange();
    void removesLineWithItsProduct();
};

void TestCart::computesAmounts_data() {
    QTest::addColumn<QString>("quantity");
    QTest::addColumn<QString>("price");
    QTest::addColumn<QString>("discount");
    QTest::addColumn<QString>("amount");
    QTest::newRow("2 x 10.00 x 0.9") << u"2"_s << u"10.00"_s << u"0.9"_s << u"18.00"_s;
    QTest::newRow("half a cent rounds up") << u"1"_s << u"2.50"_s << u"0.85"_s << u"2.13"_s;
    QTest::newRow("fractional quantity") << u"1.5"_s << u"3.00"_s << u"1"_s << u"4.50"_s;
    QTest::newRow("letters count as 0") << u"abc"_s << u"10.00"_s << u"1"_s << u"0.00"_s;
    QTest::newRow("a number then letters") << u"3个"_s << u"10.00"_s << u"1"_s << u"30.00"_s;
    QTest::newRow("percentage taken as factor") << u"1"_s << u"10.00"_s << u"90"_s << u"900.00"_s;
    QTest::newRow("negative rounds away from zero")
        << u"-1"_s << u"2.50"_s << u"0.85"_s << u"-2.13"_s;
    QTest::newRow("leading point") << u"1"_s << u"10.00"_s << u".9"_s << u"9.00"_s;
}

void TestCart::computesAmounts() {
    QFETCH(QString, quantity);
    QFETCH(QString, price);
    QFETCH(QString, discount);
    QFETCH(QString, amount);
    QCOMPARE(typed(price, quantity, discount).line(0).amount.moneyText(), amount);
}

void TestCart::addsProducts() {
    Cart cart;
    QCOMPARE(cart.addProduct(product(u"p1"_s, u"45"_s)), 0);
    QCOMPARE(cart.line(0).price, Decimal::fromInt(45));
    QCOMPARE(cart.line(0).discount, Decimal::fromInt(1));
    QCOMPARE(cart.addProduct(product(u"p2"_s, u"2.505"_s)), 1);
    QCOMPARE(cart.line(1).price.moneyText(), u"2.51"_s); // charged as shown
    QCOMPARE(cart.addProduct(product(u"p1"_s, u"45"_s)), 0);
    QCOMPARE(cart.size(), 2);
    QCOMPARE(cart.line(0).quantity, Decimal::fromInt(2));
    QCOMPARE(cart.line(0).amount.moneyText(), u"90.00"_s);

    // A raised line keeps the typed discount and a fractional quantity.
    cart.setQuantity(1, u"1.5");
    cart.setDiscount(1, u"0.85");
    cart.addProduct(product(u"p2"_s, u"2.505"_s));
    QCOMPARE(cart.line(1).quantity.plainText(), u"2.5"_s);
    QCOMPARE(cart.line(1).discount.plainText(), u"0.85"_s);
    QCOMPARE(cart.line(1).amount.moneyText(), u"5.33"_s);
}

void TestCart::totalsOverEveryLine_data() {
    QTest::addColumn<QList<Cart>>("lines");
    QTest::addColumn<QString>("total");
    QTest::addColumn<QString>("discountGiven");
    QTest::newRow("discounted line")
        << QList<Cart>{typed(u"10"_s, u"2"_s, u"0.9"_s)} << u"18.00"_s << u"2.00"_s;
    QTest::newRow("hand-typed amount above the price gives a negative discount")
        << QList<Cart>{typed(u"10"_s, u"2"_s, u"1"_s, u"25"_s)} << u"25.00"_s << u"-5.00"_s;
    QTest::newRow("letters as quantity drop the line's amount")
        << QList<Cart>{typed(u"10"_s, u"abc"_s, u"1"_s), typed(u"2.50"_s, u"1"_s, u"0.85"_s)}
        << u"2.13"_s << u"0.37"_s;
    QTest::newRow("lines beyond the visible rows count")
        << QList<Cart>(25, typed(u"1"_s, u"1"_s, u"1"_s)) << u"25.00"_s << u"0.00"_s;
}

void TestCart::totalsOverEveryLine() {
    QFETCH(QList<Cart>, lines);
    QFETCH(QString, total);
    QFETCH(QString, discountGiven);
    Cart cart;
    for (const Cart& one : lines)
        cart.append(one.line(0));
    QCOMPARE(cart.totals().total.moneyText(), total);
    QCOMPARE(cart.totals().discountGiven.moneyText(), discountGiven);
}

void TestCart::computesChange_data() {
    QTest::addColumn<QString>("received");
    QTest::addColumn<QString>("total");
    QTest::addColumn<QString>("change");
    QTest::newRow("more than the total") << u"20"_s << u"18.00"_s << u"2.00"_s;
    QTest::newRow("exactly the total") << u"18"_s << u"18.00"_s << QString();
    QTest::newRow("less than the total") << u"10"_s << u"18.00"_s << QString();
    QTest::newRow("a number with a unit") << u"20元"_s << u"18.00"_s << u"2.00"_s;
    QTest::newRow("below half a cent shows none") << u"18.004"_s << u"18.00"_s << QString();
    QTest::newRow("half a cent shows one cent") << u"18.005"_s << u"18.00"_s << u"0.01"_s;
    QTest::newRow("letters") << u"abc"_s << u"0.00"_s << QString();
}

void TestCart::computesChange() {
    QFETCH(QString, received);
    QFETCH(QString, total);
    QFETCH(QString, change);
    Sale sale;
    sale.cart = typed(total, u"1"_s, u"1"_s);
    sale.receive(received);
    QCOMPARE(sale.changeText(), change);
}

void TestCart::removesLineWithItsProduct() {
    Cart cart;
    for (const QString& id : {u"a"_s, u"b"_s, u"c"_s})
        cart.addProduct(product(id, u"1"_s));
    cart.removeLine(1);
    QCOMPARE(cart.line(1).productId, u"c"_s);
    // The removed product comes back as a new line, not onto another one.
    cart.addProduct(product(u"b"_s, u"1"_s));
    QCOMPARE(cart.size(), 3);
    QCOMPARE(cart.line(2).quantity, Decimal::fromInt(1));
}

QTEST_GUILESS_MAIN(TestCart)
#include "tst_cart.moc"
