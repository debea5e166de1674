#pragma once

#include "data/Statement.h"

#include <QString>
#include <QStringList>
#include <QStringView>

struct sqlite3;

// One open, keyed connection to the shop database. Every failure throws DbError; a value a
// check of the schema refuses, or a number past Currency, throws Refusal.
class Database {
public:
    // Tells whether the data may have changed: it differs after any commit by another
    // connection (which the engine counts) or any row written through this one (which it
    // does not count in the same place).
    struct ChangeMark {
        qint64 otherConnections = 0;
        qint64 thisConnection = 0;
        bool operator==(const ChangeMark&) const = default;
    };

    // Opens an existing shop database; a file that lacks any of the shop's tables (empty,
    // garbage, another key), that a newer program made, or that cannot be written is refused
    // before a single byte of it is written.
    static Database open(const QString& path, const QString& key);
    // Opens a backup copy for reading only: it takes no lock and writes nothing, not even a
    // log beside it, so a copy on a write-protected stick reads as well as any.
    static Database openCopy(const QString& path, const QString& key);
    // Creates the file when it is missing; an existing file must already carry the key.
    static Database create(const QString& path, const QString& key);

    Database(Database&& other) noexcept;
    Database& operator=(Database&& other) noexcept;
    Database(const Database&) = delete;
    Database& operator=(const Database&) = delete;
    ~Database();

    // Statement texts come as literals (QStringView) or composed from fixed pieces (QString).
    Statement prepare(QStringView sql);
    Statement prepare(const QString& sql) { return prepare(QStringView(sql)); }

    // Runs one statement with its bound values and returns the number of rows it changed.
    template <typename... Values> int exec(QStringView sql, const Values&... values) {
        Statement statement = prepare(sql);
        statement.bindAll(values...);
        statement.run();
        return changes();
    }

    template <typename... Values> int exec(const QString& sql, const Values&... values) {
        return exec(QStringView(sql), values...);
    }

    // Runs several statements that take no values (schema scripts).
    void execScript(QStringView sql);

    // A consistent copy of the whole database, written while it stays open. The copy is the
    // file's own bytes when the file alone holds every commit, else a page-by-page backup.
    void backupTo(const QString& path, const QString& key);

    // Moves the committed log into the file and empties the log, without waiting for another
    // program's reader or writer. True when the file now holds every commit.
    bool checkpoint();

    enum class Check { Quick, Full };
    // The engine's own check of every page (Full: and of every index against its table); what
    // it found wrong, nothing when the file is whole.
    QStringList integrityProblems(Check check);

    // Lets the file go; nothing may be asked of the connection until a database is moved in.
    void close() noexcept;
    // Lets the file go at once, log and all; false, with the connection left open, while a
    // statement of it lives on (closed later, it would delete a log by name that is no longer
    // its own).
    bool closeNow();
    bool isOpen() const { return m_handle != nullptr; }

    int changes() const;
    bool inTransaction() const;
    ChangeMark changeMark();
    QString path() const { return m_path; }

private:
    Database(sqlite3* handle, QString path);
    static Database connect(const QString& path, const QString& key, int flags);
    void requireShopTables();
    void requireKnownVersion();
    bool copyFileTo(const QString& path);
    void pageBackupTo(const QString& path, const QString& key);

    sqlite3* m_handle = nullptr;
    QString m_path;
};
