#pragma once

#include "data/Decimal.h"

#include <QString>

// One line of the pick list, carrying what the cart needs of the product it shows.
struct PickEntry {
    QString text;
    QString productId;
    QString code;
    QString name;
    QString unit;
    Decimal price;
};
