#include "reports/MovementFixture.h"
#include "reports/PerProductReport.h"
#include "reports/ReportQuery.h"
#include "support/TempShop.h"

#include <QRandomGenerator>
#include <QTest>

using namespace Qt::Literals::StringLiterals;
using MovementFixture::Row;

Q_DECLARE_METATYPE(ReportFilter)
Q_DECLARE_METATYPE(Row)

namespace {

const ReportFilter January{u""_s, u"销售"_s, QDate(2017, 1, 1), QDate(2017, 1, 31)};

Row sale(const QString& id, const QString& name, QDate date, int quantity, int amount) {
    return {id,
            u"C"_s + id,
            name,
            u"销售"_s,
            date,
            Decimal::fromInt(quantity),
            Decimal::fromInt(amount)};
}

void write(Database& db, const QList<Row>& rows) {
    MovementFixture::Writer writer(db);
    for (const Row& row : rows)
        writer.add(row);
}

QStringList described(const Report& report) {
    QStringList lines;
    for (const ReportLine& line : report.lines)
        lines << line.code + u'|' + line.name + u'|' + line.maker + u'|' + line.unit + u'|' +
                     line.quantity.value_or(Decimal()).plainText() + u'|' +
                     line.amount.value_or(Decimal()).moneyText();
    lines << u"合计|"_s + report.total.moneyText();
    return lines;
}

// Products that are sold, received and returned on many days, some renamed, re-coded or
// given a new maker along the way, and a few rows with no ID or no amount.
void generateShop(Database& db) {
    const QStringList names{u"中华"_s,   u"红双喜"_s, u"白沙"_s, u"红塔山"_s, u"阿诗玛"_s,
                            u"芙蓉王"_s, u"黄鹤楼"_s, u"利群"_s, u"玉溪"_s,   u"Apple"_s};
    const QStringList categories{u"销售"_s, u"入库"_s, u"出库"_s};
    QRandomGenerator random(20170102);
    Transaction transaction(db);
    MovementFixture::Writer writer(db);
    for (int i = 0; i < 4000; ++i) {
        const int product = random.bounded(150);
        const QDate date = QDate(2016, 12, 1).addDays(random.bounded(100));
        const bool renamed = product % 7 == 0 && date > QDate(2017, 1, 20);
        Row row{u"ID"_s + QString::number(product),
                (renamed ? u"R"_s : u"0"_s) + QString::number(product).rightJustified(12, u'0'),
                names.at(product % names.size()) + (renamed ? u"\\新装"_s : u"\\硬盒"_s),
                categories.at(random.bounded(3)),
                date,
                Decimal::fromUnits(random.bounded(1, 100000)),
                Decimal::fromUnits(random.bounded(1, 10000000)),
                product % 5 == 0 && renamed ? u"新厂"_s : u"厂"_s,
                u"包"_s};
        if (i % 500 == 0)
            row.id.clear();
        writer.add(row);
    }
    db.exec(u"UPDATE [出入库] SET [ID号] = NULL WHERE [ID号] = ''");
    db.exec(u"UPDATE [出入库] SET [金额] = NULL WHERE rowid % 97 = 0");
    transaction.commit();
}

} // namespace

class TestReportQuery : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void byName_data();
    void byName();
    void matchesPerProductProcedure_data();
    void matchesPerProductProcedure();
    void byDateListsNewestFirst();
    void byDateLimit_data();
    void byDateLimit();
    void categoryFor_data();
    void categoryFor();
};

void TestReportQuery::byName_data() {
    QTest::addColumn<QList<Row>>("rows");
    QTest::addColumn<QStringList>("lines");
    const QDate day(2017, 1, 10);
    QTest::newRow("no movement in the range")
        << QList<Row>{sale(u"1"_s, u"烟"_s, QDate(2017, 2, 1), 1, 1)}
        << QStringList{u"合计|0.00"_s};
    QTest::newRow("three sales of one product")
        << QList<Row>{sale(u"1"_s, u"烟"_s, day, 2, 4), sale(u"1"_s, u"烟"_s, day, 3, 6),
                      sale(u"1"_s, u"烟"_s, day.addDays(1), 5, 10)}
        << QStringList{u"C1|烟|厂|包|10|20.00"_s, u"合计|20.00"_s};
    Row renamed = sale(u"1"_s, u"新烟"_s, QDate(2017, 3, 1), 9, 9);
    renamed.category = u"入库"_s;
    renamed.maker = u"新厂"_s;
    QTest::newRow("described by the newest movement of any category and date")
        << QList<Row>{sale(u"1"_s, u"烟"_s, day, 2, 4), renamed}
        << QStringList{u"C1|新烟|新厂|包|2|4.00"_s, u"合计|4.00"_s};
    QTest::newRow("names in pinyin order")
        << QList<Row>{sale(u"1"_s, u"中华"_s, day, 1, 1), sale(u"2"_s, u"白沙"_s, day, 1, 2),
                      sale(u"3"_s, u"阿诗玛"_s, day, 1, 3)}
        << QStringList{u"C3|阿诗玛|厂|包|1|3.00"_s, u"C2|白沙|厂|包|1|2.00"_s,
                       u"C1|中华|厂|包|1|1.00"_s, u"合计|6.00"_s};
}

