#pragma once

#include "reports/Report.h"

#include <QString>
#include <QStringList>

// The nine columns of a report, shared by the list and the spreadsheet.
namespace ReportColumns {

enum Column { First, Name, Maker, Unit, PurchasePrice, SalePrice, Quantity, Amount, Remark, Count };

inline const QString TotalText = QStringLiteral("合计");

// The captions in column order; the first names the view ("日期" or "编号\条码").
QStringList captions(ReportView view);

// A line as the list shows it: dates "yyyy-mm-dd", prices and amounts "0.00", quantities in
// their shortest form, a NULL as an empty text.
QStringList texts(const ReportLine& line, ReportView view);
// The closing line: "合计" and the total "0.00".
QStringList totalTexts(Decimal total);

} // namespace ReportColumns
