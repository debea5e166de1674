#pragma once

#include "data/Decimal.h"

#include <QDate>
#include <QList>
#include <QString>

#include <optional>

// The two ways the report lists movements: each one newest first, or one line per product.
enum class ReportView { ByDate, ByName };

// What a report lists: movements of one category whose name contains the text, dated from
// `from` to `to`, both days included.
struct ReportFilter {
    QString name;
    QString category; // "销售", "入库" or "出库"
    QDate from;
    QDate to;
};

// One line of a report, with its values as they are, for the list and the spreadsheet to
// format each its own way. A NULL in the table stays unset.
struct ReportLine {
    std::optional<QDate> date; // by date
    QString code;              // by name
    QString name;
    QString maker;
    QString unit;
    std::optional<Decimal> purchasePrice; // by date
    std::optional<Decimal> salePrice;     // by date
    std::optional<Decimal> quantity;
    std::optional<Decimal> amount;
    QString remark; // by date
};

struct Report {
    ReportView view = ReportView::ByDate;
    QList<ReportLine> lines;
    Decimal total;
    // The by-date view refused the range for holding more movements than it lists.
    bool tooMany = false;
};
