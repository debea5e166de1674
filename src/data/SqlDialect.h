#pragma once

#include <QString>

// The few pieces of statement text that belong to this database engine.
namespace SqlDialect {

// Keeps the first rows of a query; goes at the end of the statement, after any ORDER BY.
inline QString firstRows(int count) {
    return u" LIMIT " + QString::number(count);
}

} // namespace SqlDialect
