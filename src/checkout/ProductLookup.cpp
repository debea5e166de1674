#include "checkout/ProductLookup.h"

#include "data/Database.h"
#include "data/SqlDialect.h"

using namespace Qt::Literals::StringLiterals;

QList<PickEntry> ProductLookup::search(QStringView text) {
    static const QString sql = u"SELECT [ID号], [编号], [名称], [单位], [售价], [厂家] FROM [商品] "
                               u"WHERE [查询] LIKE ?1 ORDER BY "_s +
                               SqlDialect::pinyinOrder(u"名称") + u" LIMIT ?2"_s;
    Statement query = m_database.prepare(sql);
    const QString pattern = u'%' + text + u'%';
    query.bindAll(pattern, MaxEntries);
    QList<PickEntry> entries;
    entries.reserve(MaxEntries);
    while (query.next()) {
        PickEntry entry;
        entry.productId = query.text(0);
        entry.code = query.text(1);
        entry.name = query.text(2);
        entry.unit = query.text(3);
        entry.price = query.decimal(4);
        entry.text = entryText(entry.name, query.text(5));
        entries.append(std::move(entry));
    }
    return entries;
}

QString ProductLookup::entryText(const QString& name, const QString& maker) {
    QString text = name + u'[' + maker.trimmed() + u']';
    return text.remove(u"[]"_s);
}
