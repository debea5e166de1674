#pragma once

#include "checkout/ReceiptOperation.h"

#include <QList>
#include <QString>

#include <functional>

// Printed width in millimetres of a text at a point size, as the printer will draw it.
using ReceiptTextWidth = std::function<double(const QString& text, double pointSize)>;

// A receipt laid out on its roll: what it draws and the paper it takes, in millimetres.
struct ReceiptPage {
    double width = 0;
    double height = 0;
    QList<ReceiptOperation> operations;
};

// Lays a receipt out with the printer's own measure of text.
using ReceiptPageLayout = std::function<ReceiptPage(const ReceiptTextWidth&)>;
