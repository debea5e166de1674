#include "reports/ReportSheet.h"

#include "data/DateText.h"
#include "reports/ReportColumns.h"
#include "sheets/WorkbookWriter.h"

using namespace Qt::Literals::StringLiterals;

namespace ReportSheet {
namespace {

using namespace ReportColumns;
using Style = WorkbookWriter::Style;

constexpr int TitleRow = 0;
constexpr int CaptionRow = 1;
constexpr int FirstLineRow = 2;
constexpr int TitleColumn = 2; // C

QString dotted(const QString& box) {
    const std::optional<QDate> date = DateText::parse(box);
    return date ? date->toString(u"yyyy.MM.dd"_s) : box;
}

void writeLine(WorkbookWriter& sheet, int row, const ReportLine& line, ReportView view) {
    if (view == ReportView::ByDate)
        sheet.date(row, First, line.date);
    else
        sheet.text(row, First, line.code);
    sheet.text(row, Name, line.name);
    sheet.text(row, Maker, line.maker);
    sheet.text(row, Unit, line.unit);
    sheet.number(row, PurchasePrice, line.purchasePrice, Style::Money);
    sheet.number(row, SalePrice, line.salePrice, Style::Money);
    sheet.number(row, Quantity, line.quantity);
    sheet.number(row, Amount, line.amount, Style::Money);
    sheet.text(row, Remark, line.remark);
}

} // namespace

QString title(const QString& category, const QString& from, const QString& to) {
    return category + u"报表（"_s + dotted(from) + u'-' + dotted(to) + u'）';
}

QString write(const QString& path, const QString& title, const Report& report) {
    WorkbookWriter sheet;
    sheet.styleRow(TitleRow, 21, Style::Title);
    sheet.text(TitleRow, TitleColumn, title, Style::Title);
    const QStringList captions = ReportColumns::captions(report.view);
    for (int column = 0; column < Count; ++column)
        sheet.text(CaptionRow, column, captions.at(column));
    int row = FirstLineRow;
    for (const ReportLine& line : report.lines)
        writeLine(sheet, row++, line, report.view);
    // A refused range listed nothing, not even the total.
    if (!report.tooMany) {
        sheet.text(row, First, TotalText);
        sheet.number(row, Amount, report.total, Style::Money);
    }
    const std::pair<int, double> widths[] = {
        {First, 10}, {Name, 20}, {Maker, 15}, {Unit, 5}, {Remark, 20}};
    for (const auto& [column, width] : widths)
        sheet.setColumnWidth(column, width);
    return sheet.save(path);
}

} // namespace ReportSheet
