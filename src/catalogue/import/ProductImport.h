#pragma once

#include "catalogue/import/ImportPlan.h"

#include <QDateTime>

class Database;

// Writes what a plan adds and updates, in one transaction: all of it or, when anything fails,
// nothing. New products get IDs as the product screen gives them, and a code "A" + ID when the
// sheet has none; an opening stock is booked as a stock-in of that quantity at the purchase
// price, remark "期初库存", so that the stock-in records and reports account for the stock.
// An update leaves the stock alone. Failures throw DbError, values the file cannot store Refusal.
namespace ProductImport {

inline const QString OpeningStockRemark = QStringLiteral("期初库存");

struct Result {
    int created = 0;
    int updated = 0;
};

Result run(Database& database, const ImportPlan& plan, const QDateTime& now);

} // namespace ProductImport
