#pragma once

#include <QByteArray>
#include <QHash>
#include <QString>

// libxlsxwriter prints a number cell with 16 significant digits ("%.16G"), so 76.74 reaches
// the file as 76.73999999999999. This puts each number's exact decimal text in its place.
namespace ExactNumberCells {

// Number texts by cell reference ("H5" → "76.74").
using Numbers = QHash<QByteArray, QByteArray>;

// Rewrites the first sheet of the workbook at this path. Returns an empty text, or why not.
QString rewrite(const QString& workbookPath, const Numbers& numbers);

} // namespace ExactNumberCells
