#include "data/Transaction.h"

#include "data/Database.h"

using namespace Qt::Literals::StringLiterals;

Transaction::Transaction(Database& database)
    : m_database(database) {
    m_database.execScript(u"BEGIN IMMEDIATE;");
}

Transaction::~Transaction() {
    if (!m_open)
        return;
    try {
        m_database.execScript(u"ROLLBACK;");
    } catch (...) {
        // The engine already rolled back (the statement failed) or the connection is gone.
    }
}

void Transaction::commit() {
    m_database.execScript(u"COMMIT;");
    m_open = false;
}
