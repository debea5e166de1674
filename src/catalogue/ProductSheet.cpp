#include "catalogue/ProductSheet.h"

#include "catalogue/ProductEntry.h"
#include "catalogue/ProductField.h"
#include "sheets/WorkbookWriter.h"

namespace ProductSheet {

QString write(const QString& path, const QList<Product>& products) {
    using Style = WorkbookWriter::Style;
    WorkbookWriter sheet;
    for (const ProductField field : ProductFields)
        sheet.text(0, int(field), captionOf(field));
    int row = 1;
    for (const Product& product : products) {
        const ProductEntry entry = ProductEntry::fromProduct(product);
        const auto text = [&](ProductField field, const QString& value) {
            sheet.text(row, int(field), value);
        };
        text(ProductField::Code, product.code);
        text(ProductField::Name, entry.name);
        text(ProductField::Variant, entry.variant);
        text(ProductField::Unit, product.unit);
        // The prices as stored, to the fourth decimal: shown with two, read back exactly.
        sheet.number(row, int(ProductField::PurchasePrice), product.purchasePrice, Style::Money);
        sheet.number(row, int(ProductField::SalePrice), product.salePrice, Style::Money);
        text(ProductField::Maker, product.maker);
        sheet.number(row, int(ProductField::Stock), product.stock);
        text(ProductField::Pinyin, product.pinyin);
        text(ProductField::Remark, product.remark);
        ++row;
    }
    const std::pair<ProductField, double> widths[] = {
        {ProductField::Code, 16},  {ProductField::Name, 24},   {ProductField::Variant, 12},
        {ProductField::Maker, 16}, {ProductField::Pinyin, 10}, {ProductField::Remark, 16}};
    for (const auto& [field, width] : widths)
        sheet.setColumnWidth(int(field), width);
    return sheet.save(path);
}

} // namespace ProductSheet
