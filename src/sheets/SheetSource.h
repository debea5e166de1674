#pragma once

#include "sheets/SheetRows.h"
#include "sheets/XlsxBook.h"

#include <QString>
#include <QStringList>

#include <optional>

// A spreadsheet file to read, told by its content rather than its name: an .xlsx workbook,
// or delimited text (.csv, .txt). The old binary .xls is refused with a hint how to save it.
// Failures come back as reasons worded for the user.
class SheetSource {
public:
    bool open(const QString& path);
    // A workbook's sheets in their order; a text file has one, named after the file.
    QStringList sheetNames() const;
    bool read(int sheet, SheetRows& rows);
    QString errorString() const { return m_error; }

private:
    std::optional<XlsxBook> m_book;
    QString m_text;
    QString m_name;
    QString m_error;
};
