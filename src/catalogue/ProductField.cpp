#include "catalogue/ProductField.h"

using namespace Qt::Literals::StringLiterals;

QString captionOf(ProductField field) {
    switch (field) {
    case ProductField::Code:
        return u"编号\\条码"_s;
    case ProductField::Name:
        return u"名称"_s;
    case ProductField::Variant:
        return u"规格"_s;
    case ProductField::Unit:
        return u"单位"_s;
    case ProductField::PurchasePrice:
        return u"进价"_s;
    case ProductField::SalePrice:
        return u"售价"_s;
    case ProductField::Maker:
        return u"厂家"_s;
    case ProductField::Stock:
        return u"库存"_s;
    case ProductField::Pinyin:
        return u"拼音"_s;
    case ProductField::Remark:
        break;
    }
    return u"备注"_s;
}
