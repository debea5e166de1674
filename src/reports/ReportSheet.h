#pragma once

#include "reports/Report.h"

#include <QString>

// The report as an .xlsx workbook. Nothing here asks the user anything: a failure comes back
// as its reason.
namespace ReportSheet {

// "销售报表（2017.01.02-2017.02.02）": the shown category and the two date boxes as typed,
// dates written yyyy.mm.dd.
QString title(const QString& category, const QString& from, const QString& to);

// Title in C1, captions in row 2, the lines and the total from row 3: codes and texts as text
// cells, dates as date cells, quantities and money as numbers shown as the list shows them.
// The file appears whole or not at all. Returns an empty text, or why it was not written.
QString write(const QString& path, const QString& title, const Report& report);

} // namespace ReportSheet
