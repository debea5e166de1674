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
    forEachMatch(pattern, [&](qsizetype index) {
        entries.append(entryOf(m_rows[index].product));
        return entries.size() < PickLimit;
    });
    return entries;
}

QList<PickEntry> ProductCatalogue::withCode(QStringView code) {
    refreshWhenChanged();
    QList<PickEntry> entries;
    if (code.isEmpty())
        return entries;
    for (const Row& row : m_rows) {
        if (row.product.code == code)
            entries.append(entryOf(row.product));
    }
    return entries;
}

PickEntry ProductCatalogue::entryOf(const Product& product) {
    return {pickText(product.name, product.maker),
            product.id,
            product.code,
            product.name,
            product.unit,
            product.salePrice};
}

ProductCatalogue::ListResult ProductCatalogue::newestFirst(QStringView text) {
    refreshWhenChanged();
    const LikePattern pattern(patternFor(text));
    std::vector<bool> matched(m_rows.size());
    forEachMatch(pattern, [&matched](qsizetype index) {
        matched[index] = true;
        return true;
    });
    ListResult result;
    for (const qsizetype index : m_newest) {
        if (!matched[index])
            continue;
        if (result.products.size() == ListLimit) {
            result.tooMany = true;
            result.products.clear();
            break;
        }
        result.products.append(m_rows[index].product);
    }
    return result;
}

QList<ProductCatalogue::Ranked>
ProductCatalogue::inNameOrder(const QList<std::pair<QString, QString>>& idsAndNames) {
    refreshWhenChanged();
    using Wanted = std::pair<QStringView, QStringView>;
    // Each pair leads to the first of its positions not yet taken; the rest follow through next.
    QHash<Wanted, qsizetype> first;
    first.reserve(idsAndNames.size());
    std::vector<qsizetype> next(idsAndNames.size(), -1);
    for (qsizetype i = idsAndNames.size() - 1; i >= 0; --i) {
        const Wanted wanted(idsAndNames.at(i).first, idsAndNames.at(i).second);
        next[i] = first.value(wanted, -1);
        first.insert(wanted, i);
    }
    QList<Ranked> ranked;
    ranked.reserve(idsAndNames.size());
    for (const Row& row : m_rows) {
        if (first.isEmpty())
            break;
        const auto found = first.find(Wanted(row.product.id, row.product.name));
        if (found == first.end())
            continue;
        const qsizetype given = *found;
        ranked.append({given, row.product});
        if (next[given] < 0)
            first.erase(found);
        else
            *found = next[given];
    }
    return ranked;
}

QString ProductCatalogue::pickText(const QString& name, const QString& maker) {
    QString text = name + u'[' + maker.trimmed() + u']';
    return text.remove(u"[]"_s);
}

void ProductCatalogue::forEachMatch(const LikePattern& pattern,
                                    const std::function<bool(qsizetype)>& visit) const {
    const QStringView text = pattern.containedText();
    if (text.isEmpty()) {
        for (qsizetype row = 0; row < qsizetype(m_keys.size()); ++row) {
            const Key& key = m_keys[row];
            if (key.present && pattern.matches(key.folded) && !visit(row))
                return;
        }
        return;
    }
    // The keys lie one after the other in pinyin order: one search over all of them, each hit
    // then told to the row whose key holds it, beats a search per row.
    const QChar* const start = m_keyText.constData();
    const auto keyEnd = [&](qsizetype row) {
        return m_keys[row].folded.data() + m_keys[row].folded.size() - start;
    };
    qsizetype from = 0;
    while (true) {
        const qsizetype at = QStringView(m_keyText).indexOf(text, from);
        if (at < 0)
            return;
        const auto holder = std::upper_bound(m_keys.begin(), m_keys.end(), at,
                                             [start](qsizetype position, const Key& key) {
                                                 return position < key.folded.data() - start;
                                             });
        const qsizetype row = (holder - m_keys.begin()) - 1;
        // A hit across two keys belongs to neither; no later one starts inside this key.
        if (at + text.size() <= keyEnd(row) && !visit(row))
            return;
        from = keyEnd(row);
    }
}

void ProductCatalogue::refreshWhenChanged() {
    const Database::ChangeMark mark = m_database.changeMark();
    if (m_loaded && mark == m_loadedMark)
        return;
    // Read before the rows: a change landing in between only costs one more load.
    Statement version = m_database.prepare(u"SELECT [版本] FROM [商品版本]");
    const qint64 loadedVersion = version.next() ? version.integer(0) : -1;
    if (!m_loaded || loadedVersion != m_loadedVersion) {
        m_loaded = false;
        load();
        m_loaded = true;
        m_loadedVersion = loadedVersion;
    }
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
    std::vector<bool> present;
    Statement query = m_database.prepare(
        u"SELECT [ID号], [查询], [编号], [名称], [拼音], [单位], [进价], [售价], [备注], "
        u"[厂家], [库存] FROM [商品]");
    while (query.next()) {
        Row row;
        row.product = Product{query.text(0), query.text(1), query.text(2),    query.text(3),
                              query.text(4), query.text(5), query.decimal(6), query.decimal(7),
                              query.text(8), query.text(9), query.decimal(10)};
        present.push_back(!query.isNull(1));
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
    QString keyText;
    std::vector<std::pair<qsizetype, bool>> keyStarts;
    keyStarts.reserve(rows.size() + 1);
    for (const qsizetype index : byName) {
        place[index] = qsizetype(ordered.size());
        keyStarts.emplace_back(keyText.size(), present[index]);
        keyText += LikePattern::fold(rows[index].product.searchKey);
        ordered.push_back(std::move(rows[index]));
    }
    keyStarts.emplace_back(keyText.size(), false);
    std::vector<Key> keys(ordered.size());
    for (size_t i = 0; i < keys.size(); ++i) {
        const qsizetype start = keyStarts[i].first;
        keys[i] = {QStringView(keyText).sliced(start, keyStarts[i + 1].first - start),
                   keyStarts[i].second};
    }
    for (qsizetype& index : newest)
        index = place[index];
    m_rows = std::move(ordered);
    m_keyText = std::move(keyText); // the views keep pointing at the moved text's data
    m_keys = std::move(keys);
    m_newest = std::move(newest);
}
