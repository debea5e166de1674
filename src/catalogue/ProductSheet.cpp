#include "catalogue/ProductSheet.h"

#include "catalogue/ProductEntry.h"
#include "catalogue/ProductField.h"
#include "sheets/SheetCells.h"
#include "sheets/SheetFile.h"

namespace ProductSheet {
namespace {

lxw_col_t column(ProductField field) {
    return lxw_col_t(field);
}

void layOut(const QList<Product>& products, SheetCells& cells) {
    for (const ProductField field : ProductFields)
        cells.text(0, column(field), captionOf(field));
    lxw_row_t row = 1;
    for (const Product& product : products) {
        const ProductEntry entry = ProductEntry::fromProduct(product);
        cells.text(row, column(ProductField::Code), product.code);
        cells.text(row, column(ProductField::Name), entry.name);
        cells.text(row, column(ProductField::Variant), entry.variant);
        cells.text(row, column(ProductField::Unit), product.unit);
        // The prices as stored, to the fourth decimal: shown with two, read back exactly.
        cells.money(row, column(ProductField::PurchasePrice), product.purchasePrice);
        cells.money(row, column(ProductField::SalePrice), product.salePrice);
        cells.text(row, column(ProductField::Maker), product.maker);
        cells.number(row, column(ProductField::Stock), product.stock);
        cells.text(row, column(ProductField::Pinyin), product.pinyin);
        cells.text(row, column(ProductField::Remark), product.remark);
        ++row;
    }
    const std::pair<ProductField, double> widths[] = {
        {ProductField::Code, 16},  {ProductField::Name, 24},   {ProductField::Variant, 12},
        {ProductField::Maker, 16}, {ProductField::Pinyin, 10}, {ProductField::Remark, 16}};
    for (const auto& [field, width] : widths)
        cells.columnWidth(column(field), width);
}

} // namespace

QString write(const QString& path, const QList<Product>& products) {
    return SheetFile::write(path, [&](SheetCells& cells) { layOut(products, cells); });
}

} // namespace ProductSheet
