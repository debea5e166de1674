#pragma once

#include "stock/ListedStock.h"

#include <QDate>
#include <QList>
#include <QString>

// The stocktaking list as a sheet to count on paper: a title with the day, then code, name,
// maker, unit and book stock of each listed product beside an empty column for the count and
// one for a note, in rows tall enough to write in. Printed on A4 with grid lines, one page
// wide, the captions on every page.
namespace CountSheet {

// "库存盘点表（2017.03.13）"
QString title(QDate day);

// Returns an empty text, or why the file was not written.
QString write(const QString& path, const QList<ListedStock>& products, QDate day);

} // namespace CountSheet
