#include "checkout/ReceiptLayout.h"

#include <QTest>

#include <algorithm>

using namespace Qt::Literals::StringLiterals;

using Operations = QList<ReceiptOperation>;

char* toString(const ReceiptOperation& operation) {
    const QString text =
        operation.kind == ReceiptOperation::Kind::Rule
            ? u"rule %1..%2 at %3"_s.arg(operation.x).arg(operation.x2).arg(operation.y)
            : u"\"%1\" at (%2, %3) %4pt"_s.arg(operation.text)
                  .arg(operation.x)
                  .arg(operation.y)
                  .arg(operation.pointSize);
    return qstrdup(text.toUtf8().constData());
}

namespace {

constexpr double TitleWidth = 30;

SettingsRow shopSettings() {
    SettingsRow settings;
    settings.title = u"Vellor便利店"_s;
    settings.footer1 = u"谢谢惠顾"_s;
    settings.footer2 = u"欢迎再来"_s;
    settings.footer3 = u"电话：12345678"_s;
    settings.leftMargin = Decimal::fromInt(8);
    settings.topMargin = Decimal::fromInt(8);
    return settings;
}

ReceiptLine line(const QString& name, const QString& discount = u"1"_s) {
    return {name, u"1"_s, u"38.00"_s, discount, u"38.00"_s};
}

ReceiptSale exampleSale() {
    return {u"A170313-0002"_s,
            u"2017-03-13"_s,
            {{u"阿诗玛香烟软包装二十支"_s, u"2"_s, u"45.00"_s, u"1"_s, u"90.00"_s},
             {u"红塔山"_s, u"1"_s, u"38.00"_s, u"0.9"_s, u"34.20"_s}},
            u"124.20"_s,
            u"3.80"_s,
            u"200"_s,
            u"75.80"_s,
            u"微信"_s};
}

// Measures the title only at the title size, so a measurement of anything else shows.
Operations layOut(const SettingsRow& settings, const ReceiptSale& sale,
                  double titleWidth = TitleWidth) {
    return ReceiptLayout(settings, sale,
                         [&](const QString& text, double pointSize) {
                             return text == settings.title && pointSize == 14 ? titleWidth : 0;
                         })
        .operations();
}

Operations sortedByPlace(Operations operations) {
    std::ranges::sort(operations, [](const ReceiptOperation& a, const ReceiptOperation& b) {
        return std::tie(a.y, a.x, a.kind) < std::tie(b.y, b.x, b.kind);
    });
    return operations;
}

Operations texts(const Operations& operations) {
    Operations result;
    std::ranges::copy_if(operations, std::back_inserter(result), [](const ReceiptOperation& o) {
        return o.kind == ReceiptOperation::Kind::Text;
    });
    return result;
}

QList<double> ruleHeights(const Operations& operations) {
    QList<double> heights;
    for (const ReceiptOperation& operation : operations) {
        if (operation.kind == ReceiptOperation::Kind::Rule)
            heights.append(operation.y);
    }
    std::ranges::sort(heights);
    return heights;
}

QString textAt(const Operations& operations, double x, double y) {
    for (const ReceiptOperation& operation : texts(operations)) {
        if (operation.x == x && operation.y == y)
            return operation.text;
    }
    return u"(nothing)"_s;
}

double heightOf(const ReceiptSale& sale, const SettingsRow& settings = shopSettings()) {
    return ReceiptLayout(settings, sale, [](const QString&, double) { return 0.0; }).pageHeight();
}

} // namespace

class TestReceiptLayout : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void twoLineExampleGivesExactlyItsRows();
    void titleIsCentredAtFourteenPoints_data();
    void titleIsCentredAtFourteenPoints();
    void totalsFollowTheArticleLines_data();
    void totalsFollowTheArticleLines();
    void printedTexts_data();
    void printedTexts();
    void emptyFootersKeepTheirSpace_data();
    void emptyFootersKeepTheirSpace();
    void marginsMoveTheWholeReceipt_data();
    void marginsMoveTheWholeReceipt();
};

