#include "catalogue/import/ImportPlanner.h"

#include "data/ColumnWidth.h"
#include "data/HalfWidth.h"
#include "data/Refusal.h"
#include "data/TextCut.h"

#include <QRegularExpression>

using namespace Qt::Literals::StringLiterals;

namespace {

// A number as a spreadsheet shows one: an optional sign and currency sign, thousands split by
// commas, a point, a trailing 元, full-width characters as their ASCII forms, blanks around.
// An empty cell is 0; none when the cell holds anything else.
std::optional<Decimal> cellNumber(const QString& cell) {
    QString text = halfWidth(cell).trimmed();
    if (text.isEmpty())
        return Decimal();
    if (text.endsWith(u'元'))
        text = text.chopped(1).trimmed();
    const qsizetype sign = text.startsWith(u'-') || text.startsWith(u'+') ? 1 : 0;
    if (sign < text.size() && QStringView(u"¥￥$").contains(text[sign]))
        text.remove(sign, 1);
    if (text.contains(u',')) {
        static const QRegularExpression thousands(u"^[+-]?\\d{1,3}(,\\d{3})+(\\.\\d+)?$"_s);
        if (!thousands.match(text).hasMatch())
            return std::nullopt;
        text.remove(u',');
    }
    bool digits = false;
    bool point = false;
    for (qsizetype at = sign; at < text.size(); ++at) {
        if (text[at] == u'.' && !point)
            point = true;
        else if (text[at] >= u'0' && text[at] <= u'9')
            digits = true;
        else
            return std::nullopt;
    }
    if (!digits)
        return std::nullopt;
    return Decimal::read(text);
}

// What Excel writes into a .csv for a long number in a narrow column: its digits are lost.
bool lostDigits(const QString& code) {
    static const QRegularExpression scientific(u"^\\d(\\.\\d+)?[Ee]\\+\\d+$"_s);
    return code.contains(u'+') && scientific.match(code).hasMatch();
}

bool fits(const QString& text, int width) {
    return TextCut::leading(text, width).size() == text.size();
}

// The cells of one row by the field they fill, trimmed.
class RowCells {
public:
    RowCells(const QStringList& cells, const ColumnMapping& mapping)
        : m_cells(cells)
        , m_mapping(mapping) {}

    QString operator()(ProductField field) const {
        const std::optional<int> column = m_mapping.column(field);
        return column ? m_cells.value(*column).trimmed() : QString();
    }
    bool empty() const {
        return std::all_of(ProductFields.begin(), ProductFields.end(),
                           [this](ProductField field) { return (*this)(field).isEmpty(); });
    }

private:
    const QStringList& m_cells;
    const ColumnMapping& m_mapping;
};

struct Numbers {
    std::optional<Decimal> purchasePrice;
    std::optional<Decimal> salePrice;
    std::optional<Decimal> stock;
};

// The row's number cells; the first that holds no number, or too large a one, refuses it.
QString readNumbers(const RowCells& cells, Numbers& numbers) {
    const std::pair<ProductField, std::optional<Decimal>*> wanted[] = {
        {ProductField::PurchasePrice, &numbers.purchasePrice},
        {ProductField::SalePrice, &numbers.salePrice},
        {ProductField::Stock, &numbers.stock}};
    for (const auto& [field, number] : wanted) {
        const QString cell = cells(field);
        if (cell.isEmpty())
            continue;
        *number = cellNumber(cell);
        if (!*number)
            return captionOf(field) + u"不是数字"_s;
        if ((*number)->overflowed())
            return Refusal::outOfRange(captionOf(field)).reason();
    }
    if (numbers.stock && *numbers.stock < Decimal())
        return u"库存不能是负数"_s;
    return {};
}

// A name cell "name\specification" fills both when the specification has no cell of its own.
void takeName(ProductEntry& entry, const QString& name, const QString& variant) {
    const qsizetype separator = name.indexOf(u'\\');
    if (variant.isEmpty() && separator >= 0) {
        entry.name = name.left(separator);
        entry.variant = name.mid(separator + 1);
    } else {
        entry.name = name;
        if (!variant.isEmpty())
            entry.variant = variant;
    }
}

// Texts longer than their columns; the composed ones (search key) are cut as a save cuts them.
QString tooLong(const ProductEntry& entry, bool pinyinTyped) {
    if (!fits(entry.joinedName(), ColumnWidth::of(u"商品", u"名称")))
        return Refusal::tooLong(entry.variant.trimmed().isEmpty() ? u"名称" : u"名称和规格",
                                ColumnWidth::of(u"商品", u"名称"))
            .reason();
    struct Text {
        ProductField field;
        const QString& text;
        int width;
    };
    const Text texts[] = {{ProductField::Code, entry.code, ColumnWidth::of(u"商品", u"编号")},
                          {ProductField::Unit, entry.unit, ColumnWidth::of(u"商品", u"单位")},
                          {ProductField::Maker, entry.maker, ColumnWidth::of(u"商品", u"厂家")},
                          {ProductField::Remark, entry.remark, ColumnWidth::of(u"商品", u"备注")},
                          {ProductField::Pinyin, entry.pinyin, ColumnWidth::of(u"商品", u"拼音")}};
    for (const Text& each : texts) {
        if ((each.field != ProductField::Pinyin || pinyinTyped) && !fits(each.text, each.width))
            return Refusal::tooLong(captionOf(each.field), each.width).reason();
    }
    return {};
}

// The texts of the row over those of the entry: an empty cell keeps what the entry has.
void overlay(ProductEntry& entry, const RowCells& cells, const Numbers& numbers) {
    const QString name = cells(ProductField::Name);
    const QString variant = cells(ProductField::Variant);
    const QString before = entry.name;
    if (!name.isEmpty())
        takeName(entry, name, variant);
    else if (!variant.isEmpty())
        entry.variant = variant;
    const QString pinyin = cells(ProductField::Pinyin);
    if (!pinyin.isEmpty())
        entry.pinyin = pinyin;
    else if (entry.name != before || entry.pinyin.isEmpty())
        entry.pinyin = ProductEntry::pinyinOf(entry.name);
    const std::pair<ProductField, QString*> texts[] = {{ProductField::Unit, &entry.unit},
                                                       {ProductField::Maker, &entry.maker},
                                                       {ProductField::Remark, &entry.remark}};
    for (const auto& [field, text] : texts) {
        if (const QString cell = cells(field); !cell.isEmpty())
            *text = cell;
    }
    if (numbers.purchasePrice)
        entry.purchasePrice = numbers.purchasePrice->plainText();
    if (numbers.salePrice)
        entry.salePrice = numbers.salePrice->plainText();
}

ProductEntry storedEntry(const Product& product) {
    ProductEntry entry = ProductEntry::fromProduct(product);
    // Exact, not the two decimals a box shows: an update leaves a price it does not give alone.
    entry.purchasePrice = product.purchasePrice.plainText();
    entry.salePrice = product.salePrice.plainText();
    return entry;
}

} // namespace

