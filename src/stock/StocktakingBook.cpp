#include "stock/StocktakingBook.h"

#include "catalogue/ProductCatalogue.h"
#include "data/Database.h"
#include "data/Refusal.h"
#include "data/TextCut.h"
#include "data/Transaction.h"
#include "stock/StockLedger.h"

#include <algorithm>

using namespace Qt::Literals::StringLiterals;

namespace {

struct StockCondition {
    QString sql;
    QList<Decimal> bounds;
};

StockCondition conditionOf(const StockFilter& filter) {
    if (filter.comparison == StockFilter::Comparison::Above)
        return {filter.showZeroStock ? u"[库存] >= ?"_s : u"[库存] > ?"_s, {filter.number}};
    const Decimal number =
        filter.number.isZero() ? Decimal::fromInt(StocktakingBook::BelowAnything) : filter.number;
    if (filter.showZeroStock)
        return {u"[库存] < ?"_s, {number}};
    // From 1 up to the number, or down to it when it lies below 1.
    const Decimal one = Decimal::fromInt(1);
    return {u"[库存] BETWEEN ? AND ?"_s, {std::min(number, one), std::max(number, one)}};
}

} // namespace

StocktakingBook::StocktakingBook(Database& database, ProductCatalogue& catalogue)
    : m_database(database)
    , m_catalogue(catalogue) {}

QList<ListedStock> StocktakingBook::list(const StockFilter& filter) {
    const StockCondition condition = conditionOf(filter);
    Statement query = m_database.prepare(
        u"SELECT [ID号], [名称], [库存] FROM [商品] WHERE [名称] LIKE ? AND " + condition.sql);
    query.bind(1, u'%' + filter.name + u'%');
    for (int i = 0; i < condition.bounds.size(); ++i)
        query.bind(i + 2, condition.bounds.at(i));
    QList<std::pair<QString, QString>> idsAndNames;
    QList<Decimal> stocks;
    while (query.next()) {
        idsAndNames.append({query.text(0), query.text(1)});
        stocks.append(query.decimal(2));
    }
    // The rest, and the order, come from the product search, so that the two never disagree;
    // the stock comes from the statement, which is current where the catalogue need not be.
    QList<ListedStock> listed;
    listed.reserve(idsAndNames.size());
    for (const ProductCatalogue::Ranked& ranked : m_catalogue.inNameOrder(idsAndNames)) {
        const Product& product = ranked.product;
        listed.append({product.id, product.code, product.name, product.maker, product.unit,
                       stocks.at(ranked.given)});
    }
    return listed;
}

int StocktakingBook::execute(const QList<StockCount>& counts, QDate today) {
    Transaction transaction(m_database);
    StockLedger ledger(m_database);
    Statement insert = m_database.prepare(
        u"INSERT INTO [盘点明细] ([日期], [编号], [名称], [单位], [厂家], [帐面库存], [实际库存], "
        u"[差额], [备注]) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?)");
    int recorded = 0;
    for (const StockCount& count : counts) {
        const ListedStock& product = count.product;
        if (count.counted.overflowed())
            throw Refusal::outOfRange(u"实际库存");
        if (!ledger.setCounted(product.productId, count.counted))
            continue;
        // The maker goes into [单位] and the unit into [厂家]: the records screen has always
        // read the two crosswise, and the rows already stored depend on it.
        insert.bindAll(today, TextCut::leading(product.code, CodeWidth),
                       TextCut::leading(product.name, NameWidth),
                       TextCut::leading(product.maker, MakerWidth),
                       TextCut::leading(product.unit, UnitWidth), product.stock, count.counted,
                       count.counted - product.stock, TextCut::leading(count.remark, RemarkWidth));
        insert.run();
        insert.reset();
        ++recorded;
    }
    transaction.commit();
    return recorded;
}
