#pragma once

#include "data/Decimal.h"

#include <QString>

// One product as the stocktaking list shows it, its stock as it was when listed.
struct ListedStock {
    QString productId;
    QString code;
    QString name;
    QString maker;
    QString unit;
    Decimal stock;
};
