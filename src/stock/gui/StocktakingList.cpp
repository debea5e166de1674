#include "stock/gui/StocktakingList.h"

void StocktakingList::setProducts(const QList<ListedStock>& products) {
    m_rows.clear();
    m_rows.reserve(products.size());
    for (const ListedStock& product : products)
        m_rows.append({product, QString(), QString()});
}

QList<StockCount> StocktakingList::counts() const {
    QList<StockCount> counts;
    for (const Row& row : m_rows) {
        if (!row.counted.trimmed().isEmpty())
            counts.append({row.product, Decimal::read(row.counted), row.remark});
    }
    return counts;
}

QStringList StocktakingList::texts(int record) const {
    const Row& row = m_rows.at(record);
    return {row.product.code,
            row.product.name,
            row.product.maker,
            row.product.unit,
            row.product.stock.plainText(),
            row.counted,
            row.remark};
}

void StocktakingList::edit(int record, int column, const QString& text) {
    if (column == Counted)
        m_rows[record].counted = text;
    else if (column == Remark)
        m_rows[record].remark = text;
}

QList<ListedStock> StocktakingList::products() const {
    QList<ListedStock> products;
    products.reserve(m_rows.size());
    for (const Row& row : m_rows)
        products.append(row.product);
    return products;
}
