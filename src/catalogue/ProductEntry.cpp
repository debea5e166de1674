#include "catalogue/ProductEntry.h"

#include "catalogue/Pinyin.h"
#include "data/ColumnWidth.h"
#include "data/TextCut.h"

using namespace Qt::Literals::StringLiterals;

QString ProductEntry::pinyinOf(const QString& name) {
    return PinyinCode(name.trimmed());
}

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

QString ProductEntry::joinedName() const {
    return variant.trimmed().isEmpty() ? name : name + u'\\' + variant;
}

QString ProductEntry::storedName() const {
    return TextCut::leading(joinedName(), ColumnWidth::of(u"商品", u"名称"));
}

QString ProductEntry::storedPinyin() const {
    return TextCut::leading(pinyin, ColumnWidth::of(u"商品", u"拼音"));
}

QString ProductEntry::searchKey() const {
    return TextCut::leading(code + name + storedPinyin() + maker,
                            ColumnWidth::of(u"商品", u"查询"));
}
