#include "data/Transaction.h"

#include "data/Database.h"

using namespace Qt::Literals::StringLiterals;

Transaction::Transaction(Database& database)
    : m_database(database)
    , m_nested(database.inTransaction()) {
    m_database.execScript(m_nested ? u"SAVEPOINT nested;" : u"BEGIN IMMEDIATE;");
}

Transaction::~Transaction() {
    if (!m_open)
        return;
    try {
        m_database.execScript(m_nested ? u"ROLLBACK TO nested; RELEASE nested;" : u"ROLLBACK;");
    } catch (...) {
        // The engine already rolled back (the statement failed) or the connection is gone.
    }
}

void Transaction::commit() {
    m_database.execScript(m_nested ? u"RELEASE nested;" : u"COMMIT;");
    m_open = false;
}
