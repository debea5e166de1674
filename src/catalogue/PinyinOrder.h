#pragma once

#include <QByteArray>
#include <QStringView>

struct UCollator;

// The order a Chinese reader expects of product names: pinyin, by ICU's "zh" collation. Names
// are compared through their sort keys, which order byte by byte as the names collate.
class PinyinOrder {
public:
    PinyinOrder(); // throws DbError when ICU has no "zh" collation
    PinyinOrder(const PinyinOrder&) = delete;
    PinyinOrder& operator=(const PinyinOrder&) = delete;
    ~PinyinOrder();

    QByteArray sortKey(QStringView name) const;

private:
    UCollator* m_collator;
};
