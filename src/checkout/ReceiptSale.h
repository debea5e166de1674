#pragma once

#include <QList>
#include <QString>

class Sale;

// One article line of a receipt, as the cart shows it.
struct ReceiptLine {
    QString name;
    QString quantity;
    QString unitPrice;
    QString discount;
    QString amount;
};

// What a receipt prints of a sale: its values written as the sales screen shows them.
struct ReceiptSale {
    static ReceiptSale of(const Sale& sale);

    QString saleNumber;
    QString saleDate;
    QList<ReceiptLine> lines;
    QString total;
    QString discountGiven;
    QString received;
    QString change;
    QString payment; // "微信"
};
