#pragma once

#include "checkout/ReceiptPage.h"
#include "checkout/ReceiptSale.h"
#include "checkout/ReceiptShift.h"
#include "data/SettingsRow.h"

#include <QList>

// Where every text and rule of a receipt goes on the 80 mm roll, margins applied: left margin
// moves x, top margin moves y, and a margin of 8 mm leaves the layout where it is. However
// small or large the margins, nothing is moved off the paper.
class ReceiptLayout {
public:
    static constexpr double PaperWidth = 80;

    ReceiptLayout(const SettingsRow& settings, const ReceiptSale& sale,
                  const ReceiptTextWidth& textWidth);

    const QList<ReceiptOperation>& operations() const { return m_operations; }
    double pageHeight() const { return m_pageHeight; } // millimetres
    ReceiptPage page() const { return {PaperWidth, m_pageHeight, m_operations}; }

private:
    void addText(double x, double y, const QString& text, double pointSize = 9);
    void addRule(double y);

    ReceiptShift m_shift;
    double m_pageHeight = 0;
    QList<ReceiptOperation> m_operations;
};
