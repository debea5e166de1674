#pragma once

#include "catalogue/Product.h"
#include "catalogue/ProductEntry.h"
#include "data/PreparedStatement.h"

#include <QList>
#include <QString>

#include <optional>

class Database;

// The reads and writes of single products (ProductCatalogue finds them); the one writer of
// their prices. Every failing database call throws DbError, a value it will not store throws
// Refusal; every write is one transaction.
class ProductBook {
public:
    enum class SaveResult { Created, Updated, NameMissing };

    explicit ProductBook(Database& database);

    std::optional<Product> load(const QString& id);
    // Every product, in the table's order.
    QList<Product> all();
    bool exists(const QString& id);
    // Updates the product with this ID, or adds it with no stock when there is none yet.
    // A price past what the column holds is refused, naming the box.
    SaveResult save(const QString& id, const ProductEntry& entry);
    // New purchase and sale prices, as a stock-in or return brings them.
    void setPrices(const QString& id, Decimal purchasePrice, Decimal salePrice);
    void remove(const QString& id);

private:
    Database& m_database;
    // Prepared once per book: an import saves thousands of products.
    PreparedStatement m_exists;
    PreparedStatement m_insert;
    PreparedStatement m_update;
};
