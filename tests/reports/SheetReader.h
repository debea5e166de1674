#pragma once

#include <QMap>
#include <QString>

// The cells of the first sheet of an .xlsx file, read back from its XML with unzip.
namespace SheetReader {

struct Cell {
    bool text = false; // a string cell, not a number
    QString value;     // the string as a reader shows it, or the number as written
    QString format;    // the number format code; empty for General
};

// Cells by reference ("A1"); empty when the file cannot be read.
QMap<QString, Cell> read(const QString& path);

} // namespace SheetReader
