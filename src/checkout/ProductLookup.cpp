#include "checkout/ProductLookup.h"

#include "data/Database.h"
#include "data/SqlDialect.h"

using namespace Qt::Literals::StringLiterals;

namespace {

const QString Columns = u"SELECT [ID号], [编号], [名称], [单位], [售价], [厂家] FROM [商品] "_s;

QString placeholders(int first, int count) {
    QStringList marks;
    for (int i = 0; i < count; ++i)
        marks.append(u'?' + QString::number(first + i));
    return marks.join(u',');
}

} // namespace

QList<PickEntry> ProductLookup::search(QStringView text) {
    const QString pattern = u'%' + text + u'%';
    // Walking the name index finds many matches fast but crawls through a rare text, which
    // a plain scan finds at once; a short unordered scan tells the two apart.
    Statement probe =
        m_database.prepare(u"SELECT [ID号] FROM [商品] WHERE [查询] LIKE ?1 LIMIT ?2");
    probe.bindAll(pattern, FewMatches + 1);
    QStringList ids;
    while (probe.next())
        ids.append(probe.text(0));
    if (ids.isEmpty())
        return {};
    const bool few = ids.size() <= FewMatches;
    const QString sql =
        Columns + u"WHERE [查询] LIKE ?1 "_s +
        (few ? u"AND [ID号] IN ("_s + placeholders(3, int(ids.size())) + u") "_s : QString()) +
        u"ORDER BY "_s + SqlDialect::pinyinOrder(u"名称") + u" LIMIT ?2"_s;
    Statement query = m_database.prepare(sql);
    query.bindAll(pattern, MaxEntries);
    if (few) {
        for (int i = 0; i < ids.size(); ++i)
            query.bind(3 + i, ids.at(i));
    }
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