void TestReportQuery::byName() {
    QFETCH(QList<Row>, rows);
    QFETCH(QStringList, lines);
    TempShop shop;
    write(shop.db(), rows);
    QCOMPARE(described(ReportQuery(shop.db()).byName(January)), lines);
}

void TestReportQuery::matchesPerProductProcedure_data() {
    QTest::addColumn<ReportFilter>("filter");
    QTest::newRow("sales of January") << January;
    QTest::newRow("stock received over the whole time")
        << ReportFilter{u""_s, u"入库"_s, QDate(2016, 1, 1), QDate(2018, 1, 1)};
    QTest::newRow("returns of one day")
        << ReportFilter{u""_s, u"出库"_s, QDate(2017, 1, 25), QDate(2017, 1, 25)};
    QTest::newRow("sales of one name, renamed half way")
        << ReportFilter{u"中华"_s, u"销售"_s, QDate(2016, 12, 15), QDate(2017, 2, 15)};
    QTest::newRow("a wildcard in the name")
        << ReportFilter{u"红_"_s, u"销售"_s, QDate(2016, 12, 15), QDate(2017, 2, 15)};
    QTest::newRow("letters of either case")
        << ReportFilter{u"aPP"_s, u"入库"_s, QDate(2016, 12, 1), QDate(2017, 3, 31)};
}

void TestReportQuery::matchesPerProductProcedure() {
    QFETCH(ReportFilter, filter);
    static TempShop shop;
    static const bool generated = (generateShop(shop.db()), true);
    Q_UNUSED(generated);
    const Report expected = PerProductReport::run(shop.db(), filter);
    QVERIFY(expected.lines.size() > 1);
    QCOMPARE(described(ReportQuery(shop.db()).byName(filter)), described(expected));
}

void TestReportQuery::byDateListsNewestFirst() {
    TempShop shop;
    Row undated = sale(u"4"_s, u"茶"_s, QDate(2017, 1, 5), 1, 8);
    undated.category = u"入库"_s;
    write(shop.db(), {sale(u"1"_s, u"烟"_s, QDate(2017, 1, 5), 1, 1),
                      sale(u"2"_s, u"酒"_s, QDate(2017, 1, 20), 2, 2),
                      sale(u"3"_s, u"糖"_s, QDate(2017, 1, 5), 3, 4), undated,
                      sale(u"5"_s, u"盐"_s, QDate(2016, 12, 31), 1, 16)});
    const Report report = ReportQuery(shop.db()).byDate(January);
    QStringList names;
    for (const ReportLine& line : report.lines)
        names << line.date->toString(u"MM-dd"_s) + line.name;
    QCOMPARE(names, (QStringList{u"01-20酒"_s, u"01-05糖"_s, u"01-05烟"_s}));
    QCOMPARE(report.total.moneyText(), u"7.00"_s);
}

void TestReportQuery::byDateLimit_data() {
    QTest::addColumn<int>("movements");
    QTest::newRow("exactly the limit is listed") << ReportQuery::ByDateLimit;
    QTest::newRow("one more is refused") << ReportQuery::ByDateLimit + 1;
}

void TestReportQuery::byDateLimit() {
    QFETCH(int, movements);
    TempShop shop;
    MovementFixture::addSales(shop.db(), movements, QDate(2017, 1, 1), 31);
    const Report report = ReportQuery(shop.db()).byDate(January);
    const bool refused = movements > ReportQuery::ByDateLimit;
    QCOMPARE(report.tooMany, refused);
    QCOMPARE(report.lines.size(), refused ? 0 : movements);
    QCOMPARE(report.total, refused ? Decimal() : Decimal::fromInt(2 * movements));
}

void TestReportQuery::categoryFor_data() {
    QTest::addColumn<QString>("shown");
    QTest::addColumn<QString>("category");
    QTest::newRow("sales") << u"销售"_s << u"销售"_s;
    QTest::newRow("stock received") << u"入库"_s << u"入库"_s;
    QTest::newRow("returns") << u"出库"_s << u"出库"_s;
    QTest::newRow("any other text reports sales") << u"盘点"_s << u"销售"_s;
    QTest::newRow("a category with a blank is no category") << u"入库 "_s << u"销售"_s;
}

void TestReportQuery::categoryFor() {
    QFETCH(QString, shown);
    QFETCH(QString, category);
    QCOMPARE(ReportQuery::categoryFor(shown), category);
}

QTEST_GUILESS_MAIN(TestReportQuery)
#include "tst_reportquery.moc"
