#pragma once

#include "data/Decimal.h"

#include <QString>

// One article of the current sale.
struct CartLine {
    QString productId;
    QString code;
    QString name;
    QString unit;
    Decimal quantity;
    Decimal price;
    Decimal discount; // a factor: 1 is the full price, 0.9 ten percent off
    Decimal amount;
    QString remark;

    bool operator==(const CartLine&) const = default;
};
