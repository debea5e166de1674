#include "sheets/SheetCells.h"

#include <QRegularExpression>

using namespace Qt::Literals::StringLiterals;

namespace {

constexpr double TitleRowHeight = 21;

// A reader takes "_x0041_" in a cell for the character it codes, and XML cannot carry U+FFFE
// and U+FFFF: a literal code gets its underscore coded, the two characters become codes.
// (The library codes the control characters itself.)
QString cellText(const QString& text) {
    static const QRegularExpression code(u"_(x[0-9A-Fa-f]{4}_)"_s);
    QString coded = QString(text).replace(code, u"_x005F_\\1"_s);
    return coded.replace(QChar(0xFFFE), u"_xFFFE_"_s).replace(QChar(0xFFFF), u"_xFFFF_"_s);
}

} // namespace

SheetCells::SheetCells(lxw_workbook* book, lxw_worksheet* sheet)
    : m_sheet(sheet)
    , m_title(workbook_add_format(book))
    , m_date(workbook_add_format(book))
    , m_money(workbook_add_format(book)) {
    format_set_bold(m_title);
    format_set_font_size(m_title, 16);
    format_set_num_format(m_date, "yyyy.mm.dd");
    format_set_num_format(m_money, "0.00");
}

void SheetCells::title(lxw_row_t row, lxw_col_t column, const QString& text) {
    check(worksheet_set_row(m_sheet, row, TitleRowHeight, m_title));
    write(row, column, text, m_title);
}

void SheetCells::text(lxw_row_t row, lxw_col_t column, const QString& value) {
    write(row, column, value, nullptr);
}

void SheetCells::number(lxw_row_t row, lxw_col_t column, const std::optional<Decimal>& value) {
    if (value)
        write(row, column, *value, nullptr);
}

void SheetCells::money(lxw_row_t row, lxw_col_t column, const std::optional<Decimal>& value) {
    if (value)
        write(row, column, *value, m_money);
}

void SheetCells::date(lxw_row_t row, lxw_col_t column, const std::optional<QDate>& value) {
    if (!value)
        return;
    lxw_datetime when{value->year(), value->month(), value->day(), 0, 0, 0};
    check(worksheet_write_datetime(m_sheet, row, column, &when, m_date));
}

void SheetCells::columnWidth(lxw_col_t column, double width) {
    check(worksheet_set_column(m_sheet, column, column, width, nullptr));
}

void SheetCells::rowHeight(lxw_row_t row, double height) {
    check(worksheet_set_row(m_sheet, row, height, nullptr));
}

void SheetCells::printOnPaper(lxw_row_t headerRow) {
    worksheet_set_paper(m_sheet, 9);
    worksheet_gridlines(m_sheet, LXW_SHOW_PRINT_GRIDLINES);
    worksheet_fit_to_pages(m_sheet, 1, 0);
    check(worksheet_repeat_rows(m_sheet, 0, headerRow));
}

void SheetCells::check(lxw_error error) {
    if (error != LXW_NO_ERROR && m_error == LXW_NO_ERROR)
        m_error = error;
}

void SheetCells::write(lxw_row_t row, lxw_col_t column, const QString& value, lxw_format* format) {
    if (!value.isEmpty())
        check(worksheet_write_string(m_sheet, row, column, cellText(value).toUtf8().constData(),
                                     format));
}

void SheetCells::write(lxw_row_t row, lxw_col_t column, Decimal value, lxw_format* format) {
    check(worksheet_write_number(m_sheet, row, column,
                                 double(value.units()) / double(Decimal::Scale), format));
    char reference[LXW_MAX_CELL_NAME_LENGTH];
    lxw_rowcol_to_cell(reference, row, column);
    m_exact.insert(reference, value.plainText().toLatin1());
}
