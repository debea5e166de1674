#pragma once

#include "data/Database.h"
#include "data/Decimal.h"
#include "data/Transaction.h"

#include <QString>
#include <QStringList>

#include <random>

// Products and whole-table snapshots for the checkout tests and benchmarks.
namespace ProductFixture {

using namespace Qt::Literals::StringLiterals;

struct Product {
    QString id;
    QString name;
    QString maker;
    Decimal price;
    Decimal stock;
};

inline void add(Database& db, const Product& p) {
    db.exec(u"INSERT INTO [商品] ([ID号], [查询], [编号], [名称], [拼音], [单位], [进价], [售价], "
            u"[厂家], [库存]) VALUES (?, ?, ?, ?, '', '包', ?, ?, ?, ?)",
            p.id, u'A' + p.id + p.name + p.maker, u'A' + p.id, p.name,
            p.price - Decimal::fromInt(1), p.price, p.maker, p.stock);
}

// Barcode of product i of a stem: stems are told apart by their length.
inline QString barcode(const QString& stem, int i) {
    return u"69"_s + QString::number(stem.size()) + QString::number(i).rightJustified(10, u'0');
}

// count products named stem + a zero-padded number, inserted in shuffled order, with
// 13-digit barcodes "69" + 11 digits as codes and IDs.
inline void addNumbered(Database& db, int count, const QString& stem) {
    std::vector<int> order(count);
    for (int i = 0; i < count; ++i)
        order[i] = i;
    std::shuffle(order.begin(), order.end(), std::mt19937(7));
    Transaction transaction(db);
    for (const int i : order) {
        add(db, {barcode(stem, i), stem + QString::number(i).rightJustified(6, u'0'), u"厂"_s,
                 Decimal::fromInt(10 + i % 90), Decimal::fromInt(50)});
    }
    transaction.commit();
}

// The first column of every row a query returns, as text.
inline QStringList rows(Database& db, const QString& sql) {
    Statement query = db.prepare(sql);
    QStringList result;
    while (query.next())
        result.append(query.text(0));
    return result;
}

// Every row of every table as text, to tell whether anything changed.
inline QString snapshot(Database& db) {
    QString dump;
    for (const QString& table : {u"商品"_s, u"出入库"_s, u"订单"_s, u"设置"_s}) {
        const QString info = u"PRAGMA table_info([" + table + u"])";
        Statement columns = db.prepare(info);
        QStringList quoted;
        while (columns.next())
            quoted.append(u"quote([" + columns.text(1) + u"])");
        const QString select =
            u"SELECT " + quoted.join(u" || ',' || ") + u" FROM [" + table + u"] ORDER BY rowid";
        Statement rows = db.prepare(select);
        while (rows.next())
            dump += table + u':' + rows.text(0) + u'\n';
    }
    return dump;
}

} // namespace ProductFixture
