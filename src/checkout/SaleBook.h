#pragma once

#include <QDate>
#include <QString>
#include <QStringList>

#include <optional>

class Cart;
class Database;

// The stored sales: their numbers, their order rows and sale lines, and the stock they take.
// Every write is one transaction; failures throw DbError and leave the database unchanged.
class SaleBook {
public:
    static constexpr int MaxLines = 999;
    static constexpr int MaxSalesPerDay = 9999;
    static constexpr int NameWidth = 50;   // [出入库].[名称]
    static constexpr int AmountWidth = 10; // [订单].[实收] and [找零]

    explicit SaleBook(Database& database)
        : m_database(database) {}

    // "A" + yymmdd + "-" + the day's highest stored counter + 1; none when the day is full.
    std::optional<QString> nextSaleNumber(QDate day);
    // The sale number followed by the line's position as three digits from 000.
    static QString lineNumber(const QString& saleNumber, int position);

    // Replaces what was stored under the number: stock of the stored lines given back,
    // the cart's lines written and their stock taken.
    void save(const QString& saleNumber, QDate date, const Cart& cart, const QString& received,
              const QString& change);
    // The stored lines of a sale, in the order they were written.
    Cart load(const QString& saleNumber);
    // Gives the stock of the sale's lines back and removes the sale.
    void remove(const QString& saleNumber);

    // ID号 + "[" + 日期 + "]" of the sales of a date range, newest number first.
    QStringList history(QDate from, QDate to);
    // The sale number of a history entry: its text up to the first "[".
    static QString saleNumberOf(const QString& entry);

private:
    void giveBackStoredLines(const QString& saleNumber);
    void writeLines(const QString& saleNumber, QDate date, const Cart& cart);

    Database& m_database;
};