void TestReceiptLayout::twoLineExampleGivesExactlyItsRows() {
    using O = ReceiptOperation;
    const Operations expected = sortedByPlace({
        O::textAt(25, 7, 14, u"Vellor便利店"_s),
        O::textAt(5, 15, 9, u"编号：A170313-0002"_s),
        O::textAt(50, 15, 9, u"日期：2017-03-13"_s),
        O::rule(5, 75, 19),
        O::textAt(5, 20, 9, u"商品名称"_s),
        O::textAt(35, 20, 9, u"数量"_s),
        O::textAt(43, 20, 9, u"单  价"_s),
        O::textAt(55, 20, 9, u"折扣"_s),
        O::textAt(63, 20, 9, u"金  额"_s),
        O::rule(5, 75, 24),
        O::textAt(5, 25, 9, u"阿诗玛香烟软包装二"_s),
        O::textAt(35, 25, 9, u"2"_s),
        O::textAt(43, 25, 9, u"45.00"_s),
        O::textAt(55, 25, 9, u"1.00"_s),
        O::textAt(63, 25, 9, u"90.00"_s),
        O::textAt(5, 29, 9, u"红塔山"_s),
        O::textAt(35, 29, 9, u"1"_s),
        O::textAt(43, 29, 9, u"38.00"_s),
        O::textAt(55, 29, 9, u"0.90"_s),
        O::textAt(63, 29, 9, u"34.20"_s),
        O::rule(5, 75, 34),
        O::textAt(5, 35, 9, u"合计金额：124.20"_s),
        O::textAt(53, 35, 9, u"优惠：3.80"_s),
        O::textAt(5, 39, 9, u"实收：200.00"_s),
        O::textAt(53, 39, 9, u"找零：75.80"_s),
        O::textAt(5, 43, 9, u"付款：微信"_s),
        O::rule(5, 75, 47),
        O::textAt(5, 48, 9, u"谢谢惠顾"_s),
        O::textAt(5, 52, 9, u"欢迎再来"_s),
        O::textAt(5, 56, 9, u"电话：12345678"_s),
    });
    const Operations actual = sortedByPlace(layOut(shopSettings(), exampleSale()));
    QCOMPARE(actual.size(), expected.size());
    for (qsizetype i = 0; i < expected.size(); ++i)
        QCOMPARE(actual[i], expected[i]);
}

void TestReceiptLayout::titleIsCentredAtFourteenPoints_data() {
    QTest::addColumn<double>("width");
    QTest::addColumn<double>("x");
    QTest::newRow("narrow title") << 30.0 << 25.0;
    QTest::newRow("odd width") << 41.5 << 19.25;
    QTest::newRow("wider than the paper spills both ways") << 90.0 << -5.0;
}

void TestReceiptLayout::titleIsCentredAtFourteenPoints() {
    QFETCH(double, width);
    QFETCH(double, x);
    const Operations operations = sortedByPlace(layOut(shopSettings(), exampleSale(), width));
    QCOMPARE(operations.first(), ReceiptOperation::textAt(x, 7, 14, u"Vellor便利店"_s));
}

void TestReceiptLayout::totalsFollowTheArticleLines_data() {
    QTest::addColumn<int>("lines");
    QTest::addColumn<double>("ruleAboveTotals");
    QTest::newRow("empty cart") << 0 << 26.0;
    QTest::newRow("one line") << 1 << 30.0;
    QTest::newRow("two lines") << 2 << 34.0;
    QTest::newRow("a long sale") << 25 << 126.0;
}

