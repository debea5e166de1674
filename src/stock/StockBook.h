#pragma once

#include "base/StampAllocator.h"
#include "catalogue/ProductBook.h"
#include "data/ColumnWidth.h"
#include "data/Decimal.h"
#include "data/PreparedStatement.h"
#include "stock/Movement.h"
#include "stock/StockLedger.h"

#include <QDate>
#include <QDateTime>
#include <QList>
#include <QString>

#include <optional>

class Database;

// The product a pick filled the entry boxes with, and the movement number and date fixed then.
struct StockPick {
    QString productId;
    QString code;
    QString name;
    QString unit;
    QString maker;
    Decimal purchasePrice;
    Decimal salePrice;
    QString number;
    QDate date;
};

// The entry boxes as the clerk left them; the book reads the numbers out of them.
struct StockEntry {
    QString name;
    QString unit;
    QString maker;
    QString number;
    QString date;
    QString quantity;
    QString purchasePrice;
    QString salePrice;
    QString amount;
    QString remark;
};

// One booked stock-in or return as the list shows it.
struct StockRow {
    QString productId;
    QString date; // as stored, "yyyy-mm-dd": a list of 30,000 rows reads it without parsing
    QString number;
    QString name;
    QString maker;
    QString unit;
    std::optional<Decimal> quantity;
    std::optional<Decimal> purchasePrice;
    std::optional<Decimal> salePrice;
    std::optional<Decimal> amount;
    std::optional<Decimal> stock;
    QString remark;
};

// Stock received ("入库") or goods returned ("出库"): picks, books, deletes and lists the
// movements of one kind. Stock moves only through the ledger, prices only through the product
// book; every write is one transaction. Failing database calls throw DbError, values it will
// not store Refusal.
class StockBook {
public:
    static constexpr int RowLimit = 30000;
    static constexpr int RemarkWidth = ColumnWidth::of(u"出入库", u"备注");

    enum class SaveResult { Saved, NameMissing };

    struct QueryResult {
        QList<StockRow> rows; // newest number first
        bool tooMany = false; // then rows is empty
    };

    StockBook(Database& database, MovementKind kind);

    MovementKind kind() const { return m_kind; }
    // "B" for stock-in, "C" for returns.
    QChar prefix() const;

    // The next free movement number of this kind at or after the moment: prefix + time stamp.
    QString allocateNumber(const QDateTime& moment);
    // Reads the product and numbers a movement for it; the product becomes the chosen one.
    // None when the product is gone.
    std::optional<StockPick> pick(const QString& productId, const QDateTime& now);
    // Books the entry against the chosen product, whose name must still be the name typed.
    // Its typed prices become the product's prices; a price box still showing the picked
    // price keeps that price to its last stored decimal. A number or a stock past what
    // Currency holds is refused, naming the box.
    SaveResult save(const StockEntry& entry);

    // The name of the movement with this number, none when there is no such movement.
    std::optional<QString> movementName(const QString& number);
    // Removes the movement and undoes what it did to the stock.
    void remove(const QString& number);

    // The movements of this kind whose name matches like "%filter%", dated within both bounds.
    QueryResult query(const QString& nameFilter, QDate from, QDate to);

private:
    struct Chosen {
        QString productId;
        QString code;
        Decimal purchasePrice;
        Decimal salePrice;
    };

    bool numberTaken(const QString& number);

    Database& m_database;
    MovementKind m_kind;
    StockLedger m_ledger;
    ProductBook m_products;
    PreparedStatement m_numberTaken;
    StampAllocator m_numbers;
    std::optional<Chosen> m_chosen;
};
