#include "data/ReadSnapshot.h"

#include "data/Database.h"

ReadSnapshot::ReadSnapshot(Database& database)
    : m_database(database)
    , m_own(!database.inTransaction()) {
    // Deferred: no write lock, so a sale saved meanwhile is not kept waiting.
    if (m_own)
        m_database.execScript(u"BEGIN DEFERRED;");
}

ReadSnapshot::~ReadSnapshot() {
    if (!m_own)
        return;
    try {
        m_database.execScript(u"COMMIT;");
    } catch (...) {
        // Nothing was written; a read transaction the engine already ended has nothing to end.
    }
}
