#include "stock/CountSheet.h"

#include "sheets/SheetCells.h"
#include "sheets/SheetFile.h"

using namespace Qt::Literals::StringLiterals;

namespace CountSheet {
namespace {

enum Column { Code, Name, Maker, Unit, BookStock, Counted, Remark };

constexpr lxw_row_t TitleRow = 0;
constexpr lxw_row_t CaptionRow = 1;
// Points: room for a count written by hand.
constexpr double RowHeight = 20;

void layOut(const QList<ListedStock>& products, QDate day, SheetCells& cells) {
    cells.title(TitleRow, Code, title(day));
    const QString captions[] = {u"编号\\条码"_s, u"商品名称\\规格"_s, u"厂家"_s, u"单位"_s,
                                u"帐面库存"_s,   u"实际库存"_s,       u"备注"_s};
    for (lxw_col_t column = Code; column <= Remark; ++column)
        cells.text(CaptionRow, column, captions[column]);
    lxw_row_t row = CaptionRow + 1;
    for (const ListedStock& product : products) {
        cells.text(row, Code, product.code);
        cells.text(row, Name, product.name);
        cells.text(row, Maker, product.maker);
        cells.text(row, Unit, product.unit);
        cells.number(row, BookStock, product.stock);
        cells.rowHeight(row, RowHeight);
        ++row;
    }
    const std::pair<Column, double> widths[] = {
        {Code, 16}, {Name, 26}, {Maker, 14}, {Unit, 6}, {BookStock, 9}, {Counted, 9}, {Remark, 16}};
    for (const auto& [column, width] : widths)
        cells.columnWidth(column, width);
    cells.printOnPaper(CaptionRow);
}

} // namespace

QString title(QDate day) {
    return u"库存盘点表（"_s + day.toString(u"yyyy.MM.dd"_s) + u'）';
}

QString write(const QString& path, const QList<ListedStock>& products, QDate day) {
    return SheetFile::write(path, [&](SheetCells& cells) { layOut(products, day, cells); });
}

} // namespace CountSheet
