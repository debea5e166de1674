#include "catalogue/ProductCatalogue.h"

#include "data/LikePattern.h"

#include <QHash>

#include <algorithm>
#include <numeric>

using namespace Qt::Literals::StringLiterals;

namespace {

QString patternFor(QStringView text) {
    return u'%' + text + u'%';
}

} // namespace

ProductCatalogue::ProductCatalogue(Database& database)
    : m_database(database) {}

QList<PickEntry> ProductCatalogue::pickList(QStringView text) {
    refreshWhenChanged();
    const LikePattern pattern(patternFor(text));
    QList<PickEntry> entries;
    for (const Row& row : m_rows) {
        if (!matches(row, pattern))
            continue;
        const Product& product = row.product;
        entries.append({pickText(product.name, product.maker), product.id, product.code,
                        product.name, product.unit, product.salePrice});
        if (entries.size() == PickLimit)
            break;
    }
    return entries;
}

ProductCatalogue::ListResult ProductCatalogue::newestFirst(QStringView text) {
    refreshWhenChanged();
    const LikePattern pattern(patternFor(text));
    ListResult result;
    for (const qsizetype index : m_newest) {
        const Row& row = m_rows[index];
        if (!matches(row, pattern))
            continue;
        if (result.products.size() == ListLimit) {
            result.tooMany = true;
            result.products.clear();
            break;
        }
        result.products.append(row.product);
    }
    return result;
}

QString ProductCatalogue::pickText(const QString& name, const QString& maker) {
    QString text = name + u'[' + maker.trimmed() + u']';
    return text.remove(u"[]"_s);
}

bool ProductCatalogue::matches(const Row& row, const LikePattern& pattern) const {
    return row.hasKey && pattern.matches(row.matchKey);
}

void ProductCatalogue::refreshWhenChanged() {
    const Database::ChangeMark mark = m_database.changeMark();
    if (m_loaded && mark == m_loadedMark)
        return;
    m_loaded = false;
    load();
    m_loaded = true;
    m_loadedMark = mark;
}

void ProductCatalogue::load() {
    // Names rarely change between two loads; their sort keys are the costly part.
    QHash<QString, QByteArray> knownKeys;
    knownKeys.reserve(qsizetype(m_rows.size()));
    for (const Row& row : m_rows) {
        if (!row.nameKey.isEmpty())
            knownKeys.insert(row.product.name, row.nameKey);
    }
    std::vector<Row> rows;
    rows.reserve(m_rows.size());
    Statement query = m_database.prepare(
        u"SELECT [ID号], [查询], [编号], [名称], [拼音], [单位], [进价], [售价], [备注], "
        u"[厂家], [库存] FROM [商品]");
    while (query.next()) {
        Row row;
        row.product = Product{query.text(0), query.text(1), query.text(2),    query.text(3),
                              query.text(4), query.text(5), query.decimal(6), query.decimal(7),
                              query.text(8), query.text(9), query.decimal(10)};
        row.hasKey = !query.isNull(1);
        row.matchKey = LikePattern::fold(row.product.searchKey);
        if (!query.isNull(3)) {
            const auto known = knownKeys.constFind(row.product.name);
            row.nameKey = known != knownKeys.cend() ? *known : m_order.sortKey(row.product.name);
        }
        rows.push_back(std::move(row));
    }
    // Equal names, and equal IDs, keep the table's order, as the statements' sorts did.
    std::vector<qsizetype> byName(rows.size());
    std::iota(byName.begin(), byName.end(), 0);
    std::stable_sort(byName.begin(), byName.end(), [&rows](qsizetype a, qsizetype b) {
        return rows[a].nameKey < rows[b].nameKey;
    });
    // A NULL ID reads as empty and so comes last, as NULLs do in a descending sort.
    std::vector<qsizetype> newest(rows.size());
    std::iota(newest.begin(), newest.end(), 0);
    std::stable_sort(newest.begin(), newest.end(), [&rows](qsizetype a, qsizetype b) {
        return rows[a].product.id > rows[b].product.id;
    });
    std::vector<qsizetype> place(rows.size());
    std::vector<Row> ordered;
    ordered.reserve(rows.size());
    for (const qsizetype index : byName) {
        place[index] = qsizetype(ordered.size());
        ordered.push_back(std::move(rows[index]));
    }
    for (qsizetype& index : newest)
        index = place[index];
    m_rows = std::move(ordered);
    m_newest = std::move(newest);
}
