#include "stock/StockLedger.h"

#include "data/Database.h"
#include "data/Refusal.h"
#include "data/SqlDialect.h"
#include "data/TextCut.h"

using namespace Qt::Literals::StringLiterals;

namespace {

// Stock-in raises the stock; sales and returns lower it.
Decimal signedQuantity(const QString& category, Decimal quantity) {
    return category == StockLedger::categoryOf(MovementKind::StockIn) ? quantity : -quantity;
}

} // namespace

QString StockLedger::categoryOf(MovementKind kind) {
    switch (kind) {
    case MovementKind::StockIn:
        return u"入库"_s;
    case MovementKind::Return:
        return u"出库"_s;
    case MovementKind::Sale:
        break;
    }
    return u"销售"_s;
}

StockLedger::StockLedger(Database& database)
    : m_database(database)
    , m_readProduct(database, u"SELECT [进价], [厂家], [库存] FROM [商品] WHERE [ID号] = ?"_s +
                                  SqlDialect::firstRows(1))
    , m_writeStock(database, u"UPDATE [商品] SET [库存] = ? WHERE [ID号] = ?"_s)
    , m_insertMovement(database,
                       u"INSERT INTO [出入库] ([销售号], [ID号], [名称], [编号], [单位], [进价], "
                       u"[售价], [金额], [库存], [厂家], [备注], [日期], [数量], [折扣], [类别]) "
                       u"VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"_s) {}

std::optional<StockLedger::StockedProduct> StockLedger::product(const QString& productId) {
    Statement& query = m_readProduct();
    query.bind(1, productId);
    if (!query.next())
        return std::nullopt;
    StockedProduct found;
    if (!query.isNull(0))
        found.purchasePrice = query.decimal(0);
    found.maker = query.text(1);
    found.stock = query.decimal(2);
    query.reset(); // no read left open past the caller's commit
    return found;
}

void StockLedger::setStock(const QString& productId, Decimal stock) {
    if (stock.overflowed())
        throw Refusal::outOfRange(u"库存");
    Statement& update = m_writeStock();
    update.bindAll(stock, productId);
    update.run();
}

void StockLedger::book(const Movement& movement) {
    const QString category = categoryOf(movement.kind);
    std::optional<Decimal> purchasePrice = movement.purchasePrice;
    std::optional<QString> maker = movement.maker;
    std::optional<Decimal> stock;
    if (const std::optional<StockedProduct> stocked = product(movement.productId)) {
        if (!purchasePrice)
            purchasePrice = stocked->purchasePrice;
        if (!maker)
            maker = stocked->maker;
        stock = stocked->stock + signedQuantity(category, movement.quantity);
        setStock(movement.productId, *stock);
    }
    Statement& insert = m_insertMovement();
    insert.bindAll(movement.number, movement.productId, TextCut::leading(movement.name, NameWidth),
                   movement.code, movement.unit, purchasePrice, movement.salePrice, movement.amount,
                   stock, maker, movement.remark, movement.date, movement.quantity,
                   movement.discount, category);
    insert.run();
}

void StockLedger::reverseRows(Statement& rows) {
    while (rows.next()) {
        const QString productId = rows.text(0);
        if (const std::optional<StockedProduct> stocked = product(productId))
            setStock(productId, stocked->stock - signedQuantity(rows.text(2), rows.decimal(1)));
    }
}

void StockLedger::reverse(const QString& number) {
    Statement rows =
        m_database.prepare(u"SELECT [ID号], [数量], [类别] FROM [出入库] WHERE [销售号] = ?");
    rows.bind(1, number);
    reverseRows(rows);
    m_database.exec(u"DELETE FROM [出入库] WHERE [销售号] = ?", number);
}

void StockLedger::reverseSaleLines(const QString& saleNumber) {
    const QString end = SqlDialect::prefixEnd(saleNumber);
    const QString sale = categoryOf(MovementKind::Sale);
    Statement rows = m_database.prepare(u"SELECT [ID号], [数量], [类别] FROM [出入库] "
                                        u"WHERE [销售号] >= ? AND [销售号] < ? AND [类别] = ?");
    rows.bindAll(saleNumber, end, sale);
    reverseRows(rows);
    m_database.exec(u"DELETE FROM [出入库] WHERE [销售号] >= ? AND [销售号] < ? AND [类别] = ?",
                    saleNumber, end, sale);
}

std::optional<Decimal> StockLedger::setCounted(const QString& productId, Decimal counted) {
    const std::optional<StockedProduct> stocked = product(productId);
    if (!stocked)
        return std::nullopt;
    setStock(productId, counted);
    return stocked->stock;
}
