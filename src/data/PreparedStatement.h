#pragma once

#include "data/Statement.h"

#include <QString>

#include <optional>

class Database;

// A statement a book runs once per row of a larger write: prepared on first use, reset for
// every later one, so ten thousand rows cost one preparation.
class PreparedStatement {
public:
    PreparedStatement(Database& database, QString sql)
        : m_database(database)
        , m_sql(std::move(sql)) {}

    // Ready for binding: no values bound and no row read yet.
    Statement& operator()();

private:
    Database& m_database;
    QString m_sql;
    std::optional<Statement> m_statement;
};
