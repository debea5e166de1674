#include "checkout/CashUpLayout.h"

#include "checkout/CashUpFigures.h"

using namespace Qt::Literals::StringLiterals;

namespace {

constexpr double TitleSize = 14;
constexpr double HeadingSize = 12;
constexpr double TextSize = 9;
constexpr double TitleTop = 7;
constexpr double Left = 5;
constexpr double LineStep = 4;
constexpr double FeedBelow = 4;

} // namespace

CashUpLayout::CashUpLayout(const SettingsRow& settings, const CashUp& cashUp, Decimal openingFloat,
                           const QDateTime& printedAt, int paperWidth,
                           const ReceiptTextWidth& textWidth)
    : m_textWidth(textWidth)
    , m_right(paperWidth - Left)
    , m_shift(settings, paperWidth, Left, m_right, TitleTop) {
    m_page.width = paperWidth;
    centred(TitleTop, settings.title, TitleSize);
    centred(14, u"日结"_s, HeadingSize);
    m_y = 20;
    spread(u"日期："_s + CashUpFigures::rangeText(cashUp), {});
    spread(u"打印："_s + printedAt.toString(u"yyyy-MM-dd hh:mm"_s), {});
    for (const CashUpSection& section : CashUpFigures::sections(cashUp, openingFloat)) {
        rule();
        spread(section.heading, {});
        for (const CashUpFigure& figure : section.figures)
            spread(figure.label, figure.text());
    }
    if (!cashUp.changes.isEmpty()) {
        rule();
        spread(CashUpFigures::ChangesHeading, {});
        for (const SaleChange& change : cashUp.changes) {
            const CashUpFigures::ChangeLines lines = CashUpFigures::linesOf(change);
            spread(lines.number, lines.kind);
            spread(lines.when, lines.amounts);
        }
    }
    rule();
    m_page.height = m_y + FeedBelow + m_shift.dy;
}

void CashUpLayout::centred(double y, const QString& text, double pointSize) {
    this->text((m_page.width - m_textWidth(text, pointSize)) / 2, y, text, pointSize);
}

void CashUpLayout::text(double x, double y, const QString& text, double pointSize) {
    if (!text.isEmpty())
        m_page.operations.append(
            ReceiptOperation::textAt(x + m_shift.dx, y + m_shift.dy, pointSize, text));
}

void CashUpLayout::spread(const QString& label, const QString& value) {
    text(Left, m_y, label, TextSize);
    text(m_right - m_textWidth(value, TextSize), m_y, value, TextSize);
    m_y += LineStep;
}

void CashUpLayout::rule() {
    m_y += 1;
    m_page.operations.append(
        ReceiptOperation::rule(Left + m_shift.dx, m_right + m_shift.dx, m_y + m_shift.dy));
    m_y += 1;
}
