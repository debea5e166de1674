#include "checkout/EscPosReceipt.h"

#include "checkout/PrinterText.h"
#include "checkout/ReceiptMoney.h"

#include <algorithm>

using namespace Qt::Literals::StringLiterals;

namespace {

constexpr char Esc = 0x1B;
constexpr char Fs = 0x1C;
constexpr char Gs = 0x1D;
constexpr char Lf = 0x0A;
constexpr char FeedLinesBeforeCut = 4; // the cutter sits above the print head
constexpr int ShortestName = 2;        // columns: one Chinese character

QByteArray command(std::initializer_list<char> bytes) {
    return QByteArray(std::data(bytes), qsizetype(bytes.size()));
}

// The text right-aligned in the field, always at least one blank before it.
QByteArray rightAligned(const QString& text, int width) {
    const QByteArray encoded = PrinterText::encode(text);
    return QByteArray(std::max(1, width - PrinterText::columns(encoded)), ' ') + encoded;
}

} // namespace

EscPosReceipt::EscPosReceipt(const SettingsRow& settings, const ReceiptSale& sale, int paperWidth)
    : m_columns(paperWidth == 58 ? Columns{32, 17, 5, 7, 5, 7} : Columns{48, 30, 6, 9, 6, 9}) {
    m_bytes += command({Esc, '@', Fs, '&'});
    if (!settings.title.isEmpty()) {
        m_bytes += command({Esc, 'a', 1, Gs, '!', 0x01}); // centred, double height
        line(PrinterText::encode(settings.title));
        m_bytes += command({Gs, '!', 0x00, Esc, 'a', 0});
    }
    pair(u"编号："_s + sale.saleNumber, u"日期："_s + sale.saleDate);
    rule();
    articleLine(u"商品名称"_s, u"数量"_s, u"单价"_s, u"折扣"_s, u"金额"_s);
    rule();
    for (const ReceiptLine& article : sale.lines)
        articleLine(article.name, article.quantity, article.unitPrice,
                    ReceiptMoney::moneyOrAsTyped(article.discount), article.amount);
    rule();
    pair(u"合计金额："_s + sale.total, u"优惠："_s + sale.discountGiven);
    pair(u"实收："_s + ReceiptMoney::moneyOrAsTyped(sale.received), u"找零："_s + sale.change);
    line(PrinterText::encode(u"付款："_s + sale.payment));
    rule();
    // An empty footer keeps its line when a later one is printed, as on the page.
    const QString footers[] = {settings.footer1, settings.footer2, settings.footer3};
    const auto last = std::find_if(std::rbegin(footers), std::rend(footers),
                                   [](const QString& footer) { return !footer.isEmpty(); });
    for (auto footer = std::begin(footers); footer != last.base(); ++footer)
        line(PrinterText::encode(*footer));
    m_bytes += command({Esc, 'd', FeedLinesBeforeCut, Gs, 'V', 1});
}

QByteArray EscPosReceipt::drawerPulse() {
    return command({Esc, 'p', 0, 25, char(250)});
}

void EscPosReceipt::line(const QByteArray& text) {
    m_bytes += text;
    m_bytes += Lf;
}

void EscPosReceipt::pair(const QString& left, const QString& right) {
    const QByteArray leftText = PrinterText::encode(left);
    const QByteArray rightText = PrinterText::encode(right);
    const int leftColumns = PrinterText::columns(leftText);
    if (leftColumns < m_columns.second &&
        m_columns.second + PrinterText::columns(rightText) <= m_columns.total) {
        line(leftText + QByteArray(m_columns.second - leftColumns, ' ') + rightText);
        return;
    }
    line(leftText);
    line(rightText);
}

void EscPosReceipt::articleLine(const QString& name, const QString& quantity, const QString& price,
                                const QString& discount, const QString& amount) {
    const QByteArray fields[] = {
        rightAligned(quantity, m_columns.quantity), rightAligned(price, m_columns.price),
        rightAligned(discount, m_columns.discount), rightAligned(amount, m_columns.amount)};
    const QByteArray figures = fields[0] + fields[1] + fields[2] + fields[3];
    const QByteArray encodedName = PrinterText::encode(name);
    const int nameColumns = m_columns.total - PrinterText::columns(figures);
    if (nameColumns >= ShortestName) {
        const QByteArray cut = PrinterText::leading(encodedName, nameColumns);
        line(cut + QByteArray(nameColumns - PrinterText::columns(cut), ' ') + figures);
        return;
    }
    // Figures too wide to share the line: the name above them, and they wrap between fields.
    line(PrinterText::leading(encodedName, m_columns.total));
    QByteArray row;
    for (const QByteArray& field : fields) {
        if (!row.isEmpty() &&
            PrinterText::columns(row) + PrinterText::columns(field) > m_columns.total) {
            line(atLineEnd(row));
            row.clear();
        }
        row += field;
    }
    line(atLineEnd(row));
}

QByteArray EscPosReceipt::atLineEnd(const QByteArray& figures) const {
    return QByteArray(std::max(0, m_columns.total - PrinterText::columns(figures)), ' ') + figures;
}

void EscPosReceipt::rule() {
    line(QByteArray(m_columns.total, '-'));
}
