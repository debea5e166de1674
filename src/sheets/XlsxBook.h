#pragma once

#include "sheets/SheetRows.h"
#include "sheets/XlsxValue.h"
#include "sheets/ZipArchive.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

// A workbook as Excel, WPS or LibreOffice save it (.xlsx): its sheets by name, and each
// sheet's cells as the texts of their values. Shared and inline strings read as written, a
// number as its plain decimals, a date or time by its cell's number format, a truth value as
// TRUE or FALSE, a formula as its last result.
class XlsxBook {
public:
    // None when the bytes are no readable workbook.
    static std::optional<XlsxBook> open(const QByteArray& bytes);

    QStringList sheetNames() const;
    // None when the sheet's part is missing or broken.
    std::optional<SheetRows> rows(int sheet) const;

private:
    struct Sheet {
        QString name;
        QString part; // member path inside the zip
    };

    explicit XlsxBook(ZipArchive archive);
    bool readWorkbook();
    QString cellText(QStringView type, QStringView style, const QString& value) const;

    ZipArchive m_archive;
    QList<Sheet> m_sheets;
    QStringList m_strings;               // shared strings by index
    QList<XlsxValue::Kind> m_styleKinds; // by cell style index
    bool m_from1904 = false;
};
