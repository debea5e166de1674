#pragma once

#include "catalogue/Product.h"

#include <QString>

// The nine entry fields of the product screen, as typed, and what they are stored as.
struct ProductEntry {
    QString code;
    QString name;
    QString variant;
    QString purchasePrice;
    QString salePrice;
    QString unit;
    QString pinyin;
    QString maker;
    QString remark;

    // Splits the stored name at its first "\" and shows the prices with two decimals.
    static ProductEntry fromProduct(const Product& product);

    // The name alone, or name\variant when the trimmed variant is not empty.
    QString storedName() const;
    // Code, name, pinyin and maker joined as typed: what every product look-up matches.
    QString searchKey() const;
};
