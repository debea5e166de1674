#pragma once

#include "checkout/Cart.h"
#include "checkout/PaymentMethod.h"

#include <QDate>
#include <QDateTime>
#include <QList>
#include <QString>

#include <optional>

class Database;
class Sale;

// A stored sale as the history lists it.
struct SaleSummary {
    QString number;
    QDate date;
    PaymentMethod payment = PaymentMethod::Cash;
};

// A stored sale as it comes back onto the screen.
struct StoredSale {
    Cart cart;
    QString received;
    QString change;
    PaymentMethod payment = PaymentMethod::Cash;
};

// The stored sales: their numbers, their order rows and sale lines, and the record of every
// correction and deletion ([销售修改]) that the day's cash-up reads. Stock moves through the
// stock ledger. Every write is one transaction; failures throw DbError, refusals Refusal, and
// both leave the database unchanged.
class SaleBook {
public:
    static constexpr int MaxLines = 999;
    static constexpr int MaxSalesPerDay = 9999;

    explicit SaleBook(Database& database)
        : m_database(database) {}

    // "A" + yymmdd + "-" + the day's highest stored counter + 1; none when the day is full.
    std::optional<QString> nextSaleNumber(QDate day);
    // The sale number followed by the line's position as three digits from 000.
    static QString lineNumber(const QString& saleNumber, int position);

    // Replaces what was stored under the sale's number: stock of the stored lines given back,
    // the cart's lines written and their stock taken. Saving over a stored sale is a
    // correction, recorded at the given moment with the totals before and after.
    void save(const Sale& sale, const QDateTime& at);
    // Stores how a saved sale was paid (实收, 找零, 付款) and nothing else.
    void settle(const QString& saleNumber, const QString& received, const QString& change,
                PaymentMethod payment);
    // The stored sale, its lines in the order they were written.
    StoredSale load(const QString& saleNumber);
    // Gives the stock of the sale's lines back and removes the sale, recording the deletion.
    void remove(const QString& saleNumber, const QDateTime& at);

    // The sales of a date range, newest number first.
    QList<SaleSummary> history(QDate from, QDate to);

private:
    static void checkAmounts(const QString& received, const QString& change);
    Decimal storedTotal(const QString& saleNumber);
    void recordChange(const QString& saleNumber, const QDateTime& at, Decimal before,
                      std::optional<Decimal> after);

    Database& m_database;
};
