#include "reports/ReportSheet.h"
#include "reports/SheetReader.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::Literals::StringLiterals;

Q_DECLARE_METATYPE(Report)

namespace {

ReportLine productLine(const QString& code, int quantity, qint64 amountUnits) {
    return {.date = {},
            .code = code,
            .name = u"中华\\硬盒"_s,
            .maker = u"上海"_s,
            .unit = u"包"_s,
            .purchasePrice = {},
            .salePrice = {},
            .quantity = Decimal::fromInt(quantity),
            .amount = Decimal::fromUnits(amountUnits),
            .remark = {}};
}

QString cellSummary(const SheetReader::Cell& cell) {
    return (cell.text ? u"text "_s : u"number "_s) + cell.value +
           (cell.format.isEmpty() ? QString() : u" as "_s + cell.format);
}

} // namespace

class TestReportSheet : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void cells_data();
    void cells();
    void title_data();
    void title();
    void unwritablePathIsReported();
};

void TestReportSheet::cells_data() {
    QTest::addColumn<Report>("report");
    QTest::addColumn<QStringList>("expected"); // reference = cell
    const Report byName{
        .view = ReportView::ByName,
        .lines = {productLine(u"6901234567890"_s, 10, 200000), productLine(u"0012"_s, 3, 12345)},
        .total = Decimal::fromUnits(212345),
        .tooMany = false};
    QTest::newRow("by name: codes stay text, sums are numbers")
        << byName
        << QStringList{u"C1=text 入库报表（2017.01.02-2017.02.02）"_s,
                       u"A2=text 编号\\条码"_s,
                       u"I2=text 备注"_s,
                       u"A3=text 6901234567890"_s,
                       u"B3=text 中华\\硬盒"_s,
                       u"G3=number 10"_s,
                       u"H3=number 20 as 0.00"_s,
                       u"A4=text 0012"_s,
                       u"H4=number 1.2345 as 0.00"_s,
                       u"E4=none"_s,
                       u"A5=text 合计"_s,
                       u"H5=number 21.2345 as 0.00"_s};
    ReportLine movement = productLine(QString(), 2, 90000);
    movement.date = QDate(2017, 2, 2);
    movement.salePrice = Decimal::fromInt(45);
    movement.remark = u"赠品"_s;
    const Report byDate{.view = ReportView::ByDate,
                        .lines = {movement},
                        .total = Decimal::fromInt(9),
                        .tooMany = false};
    QTest::newRow("by date: dates are date cells")
        << byDate << QStringList{u"A2=text 日期"_s,         u"A3=number 42768 as yyyy.mm.dd"_s,
                                 u"F3=number 45 as 0.00"_s, u"I3=text 赠品"_s,
                                 u"A4=text 合计"_s,         u"H4=number 9 as 0.00"_s};
    const auto alone = [](const ReportLine& line) {
        return Report{
            .view = ReportView::ByName, .lines = {line}, .total = *line.amount, .tooMany = false};
    };
    QTest::newRow("money exact, not through a double")
        << alone(productLine(u"1"_s, 3, 767400))
        << QStringList{u"H3=number 76.74 as 0.00"_s, u"H4=number 76.74 as 0.00"_s};
    QTest::newRow("a literal escape code stays as typed")
        << alone(productLine(u"_x0041_"_s, 1, 0)) << QStringList{u"A3=text _x0041_"_s};
    ReportLine noncharacter = productLine(u"1"_s, 1, 0);
    noncharacter.name = u"中华\uFFFF硬盒"_s;
    QTest::newRow("U+FFFF stays as typed")
        << alone(noncharacter) << QStringList{u"B3=text 中华\uFFFF硬盒"_s};
    QTest::newRow("refused range: no total line")
        << Report{.view = ReportView::ByDate, .lines = {}, .total = {}, .tooMany = true}
        << QStringList{u"A2=text 日期"_s, u"A3=none"_s, u"H3=none"_s};
}

void TestReportSheet::cells() {
    QFETCH(Report, report);
    QFETCH(QStringList, expected);
    QTemporaryDir folder;
    const QString path = folder.filePath(u"报表.xlsx"_s);
    const QString title = ReportSheet::title(u"入库"_s, u"2017-01-02"_s, u"2017-02-02"_s);
    QCOMPARE(ReportSheet::write(path, title, report), QString());
    const QMap<QString, SheetReader::Cell> cells = SheetReader::read(path);
    QVERIFY(!cells.isEmpty());
    for (const QString& item : expected) {
        const QString reference = item.section(u'=', 0, 0);
        const QString found = cells.contains(reference) ? cellSummary(cells[reference]) : u"none"_s;
        QCOMPARE(reference + u'=' + found, item);
    }
}

void TestReportSheet::title_data() {
    QTest::addColumn<QString>("category");
    QTest::addColumn<QString>("from");
    QTest::addColumn<QString>("to");
    QTest::addColumn<QString>("title");
    QTest::newRow("dates written with dots") << u"销售"_s << u"2017-01-02"_s << u"2017-02-02"_s
                                             << u"销售报表（2017.01.02-2017.02.02）"_s;
    QTest::newRow("short months and days padded")
        << u"出库"_s << u"2017-1-2"_s << u"2017-2-2"_s << u"出库报表（2017.01.02-2017.02.02）"_s;
    QTest::newRow("the shown text, whatever it is")
        << u"其它"_s << u"2017-01-02"_s << u"昨天"_s << u"其它报表（2017.01.02-昨天）"_s;
}

void TestReportSheet::title() {
    QFETCH(QString, category);
    QFETCH(QString, from);
    QFETCH(QString, to);
    QFETCH(QString, title);
    QCOMPARE(ReportSheet::title(category, from, to), title);
}

void TestReportSheet::unwritablePathIsReported() {
    QTemporaryDir folder;
    // A plain file where the folder should be: no user, root included, can write under it.
    const QString notAFolder = folder.filePath(u"文件"_s);
    QFile file(notAFolder);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.close();
    const Report report{.view = ReportView::ByName, .lines = {}, .total = {}, .tooMany = false};
    QVERIFY(!ReportSheet::write(notAFolder + u"/报表.xlsx"_s, u"t"_s, report).isEmpty());
    QCOMPARE(QDir(folder.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries),
             QStringList{u"文件"_s});
}

QTEST_GUILESS_MAIN(TestReportSheet)
#include "tst_reportsheet.moc"