void TestReceiptLayout::totalsFollowTheArticleLines() {
    QFETCH(int, lines);
    QFETCH(double, ruleAboveTotals);
    ReceiptSale sale = exampleSale();
    sale.lines.clear();
    for (int i = 0; i < lines; ++i)
        sale.lines.append(line(u"商品%1"_s.arg(i)));

    const Operations operations = layOut(shopSettings(), sale);
    QCOMPARE(ruleHeights(operations),
             (QList<double>{19, 24, ruleAboveTotals, ruleAboveTotals + 13}));
    QCOMPARE(textAt(operations, 5, ruleAboveTotals + 1), u"合计金额：124.20"_s);
    QCOMPARE(textAt(operations, 53, ruleAboveTotals + 5), u"找零：75.80"_s);
    QCOMPARE(textAt(operations, 5, ruleAboveTotals + 9), u"付款：微信"_s);
    QCOMPARE(textAt(operations, 5, ruleAboveTotals + 22), u"电话：12345678"_s);
    if (lines > 0)
        QCOMPARE(textAt(operations, 5, 25 + 4 * (lines - 1)), u"商品%1"_s.arg(lines - 1));

    ReceiptSale empty = sale;
    empty.lines.clear();
    QCOMPARE(heightOf(sale) - heightOf(empty), 4.0 * lines);
    QVERIFY(heightOf(sale) >= ruleAboveTotals + 22 + 4);
}

void TestReceiptLayout::printedTexts_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("discount");
    QTest::addColumn<QString>("received");
    QTest::addColumn<QString>("change");
    QTest::addColumn<double>("x");
    QTest::addColumn<double>("y");
    QTest::addColumn<QString>("expected");

    const QString name = u"红塔山"_s;
    // One article line: it is at 25, 实收 and 找零 at 35.
    QTest::newRow("name of 12 characters prints its first 9")
        << u"一二三四五六七八九十甲乙"_s << u"1"_s << u"200"_s << u""_s << 5.0 << 25.0
        << u"一二三四五六七八九"_s;
    QTest::newRow("name of 9 characters prints whole")
        << u"一二三四五六七八九"_s << u"1"_s << u"200"_s << u""_s << 5.0 << 25.0
        << u"一二三四五六七八九"_s;
    QTest::newRow("characters outside the basic plane count once")
        << u"𠀀𠀁𠀂𠀃𠀄𠀅𠀆𠀇𠀈𠀉"_s << u"1"_s << u"200"_s << u""_s << 5.0 << 25.0
        << u"𠀀𠀁𠀂𠀃𠀄𠀅𠀆𠀇𠀈"_s;
    QTest::newRow("discount 1") << name << u"1"_s << u"200"_s << u""_s << 55.0 << 25.0 << u"1.00"_s;
    QTest::newRow("discount 0.9") << name << u"0.9"_s << u"200"_s << u""_s << 55.0 << 25.0
                                  << u"0.90"_s;
    QTest::newRow("discount rounds half away from zero")
        << name << u"0.855"_s << u"200"_s << u""_s << 55.0 << 25.0 << u"0.86"_s;
    QTest::newRow("discount that is no number prints as typed")
        << name << u"九折"_s << u"200"_s << u""_s << 55.0 << 25.0 << u"九折"_s;
    QTest::newRow("received 200") << name << u"1"_s << u"200"_s << u""_s << 5.0 << 35.0
                                  << u"实收：200.00"_s;
    QTest::newRow("received with blanks around")
        << name << u"1"_s << u" 18.5 "_s << u""_s << 5.0 << 35.0 << u"实收：18.50"_s;
    QTest::newRow("received empty")
        << name << u"1"_s << u""_s << u""_s << 5.0 << 35.0 << u"实收："_s;
    QTest::newRow("received that is no number prints as typed")
        << name << u"1"_s << u"45元"_s << u""_s << 5.0 << 35.0 << u"实收：45元"_s;
    QTest::newRow("no change") << name << u"1"_s << u"200"_s << u""_s << 53.0 << 35.0
                               << u"找零："_s;
    QTest::newRow("change as displayed")
        << name << u"1"_s << u"200"_s << u"161.80"_s << 53.0 << 35.0 << u"找零：161.80"_s;
}

void TestReceiptLayout::printedTexts() {
    QFETCH(QString, name);
    QFETCH(QString, discount);
    QFETCH(QString, received);
    QFETCH(QString, change);
    QFETCH(double, x);
    QFETCH(double, y);
    QFETCH(QString, expected);
    ReceiptSale sale = exampleSale();
    sale.lines = {line(name, discount)};
    sale.received = received;
    sale.change = change;
    QCOMPARE(textAt(layOut(shopSettings(), sale), x, y), expected);
}

