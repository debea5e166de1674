#include "data/Decimal.h"

#include <QTest>

using namespace Qt::Literals::StringLiterals;

class TestDecimal : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void readsNumberAtStartOfText_data();
    void readsNumberAtStartOfText();
    void moneyText_data();
    void moneyText();
    void plainText_data();
    void plainText();
    void lineAmount_data();
    void lineAmount();
    void overflowSticks_data();
    void overflowSticks();
};

void TestDecimal::readsNumberAtStartOfText_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<qint64>("units");
    QTest::newRow("unit after digits") << u"45元"_s << qint64(450000);
    QTest::newRow("blanks around and between digits") << u" 1 2.5"_s << qint64(125000);
    QTest::newRow("leading point") << u".5"_s << qint64(5000);
    QTest::newRow("negative") << u"-3"_s << qint64(-30000);
    QTest::newRow("explicit plus") << u"+2.25"_s << qint64(22500);
    QTest::newRow("letters") << u"abc"_s << qint64(0);
    QTest::newRow("empty") << QString() << qint64(0);
    QTest::newRow("sign only") << u"-"_s << qint64(0);
    QTest::newRow("second point ends the number") << u"1.2.3"_s << qint64(12000);
    QTest::newRow("fifth decimal rounds half up") << u"0.00005"_s << qint64(1);
    QTest::newRow("fifth decimal below half") << u"0.00004999"_s << qint64(0);
    QTest::newRow("negative rounds away from zero") << u"-0.00005"_s << qint64(-1);
    QTest::newRow("full-width digits") << u"４５"_s << qint64(450000);
    QTest::newRow("full-width point") << u"１．５"_s << qint64(15000);
    QTest::newRow("full-width sign") << u"－２"_s << qint64(-20000);
    QTest::newRow("ideographic space is a blank") << u"\u3000１\u30002"_s << qint64(120000);
    QTest::newRow("full-width letter ends") << u"３Ｘ"_s << qint64(30000);
    QTest::newRow("percent sign ends") << u"90%"_s << qint64(900000);
}

void TestDecimal::readsNumberAtStartOfText() {
    QFETCH(QString, text);
    QFETCH(qint64, units);
    QCOMPARE(Decimal::read(text).units(), units);
}

void TestDecimal::moneyText_data() {
    QTest::addColumn<QString>("input");
    QTest::addColumn<QString>("money");
    QTest::newRow("whole") << u"45"_s << u"45.00"_s;
    QTest::newRow("leading zero") << u".5"_s << u"0.50"_s;
    QTest::newRow("third decimal exactly 5 rounds up") << u"2.125"_s << u"2.13"_s;
    QTest::newRow("third decimal 4 rounds down") << u"2.1249"_s << u"2.12"_s;
    QTest::newRow("negative half rounds away") << u"-0.005"_s << u"-0.01"_s;
    QTest::newRow("tiny negative is zero") << u"-0.004"_s << u"0.00"_s;
    QTest::newRow("large") << u"123456789.995"_s << u"123456790.00"_s;
}

void TestDecimal::moneyText() {
    QFETCH(QString, input);
    QFETCH(QString, money);
    QCOMPARE(Decimal::read(input).moneyText(), money);
}

void TestDecimal::plainText_data() {
    QTest::addColumn<QString>("input");
    QTest::addColumn<QString>("plain");
    QTest::newRow("whole") << u"2"_s << u"2"_s;
    QTest::newRow("half") << u"2.50"_s << u"2.5"_s;
    QTest::newRow("negative") << u"-3"_s << u"-3"_s;
    QTest::newRow("leading zero kept") << u".9"_s << u"0.9"_s;
    QTest::newRow("four decimals") << u"17.0625"_s << u"17.0625"_s;
    QTest::newRow("zero") << u"0.000"_s << u"0"_s;
}

void TestDecimal::plainText() {
    QFETCH(QString, input);
    QFETCH(QString, plain);
    QCOMPARE(Decimal::read(input).plainText(), plain);
}

