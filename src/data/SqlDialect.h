#pragma once

#include <QString>

// The few pieces of statement text that belong to this database engine.
namespace SqlDialect {

// Keeps the first rows of a query; goes at the end of the statement, after any ORDER BY.
inline QString firstRows(int count) {
    return u" LIMIT " + QString::number(count);
}

// The rows whose text column begins with the prefix are those from the prefix up to, not
// including, this bound: a range that the column's index serves, where LIKE would scan.
inline QString prefixEnd(const QString& prefix) {
    QString end = prefix;
    if (!end.isEmpty())
        end.back() = QChar(end.back().unicode() + 1);
    return end;
}

// A column that orders a table's rows as they were inserted, the later row the larger.
inline QString insertOrder() {
    return QStringLiteral("rowid");
}

} // namespace SqlDialect
