#include "stock/StocktakingRecords.h"

#include "data/Database.h"
#include "data/SqlDialect.h"

#include <algorithm>

StocktakingRecords::StocktakingRecords(Database& database)
    : m_database(database) {}

StocktakingRecords::Result StocktakingRecords::find(const QString& name, QDate from, QDate to) {
    // The stocktaking screen writes the maker into [单位] and the unit into [厂家].
    Statement query = m_database.prepare(
        u"SELECT [日期], [编号], [名称], [单位], [厂家], [帐面库存], [实际库存], "
        u"[差额], [备注] FROM [盘点明细] "
        u"WHERE [名称] LIKE ? AND [日期] BETWEEN ? AND ? ORDER BY [日期] DESC" +
        SqlDialect::firstRows(ListLimit + 1));
    query.bindAll(u'%' + name + u'%', std::min(from, to), std::max(from, to));
    Result result;
    while (query.next()) {
        if (result.records.size() == ListLimit) {
            result.tooMany = true;
            result.records.clear();
            break;
        }
        result.records.append({query.date(0).value_or(QDate()), query.text(1), query.text(2),
                               query.text(3), query.text(4), query.decimal(5), query.decimal(6),
                               query.decimal(7), query.text(8)});
    }
    return result;
}
