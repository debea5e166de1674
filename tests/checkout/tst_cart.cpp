#include "checkout/Cart.h"
#include "checkout/PickEntry.h"

#include <QTest>

using namespace Qt::Literals::StringLiterals;

namespace {

PickEntry product(const QString& id, const QString& price) {
    return {u"名" + id, id, u"A" + id, u"名" + id, u"包"_s, Decimal::read(price)};
}

QStringList cells(const QString& quantity, const QString& price, const QString& discount,
                  const QString& amount) {
    return {u"A1"_s, u"名1"_s, u"包"_s, quantity, price, discount, amount, QString()};
}

} // namespace

class TestCart : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void splitsLines_data();
    void splitsLines();
    void computesAmounts_data();
    void computesAmounts();
    void addsProducts();
    void rebuildsLinesFromCells();
    void totalsOverEveryLine_data();
    void totalsOverEveryLine();
    void computesChange_data();
    void computesChange();
    void removesLineWithItsProduct();
};

void TestCart::splitsLines_data() {
    QTest::addColumn<QString>("line");
    QTest::addColumn<QStringList>("fields");
    const QString s(Cart::Separator);
    QTest::newRow("seven fields read the eighth as empty")
        << u"aァbァcァ1ァ2.00ァ1ァ2.00ァ"_s
        << QStringList{u"a"_s, u"b"_s, u"c"_s, u"1"_s, u"2.00"_s, u"1"_s, u"2.00"_s, QString()};
    QTest::newRow("a last piece without separator is not a field")
        << u"aァb"_s << QStringList{u"a"_s,    QString(), QString(), QString(),
                                    QString(), QString(), QString(), QString()};
    QTest::newRow("empty fields keep their places")
        << u"ァァxァ"_s << QStringList{QString(), QString(), u"x"_s,    QString(),
                                       QString(), QString(), QString(), QString()};
    QTest::newRow("pieces past the eighth are ignored")
        << u"1ァ2ァ3ァ4ァ5ァ6ァ7ァ8ァ9ァ"_s
        << QStringList{u"1"_s, u"2"_s, u"3"_s, u"4"_s, u"5"_s, u"6"_s, u"7"_s, u"8"_s};
}

void TestCart::splitsLines() {
    QFETCH(QString, line);
    QFETCH(QStringList, fields);
    QCOMPARE(Cart::split(line), fields);
}

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
    QCOMPARE(Cart::amountText(quantity, price, discount), amount);
}

void TestCart::addsProducts() {
    Cart cart;
    QCOMPARE(cart.addProduct(product(u"p1"_s, u"45"_s)), 0);
    QCOMPARE(cart.lines().at(0), u"Ap1ァ名p1ァ包ァ1ァ45.00ァ1ァ45.00ァ"_s);
    QCOMPARE(cart.addProduct(product(u"p2"_s, u"2.5"_s)), 1);
    QCOMPARE(cart.addProduct(product(u"p1"_s, u"45"_s)), 0);
    QCOMPARE(cart.size(), 2);
    QCOMPARE(cart.fields(0)[Cart::Quantity], u"2"_s);
    QCOMPARE(cart.fields(0)[Cart::Amount], u"90.00"_s);
    QCOMPARE(cart.productIds(), (QStringList{u"p1"_s, u"p2"_s}));

    // A raised line keeps the typed discount and a fractional quantity.
    cart.rebuildLine(1, cells(u"1.5"_s, u"2.50"_s, u"0.85"_s, u"3.19"_s));
    cart.addProduct(product(u"p2"_s, u"2.5"_s));
    QCOMPARE(cart.fields(1)[Cart::Quantity], u"2.5"_s);
    QCOMPARE(cart.fields(1)[Cart::Discount], u"0.85"_s);
    QCOMPARE(cart.fields(1)[Cart::Amount], u"5.31"_s);
}

void TestCart::rebuildsLinesFromCells() {
    Cart cart;
    cart.addProduct(product(u"p1"_s, u"10"_s));
    cart.rebuildLine(0, cells(u"abc"_s, u"10"_s, u"0.9"_s, u"25"_s));
    QCOMPARE(cart.lines().at(0), u"A1ァ名1ァ包ァabcァ10.00ァ0.9ァ25.00ァァ"_s);
}

void TestCart::totalsOverEveryLine_data() {
    QTest::addColumn<QList<QStringList>>("rows");
    QTest::addColumn<QString>("total");
    QTest::addColumn<QString>("discountGiven");
    QTest::newRow("discounted line")
        << QList<QStringList>{cells(u"2"_s, u"10.00"_s, u"0.9"_s, u"18.00"_s)} << u"18.00"_s
        << u"2.00"_s;
    QTest::newRow("hand-typed amount above the price gives a negative discount")
        << QList<QStringList>{cells(u"2"_s, u"10.00"_s, u"1"_s, u"25.00"_s)} << u"25.00"_s
        << u"-5.00"_s;
    QTest::newRow("letters as quantity drop the line's amount")
        << QList<QStringList>{cells(u"abc"_s, u"10.00"_s, u"1"_s, u"0.00"_s),
                              cells(u"1"_s, u"2.50"_s, u"0.85"_s, u"2.13"_s)}
        << u"2.13"_s << u"0.37"_s;
    QList<QStringList> many;
    for (int i = 0; i < 25; ++i)
        many.append(cells(u"1"_s, u"1.00"_s, u"1"_s, u"1.00"_s));
    QTest::newRow("lines beyond the visible rows count") << many << u"25.00"_s << u"0.00"_s;
}

void TestCart::totalsOverEveryLine() {
    QFETCH(QList<QStringList>, rows);
    QFETCH(QString, total);
    QFETCH(QString, discountGiven);
    Cart cart;
    for (int i = 0; i < rows.size(); ++i) {
        cart.addProduct(product(QString::number(i), u"1"_s));
        cart.rebuildLine(i, rows.at(i));
    }
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
    QCOMPARE(Cart::changeText(received, total), change);
}

void TestCart::removesLineWithItsProduct() {
    Cart cart;
    for (const QString& id : {u"a"_s, u"b"_s, u"c"_s})
        cart.addProduct(product(id, u"1"_s));
    cart.removeLine(1);
    QCOMPARE(cart.productIds(), (QStringList{u"a"_s, u"c"_s}));
    QCOMPARE(cart.fields(1)[Cart::Code], u"Ac"_s);
    // The removed product comes back as a new line, not onto another one.
    cart.addProduct(product(u"b"_s, u"1"_s));
    QCOMPARE(cart.size(), 3);
    QCOMPARE(cart.fields(2)[Cart::Quantity], u"1"_s);
}

QTEST_GUILESS_MAIN(TestCart)
#include "tst_cart.moc"
