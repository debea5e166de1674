#pragma once

#include "data/Database.h"

#include <QObject>
#include <QTimer>

// Empties the write-ahead log into the database file a moment after anything was saved, so
// the file stays nearly current and the log small without holding up the save itself.
class QuietCheckpoint : public QObject {
    Q_OBJECT
public:
    static constexpr int IntervalMs = 2000;

    explicit QuietCheckpoint(Database& database, QObject* parent = nullptr);

private:
    void checkpointWhenChanged();

    Database& m_database;
    QTimer m_timer;
    Database::ChangeMark m_checkpointed;
};
