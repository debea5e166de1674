#include "shopfile/QuietCheckpoint.h"

#include "data/DbError.h"

QuietCheckpoint::QuietCheckpoint(Database& database, QObject* parent)
    : QObject(parent)
    , m_database(database)
    , m_checkpointed(database.changeMark()) {
    connect(&m_timer, &QTimer::timeout, this, &QuietCheckpoint::checkpointWhenChanged);
    m_timer.start(IntervalMs);
}

void QuietCheckpoint::checkpointWhenChanged() {
    // A dialog inside a save runs the event loop while its transaction is open.
    if (m_database.inTransaction())
        return;
    try {
        const Database::ChangeMark mark = m_database.changeMark();
        if (mark == m_checkpointed)
            return;
        // What another program's reader still needs stays in the log until the next time.
        if (m_database.checkpoint())
            m_checkpointed = mark;
    } catch (const DbError&) {
        // The saved data is safe in the log; the next quiet moment tries again.
    }
}
