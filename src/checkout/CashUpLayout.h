#pragma once

#include "checkout/CashUp.h"
#include "checkout/ReceiptPage.h"
#include "checkout/ReceiptShift.h"
#include "data/SettingsRow.h"

#include <QDateTime>

// Where every text and rule of the printed cash-up goes on a 58 or 80 mm roll, margins
// applied as on the sale receipt: labels from 5 mm, values ending 5 mm before the paper's edge.
class CashUpLayout {
public:
    CashUpLayout(const SettingsRow& settings, const CashUp& cashUp, Decimal openingFloat,
                 const QDateTime& printedAt, int paperWidth, const ReceiptTextWidth& textWidth);

    const ReceiptPage& page() const { return m_page; }

private:
    void centred(double y, const QString& text, double pointSize);
    void text(double x, double y, const QString& text, double pointSize);
    // The label at the left, the value ending at the right; then the next line.
    void spread(const QString& label, const QString& value);
    void rule();

    ReceiptTextWidth m_textWidth;
    double m_right;
    ReceiptShift m_shift;
    double m_y = 0;
    ReceiptPage m_page;
};
