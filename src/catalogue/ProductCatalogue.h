#pragma once

#include "catalogue/PickEntry.h"
#include "catalogue/PinyinOrder.h"
#include "catalogue/Product.h"
#include "data/Database.h"

#include <QByteArray>
#include <QList>
#include <QStringList>
#include <QStringView>

#include <functional>
#include <utility>
#include <vector>

class LikePattern;

// Every screen's product search. The whole of [商品] is held in memory in pinyin order of the
// names, so a keystroke costs a walk over the loaded rows rather than a query, and the order
// needs no collation in the database file. The rows are read again before a search whenever
// the database changed since they were read, through this connection or any other.
// A search text matches as "[查询] LIKE '%text%'" would: "%" and "_" stay wildcards.
// Every failing database call throws DbError.
class ProductCatalogue {
public:
    // The pick lists of the sales and stock screens show at most this many products.
    static constexpr int PickLimit = 200;
    // The product list refuses more matches than this rather than listing them.
    static constexpr int ListLimit = 30000;

    struct ListResult {
        QList<Product> products; // newest first
        bool tooMany = false;    // then products is empty
    };

    struct Ranked {
        qsizetype given; // position in the pairs asked for
        Product product; // as last read: the stock may have moved since
    };

    explicit ProductCatalogue(Database& database);

    // The first matches in pinyin order of their names.
    QList<PickEntry> pickList(QStringView text);
    // The products whose 编号 is exactly the text, in pinyin order of their names.
    QList<PickEntry> withCode(QStringView code);
    // Every match, newest ID first.
    ListResult newestFirst(QStringView text);
    // The products with these IDs and names in the order every product list shows them:
    // pinyin order of names. For lists that choose their products by statement; the name tells
    // apart products that share an ID. A pair given twice takes the catalogue's rows of that
    // pair in turn; pairs the catalogue lacks are left out.
    QList<Ranked> inNameOrder(const QList<std::pair<QString, QString>>& idsAndNames);

    // 名称 + "[" + trimmed 厂家 + "]", with every "[]" removed.
    static QString pickText(const QString& name, const QString& maker);

private:
    struct Row {
        Product product;
        QByteArray nameKey; // empty for a NULL 名称, which sorts first
    };
    // 查询 folded for LikePattern, for row i at the same index. The keys lie one after the
    // other in one text, so a search over 100,000 of them reads memory in order.
    struct Key {
        QStringView folded;
        bool present = false; // a NULL 查询 matches no pattern, not even "%%"
    };

    static PickEntry entryOf(const Product& product);
    void refreshWhenChanged();
    void load();
    // Calls visit with each matching row in pinyin order until it returns false.
    void forEachMatch(const LikePattern& pattern,
                      const std::function<bool(qsizetype)>& visit) const;

    Database& m_database;
    PinyinOrder m_order;
    std::vector<Row> m_rows; // pinyin order of 名称
    QString m_keyText;
    std::vector<Key> m_keys;
    std::vector<qsizetype> m_newest; // indexes into m_rows, newest ID first
    bool m_loaded = false;
    Database::ChangeMark m_loadedMark;
    qint64 m_loadedVersion = 0; // [商品版本] as of the last read
};
