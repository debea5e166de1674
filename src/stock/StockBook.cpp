#include "stock/StockBook.h"

#include "data/Database.h"
#include "data/DateText.h"
#include "data/Refusal.h"
#include "data/SqlDialect.h"
#include "data/TextCut.h"
#include "data/Transaction.h"

using namespace Qt::Literals::StringLiterals;

namespace {

std::optional<Decimal> optionalDecimal(const Statement& row, int column) {
    if (row.isNull(column))
        return std::nullopt;
    return row.decimal(column);
}

// The box shows two decimals of the picked price: left as it was, it means that price.
Decimal typedPrice(const QString& box, Decimal picked) {
    return box == picked.moneyText() ? picked : Decimal::read(box);
}

} // namespace

StockBook::StockBook(Database& database, MovementKind kind)
    : m_database(database)
    , m_kind(kind)
    , m_ledger(database)
    , m_products(database)
    , m_numberTaken(database,
                    u"SELECT 1 FROM [出入库] WHERE [销售号] = ?"_s + SqlDialect::firstRows(1))
    , m_numbers([this](const QString& stamp) { return numberTaken(prefix() + stamp); }) {}

QChar StockBook::prefix() const {
    return m_kind == MovementKind::Return ? u'C' : u'B';
}

bool StockBook::numberTaken(const QString& number) {
    Statement& query = m_numberTaken();
    query.bind(1, number);
    const bool taken = query.next();
    query.reset();
    return taken;
}

QString StockBook::allocateNumber(const QDateTime& moment) {
    return prefix() + m_numbers.allocate(moment);
}

std::optional<StockPick> StockBook::pick(const QString& productId, const QDateTime& now) {
    Statement query = m_database.prepare(
        QString(u"SELECT [ID号], [编号], [名称], [单位], [厂家], [进价], [售价] FROM [商品] "
                u"WHERE [ID号] = ?" +
                SqlDialect::firstRows(1)));
    query.bind(1, productId);
    if (!query.next())
        return std::nullopt;
    StockPick picked{query.text(0),    query.text(1), query.text(2),
                     query.text(3),    query.text(4), query.decimal(5),
                     query.decimal(6), QString(),     now.date()};
    query.reset();
    picked.number = allocateNumber(now);
    m_chosen = Chosen{picked.productId, picked.code, picked.purchasePrice, picked.salePrice};
    return picked;
}

StockBook::SaveResult StockBook::save(const StockEntry& entry) {
    Transaction transaction(m_database);
    if (!m_chosen)
        return SaveResult::NameMissing;
    {
        Statement product = m_database.prepare(
            QString(u"SELECT [名称] FROM [商品] WHERE [ID号] = ?" + SqlDialect::firstRows(1)));
        product.bind(1, m_chosen->productId);
        if (!product.next() || product.text(0) != entry.name)
            return SaveResult::NameMissing;
    }
    Movement movement;
    movement.quantity = Decimal::read(entry.quantity);
    movement.purchasePrice = typedPrice(entry.purchasePrice, m_chosen->purchasePrice);
    movement.salePrice = typedPrice(entry.salePrice, m_chosen->salePrice);
    movement.amount = Decimal::read(entry.amount);
    const std::pair<Decimal, QStringView> typed[] = {{movement.quantity, u"数量"},
                                                     {*movement.purchasePrice, u"进价"},
                                                     {movement.salePrice, u"售价"},
                                                     {movement.amount, u"金额"}};
    for (const auto& [value, box] : typed) {
        if (value.overflowed())
            throw Refusal::outOfRange(box);
    }
    m_products.setPrices(m_chosen->productId, *movement.purchasePrice, movement.salePrice);
    movement.number = entry.number;
    movement.productId = m_chosen->productId;
    movement.name = entry.name;
    movement.code = m_chosen->code;
    movement.unit = entry.unit;
    movement.maker = entry.maker;
    movement.remark = TextCut::leading(entry.remark, RemarkWidth);
    movement.date = DateText::parse(entry.date).value_or(QDate());
    movement.kind = m_kind;
    m_ledger.book(movement);
    transaction.commit();
    return SaveResult::Saved;
}

std::optional<QString> StockBook::movementName(const QString& number) {
    Statement query = m_database.prepare(
        QString(u"SELECT [名称] FROM [出入库] WHERE [销售号] = ?" + SqlDialect::firstRows(1)));
    query.bind(1, number);
    if (!query.next())
        return std::nullopt;
    return query.text(0);
}

void StockBook::remove(const QString& number) {
    Transaction transaction(m_database);
    m_ledger.reverse(number);
    transaction.commit();
}

StockBook::QueryResult StockBook::query(const QString& nameFilter, QDate from, QDate to) {
    Statement query = m_database.prepare(QString(
        u"SELECT [ID号], [日期], [销售号], [名称], [厂家], [单位], [数量], [进价], [售价], "
        u"[金额], [库存], [备注] FROM [出入库] "
        u"WHERE [名称] LIKE ? AND [类别] = ? AND [日期] BETWEEN ? AND ? ORDER BY [销售号] DESC" +
        SqlDialect::firstRows(RowLimit + 1)));
    query.bindAll(QString(u'%' + nameFilter + u'%'), StockLedger::categoryOf(m_kind), from, to);
    QueryResult result;
    while (query.next()) {
        if (result.rows.size() == RowLimit)
            return QueryResult{{}, true};
        result.rows.append({query.text(0), query.text(1), query.text(2), query.text(3),
                            query.text(4), query.text(5), optionalDecimal(query, 6),
                            optionalDecimal(query, 7), optionalDecimal(query, 8),
                            optionalDecimal(query, 9), optionalDecimal(query, 10), query.text(11)});
    }
    return result;
}
