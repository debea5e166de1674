#pragma once

#include <QString>
#include <QStringView>

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

// An ORDER BY term that sorts a text column in pinyin order (the collation the engine
// registers on every connection).
inline QString pinyinOrder(QStringView column) {
    return u'[' + column + u"] COLLATE zh";
}

// An ORDER BY term that keeps the engine from walking the column's index: for a filtered list,
// scanning the table and sorting the matches is several times faster than visiting every row
// in index order.
inline QString orderWithoutIndex(QStringView column) {
    return u"+[" + column + u']';
}

} // namespace SqlDialect
