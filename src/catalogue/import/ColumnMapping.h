#pragma once

#include "catalogue/ProductField.h"
#include "sheets/SheetRows.h"

#include <QList>
#include <QStringList>
#include <QStringView>

#include <optional>

// Which product field each column of a sheet fills. A column fills one field or none, and a
// field is filled from one column at most.
class ColumnMapping {
public:
    // The rows looked at for the header.
    static constexpr int HeaderSearchRows = 20;

    ColumnMapping() = default;

    // The field a header names: "品名" or "商品名称" the name, "货号" or "条码" the code,
    // "成本价" the purchase price, "零售价" the sale price, "供应商" the maker, and so on.
    static std::optional<ProductField> fieldOfHeader(QStringView header);
    // Each column takes the field its header names, unless a column before it took it.
    static ColumnMapping fromHeader(const QStringList& header, int columns);
    // Which of the first rows is the header: the one naming the most fields (the first of
    // equals); none when no row names any.
    static std::optional<qsizetype> headerRow(const SheetRows& rows);

    int columnCount() const { return int(m_fields.size()); }
    std::optional<ProductField> field(int column) const;
    std::optional<int> column(ProductField field) const;
    // The column now fills this field, or none; the column that filled it before stops.
    void assign(int column, std::optional<ProductField> field);

private:
    QList<std::optional<ProductField>> m_fields;
};
