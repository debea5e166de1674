#include "reports/ReportSheet.h"

#include "data/DateText.h"
#include "reports/ReportColumns.h"
#include "sheets/SheetCells.h"
#include "sheets/SheetFile.h"

using namespace Qt::Literals::StringLiterals;

namespace ReportSheet {
namespace {

using namespace ReportColumns;

constexpr lxw_row_t TitleRow = 0;
constexpr lxw_row_t CaptionRow = 1;
constexpr lxw_row_t FirstLineRow = 2;
constexpr lxw_col_t TitleColumn = 2; // C

QString dotted(const QString& box) {
    const std::optional<QDate> date = DateText::parse(box);
    return date ? date->toString(u"yyyy.MM.dd"_s) : box;
}

void writeLine(SheetCells& cells, lxw_row_t row, const ReportLine& line, ReportView view) {
    if (view == ReportView::ByDate)
        cells.date(row, First, line.date);
    else
        cells.text(row, First, line.code);
    cells.text(row, Name, line.name);
    cells.text(row, Maker, line.maker);
    cells.text(row, Unit, line.unit);
    cells.money(row, PurchasePrice, line.purchasePrice);
    cells.money(row, SalePrice, line.salePrice);
    cells.number(row, Quantity, line.quantity);
    cells.money(row, Amount, line.amount);
    cells.text(row, Remark, line.remark);
}

void layOut(const QString& title, const Report& report, SheetCells& cells) {
    cells.title(TitleRow, TitleColumn, title);
    const QStringList captions = ReportColumns::captions(report.view);
    for (lxw_col_t column = 0; column < Count; ++column)
        cells.text(CaptionRow, column, captions.at(column));
    lxw_row_t row = FirstLineRow;
    for (const ReportLine& line : report.lines)
        writeLine(cells, row++, line, report.view);
    // A refused range listed nothing, not even the total.
    if (!report.tooMany) {
        cells.text(row, First, TotalText);
        cells.money(row, Amount, report.total);
    }
    const std::pair<lxw_col_t, double> widths[] = {
        {First, 10}, {Name, 20}, {Maker, 15}, {Unit, 5}, {Remark, 20}};
    for (const auto& [column, width] : widths)
        cells.columnWidth(column, width);
}

} // namespace

QString title(const QString& category, const QString& from, const QString& to) {
    return category + u"报表（"_s + dotted(from) + u'-' + dotted(to) + u'）';
}

QString write(const QString& path, const QString& title, const Report& report) {
    return SheetFile::write(path, [&](SheetCells& cells) { layOut(title, report, cells); });
}

} // namespace ReportSheet
