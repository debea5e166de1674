#pragma once

#include <QString>
#include <QStringView>

// The few pieces of statement text that belong to this database engine.
namespace SqlDialect {

// Keeps the first rows of a query; goes at the end of the statement, after any ORDER BY.
inline QString firstRows(int count) {
    return u" LIMIT " + QString::number(count);
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