void TestReceiptLayout::emptyFootersKeepTheirSpace_data() {
    QTest::addColumn<QString>("footer1");
    QTest::addColumn<QString>("footer2");
    QTest::addColumn<QString>("footer3");
    QTest::addColumn<QList<double>>("heights");

    // Empty cart: the footers' places are 40, 44 and 48.
    QTest::newRow("all three") << u"一"_s << u"二"_s << u"三"_s << QList<double>{40, 44, 48};
    QTest::newRow("second empty: third 8 mm below the first")
        << u"一"_s << u""_s << u"三"_s << QList<double>{40, 48};
    QTest::newRow("first empty") << u""_s << u"二"_s << u"三"_s << QList<double>{44, 48};
    QTest::newRow("all empty") << u""_s << u""_s << u""_s << QList<double>{};
    QTest::newRow("a blank is not empty") << u" "_s << u""_s << u""_s << QList<double>{40};
}

void TestReceiptLayout::emptyFootersKeepTheirSpace() {
    QFETCH(QString, footer1);
    QFETCH(QString, footer2);
    QFETCH(QString, footer3);
    QFETCH(QList<double>, heights);
    SettingsRow settings = shopSettings();
    settings.footer1 = footer1;
    settings.footer2 = footer2;
    settings.footer3 = footer3;
    ReceiptSale sale = exampleSale();
    sale.lines.clear();

    QList<double> printed;
    for (const ReceiptOperation& operation : texts(layOut(settings, sale))) {
        if (operation.y > 35) // below 付款
            printed.append(operation.y);
    }
    std::ranges::sort(printed);
    QCOMPARE(printed, heights);
}

void TestReceiptLayout::marginsMoveTheWholeReceipt_data() {
    QTest::addColumn<QString>("left");
    QTest::addColumn<QString>("top");
    QTest::addColumn<double>("dx");
    QTest::addColumn<double>("dy");

    // Moves relative to both margins 8, which leave every layout point where it is.
    QTest::newRow("both 8") << u"8"_s << u"8"_s << 0.0 << 0.0;
    QTest::newRow("left raised by 2") << u"10"_s << u"8"_s << 2.0 << 0.0;
    QTest::newRow("top raised by 2") << u"8"_s << u"10"_s << 0.0 << 2.0;
    QTest::newRow("read in millimetres") << u"5.5"_s << u"12"_s << -2.5 << 4.0;
    // The template's margins: the line starts and the title stop at the paper's edges.
    QTest::newRow("both 0") << u"0"_s << u"0"_s << -5.0 << -7.0;
    QTest::newRow("left 30: the rules end at the right edge") << u"30"_s << u"8"_s << 5.0 << 0.0;
}

void TestReceiptLayout::marginsMoveTheWholeReceipt() {
    QFETCH(QString, left);
    QFETCH(QString, top);
    QFETCH(double, dx);
    QFETCH(double, dy);
    SettingsRow moved = shopSettings();
    moved.leftMargin = Decimal::read(left);
    moved.topMargin = Decimal::read(top);

    Operations expected = sortedByPlace(layOut(shopSettings(), exampleSale()));
    for (ReceiptOperation& operation : expected) {
        operation.x += dx;
        operation.y += dy;
        if (operation.kind == ReceiptOperation::Kind::Rule)
            operation.x2 += dx;
    }
    const Operations actual = sortedByPlace(layOut(moved, exampleSale()));
    QCOMPARE(actual.size(), expected.size());
    for (qsizetype i = 0; i < expected.size(); ++i) {
        QCOMPARE(actual[i], expected[i]);
        QVERIFY(actual[i].x >= 0 && actual[i].y >= 0 && actual[i].x2 <= ReceiptLayout::PaperWidth);
    }
    QCOMPARE(heightOf(exampleSale(), moved) - heightOf(exampleSale()), dy);
}

QTEST_GUILESS_MAIN(TestReceiptLayout)
#include "tst_receiptlayout.moc"
