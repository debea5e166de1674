#pragma once

#include "catalogue/PinyinOrder.h"
#include "data/Database.h"
#include "data/SqlDialect.h"
#include "reports/Report.h"

#include <algorithm>

// The reference the report is held against, for the tests and the benchmark.
namespace PerProductReport {

using namespace Qt::Literals::StringLiterals;

// The per-product procedure taken literally: the distinct IDs, then for each one two sums and
// its newest movement, each a statement of its own.
inline Report run(Database& db, const ReportFilter& filter) {
    const QString where = u" FROM [出入库] WHERE [名称] LIKE ? AND [类别] = ? "
                          u"AND [日期] BETWEEN ? AND ?"_s;
    const QString pattern = u'%' + filter.name + u'%';
    Statement ids = db.prepare(u"SELECT DISTINCT [ID号]" + where);
    ids.bindAll(pattern, filter.category, filter.from, filter.to);
    Report report{.view = ReportView::ByName, .lines = {}, .total = {}, .tooMany = false};
    while (ids.next()) {
        const QString id = ids.text(0);
        Decimal sums[2];
        int index = 0;
        for (const QString& column : {u"[数量]"_s, u"[金额]"_s}) {
            Statement sum = db.prepare(u"SELECT sum(" + column + u')' + where + u" AND [ID号] = ?");
            sum.bindAll(pattern, filter.category, filter.from, filter.to, id);
            sum.next();
            sums[index++] = sum.decimal(0);
        }
        Statement newest = db.prepare(
            u"SELECT [编号], [名称], [厂家], [单位] FROM [出入库] WHERE [ID号] = ? ORDER BY [日期] "
            u"DESC, " +
            SqlDialect::insertOrder() + u" DESC");
        newest.bind(1, id);
        if (ids.isNull(0) || !newest.next())
            continue;
        report.lines.append({.date = {},
                             .code = newest.text(0),
                             .name = newest.text(1),
                             .maker = newest.text(2),
                             .unit = newest.text(3),
                             .purchasePrice = {},
                             .salePrice = {},
                             .quantity = sums[0],
                             .amount = sums[1],
                             .remark = {}});
        report.total += sums[1];
    }
    const PinyinOrder order;
    std::stable_sort(report.lines.begin(), report.lines.end(),
                     [&order](const ReportLine& a, const ReportLine& b) {
                         const QByteArray keyA = order.sortKey(a.name);
                         const QByteArray keyB = order.sortKey(b.name);
                         return keyA != keyB ? keyA < keyB : a.code < b.code;
                     });
    return report;
}

} // namespace PerProductReport
