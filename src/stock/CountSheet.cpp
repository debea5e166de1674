#include "stock/CountSheet.h"

#include "sheets/WorkbookWriter.h"

using namespace Qt::Literals::StringLiterals;

namespace CountSheet {
namespace {

enum Column { Code, Name, Maker, Unit, BookStock, Counted, Remark };

constexpr int TitleRow = 0;
constexpr int CaptionRow = 1;
// Points: room for a count written by hand.
constexpr double RowHeight = 20;

} // namespace

QString title(QDate day) {
    return u"库存盘点表（"_s + day.toString(u"yyyy.MM.dd"_s) + u'）';
}

QString write(const QString& path, const QList<ListedStock>& products, QDate day) {
    using Style = WorkbookWriter::Style;
    WorkbookWriter sheet;
    sheet.styleRow(TitleRow, 21, Style::Title);
    sheet.text(TitleRow, Code, title(day), Style::Title);
    const QString captions[] = {u"编号\\条码"_s, u"商品名称\\规格"_s, u"厂家"_s, u"单位"_s,
                                u"帐面库存"_s,   u"实际库存"_s,       u"备注"_s};
    for (int column = Code; column <= Remark; ++column)
        sheet.text(CaptionRow, column, captions[column]);
    int row = CaptionRow + 1;
    for (const ListedStock& product : products) {
        sheet.text(row, Code, product.code);
        sheet.text(row, Name, product.name);
        sheet.text(row, Maker, product.maker);
        sheet.text(row, Unit, product.unit);
        sheet.number(row, BookStock, product.stock);
        sheet.styleRow(row, RowHeight, WorkbookWriter::Style::Plain);
        ++row;
    }
    const std::pair<int, double> widths[] = {{Code, 16},     {Name, 26},   {Maker, 14}, {Unit, 6},
                                             {BookStock, 9}, {Counted, 9}, {Remark, 16}};
    for (const auto& [column, width] : widths)
        sheet.setColumnWidth(column, width);
    sheet.setUpPrinting(CaptionRow);
    return sheet.save(path);
}

} // namespace CountSheet
