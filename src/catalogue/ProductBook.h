#pragma once

#include "catalogue/Product.h"
#include "catalogue/ProductEntry.h"

#include <QList>
#include <QString>

#include <optional>

class Database;

// The product catalogue as the maintenance screen sees it. Every failing database call throws
// DbError; every write is one transaction.
class ProductBook {
public:
    // More matches than this are refused rather than listed.
    static constexpr int SearchLimit = 30000;

    struct SearchResult {
        QList<Product> products; // newest first
        bool tooMany = false;    // then products is empty
    };

    enum class SaveResult { Created, Updated, NameMissing };

    explicit ProductBook(Database& database);

    // Products whose search key contains the text ("%" and "_" stay wildcards).
    SearchResult search(const QString& text);
    std::optional<Product> load(const QString& id);
    bool exists(const QString& id);
    // Updates the product with this ID, or adds it with no stock when there is none yet.
    SaveResult save(const QString& id, const ProductEntry& entry);
    void remove(const QString& id);

private:
    Database& m_database;
};
