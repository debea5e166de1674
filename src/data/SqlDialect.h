#pragma once

#include <QString>
#include <QStringView>

// The few pieces of statement text that belong to this database engine.
namespace SqlDialect {

// An ORDER BY term that sorts a text column in pinyin order (the collation the engine
// registers on every connection).
inline QString pinyinOrder(QStringView column) {
    return u'[' + column + u"] COLLATE zh";
}

} // namespace SqlDialect
