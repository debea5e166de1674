#pragma once

#include "data/Database.h"

#include <QString>
#include <QTemporaryDir>

#include <optional>

// A throw-away shop: a temporary folder holding a fresh copy of the template database,
// opened with the shop password.
class TempShop {
public:
    TempShop();

    Database& db() { return *m_database; }
    QString folder() const { return m_folder.path(); }
    QString databasePath() const;
    // Closes and reopens the connection, as a restart of the program would.
    void reopen();

private:
    QTemporaryDir m_folder;
    std::optional<Database> m_database;
};