ImportPlanner::ImportPlanner(const QList<Product>& products) {
    for (const Product& product : products) {
        const QString code = product.code.trimmed();
        if (!code.isEmpty())
            m_byCode[code].append(product);
    }
}

ImportPlan ImportPlanner::plan(const SheetRows& rows, std::optional<qsizetype> headerRow,
                               const ColumnMapping& mapping, Existing existing) const {
    const qsizetype first = headerRow ? *headerRow + 1 : 0;
    QHash<QString, QList<int>> rowsOfCode;
    for (qsizetype at = first; at < rows.size(); ++at) {
        const QString code = RowCells(rows.at(at).cells, mapping)(ProductField::Code);
        if (!code.isEmpty())
            rowsOfCode[code].append(rows.at(at).number);
    }
    ImportPlan plan;
    plan.rows.reserve(rows.size() - first);
    for (qsizetype at = first; at < rows.size(); ++at) {
        const RowCells cells(rows.at(at).cells, mapping);
        ImportRow& row = plan.rows.emplace_back();
        row.number = rows.at(at).number;
        const auto refuse = [&row](const QString& reason) {
            row.action = ImportAction::Refuse;
            row.reason = reason;
        };
        if (cells.empty()) {
            row.reason = u"没有内容"_s;
            continue;
        }
        const QString code = cells(ProductField::Code);
        if (lostDigits(code)) {
            refuse(u"编号被写成了科学计数法，请在表格中把该列设为文本后重新保存"_s);
            continue;
        }
        if (const QList<int>& same = rowsOfCode.value(code); same.size() > 1) {
            const int other = same.at(same.at(0) == row.number ? 1 : 0);
            refuse(u"编号与第"_s + QString::number(other) + u"行重复"_s);
            continue;
        }
        Numbers numbers;
        if (const QString refused = readNumbers(cells, numbers); !refused.isEmpty()) {
            refuse(refused);
            continue;
        }
        const QList<Product> owners = code.isEmpty() ? QList<Product>() : m_byCode.value(code);
        if (owners.size() > 1) {
            refuse(u"编号已有"_s + QString::number(owners.size()) + u"个商品使用"_s);
            continue;
        }
        if (!owners.isEmpty()) {
            row.productId = owners.first().id;
            if (existing == Existing::Skip) {
                row.reason = u"编号已有"_s;
                continue;
            }
            row.action = ImportAction::Update;
            row.entry = storedEntry(owners.first());
        } else {
            if (cells(ProductField::Name).isEmpty()) {
                refuse(u"没有名称"_s);
                continue;
            }
            row.action = ImportAction::Create;
            row.entry.code = code;
            row.stock = numbers.stock.value_or(Decimal());
            const Decimal amount =
                Decimal::roundedProduct({row.stock, numbers.purchasePrice.value_or(Decimal())}, 2);
            if (amount.overflowed()) {
                refuse(Refusal::outOfRange(u"金额").reason());
                continue;
            }
        }
        overlay(row.entry, cells, numbers);
        if (const QString refused = tooLong(row.entry, !cells(ProductField::Pinyin).isEmpty());
            !refused.isEmpty())
            refuse(refused);
    }
    return plan;
}
