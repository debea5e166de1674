#include "checkout/ReceiptLayout.h"

#include "checkout/ReceiptMoney.h"
#include "data/TextCut.h"

#include <algorithm>

using namespace Qt::Literals::StringLiterals;

namespace {

constexpr double TitleSize = 14;
constexpr double TitleTop = 7;
constexpr double Left = 5;
constexpr double Right = 75;
constexpr double LineStep = 4;
constexpr double FeedBelow = 4;
constexpr double ShortestPage = 10;
constexpr qsizetype NameLength = 9;

} // namespace

ReceiptLayout::ReceiptLayout(const SettingsRow& settings, const ReceiptSale& sale,
                             const ReceiptTextWidth& textWidth)
    : m_shift(settings, PaperWidth, Left, Right, TitleTop) {
    addText((PaperWidth - textWidth(settings.title, TitleSize)) / 2, TitleTop, settings.title,
            TitleSize);

    addText(Left, 15, u"编号："_s + sale.saleNumber);
    addText(50, 15, u"日期："_s + sale.saleDate);
    addRule(19);
    addRule(24);
    addText(Left, 20, u"商品名称"_s);
    addText(35, 20, u"数量"_s);
    addText(43, 20, u"单  价"_s);
    addText(55, 20, u"折扣"_s);
    addText(63, 20, u"金  额"_s);

    double y = 25;
    for (const ReceiptLine& line : sale.lines) {
        addText(Left, y, TextCut::leading(line.name, NameLength));
        addText(35, y, line.quantity);
        addText(43, y, line.unitPrice);
        addText(55, y, ReceiptMoney::moneyOrAsTyped(line.discount));
        addText(63, y, line.amount);
        y += LineStep;
    }

    y += 1;
    addRule(y);
    y += 1;
    addText(Left, y, u"合计金额："_s + sale.total);
    addText(53, y, u"优惠："_s + sale.discountGiven);
    y += LineStep;
    addText(Left, y, u"实收："_s + ReceiptMoney::moneyOrAsTyped(sale.received));
    addText(53, y, u"找零："_s + sale.change);
    y += LineStep;
    addText(Left, y, u"付款："_s + sale.payment);
    y += LineStep;
    addRule(y);

    y += 1;
    addText(Left, y, settings.footer1);
    y += LineStep;
    addText(Left, y, settings.footer2);
    y += LineStep;
    addText(Left, y, settings.footer3);

    m_pageHeight = std::max(ShortestPage, y + LineStep + FeedBelow + m_shift.dy);
}

void ReceiptLayout::addText(double x, double y, const QString& text, double pointSize) {
    if (!text.isEmpty())
        m_operations.append(
            ReceiptOperation::textAt(x + m_shift.dx, y + m_shift.dy, pointSize, text));
}

void ReceiptLayout::addRule(double y) {
    m_operations.append(
        ReceiptOperation::rule(Left + m_shift.dx, Right + m_shift.dx, y + m_shift.dy));
}
