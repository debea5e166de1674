#pragma once

#include "sheets/SheetRows.h"

#include <QByteArray>
#include <QString>

// Delimited text as spreadsheet programs and editors save it.
namespace CsvText {

// UTF-8 with or without its byte order mark, UTF-16 with its mark, and anything else as
// GB18030, which Excel writes on a Chinese system (and which holds plain ASCII as it is).
QString decode(const QByteArray& bytes);

// The records of the text. Fields are split by comma, semicolon or tab, whichever splits the
// first records into the same number of fields most often, or by the one a first line
// "sep=;" names. A field in double quotes may hold separators, line breaks and doubled
// quotes. Records without any text are left out; the others keep their place in the count.
SheetRows rows(const QString& text);

} // namespace CsvText
