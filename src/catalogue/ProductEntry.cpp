#include "catalogue/ProductEntry.h"

using namespace Qt::Literals::StringLiterals;

ProductEntry ProductEntry::fromProduct(const Product& product) {
    ProductEntry entry;
    entry.code = product.code;
    const qsizetype separator = product.name.indexOf(u'\\');
    entry.name = separator < 0 ? product.name : product.name.left(separator);
    entry.variant = separator < 0 ? QString() : product.name.mid(separator + 1);
    entry.purchasePrice = product.purchasePrice.moneyText();
    entry.salePrice = product.salePrice.moneyText();
    entry.unit = product.unit;
    entry.pinyin = product.pinyin;
    entry.maker = product.maker;
    entry.remark = product.remark;
    return entry;
}

QString ProductEntry::storedName() const {
    if (variant.trimmed().isEmpty())
        return name;
    return name + u'\\' + variant;
}

QString ProductEntry::searchKey() const {
    return code + name + pinyin + maker;
}
