#pragma once

#include "data/Decimal.h"
#include "sheets/ExactNumberCells.h"

#include <QDate>
#include <QString>
#include <QTemporaryDir>

#include <optional>

struct lxw_format;
struct lxw_workbook;
struct lxw_worksheet;

// One sheet written to an .xlsx file, which appears whole or not at all. Texts go in as text
// cells (a code like 0012345 stays text), numbers as their exact decimals, dates as date
// cells. Nothing asks the user anything: a failure comes back as its reason. Rows and
// columns count from 0.
class WorkbookWriter {
public:
    enum class Style { Plain, Title, Money, Date };

    // The file a chosen path names: ".xlsx" appended, or the "x" an ".xls" lacks; a path
    // ending with ".xlsx" stays as it is.
    static QString fileName(const QString& chosen);

    WorkbookWriter();
    WorkbookWriter(const WorkbookWriter&) = delete;
    WorkbookWriter& operator=(const WorkbookWriter&) = delete;
    ~WorkbookWriter();

    // An empty text writes no cell.
    void text(int row, int column, const QString& value, Style style = Style::Plain);
    void number(int row, int column, const std::optional<Decimal>& value,
                Style style = Style::Plain);
    void date(int row, int column, const std::optional<QDate>& value);
    // Height in points, and the style of the row's cells that are not written.
    void styleRow(int row, double height, Style style);
    // Width in the spreadsheet's character units.
    void setColumnWidth(int column, double width);
    // On paper: A4, grid lines drawn, one page wide, and the rows up to headerRow on every page.
    void setUpPrinting(int headerRow);

    // Writes the file under this path. Returns an empty text, or why it was not written.
    QString save(const QString& path);

private:
    lxw_format* format(Style style) const;
    void check(int error);

    QTemporaryDir m_scratch;
    QString m_draft;
    lxw_workbook* m_book = nullptr;
    lxw_worksheet* m_sheet = nullptr;
    lxw_format* m_title = nullptr;
    lxw_format* m_money = nullptr;
    lxw_format* m_date = nullptr;
    int m_error = 0; // the first lxw_error met
    ExactNumberCells::Numbers m_exact;
};
