#include "reports/CashUpSheet.h"

#include "checkout/CashUpFigures.h"
#include "data/DateText.h"
#include "reports/ReportSheet.h"
#include "sheets/SheetCells.h"
#include "sheets/SheetFile.h"

using namespace Qt::Literals::StringLiterals;

namespace CashUpSheet {
namespace {

enum ChangeColumn { Number, Date, Time, Kind, Before, After, ChangeColumns };

constexpr lxw_row_t FirstSectionRow = 2;
constexpr double ColumnWidths[ChangeColumns] = {14, 11, 9, 6, 10, 10};

void layOut(const CashUp& cashUp, Decimal openingFloat, SheetCells& cells) {
    cells.title(0, 0, title(cashUp));
    lxw_row_t row = FirstSectionRow;
    for (const CashUpSection& section : CashUpFigures::sections(cashUp, openingFloat)) {
        cells.text(row++, 0, section.heading);
        for (const CashUpFigure& figure : section.figures) {
            cells.text(row, 0, figure.label);
            if (figure.isMoney)
                cells.money(row, 1, figure.value);
            else
                cells.number(row, 1, figure.value);
            ++row;
        }
        ++row;
    }
    cells.text(row++, 0, CashUpFigures::ChangesHeading);
    const QString captions[ChangeColumns] = {u"销售号"_s, u"日期"_s,   u"时间"_s,
                                             u"类别"_s,   u"原金额"_s, u"新金额"_s};
    for (lxw_col_t column = 0; column < ChangeColumns; ++column)
        cells.text(row, column, captions[column]);
    for (const SaleChange& change : cashUp.changes) {
        ++row;
        cells.text(row, Number, change.saleNumber);
        cells.date(row, Date, change.date);
        cells.text(row, Time, change.time);
        cells.text(row, Kind, change.kind);
        cells.money(row, Before, change.before);
        cells.money(row, After, change.after);
    }
    for (lxw_col_t column = 0; column < ChangeColumns; ++column)
        cells.columnWidth(column, ColumnWidths[column]);
}

} // namespace

QString title(const CashUp& cashUp) {
    return ReportSheet::title(u"日结"_s, DateText::format(cashUp.from),
                              DateText::format(cashUp.to));
}

QString write(const QString& path, const CashUp& cashUp, Decimal openingFloat) {
    return SheetFile::write(path, [&](SheetCells& cells) { layOut(cashUp, openingFloat, cells); });
}

} // namespace CashUpSheet
