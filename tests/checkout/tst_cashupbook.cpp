#include "checkout/CashUpBook.h"
#include "checkout/CashUpDay.h"
#include "checkout/CashUpFigures.h"
#include "support/TempShop.h"

#include <QTest>

using namespace Qt::Literals::StringLiterals;

class TestCashUpBook : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { CashUpDay::write(m_shop.db()); }
    void figures_data();
    void figures();
    void changesOfTheDay();

private:
    TempShop m_shop;
};

void TestCashUpBook::figures_data() {
    QTest::addColumn<QDate>("from");
    QTest::addColumn<QString>("label");
    QTest::addColumn<QString>("expected");
    const QDate day = CashUpDay::Day;
    const QDate before = CashUpDay::DayBefore;
    QTest::newRow("sales of the day only") << day << u"销售笔数"_s << u"4"_s;
    QTest::newRow("total: sum of the lines") << day << u"销售金额"_s << u"159.20"_s;
    QTest::newRow("discount: quantity × price − amount") << day << u"优惠金额"_s << u"3.80"_s;
    QTest::newRow("no method stored is cash") << day << u"现金"_s << u"134.20"_s;
    QTest::newRow("WeChat") << day << u"微信"_s << u"20.00"_s;
    QTest::newRow("a method the till does not offer is other") << day << u"其他"_s << u"5.00"_s;
    QTest::newRow("a method that took nothing is listed") << day << u"支付宝"_s << u"0.00"_s;
    QTest::newRow("nothing typed received the total") << day << u"现金实收"_s << u"210.00"_s;
    QTest::newRow("change of cash sales") << day << u"找零"_s << u"70.00"_s;
    QTest::newRow("drawer: float + cash sales, a correction refunded")
        << day << u"应有现金"_s << u"634.20"_s;
    QTest::newRow("stock-in") << day << u"进货入库"_s << u"800.00"_s;
    QTest::newRow("returns") << day << u"退货出库"_s << u"50.00"_s;
    QTest::newRow("corrections") << day << u"修改笔数"_s << u"1"_s;
    QTest::newRow("deletions") << day << u"删除笔数"_s << u"1"_s;
    QTest::newRow("two days: sales") << before << u"销售金额"_s << u"258.20"_s;
    QTest::newRow("two days: drawer") << before << u"应有现金"_s << u"733.20"_s;
    QTest::newRow("two days: stock-in") << before << u"进货入库"_s << u"1800.00"_s;
    QTest::newRow("two days: corrections") << before << u"修改笔数"_s << u"2"_s;
}

void TestCashUpBook::figures() {
    QFETCH(QDate, from);
    QFETCH(QString, label);
    QFETCH(QString, expected);
    const CashUp cashUp = CashUpBook(m_shop.db()).read(from, CashUpDay::Day);
    QStringList shown;
    for (const CashUpSection& section : CashUpFigures::sections(cashUp, Decimal::fromInt(500))) {
        for (const CashUpFigure& figure : section.figures) {
            if (figure.label == label)
                shown << figure.text();
        }
    }
    QCOMPARE(shown, QStringList{expected});
}

void TestCashUpBook::changesOfTheDay() {
    const CashUp cashUp = CashUpBook(m_shop.db()).read(CashUpDay::Day, CashUpDay::Day);
    QStringList lines;
    for (const SaleChange& change : cashUp.changes) {
        const CashUpFigures::ChangeLines shown = CashUpFigures::linesOf(change);
        lines << shown.number + u' ' + shown.kind + u' ' + shown.when + u' ' + shown.amounts;
    }
    QCOMPARE(lines, (QStringList{u"A170313-0001 修改 03-13 10:15 130.00→124.20"_s,
                                 u"A170313-0005 删除 03-13 11:02 30.00"_s}));
}

QTEST_MAIN(TestCashUpBook)
#include "tst_cashupbook.moc"
