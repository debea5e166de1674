#pragma once

#include "stock/ListedStock.h"

// What the user counted of a listed product.
struct StockCount {
    ListedStock product;
    Decimal counted;
    QString remark;
};
