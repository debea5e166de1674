#include "catalogue/import/ColumnMapping.h"

#include "data/HalfWidth.h"

#include <algorithm>

namespace {

struct HeaderWords {
    ProductField field;
    QList<QStringView> words;
};

// Tried in this order, each by whether the header holds one of its words: the makers first,
// since "厂家名称" names a maker, and the name before the specification, since "商品名称\规格"
// (the product screen's own caption) names the name.
const HeaderWords Headers[] = {
    {ProductField::Maker, {u"厂家", u"厂商", u"生产商", u"供应商", u"供货商", u"制造商"}},
    {ProductField::Unit, {u"单位"}},
    {ProductField::Code, {u"条码", u"条形码", u"编号", u"货号", u"编码", u"代码"}},
    {ProductField::PurchasePrice, {u"进价", u"成本", u"进货价", u"采购价", u"批发价"}},
    {ProductField::SalePrice, {u"售价", u"零售价", u"销售价", u"卖价"}},
    {ProductField::Stock, {u"库存", u"数量", u"存量"}},
    {ProductField::Pinyin, {u"拼音", u"助记码"}},
    {ProductField::Remark, {u"备注", u"说明"}},
    {ProductField::Name, {u"名称", u"品名", u"商品名", u"名字"}},
    {ProductField::Variant, {u"规格", u"型号"}},
};

} // namespace

std::optional<ProductField> ColumnMapping::fieldOfHeader(QStringView header) {
    QString compact = halfWidth(header);
    compact.removeIf([](QChar c) { return c.isSpace(); });
    if (compact.isEmpty())
        return std::nullopt;
    if (compact == u"商品") // but "商品规格" names the specification
        return ProductField::Name;
    for (const HeaderWords& candidate : Headers) {
        for (const QStringView word : candidate.words) {
            if (compact.contains(word))
                return candidate.field;
        }
    }
    return std::nullopt;
}

ColumnMapping ColumnMapping::fromHeader(const QStringList& header, int columns) {
    ColumnMapping mapping;
    mapping.m_fields.resize(columns);
    for (int column = 0; column < columns && column < header.size(); ++column) {
        const std::optional<ProductField> field = fieldOfHeader(header.at(column));
        if (field && !mapping.column(*field))
            mapping.m_fields[column] = field;
    }
    return mapping;
}

std::optional<qsizetype> ColumnMapping::headerRow(const SheetRows& rows) {
    std::optional<qsizetype> best;
    int bestCount = 0;
    for (qsizetype row = 0; row < rows.size() && row < HeaderSearchRows; ++row) {
        const QStringList& cells = rows.at(row).cells;
        const ColumnMapping mapping = fromHeader(cells, int(cells.size()));
        const auto named = std::count_if(mapping.m_fields.begin(), mapping.m_fields.end(),
                                         [](const auto& field) { return field.has_value(); });
        if (named > bestCount) {
            bestCount = int(named);
            best = row;
        }
    }
    return best;
}

std::optional<ProductField> ColumnMapping::field(int column) const {
    return column >= 0 && column < m_fields.size() ? m_fields.at(column) : std::nullopt;
}

std::optional<int> ColumnMapping::column(ProductField field) const {
    const qsizetype found = m_fields.indexOf(field);
    return found < 0 ? std::nullopt : std::optional<int>(int(found));
}

void ColumnMapping::assign(int column, std::optional<ProductField> field) {
    if (column < 0)
        return;
    if (column >= m_fields.size())
        m_fields.resize(column + 1);
    if (field) {
        if (const std::optional<int> before = this->column(*field))
            m_fields[*before] = std::nullopt;
    }
    m_fields[column] = field;
}
