#pragma once

#include "checkout/CashUp.h"

#include <QStringList>

class Database;

// Reads the cash-up of a range of days, both days included, from the stored sales and their
// lines, the stock received and returned, and the changes made to saved sales, all in one
// view of the file. Failures throw DbError.
class CashUpBook {
public:
    // How a sale can be paid, the till's default first; no stored method means the first.
    static inline const QStringList PaymentMethods = {
        QStringLiteral("现金"), QStringLiteral("微信"), QStringLiteral("支付宝"),
        QStringLiteral("银行卡"), QStringLiteral("其他")};

    explicit CashUpBook(Database& database)
        : m_database(database) {}

    CashUp read(QDate from, QDate to);

private:
    void readSales(CashUp& cashUp);
    void readStock(CashUp& cashUp);
    void readChanges(CashUp& cashUp);

    Database& m_database;
};
