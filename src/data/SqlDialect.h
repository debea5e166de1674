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

// The same bound for a prefix that is another table's column in a join, as a statement
// expression: the column with its last character raised by one.
inline QString prefixEndOf(const QString& column) {
    return u"substr(" + column + u", 1, length(" + column + u") - 1) || char(unicode(substr(" +
           column + u", -1)) + 1)";
}

// Goes after a table of a FROM clause to read it through the named index: without statistics
// the planner may build a temporary index of its own instead, once per statement.
inline QString throughIndex(const QString& index) {
    return u" INDEXED BY [" + index + u']';
}

// A column that orders a table's rows as they were inserted, the later row the larger.
inline QString insertOrder() {
    return QStringLiteral("rowid");
}

} // namespace SqlDialect
