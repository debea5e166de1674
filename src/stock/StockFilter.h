#pragma once

#include "data/Decimal.h"

#include <QString>

// Which products the stocktaking list shows: a name fragment and a stock condition.
struct StockFilter {
    enum class Comparison { Below, Above };

    QString name; // anywhere in [名称], "%" and "_" staying wildcards
    Comparison comparison = Comparison::Below;
    Decimal number; // "库存数"
    // "显示库存为零商品": with Above, the number itself is listed too; with Below, every stock
    // under the number is listed, where without it only stocks from 1 to the number are.
    bool showZeroStock = true;
};
