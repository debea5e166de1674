#pragma once

#include "data/ColumnWidth.h"
#include "stock/ListedStock.h"
#include "stock/StockCount.h"
#include "stock/StockFilter.h"

#include <QDate>
#include <QList>

class Database;
class ProductCatalogue;

// The stocktaking screen's reads and writes: the list of products to count and the count
// itself, which sets the stocks through the stock ledger and records each count in [盘点明细].
// Every failing database call throws DbError; a count past Currency throws Refusal.
class StocktakingBook {
public:
    // "小于" with no number (or 0) means below this.
    static constexpr int BelowAnything = 30000;
    // Widths of the [盘点明细] texts; longer ones are cut rather than fail the count.
    static constexpr int CodeWidth = ColumnWidth::of(u"盘点明细", u"编号");
    static constexpr int NameWidth = ColumnWidth::of(u"盘点明细", u"名称");
    static constexpr int MakerWidth = ColumnWidth::of(u"盘点明细", u"单位"); // see execute
    static constexpr int UnitWidth = ColumnWidth::of(u"盘点明细", u"厂家");
    static constexpr int RemarkWidth = ColumnWidth::of(u"盘点明细", u"备注");

    StocktakingBook(Database& database, ProductCatalogue& catalogue);

    // The products the filter finds, with their current stock, in the catalogue's name order.
    QList<ListedStock> list(const StockFilter& filter);

    // One transaction: each counted product's stock becomes the count, and each gets a
    // detail row with its stock as listed, the count and their difference. A product removed
    // since it was listed is neither set nor recorded. Returns the number recorded.
    int execute(const QList<StockCount>& counts, QDate today);

private:
    Database& m_database;
    ProductCatalogue& m_catalogue;
};
