#include "reports/ReportColumns.h"

#include "data/DateText.h"

using namespace Qt::Literals::StringLiterals;

namespace ReportColumns {
namespace {

QString money(const std::optional<Decimal>& value) {
    return value ? value->moneyText() : QString();
}

QString plain(const std::optional<Decimal>& value) {
    return value ? value->plainText() : QString();
}

} // namespace

QStringList captions(ReportView view) {
    return {view == ReportView::ByDate ? u"日期"_s : u"编号\\条码"_s,
            u"商品名称\\规格"_s,
            u"厂家"_s,
            u"单位"_s,
            u"进价"_s,
            u"售价"_s,
            u"数量"_s,
            u"金额"_s,
            u"备注"_s};
}

QStringList texts(const ReportLine& line, ReportView view) {
    const bool byDate = view == ReportView::ByDate;
    return {byDate ? (line.date ? DateText::format(*line.date) : QString()) : line.code,
            line.name,
            line.maker,
            line.unit,
            money(line.purchasePrice),
            money(line.salePrice),
            plain(line.quantity),
            money(line.amount),
            line.remark};
}

QStringList totalTexts(Decimal total) {
    QStringList fields(Count);
    fields[First] = TotalText;
    fields[Amount] = total.moneyText();
    return fields;
}

} // namespace ReportColumns
