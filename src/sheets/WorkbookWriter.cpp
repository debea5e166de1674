#include "sheets/WorkbookWriter.h"

#include <xlsxwriter.h>

#include <QFile>
#include <QRegularExpression>
#include <QSaveFile>

using namespace Qt::Literals::StringLiterals;

namespace {

// A reader takes "_x0041_" in a cell for the character it codes, and XML cannot carry U+FFFE
// and U+FFFF: a literal code gets its underscore coded, the two characters become codes.
// (The library codes the control characters itself.)
QString cellText(const QString& text) {
    static const QRegularExpression code(u"_(x[0-9A-Fa-f]{4}_)"_s);
    QString coded = QString(text).replace(code, u"_x005F_\\1"_s);
    return coded.replace(QChar(0xFFFE), u"_xFFFE_"_s).replace(QChar(0xFFFF), u"_xFFFF_"_s);
}

QString reason(int error) {
    return QString::fromUtf8(lxw_strerror(lxw_error(error)));
}

} // namespace

QString WorkbookWriter::fileName(const QString& chosen) {
    if (chosen.endsWith(u".xlsx"_s, Qt::CaseInsensitive))
        return chosen;
    if (chosen.endsWith(u".xls"_s, Qt::CaseInsensitive))
        return chosen + u'x';
    return chosen + u".xlsx"_s;
}

WorkbookWriter::WorkbookWriter() {
    // The library writes only to a named file: it goes to a private folder first and reaches
    // the chosen name in one rename, so a failure leaves no part of a workbook there.
    if (!m_scratch.isValid())
        return;
    m_draft = m_scratch.filePath(u"draft.xlsx"_s);
    m_book = workbook_new(QFile::encodeName(m_draft).constData());
    if (m_book == nullptr)
        return;
    m_sheet = workbook_add_worksheet(m_book, nullptr);
    m_title = workbook_add_format(m_book);
    m_money = workbook_add_format(m_book);
    m_date = workbook_add_format(m_book);
    format_set_bold(m_title);
    format_set_font_size(m_title, 16);
    format_set_num_format(m_money, "0.00");
    format_set_num_format(m_date, "yyyy.mm.dd");
}

WorkbookWriter::~WorkbookWriter() {
    if (m_book != nullptr)
        workbook_close(m_book); // an unsaved draft goes with the scratch folder
}

lxw_format* WorkbookWriter::format(Style style) const {
    switch (style) {
    case Style::Title:
        return m_title;
    case Style::Money:
        return m_money;
    case Style::Date:
        return m_date;
    case Style::Plain:
        break;
    }
    return nullptr;
}

void WorkbookWriter::check(int error) {
    if (error != LXW_NO_ERROR && m_error == LXW_NO_ERROR)
        m_error = error;
}

void WorkbookWriter::text(int row, int column, const QString& value, Style style) {
    if (m_sheet != nullptr && !value.isEmpty())
        check(worksheet_write_string(m_sheet, lxw_row_t(row), lxw_col_t(column),
                                     cellText(value).toUtf8().constData(), format(style)));
}

void WorkbookWriter::number(int row, int column, const std::optional<Decimal>& value, Style style) {
    if (m_sheet == nullptr || !value)
        return;
    // The library prints the double with 16 digits; the exact text replaces it on saving.
    check(worksheet_write_number(m_sheet, lxw_row_t(row), lxw_col_t(column),
                                 double(value->units()) / double(Decimal::Scale), format(style)));
    char reference[LXW_MAX_CELL_NAME_LENGTH];
    lxw_rowcol_to_cell(reference, lxw_row_t(row), lxw_col_t(column));
    m_exact.insert(reference, value->plainText().toLatin1());
}

void WorkbookWriter::date(int row, int column, const std::optional<QDate>& value) {
    if (m_sheet == nullptr || !value)
        return;
    lxw_datetime when{value->year(), value->month(), value->day(), 0, 0, 0};
    check(worksheet_write_datetime(m_sheet, lxw_row_t(row), lxw_col_t(column), &when, m_date));
}

void WorkbookWriter::styleRow(int row, double height, Style style) {
    if (m_sheet != nullptr)
        check(worksheet_set_row(m_sheet, lxw_row_t(row), height, format(style)));
}

void WorkbookWriter::setColumnWidth(int column, double width) {
    if (m_sheet != nullptr)
        check(worksheet_set_column(m_sheet, lxw_col_t(column), lxw_col_t(column), width, nullptr));
}

void WorkbookWriter::setUpPrinting(int headerRow) {
    if (m_sheet == nullptr)
        return;
    worksheet_set_paper(m_sheet, 9);
    worksheet_gridlines(m_sheet, LXW_SHOW_PRINT_GRIDLINES);
    worksheet_fit_to_pages(m_sheet, 1, 0);
    check(worksheet_repeat_rows(m_sheet, 0, lxw_row_t(headerRow)));
}

QString WorkbookWriter::save(const QString& path) {
    if (!m_scratch.isValid())
        return m_scratch.errorString();
    if (m_book == nullptr)
        return u"无法创建工作簿"_s;
    const lxw_error closed = workbook_close(m_book);
    m_book = nullptr;
    if (m_error != LXW_NO_ERROR)
        return reason(m_error);
    if (closed != LXW_NO_ERROR)
        return reason(closed);
    if (const QString failed = ExactNumberCells::rewrite(m_draft, m_exact); !failed.isEmpty())
        return failed;
    QFile written(m_draft);
    if (!written.open(QIODevice::ReadOnly))
        return written.errorString();
    QSaveFile target(path);
    if (!target.open(QIODevice::WriteOnly) || target.write(written.readAll()) < 0 ||
        !target.commit())
        return target.errorString();
    return {};
}
