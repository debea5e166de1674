#pragma once

#include "checkout/Cart.h"
#include "data/ColumnWidth.h"

#include <QDate>
#include <QList>
#include <QString>

#include <optional>

class Database;
class Sale;

// A stored sale as the history lists it.
struct SaleSummary {
    QString number;
    QDate date;
};

// The stored sales: their numbers, their order rows and sale lines. Stock moves through the
// stock ledger. Every write is one transaction; failures throw DbError, refusals Refusal, and
// both leave the database unchanged.
class SaleBook {
public:
    static constexpr int MaxLines = 999;
    static constexpr int MaxSalesPerDay = 9999;
    static constexpr int AmountWidth = ColumnWidth::of(u"订单", u"实收"); // and [找零]

    explicit SaleBook(Database& database)
        : m_database(database) {}

    // "A" + yymmdd + "-" + the day's highest stored counter + 1; none when the day is full.
    std::optional<QString> nextSaleNumber(QDate day);
    // The sale number followed by the line's position as three digits from 000.
    static QString lineNumber(const QString& saleNumber, int position);

    // Replaces what was stored under the sale's number: stock of the stored lines given back,
    // the cart's lines written and their stock taken.
    void save(const Sale& sale);
    // The stored lines of a sale, in the order they were written.
    Cart load(const QString& saleNumber);
    // Gives the stock of the sale's lines back and removes the sale.
    void remove(const QString& saleNumber);

    // The sales of a date range, newest number first.
    QList<SaleSummary> history(QDate from, QDate to);

private:
    Database& m_database;
};
