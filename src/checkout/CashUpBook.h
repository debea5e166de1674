#pragma once

#include "checkout/CashUp.h"

class Database;

// Reads the cash-up of a range of days, both days included, from the stored sales and their
// lines, the stock received and returned, and the changes made to saved sales, all in one
// view of the file. Failures throw DbError.
class CashUpBook {
public:
    explicit CashUpBook(Database& database)
        : m_database(database) {}

    CashUp read(QDate from, QDate to);

private:
    void readSales(CashUp& cashUp);
    void readStock(CashUp& cashUp);
    void readChanges(CashUp& cashUp);

    Database& m_database;
};