void TestDecimal::lineAmount_data() {
    QTest::addColumn<QString>("quantity");
    QTest::addColumn<QString>("price");
    QTest::addColumn<QString>("discount");
    QTest::addColumn<QString>("amount");
    QTest::newRow("discount 0.85 at 2.50") << u"1"_s << u"2.50"_s << u"0.85"_s << u"2.13"_s;
    QTest::newRow("2 x 10 x 0.9") << u"2"_s << u"10.00"_s << u"0.9"_s << u"18.00"_s;
    QTest::newRow("3 x 0.35") << u"3"_s << u"0.35"_s << u"1"_s << u"1.05"_s;
    QTest::newRow("1.5 x 3") << u"1.5"_s << u"3.00"_s << u"1"_s << u"4.50"_s;
    // 0.3333 * 0.015 = 0.0049995: rounding to four decimals first would give 0.01.
    QTest::newRow("rounded once, not twice") << u"0.3333"_s << u"0.015"_s << u"1"_s << u"0.00"_s;
    QTest::newRow("0.5 x 0.25 x 0.1 = 0.0125") << u"0.5"_s << u"0.25"_s << u"0.1"_s << u"0.01"_s;
    QTest::newRow("1.05 x 0.5 = 0.525") << u"1.05"_s << u"0.5"_s << u"1"_s << u"0.53"_s;
    QTest::newRow("negative quantity") << u"-1"_s << u"2.50"_s << u"0.85"_s << u"-2.13"_s;
    QTest::newRow("percentage typed as discount") << u"1"_s << u"2.00"_s << u"90"_s << u"180.00"_s;
    QTest::newRow("letters as quantity") << u"abc"_s << u"2.00"_s << u"1"_s << u"0.00"_s;
}

void TestDecimal::lineAmount() {
    QFETCH(QString, quantity);
    QFETCH(QString, price);
    QFETCH(QString, discount);
    QFETCH(QString, amount);
    const Decimal product = Decimal::roundedProduct(
        {Decimal::read(quantity), Decimal::read(price), Decimal::read(discount)}, 2);
    QCOMPARE(product.moneyText(), amount);
}

void TestDecimal::overflowSticks_data() {
    QTest::addColumn<qint64>("units");
    QTest::addColumn<bool>("overflowed");
    QTest::addColumn<int>("sign");
    const Decimal huge = Decimal::read(u"99999999999999999999"_s);
    const Decimal largest = Decimal::read(u"922337203685477"_s);
    const Decimal one = Decimal::fromInt(1);
    QTest::newRow("largest whole number fits") << largest.units() << false << 1;
    QTest::newRow("its negative fits") << (-largest).units() << false << -1;
    QTest::newRow("one more overflows") << Decimal::read(u"922337203685478"_s).units() << true << 1;
    QTest::newRow("30 digits overflow")
        << Decimal::read(u"123456789012345678901234567890"_s).units() << true << 1;
    QTest::newRow("a negative one overflows")
        << Decimal::read(u"-99999999999999999999"_s).units() << true << -1;
    QTest::newRow("stock less a huge quantity")
        << (Decimal::fromInt(88) - huge).units() << true << -1;
    QTest::newRow("no way back by adding") << (huge - one).units() << true << 1;
    QTest::newRow("sum past the end") << (largest + largest).units() << true << 1;
    QTest::newRow("product with an overflowed factor")
        << Decimal::roundedProduct({Decimal(), huge}, 2).units() << true << 1;
    QTest::newRow("product past the end")
        << Decimal::roundedProduct({largest, largest, -one}, 2).units() << true << -1;
    QTest::newRow("rounding keeps it") << huge.rounded(2).units() << true << 1;
}

void TestDecimal::overflowSticks() {
    QFETCH(qint64, units);
    QFETCH(bool, overflowed);
    QFETCH(int, sign);
    const Decimal value = Decimal::fromUnits(units);
    QCOMPARE(value.overflowed(), overflowed);
    QCOMPARE(value > Decimal() ? 1 : -1, sign);
}

QTEST_APPLESS_MAIN(TestDecimal)
#include "tst_decimal.moc"
