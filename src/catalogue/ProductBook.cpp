#include "catalogue/ProductBook.h"

#include "data/Database.h"
#include "data/Refusal.h"
#include "data/Transaction.h"

using namespace Qt::Literals::StringLiterals;

namespace {

constexpr QStringView Columns = u"[ID号], [查询], [编号], [名称], [拼音], [单位], [进价], [售价], "
                                u"[备注], [厂家], [库存]";

Product readProduct(const Statement& row) {
    return Product{row.text(0), row.text(1), row.text(2),    row.text(3),
                   row.text(4), row.text(5), row.decimal(6), row.decimal(7),
                   row.text(8), row.text(9), row.decimal(10)};
}

void refuseOverflow(Decimal purchasePrice, Decimal salePrice) {
    if (purchasePrice.overflowed())
        throw Refusal::outOfRange(u"进价");
    if (salePrice.overflowed())
        throw Refusal::outOfRange(u"售价");
}

} // namespace

ProductBook::ProductBook(Database& database)
    : m_database(database)
    , m_exists(database, u"SELECT 1 FROM [商品] WHERE [ID号] = ?"_s)
    , m_insert(database, u"INSERT INTO [商品] ([ID号], [编号], [名称], [进价], [售价], [单位], "
                         u"[拼音], [厂家], [备注], [库存], [查询]) "
                         u"VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"_s)
    , m_update(database, u"UPDATE [商品] SET [编号] = ?, [名称] = ?, [进价] = ?, [售价] = ?, "
                         u"[单位] = ?, [拼音] = ?, [厂家] = ?, [备注] = ?, [查询] = ? "
                         u"WHERE [ID号] = ?"_s) {}

std::optional<Product> ProductBook::load(const QString& id) {
    Statement query = m_database.prepare(u"SELECT " + Columns + u" FROM [商品] WHERE [ID号] = ?");
    query.bind(1, id);
    if (!query.next())
        return std::nullopt;
    return readProduct(query);
}

QList<Product> ProductBook::all() {
    Statement query = m_database.prepare(u"SELECT " + Columns + u" FROM [商品]");
    QList<Product> products;
    while (query.next())
        products.append(readProduct(query));
    return products;
}

bool ProductBook::exists(const QString& id) {
    Statement& query = m_exists();
    query.bind(1, id);
    const bool found = query.next();
    query.reset(); // no read left open past the caller's commit
    return found;
}

ProductBook::SaveResult ProductBook::save(const QString& id, const ProductEntry& entry) {
    Transaction transaction(m_database);
    const bool existing = exists(id);
    if (!existing && entry.name.trimmed().isEmpty())
        return SaveResult::NameMissing;
    const Decimal purchasePrice = Decimal::read(entry.purchasePrice);
    const Decimal salePrice = Decimal::read(entry.salePrice);
    refuseOverflow(purchasePrice, salePrice);
    // The stock belongs to sales, stock movements and stocktaking: an edit leaves it alone.
    Statement& write = existing ? m_update() : m_insert();
    if (existing)
        write.bindAll(entry.code, entry.storedName(), purchasePrice, salePrice, entry.unit,
                      entry.storedPinyin(), entry.maker, entry.remark, entry.searchKey(), id);
    else
        write.bindAll(id, entry.code, entry.storedName(), purchasePrice, salePrice, entry.unit,
                      entry.storedPinyin(), entry.maker, entry.remark, Decimal(),
                      entry.searchKey());
    write.run();
    transaction.commit();
    return existing ? SaveResult::Updated : SaveResult::Created;
}

void ProductBook::setPrices(const QString& id, Decimal purchasePrice, Decimal salePrice) {
    refuseOverflow(purchasePrice, salePrice);
    Transaction transaction(m_database);
    m_database.exec(u"UPDATE [商品] SET [进价] = ?, [售价] = ? WHERE [ID号] = ?", purchasePrice,
                    salePrice, id);
    transaction.commit();
}

void ProductBook::remove(const QString& id) {
    Transaction transaction(m_database);
    m_database.exec(u"DELETE FROM [商品] WHERE [ID号] = ?", id);
    transaction.commit();
}
