#pragma once

#include "checkout/ReceiptOperation.h"
#include "checkout/ReceiptSale.h"
#include "data/SettingsRow.h"

#include <QList>

#include <functional>

// Where every text and rule of a receipt goes on the 80 mm roll, margins applied: left margin
// moves x, top margin moves y, and a margin of 8 mm leaves the layout where it is. However
// small or large the margins, nothing is moved off the paper.
class ReceiptLayout {
public:
    static constexpr double PaperWidth = 80;

    // Printed width in millimetres of a text at a point size, as the printer will draw it.
    using TextWidth = std::function<double(const QString& text, double pointSize)>;

    ReceiptLayout(const SettingsRow& settings, const ReceiptSale& sale, const TextWidth& textWidth);

    const QList<ReceiptOperation>& operations() const { return m_operations; }
    double pageHeight() const { return m_pageHeight; } // millimetres

private:
    void addText(double x, double y, const QString& text, double pointSize = 9);
    void addRule(double y);

    double m_dx;
    double m_dy;
    double m_pageHeight = 0;
    QList<ReceiptOperation> m_operations;
};
