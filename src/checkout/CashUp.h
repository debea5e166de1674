#pragma once

#include "data/Decimal.h"

#include <QDate>
#include <QList>
#include <QString>

#include <optional>

// A change made to a sale after it was saved: a correction or a deletion.
struct SaleChange {
    QString saleNumber;
    QDate date;
    QString time;                  // hh:mm:ss
    QString kind;                  // "修改" or "删除"
    std::optional<Decimal> before; // the sale's total before the change
    std::optional<Decimal> after;  // and after it; none for a deletion
};

// What one way of paying took.
struct PaymentTotal {
    QString method;
    Decimal total;
};

// What the till took over a range of days, for the count at closing time.
struct CashUp {
    QDate from;
    QDate to;
    int sales = 0;
    Decimal total;
    Decimal discountGiven;
    QList<PaymentTotal> payments; // every method the till offers, in its order
    Decimal cashReceived;         // by the cash sales; a sale with nothing typed, its total
    Decimal changeGiven;          // by the cash sales
    Decimal stockIn;
    Decimal returns;
    QList<SaleChange> changes; // oldest first

    // What the drawer should hold: the float it started with and what the cash sales come to
    // now. Received less change says the same for a sale as first paid, but a correction keeps
    // what was typed then while the difference went back over the counter.
    Decimal drawerCash(Decimal openingFloat) const;
};
