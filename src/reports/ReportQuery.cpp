#include "reports/ReportQuery.h"

#include "catalogue/PinyinOrder.h"
#include "data/Database.h"
#include "data/SqlDialect.h"
#include "stock/StockLedger.h"

#include <QByteArray>
#include <QHash>

#include <algorithm>
#include <numeric>
#include <vector>

using namespace Qt::Literals::StringLiterals;

namespace {

constexpr char16_t Filter[] = u" FROM [出入库] WHERE [名称] LIKE ? AND [类别] = ? "
                              u"AND [日期] BETWEEN ? AND ?";

void bindFilter(Statement& statement, const ReportFilter& filter) {
    statement.bindAll(QString(u'%' + filter.name + u'%'), filter.category, filter.from, filter.to);
}

std::optional<Decimal> decimalOrNone(const Statement& row, int column) {
    if (row.isNull(column))
        return std::nullopt;
    return row.decimal(column);
}

struct ProductSums {
    QString id;
    Decimal quantity;
    Decimal amount;
};

// The sums of every product moved in the range, in one pass over its movements.
std::vector<ProductSums> sumsByProduct(Database& database, const ReportFilter& filter) {
    Statement rows = database.prepare(u"SELECT [ID号], [数量], [金额]" +
                                      QString::fromUtf16(Filter) + u" AND [ID号] IS NOT NULL");
    bindFilter(rows, filter);
    std::vector<ProductSums> sums;
    QHash<QString, size_t> place;
    while (rows.next()) {
        const QString id = rows.text(0);
        auto found = place.constFind(id);
        if (found == place.cend()) {
            found = place.insert(id, sums.size());
            sums.push_back({id, {}, {}});
        }
        ProductSums& product = sums[*found];
        product.quantity += rows.decimal(1);
        product.amount += rows.decimal(2);
    }
    return sums;
}

void sortByName(QList<ReportLine>& lines) {
    const PinyinOrder order;
    std::vector<QByteArray> keys;
    keys.reserve(size_t(lines.size()));
    for (const ReportLine& line : std::as_const(lines))
        keys.push_back(order.sortKey(line.name));
    std::vector<qsizetype> byName(keys.size());
    std::iota(byName.begin(), byName.end(), 0);
    std::stable_sort(byName.begin(), byName.end(), [&](qsizetype a, qsizetype b) {
        if (keys[a] != keys[b])
            return keys[a] < keys[b];
        return lines[a].code < lines[b].code;
    });
    QList<ReportLine> sorted;
    sorted.reserve(lines.size());
    for (const qsizetype index : byName)
        sorted.append(std::move(lines[index]));
    lines = std::move(sorted);
}

} // namespace

QString ReportQuery::categoryFor(QStringView shown) {
    for (const MovementKind kind : {MovementKind::StockIn, MovementKind::Return}) {
        const QString category = StockLedger::categoryOf(kind);
        if (shown == category)
            return category;
    }
    return StockLedger::categoryOf(MovementKind::Sale);
}

Report ReportQuery::run(ReportView view, const ReportFilter& filter) {
    return view == ReportView::ByName ? byName(filter) : byDate(filter);
}

Report ReportQuery::byDate(const ReportFilter& filter) {
    // Within a day the movement written last counts as the newer.
    Statement rows = m_database.prepare(
        u"SELECT [日期], [名称], [厂家], [单位], [进价], [售价], [数量], [金额], [备注]" +
        QString::fromUtf16(Filter) + u" ORDER BY [日期] DESC, " + SqlDialect::insertOrder() +
        u" DESC" + SqlDialect::firstRows(ByDateLimit + 1));
    bindFilter(rows, filter);
    Report report;
    while (rows.next()) {
        if (report.lines.size() == ByDateLimit)
            return {.view = ReportView::ByDate, .lines = {}, .total = {}, .tooMany = true};
        ReportLine line{.date = rows.date(0),
                        .code = {},
                        .name = rows.text(1),
                        .maker = rows.text(2),
                        .unit = rows.text(3),
                        .purchasePrice = decimalOrNone(rows, 4),
                        .salePrice = decimalOrNone(rows, 5),
                        .quantity = decimalOrNone(rows, 6),
                        .amount = decimalOrNone(rows, 7),
                        .remark = rows.text(8)};
        report.total += line.amount.value_or(Decimal());
        report.lines.append(std::move(line));
    }
    return report;
}

Report ReportQuery::byName(const ReportFilter& filter) {
    const std::vector<ProductSums> sums = sumsByProduct(m_database, filter);
    // The index on ID and date leads straight to a product's newest movement.
    Statement newest =
        m_database.prepare(u"SELECT [编号], [名称], [厂家], [单位] FROM [出入库] WHERE [ID号] = ? "
                           u"ORDER BY [日期] DESC, " +
                           SqlDialect::insertOrder() + u" DESC");
    Report report{.view = ReportView::ByName, .lines = {}, .total = {}, .tooMany = false};
    report.lines.reserve(qsizetype(sums.size()));
    for (const ProductSums& product : sums) {
        newest.reset();
        newest.bind(1, product.id);
        if (!newest.next())
            continue;
        report.lines.append({.date = {},
                             .code = newest.text(0),
                             .name = newest.text(1),
                             .maker = newest.text(2),
                             .unit = newest.text(3),
                             .purchasePrice = {},
                             .salePrice = {},
                             .quantity = product.quantity,
                             .amount = product.amount,
                             .remark = {}});
        report.total += product.amount;
    }
    sortByName(report.lines);
    return report;
}
