#pragma once

#include "data/ColumnWidth.h"
#include "data/PreparedStatement.h"
#include "data/Statement.h"
#include "stock/Movement.h"

#include <QString>

#include <optional>

class Database;

// The one writer of [出入库] and of [商品].[库存]. Each operation runs inside the caller's
// transaction, so the product row and the movement rows of one user action land together.
// Failures throw DbError; a stock that would pass what Currency holds throws Refusal.
class StockLedger {
public:
    static constexpr int NameWidth = ColumnWidth::of(u"出入库", u"名称");

    explicit StockLedger(Database& database);

    static QString categoryOf(MovementKind kind);

    // Moves the product's stock by the quantity in the kind's direction and writes the
    // movement with the stock after it. A product that is gone moves no stock and the row
    // records none.
    void book(const Movement& movement);

    // Undoes the stock of every movement with this number and removes them.
    void reverse(const QString& number);
    // The same for the lines of a sale, numbered sale number + position.
    void reverseSaleLines(const QString& saleNumber);

    // Sets the product's stock to the counted quantity; returns the stock it had on the
    // books, or none when the product is gone.
    std::optional<Decimal> setCounted(const QString& productId, Decimal counted);

private:
    struct StockedProduct {
        std::optional<Decimal> purchasePrice;
        QString maker;
        Decimal stock;
    };

    std::optional<StockedProduct> product(const QString& productId);
    void setStock(const QString& productId, Decimal stock);
    void reverseRows(Statement& rows);

    Database& m_database;
    // Prepared once per ledger: a sale books each line alike.
    PreparedStatement m_readProduct;
    PreparedStatement m_writeStock;
    PreparedStatement m_insertMovement;
};
