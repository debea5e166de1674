#include "reports/ReportSheet.h"

#include "data/DateText.h"
#include "reports/ExactNumberCells.h"
#include "reports/ReportColumns.h"

#include <xlsxwriter.h>

#include <QFile>
#include <QRegularExpression>
#include <QSaveFile>
#include <QTemporaryDir>

using namespace Qt::Literals::StringLiterals;

namespace ReportSheet {
namespace {

using namespace ReportColumns;

constexpr lxw_row_t TitleRow = 0;
constexpr lxw_row_t CaptionRow = 1;
constexpr lxw_row_t FirstLineRow = 2;
constexpr lxw_col_t TitleColumn = 2; // C

struct Formats {
    lxw_format* title;
    lxw_format* date;
    lxw_format* money;
};

QString dotted(const QString& box) {
    const std::optional<QDate> date = DateText::parse(box);
    return date ? date->toString(u"yyyy.MM.dd"_s) : box;
}

double number(Decimal value) {
    return double(value.units()) / double(Decimal::Scale);
}

// A reader takes "_x0041_" in a cell for the character it codes, and XML cannot carry U+FFFE
// and U+FFFF: a literal code gets its underscore coded, the two characters become codes.
// (The library codes the control characters itself.)
QString cellText(const QString& text) {
    static const QRegularExpression code(u"_(x[0-9A-Fa-f]{4}_)"_s);
    QString coded = QString(text).replace(code, u"_x005F_\\1"_s);
    return coded.replace(QChar(0xFFFE), u"_xFFFE_"_s).replace(QChar(0xFFFF), u"_xFFFF_"_s);
}

// Writes the cells of one sheet, remembering the first thing that went wrong.
class SheetWriter {
public:
    SheetWriter(lxw_worksheet* sheet, const Formats& formats)
        : m_sheet(sheet)
        , m_formats(formats) {}

    void text(lxw_row_t row, lxw_col_t column, const QString& value, lxw_format* format = nullptr) {
        if (!value.isEmpty())
            check(worksheet_write_string(m_sheet, row, column, cellText(value).toUtf8().constData(),
                                         format));
    }
    void number(lxw_row_t row, lxw_col_t column, const std::optional<Decimal>& value,
                lxw_format* format = nullptr) {
        if (!value)
            return;
        check(worksheet_write_number(m_sheet, row, column, ReportSheet::number(*value), format));
        char reference[LXW_MAX_CELL_NAME_LENGTH];
        lxw_rowcol_to_cell(reference, row, column);
        m_exact.insert(reference, value->plainText().toLatin1());
    }
    void date(lxw_row_t row, lxw_col_t column, const std::optional<QDate>& value) {
        if (!value)
            return;
        lxw_datetime when{value->year(), value->month(), value->day(), 0, 0, 0};
        check(worksheet_write_datetime(m_sheet, row, column, &when, m_formats.date));
    }
    void line(lxw_row_t row, const ReportLine& line, ReportView view) {
        if (view == ReportView::ByDate)
            date(row, First, line.date);
        else
            text(row, First, line.code);
        text(row, Name, line.name);
        text(row, Maker, line.maker);
        text(row, Unit, line.unit);
        number(row, PurchasePrice, line.purchasePrice, m_formats.money);
        number(row, SalePrice, line.salePrice, m_formats.money);
        number(row, Quantity, line.quantity);
        number(row, Amount, line.amount, m_formats.money);
        text(row, Remark, line.remark);
    }
    void check(lxw_error error) {
        if (error != LXW_NO_ERROR && m_error == LXW_NO_ERROR)
            m_error = error;
    }
    lxw_error error() const { return m_error; }
    const ExactNumberCells::Numbers& exactNumbers() const { return m_exact; }

private:
    lxw_worksheet* m_sheet;
    Formats m_formats;
    lxw_error m_error = LXW_NO_ERROR;
    ExactNumberCells::Numbers m_exact;
};

Formats addFormats(lxw_workbook* book) {
    Formats formats{workbook_add_format(book), workbook_add_format(book),
                    workbook_add_format(book)};
    format_set_bold(formats.title);
    format_set_font_size(formats.title, 16);
    format_set_num_format(formats.date, "yyyy.mm.dd");
    format_set_num_format(formats.money, "0.00");
    return formats;
}

void layOut(const QString& title, const Report& report, lxw_worksheet* sheet,
            const Formats& formats, SheetWriter& cells) {
    cells.check(worksheet_set_row(sheet, TitleRow, 21, formats.title));
    cells.text(TitleRow, TitleColumn, title, formats.title);
    const QStringList captions = ReportColumns::captions(report.view);
    for (lxw_col_t column = 0; column < Count; ++column)
        cells.text(CaptionRow, column, captions.at(column));
    lxw_row_t row = FirstLineRow;
    for (const ReportLine& line : report.lines)
        cells.line(row++, line, report.view);
    // A refused range listed nothing, not even the total.
    if (!report.tooMany) {
        cells.text(row, First, TotalText);
        cells.number(row, Amount, report.total, formats.money);
    }
    const std::pair<lxw_col_t, double> widths[] = {
        {First, 10}, {Name, 20}, {Maker, 15}, {Unit, 5}, {Remark, 20}};
    for (const auto& [column, width] : widths)
        cells.check(worksheet_set_column(sheet, column, column, width, nullptr));
}

QString reason(lxw_error error) {
    return QString::fromUtf8(lxw_strerror(error));
}

} // namespace

QString fileName(const QString& chosen) {
    if (chosen.endsWith(u".xlsx"_s, Qt::CaseInsensitive))
        return chosen;
    if (chosen.endsWith(u".xls"_s, Qt::CaseInsensitive))
        return chosen + u'x';
    return chosen + u".xlsx"_s;
}

QString title(const QString& category, const QString& from, const QString& to) {
    return category + u"报表（"_s + dotted(from) + u'-' + dotted(to) + u'）';
}

QString write(const QString& path, const QString& title, const Report& report) {
    // The library writes only to a named file: it goes to a private folder first and reaches
    // the chosen name in one rename, so a failure leaves no part of a workbook there.
    QTemporaryDir scratch;
    if (!scratch.isValid())
        return scratch.errorString();
    const QString draft = scratch.filePath(u"report.xlsx"_s);
    lxw_workbook* book = workbook_new(QFile::encodeName(draft).constData());
    if (book == nullptr)
        return u"无法创建工作簿"_s;
    lxw_worksheet* sheet = workbook_add_worksheet(book, nullptr);
    const Formats formats = addFormats(book);
    SheetWriter cells(sheet, formats);
    layOut(title, report, sheet, formats, cells);
    const lxw_error closed = workbook_close(book);
    if (cells.error() != LXW_NO_ERROR)
        return reason(cells.error());
    if (closed != LXW_NO_ERROR)
        return reason(closed);
    if (const QString failed = ExactNumberCells::rewrite(draft, cells.exactNumbers());
        !failed.isEmpty())
        return failed;
    QFile written(draft);
    if (!written.open(QIODevice::ReadOnly))
        return written.errorString();
    QSaveFile target(path);
    if (!target.open(QIODevice::WriteOnly) || target.write(written.readAll()) < 0 ||
        !target.commit())
        return target.errorString();
    return {};
}

} // namespace ReportSheet
