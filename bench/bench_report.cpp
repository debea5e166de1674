#include "data/Transaction.h"
#include "reports/PerProductReport.h"
#include "reports/ReportQuery.h"
#include "reports/ReportSheet.h"
#include "support/TempShop.h"

#include <QTemporaryDir>
#include <QTest>

#include <map>
#include <memory>

using namespace Qt::Literals::StringLiterals;

namespace {

// One shop per size, built once: a year of movements of 5,000 products, four in five sales,
// the rest stock received and returns.
std::map<int, std::unique_ptr<TempShop>> shops;

Database& shopWith(int movements) {
    std::unique_ptr<TempShop>& shop = shops[movements];
    if (!shop) {
        shop = std::make_unique<TempShop>();
        Transaction transaction(shop->db());
        shop->db().execScript(QString(uR"sql(
            WITH RECURSIVE n(i) AS (SELECT 0 UNION ALL SELECT i + 1 FROM n WHERE i < )sql" +
                                      QString::number(movements - 1) + uR"sql()
            INSERT INTO [出入库] ([销售号], [ID号], [名称], [编号], [单位], [进价], [售价],
                                  [金额], [厂家], [日期], [数量], [类别])
            SELECT printf('A%08d', i), printf('P%05d', p),
                   substr('中华红双喜白沙红塔山阿诗玛芙蓉王', p % 14 + 1, 2) || p,
                   printf('69%011d', p), '包', 100000, 120000, 120000 * (i % 3 + 1), '厂',
                   date('2016-01-01', '+' || (i * 366 / )sql" +
                                      QString::number(movements) + uR"sql() || ' days'),
                   10000 * (i % 3 + 1),
                   CASE WHEN i % 20 < 16 THEN '销售' WHEN i % 20 < 19 THEN '入库' ELSE '出库' END
            FROM (SELECT i, i * 7919 % 5000 AS p FROM n);
        )sql"));
        transaction.commit();
    }
    return shop->db();
}

const ReportFilter June{u""_s, u"销售"_s, QDate(2016, 6, 1), QDate(2016, 6, 30)};
const ReportFilter Year{u""_s, u"销售"_s, QDate(2016, 1, 1), QDate(2016, 12, 31)};

enum Way { ByName, ByDate, PerProduct, PerProductWithoutIndex };

} // namespace

class BenchReport : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void cleanupTestCase() { shops.clear(); }
    void query_data();
    void query();
    void export30000();
};

void BenchReport::query_data() {
    QTest::addColumn<int>("movements");
    QTest::addColumn<bool>("wholeYear");
    QTest::addColumn<int>("way");
    const std::pair<Way, const char*> ways[] = {
        {ByName, "按名称"},
        {ByDate, "按日期"},
        {PerProduct, "per-product procedure"},
        {PerProductWithoutIndex, "per-product procedure, ID index only"}};
    for (const int movements : {100000, 1000000}) {
        for (const bool wholeYear : {false, true}) {
            for (const auto& [way, name] : ways)
                QTest::addRow("%d movements, %s, %s", movements, wholeYear ? "year" : "month", name)
                    << movements << wholeYear << int(way);
        }
    }
}

void BenchReport::query() {
    QFETCH(int, movements);
    QFETCH(bool, wholeYear);
    QFETCH(int, way);
    Database& db = shopWith(movements);
    const ReportFilter& filter = wholeYear ? Year : June;
    // The plan the procedure would have on a file without the newer index; rolled back after.
    std::optional<Transaction> oldIndex;
    if (way == PerProductWithoutIndex) {
        oldIndex.emplace(db);
        db.execScript(
            u"DROP INDEX [出入库_ID号_日期]; CREATE INDEX [出入库_ID号] ON [出入库] ([ID号]);");
    }
    qsizetype lines = 0;
    QBENCHMARK {
        switch (way) {
        case ByName:
            lines = ReportQuery(db).byName(filter).lines.size();
            break;
        case ByDate:
            lines = ReportQuery(db).byDate(filter).lines.size();
            break;
        default:
            lines = PerProductReport::run(db, filter).lines.size();
        }
    }
    QVERIFY(way == ByDate || lines > 0);
}

// The export of the longest list the by-date view shows.
void BenchReport::export30000() {
    Report report{.view = ReportView::ByDate, .lines = {}, .total = {}, .tooMany = false};
    for (int i = 0; i < ReportQuery::ByDateLimit; ++i)
        report.lines.append({.date = QDate(2016, 6, 1).addDays(i % 30),
                             .code = {},
                             .name = u"中华\\硬盒"_s + QString::number(i % 5000),
                             .maker = u"上海制烟厂"_s,
                             .unit = u"包"_s,
                             .purchasePrice = Decimal::fromInt(43),
                             .salePrice = Decimal::fromInt(45),
                             .quantity = Decimal::fromInt(i % 7 + 1),
                             .amount = Decimal::fromInt(45 * (i % 7 + 1)),
                             .remark = {}});
    QTemporaryDir folder;
    const QString path = folder.filePath(u"报表.xlsx"_s);
    QBENCHMARK {
        QCOMPARE(ReportSheet::write(path, u"销售报表（2016.06.01-2016.06.30）"_s, report),
                 QString());
    }
}

QTEST_GUILESS_MAIN(BenchReport)
#include "bench_report.moc"
