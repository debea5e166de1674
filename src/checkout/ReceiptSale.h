#pragma once

#include <QList>
#include <QString>

// One article line of a receipt, as the cart shows it.
struct ReceiptLine {
    QString name;
    QString quantity;
    QString unitPrice;
    QString discount;
    QString amount;
};

// What a receipt prints of the current sale: texts as the sales screen displays them.
struct ReceiptSale {
    QString saleNumber;
    QString saleDate;
    QList<ReceiptLine> lines;
    QString total;
    QString discountGiven;
    QString received;
    QString change;
};
