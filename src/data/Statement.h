#pragma once

#include "data/Decimal.h"

#include <QDate>
#include <QString>

#include <optional>

struct sqlite3;
struct sqlite3_stmt;

// A prepared statement. Values go in only through bind; results are read by column index.
class Statement {
public:
    Statement(Statement&& other) noexcept;
    Statement& operator=(Statement&& other) noexcept;
    Statement(const Statement&) = delete;
    Statement& operator=(const Statement&) = delete;
    ~Statement();

    // Parameters are numbered from 1, as the engine does.
    void bind(int index, const QString& text);
    void bind(int index, const char16_t* text) { bind(index, QString::fromUtf16(text)); }
    void bind(int index, Decimal value);
    void bind(int index, QDate date);
    void bind(int index, qint64 value);
    void bind(int index, int value) { bind(index, static_cast<qint64>(value)); }
    template <typename T> void bind(int index, const std::optional<T>& value) {
        if (value)
            bind(index, *value);
        else
            bindNull(index);
    }
    void bindNull(int index);

    template <typename... Values> void bindAll(const Values&... values) {
        int index = 0;
        (bind(++index, values), ...);
    }

    // Steps to the next row; false when there is none left.
    bool next();
    // Steps until the statement is done (for writes).
    void run();
    void reset();

    // Columns are numbered from 0. A NULL reads as an empty text, 0, or no date.
    bool isNull(int column) const;
    QString text(int column) const;
    Decimal decimal(int column) const;
    std::optional<QDate> date(int column) const;
    qint64 integer(int column) const;

private:
    friend class Database;
    Statement(sqlite3* connection, sqlite3_stmt* handle);
    [[noreturn]] void fail() const;
    void check(int result) const;

    sqlite3* m_connection = nullptr;
    sqlite3_stmt* m_handle = nullptr;
};
