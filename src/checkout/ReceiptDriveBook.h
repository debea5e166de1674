#pragma once

#include "checkout/ReceiptDrive.h"

class Database;

// The receipt drive settings in [小票驱动], kept apart from the row of [设置]. Every failure
// of the database throws DbError.
class ReceiptDriveBook {
public:
    explicit ReceiptDriveBook(Database& database)
        : m_database(database) {}

    // The stored settings; the defaults while none are stored.
    ReceiptDrive read() const;
    // Replaces the stored settings; the caller's transaction makes it part of its save.
    void write(const ReceiptDrive& drive);

private:
    Database& m_database;
};
