#include "checkout/EscPosCashUp.h"

#include "checkout/CashUpFigures.h"
#include "checkout/PrinterText.h"

using namespace Qt::Literals::StringLiterals;

EscPosCashUp::EscPosCashUp(const SettingsRow& settings, const CashUp& cashUp, Decimal openingFloat,
                           const QDateTime& printedAt, int paperWidth)
    : m_out(paperWidth) {
    m_out.begin(settings.title);
    m_out.centred(u"日结"_s);
    m_out.line(PrinterText::encode(u"日期："_s + CashUpFigures::rangeText(cashUp)));
    m_out.line(PrinterText::encode(u"打印："_s + printedAt.toString(u"yyyy-MM-dd hh:mm"_s)));
    for (const CashUpSection& section : CashUpFigures::sections(cashUp, openingFloat)) {
        m_out.rule();
        m_out.line(PrinterText::encode(section.heading));
        for (const CashUpFigure& figure : section.figures)
            m_out.spread(figure.label, figure.text());
    }
    if (!cashUp.changes.isEmpty()) {
        m_out.rule();
        m_out.line(PrinterText::encode(CashUpFigures::ChangesHeading));
        for (const SaleChange& change : cashUp.changes) {
            const CashUpFigures::ChangeLines lines = CashUpFigures::linesOf(change);
            m_out.spread(lines.number, lines.kind);
            m_out.spread(lines.when, lines.amounts);
        }
    }
    m_out.rule();
    m_out.cut();
}
