#pragma once

#include "checkout/PickEntry.h"

#include <QList>
#include <QStringView>

class Database;

// The sales screen's product search: products whose search key contains the text, in
// pinyin order of their names, at most MaxEntries of them.
class ProductLookup {
public:
    static constexpr int MaxEntries = 200;
    // Up to this many matches are sorted by themselves rather than found along the index.
    static constexpr int FewMatches = 400;

    explicit ProductLookup(Database& database)
        : m_database(database) {}

    // "%" and "_" in the text act as wildcards. Throws DbError.
    QList<PickEntry> search(QStringView text);

    // 名称 + "[" + trimmed 厂家 + "]", with every "[]" removed.
    static QString entryText(const QString& name, const QString& maker);

private:
    Database& m_database;
};
