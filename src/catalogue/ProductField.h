#pragma once

#include <QString>

#include <array>

// The product columns a spreadsheet carries in and out, in the order the export writes them.
enum class ProductField {
    Code,
    Name,
    Variant,
    Unit,
    PurchasePrice,
    SalePrice,
    Maker,
    Stock,
    Pinyin,
    Remark
};

inline constexpr std::array<ProductField, 10> ProductFields = {
    ProductField::Code,  ProductField::Name,          ProductField::Variant,
    ProductField::Unit,  ProductField::PurchasePrice, ProductField::SalePrice,
    ProductField::Maker, ProductField::Stock,         ProductField::Pinyin,
    ProductField::Remark};

// "编号\条码", "名称", "规格", …: the column's header, as the product screen names it.
QString captionOf(ProductField field);
