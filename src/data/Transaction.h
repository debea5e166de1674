#pragma once

class Database;

// All writes of one user action land together: commit() or, on leaving scope, roll back.
// Inside another transaction it is a savepoint, so a book's own write can join a larger save.
class Transaction {
public:
    explicit Transaction(Database& database);
    Transaction(const Transaction&) = delete;
    Transaction& operator=(const Transaction&) = delete;
    ~Transaction();

    void commit();

private:
    Database& m_database;
    bool m_open = true;
    bool m_nested;
};
