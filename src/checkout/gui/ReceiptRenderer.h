#pragma once

#include "checkout/ReceiptPage.h"

#include <QFont>

class QPrinter;

// Lays a receipt out with the printer's own font metrics and prints it as one page of the
// roll, exactly as long as the receipt.
class ReceiptRenderer {
public:
    explicit ReceiptRenderer(QPrinter& printer);

    // False when the printer would not start the job.
    bool print(const QString& documentName, const ReceiptPageLayout& layOut);

private:
    QFont fontAt(double pointSize) const;
    double textWidth(const QString& text, double pointSize) const;
    double devicePixels(double millimetres) const;

    QPrinter& m_printer;
    QFont m_face;
};
