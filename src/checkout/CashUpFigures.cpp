#include "checkout/CashUpFigures.h"

#include "data/DateText.h"

using namespace Qt::Literals::StringLiterals;

namespace CashUpFigures {
namespace {

const QString Corrected = u"修改"_s;
const QString Deleted = u"删除"_s;

CashUpFigure count(const QString& label, qsizetype value) {
    return {label, Decimal::fromInt(value), false};
}

QString moneyOrNothing(const std::optional<Decimal>& value) {
    return value ? value->moneyText() : QString();
}

} // namespace

QString rangeText(const CashUp& cashUp) {
    const QString from = DateText::format(cashUp.from);
    return cashUp.from == cashUp.to ? from : from + u" 至 "_s + DateText::format(cashUp.to);
}

QList<CashUpSection> sections(const CashUp& cashUp, Decimal openingFloat) {
    CashUpSection payments{u"收款方式"_s, {}};
    for (const PaymentTotal& payment : cashUp.payments)
        payments.figures.append({payment.method, payment.total});
    const auto changesOf = [&cashUp](const QString& kind) {
        return std::ranges::count(cashUp.changes, kind, &SaleChange::kind);
    };
    return {
        {u"销售汇总"_s,
         {count(u"销售笔数"_s, cashUp.sales),
          {u"销售金额"_s, cashUp.total},
          {u"优惠金额"_s, cashUp.discountGiven}}},
        payments,
        {u"现金核对"_s,
         {{u"现金实收"_s, cashUp.cashReceived},
          {u"找零"_s, cashUp.changeGiven},
          {u"备用金"_s, openingFloat},
          {u"应有现金"_s, cashUp.drawerCash(openingFloat)}}},
        {u"进货退货"_s, {{u"进货入库"_s, cashUp.stockIn}, {u"退货出库"_s, cashUp.returns}}},
        {u"改单删单"_s,
         {count(u"修改笔数"_s, changesOf(Corrected)), count(u"删除笔数"_s, changesOf(Deleted))}},
    };
}

ChangeLines linesOf(const SaleChange& change) {
    QString amounts = moneyOrNothing(change.before);
    if (change.after)
        amounts += u'→' + change.after->moneyText();
    return {change.saleNumber, change.kind,
            change.date.toString(u"MM-dd"_s) + u' ' + change.time.left(5), amounts};
}

} // namespace CashUpFigures
