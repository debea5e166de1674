#pragma once

#include "data/Decimal.h"
#include "sheets/ExactNumberCells.h"

#include <xlsxwriter.h>

#include <QDate>
#include <QString>

#include <optional>

// Writes the cells of a workbook's one sheet: texts as typed, dates as date cells shown
// yyyy.mm.dd, numbers with their exact decimal, money shown "0.00". An empty text or a value
// left unset leaves the cell empty. The first thing that goes wrong is kept.
class SheetCells {
public:
    SheetCells(lxw_workbook* book, lxw_worksheet* sheet);

    // A title in bold, 16 points, on a row high enough for it.
    void title(lxw_row_t row, lxw_col_t column, const QString& text);
    void text(lxw_row_t row, lxw_col_t column, const QString& value);
    void number(lxw_row_t row, lxw_col_t column, const std::optional<Decimal>& value);
    void money(lxw_row_t row, lxw_col_t column, const std::optional<Decimal>& value);
    void date(lxw_row_t row, lxw_col_t column, const std::optional<QDate>& value);
    void columnWidth(lxw_col_t column, double width); // in characters
    void rowHeight(lxw_row_t row, double height);     // in points
    // On paper: A4, grid lines drawn, one page wide, the rows up to headerRow on every page.
    void printOnPaper(lxw_row_t headerRow);

    void check(lxw_error error);
    lxw_error error() const { return m_error; }
    const ExactNumberCells::Numbers& exactNumbers() const { return m_exact; }

private:
    void write(lxw_row_t row, lxw_col_t column, const QString& value, lxw_format* format);
    void write(lxw_row_t row, lxw_col_t column, Decimal value, lxw_format* format);

    lxw_worksheet* m_sheet;
    lxw_format* m_title;
    lxw_format* m_date;
    lxw_format* m_money;
    lxw_error m_error = LXW_NO_ERROR;
    ExactNumberCells::Numbers m_exact;
};
