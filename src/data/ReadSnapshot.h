#pragma once

class Database;

// Several reads that see the file as it was at the first of them: what is committed meanwhile,
// by this program or another, shows only to reads after the snapshot ends. Inside a write
// transaction the reads share its view already.
class ReadSnapshot {
public:
    explicit ReadSnapshot(Database& database);
    ReadSnapshot(const ReadSnapshot&) = delete;
    ReadSnapshot& operator=(const ReadSnapshot&) = delete;
    ~ReadSnapshot();

private:
    Database& m_database;
    bool m_own;
};
