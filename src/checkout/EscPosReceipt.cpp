#include "checkout/EscPosReceipt.h"

#include "checkout/PrinterText.h"
#include "checkout/ReceiptMoney.h"

#include <algorithm>

using namespace Qt::Literals::StringLiterals;

namespace {

constexpr int ShortestName = 2; // columns: one Chinese character

} // namespace

EscPosReceipt::EscPosReceipt(const SettingsRow& settings, const ReceiptSale& sale, int paperWidth)
    : m_out(paperWidth)
    , m_columns(paperWidth == 58 ? Columns{17, 5, 7, 5, 7} : Columns{30, 6, 9, 6, 9}) {
    m_out.begin(settings.title);
    pair(u"编号："_s + sale.saleNumber, u"日期："_s + sale.saleDate);
    m_out.rule();
    articleLine(u"商品名称"_s, u"数量"_s, u"单价"_s, u"折扣"_s, u"金额"_s);
    m_out.rule();
    for (const ReceiptLine& article : sale.lines)
        articleLine(article.name, article.quantity, article.unitPrice,
                    ReceiptMoney::moneyOrAsTyped(article.discount), article.amount);
    m_out.rule();
    pair(u"合计金额："_s + sale.total, u"优惠："_s + sale.discountGiven);
    pair(u"实收："_s + ReceiptMoney::moneyOrAsTyped(sale.received), u"找零："_s + sale.change);
    m_out.line(PrinterText::encode(u"付款："_s + sale.payment));
    m_out.rule();
    // An empty footer keeps its line when a later one is printed, as on the page.
    const QString footers[] = {settings.footer1, settings.footer2, settings.footer3};
    const auto last = std::find_if(std::rbegin(footers), std::rend(footers),
                                   [](const QString& footer) { return !footer.isEmpty(); });
    for (auto footer = std::begin(footers); footer != last.base(); ++footer)
        m_out.line(PrinterText::encode(*footer));
    m_out.cut();
}

QByteArray EscPosReceipt::drawerPulse() {
    constexpr char Esc = 0x1B;
    return EscPosLines::command({Esc, 'p', 0, 25, char(250)});
}

void EscPosReceipt::pair(const QString& left, const QString& right) {
    const QByteArray leftText = PrinterText::encode(left);
    const QByteArray rightText = PrinterText::encode(right);
    const int leftColumns = PrinterText::columns(leftText);
    if (leftColumns < m_columns.second &&
        m_columns.second + PrinterText::columns(rightText) <= m_out.columns()) {
        m_out.line(leftText + QByteArray(m_columns.second - leftColumns, ' ') + rightText);
        return;
    }
    m_out.line(leftText);
    m_out.line(rightText);
}

void EscPosReceipt::articleLine(const QString& name, const QString& quantity, const QString& price,
                                const QString& discount, const QString& amount) {
    const QByteArray fields[] = {EscPosLines::rightAligned(quantity, m_columns.quantity),
                                 EscPosLines::rightAligned(price, m_columns.price),
                                 EscPosLines::rightAligned(discount, m_columns.discount),
                                 EscPosLines::rightAligned(amount, m_columns.amount)};
    const QByteArray figures = fields[0] + fields[1] + fields[2] + fields[3];
    const QByteArray encodedName = PrinterText::encode(name);
    const int nameColumns = m_out.columns() - PrinterText::columns(figures);
    if (nameColumns >= ShortestName) {
        const QByteArray cut = PrinterText::leading(encodedName, nameColumns);
        m_out.line(cut + QByteArray(nameColumns - PrinterText::columns(cut), ' ') + figures);
        return;
    }
    // Figures too wide to share the line: the name above them, and they wrap between fields.
    m_out.line(PrinterText::leading(encodedName, m_out.columns()));
    QByteArray row;
    for (const QByteArray& field : fields) {
        if (!row.isEmpty() &&
            PrinterText::columns(row) + PrinterText::columns(field) > m_out.columns()) {
            m_out.line(m_out.atLineEnd(row));
            row.clear();
        }
        row += field;
    }
    m_out.line(m_out.atLineEnd(row));
}
