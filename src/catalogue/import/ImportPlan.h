#pragma once

#include "catalogue/ProductEntry.h"
#include "data/Decimal.h"

#include <QList>
#include <QString>

#include <algorithm>

// What the import does with one row of the sheet.
enum class ImportAction { Create, Update, Skip, Refuse };

struct ImportRow {
    int number = 0; // the row as the spreadsheet program numbers it
    ImportAction action = ImportAction::Skip;
    QString reason;     // why a row is skipped or refused, in the user's words
    QString productId;  // the product of that code, for an update or a skip
    ProductEntry entry; // what a new or updated product stores; a new one without code is numbered
    Decimal stock;      // a new product's opening stock
};

// The rows below the header, each with its action, in sheet order.
struct ImportPlan {
    QList<ImportRow> rows;

    qsizetype count(ImportAction action) const {
        return std::count_if(rows.begin(), rows.end(),
                             [action](const ImportRow& row) { return row.action == action; });
    }
};
