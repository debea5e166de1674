#pragma once

#include "checkout/ReceiptRoute.h"

class Database;

// The receipt route in its own table, apart from the row of [设置]; the table keeps the name
// [小票驱动] that stored files know it by. Every failure of the database throws DbError.
class ReceiptRouteBook {
public:
    explicit ReceiptRouteBook(Database& database)
        : m_database(database) {}

    // The stored settings; the defaults while none are stored.
    ReceiptRoute read() const;
    // Replaces the stored settings; the caller's transaction makes it part of its save.
    void write(const ReceiptRoute& route);

private:
    Database& m_database;
};
