#pragma once

#include "data/Decimal.h"

#include <QString>

// One row of [商品] as the product screen lists and edits it.
struct Product {
    QString id;
    QString searchKey;
    QString code;
    QString name; // name\variant
    QString pinyin;
    QString unit;
    Decimal purchasePrice;
    Decimal salePrice;
    QString remark;
    QString maker;
    Decimal stock;
};
