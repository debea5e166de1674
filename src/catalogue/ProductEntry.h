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

    // The code the pinyin field takes whenever the name changes: that of the trimmed name.
    static QString pinyinOf(const QString& name);
    // Splits the stored name at its first "\" and shows the prices with two decimals.
    static ProductEntry fromProduct(const Product& product);

    // The name alone, or name\variant when the trimmed variant is not empty.
    QString joinedName() const;
    // Composed texts are cut to their columns, so a long name never fails the save.
    QString storedName() const;
    // The pinyin code of a long name outgrows its column.
    QString storedPinyin() const;
    // Code, name, pinyin and maker joined as typed: what every product look-up matches.
    QString searchKey() const;
};
