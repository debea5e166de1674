#include "checkout/SaleBook.h"

#include "checkout/Sale.h"
#include "data/Database.h"
#include "data/Refusal.h"
#include "data/SqlDialect.h"
#include "data/Transaction.h"
#include "stock/StockLedger.h"

using namespace Qt::Literals::StringLiterals;

namespace {
const QString Corrected = u"修改"_s;
const QString Deleted = u"删除"_s;
} // namespace

std::optional<QString> SaleBook::nextSaleNumber(QDate day) {
    Statement query = m_database.prepare(u"SELECT [ID号] FROM [订单] WHERE [日期] = ? "
                                         u"ORDER BY [ID号] DESC" +
                                         SqlDialect::firstRows(1));
    query.bind(1, day);
    qint64 counter = 1;
    if (query.next())
        counter = Decimal::read(query.text(0).right(4)).units() / Decimal::Scale + 1;
    if (counter > MaxSalesPerDay)
        return std::nullopt;
    return u'A' + day.toString(u"yyMMdd"_s) + u'-' +
           QString::number(counter).rightJustified(4, u'0');
}

QString SaleBook::lineNumber(const QString& saleNumber, int position) {
    return saleNumber + QString::number(position).rightJustified(3, u'0');
}

void SaleBook::checkAmounts(const QString& received, const QString& change) {
    if (received.size() > Sale::AmountWidth || change.size() > Sale::AmountWidth)
        throw Refusal(u"实收和找零最多%1位，请检查实收金额。"_s.arg(Sale::AmountWidth));
}

void SaleBook::save(const Sale& sale, const QDateTime& at) {
    const QString received = sale.receivedText();
    const QString change = sale.changeText();
    const QString payment = Payment::text(sale.payment);
    if (sale.number.isEmpty())
        throw Refusal(u"没有销售单号"_s);
    if (sale.cart.size() > MaxLines)
        throw Refusal(u"一单最多%1行商品，请分成几单保存。"_s.arg(MaxLines));
    checkAmounts(received, change);
    for (const CartLine& line : sale.cart.lines()) {
        const std::pair<Decimal, QStringView> typed[] = {
            {line.quantity, u"数量"}, {line.discount, u"折扣"}, {line.amount, u"金额"}};
        for (const auto& [value, cell] : typed) {
            if (value.overflowed())
                throw Refusal::outOfRange(cell);
        }
    }
    Transaction transaction(m_database);
    const Decimal before = storedTotal(sale.number);
    const int updated = m_database.exec(
        u"UPDATE [订单] SET [日期] = ?, [实收] = ?, [找零] = ?, [付款] = ? WHERE [ID号] = ?",
        sale.date, received, change, payment, sale.number);
    if (updated == 0) {
        m_database.exec(
            u"INSERT INTO [订单] ([ID号], [日期], [实收], [找零], [付款]) VALUES (?, ?, ?, ?, ?)",
            sale.number, sale.date, received, change, payment);
    } else {
        recordChange(sale.number, at, before, sale.cart.totals().total);
    }
    StockLedger ledger(m_database);
    ledger.reverseSaleLines(sale.number);
    for (int position = 0; position < sale.cart.size(); ++position) {
        const CartLine& line = sale.cart.line(position);
        Movement movement;
        movement.number = lineNumber(sale.number, position);
        movement.productId = line.productId;
        movement.name = line.name;
        movement.code = line.code;
        movement.unit = line.unit;
        movement.salePrice = line.price;
        movement.amount = line.amount;
        movement.remark = line.remark;
        movement.date = sale.date;
        movement.quantity = line.quantity;
        movement.discount = line.discount;
        movement.kind = MovementKind::Sale;
        ledger.book(movement);
    }
    transaction.commit();
}

void SaleBook::settle(const QString& saleNumber, const QString& received, const QString& change,
                      PaymentMethod payment) {
    checkAmounts(received, change);
    Transaction transaction(m_database);
    m_database.exec(u"UPDATE [订单] SET [实收] = ?, [找零] = ?, [付款] = ? WHERE [ID号] = ?",
                    received, change, Payment::text(payment), saleNumber);
    transaction.commit();
}

StoredSale SaleBook::load(const QString& saleNumber) {
    StoredSale sale;
    Statement order = m_database.prepare(QString(u"SELECT [实收], [找零], [付款] FROM [订单] "
                                                 u"WHERE [ID号] = ?" +
                                                 SqlDialect::firstRows(1)));
    order.bind(1, saleNumber);
    if (order.next()) {
        sale.received = order.text(0);
        sale.change = order.text(1);
        sale.payment = Payment::fromStored(order.text(2));
    }
    Statement lines = m_database.prepare(
        u"SELECT [ID号], [编号], [名称], [单位], [数量], [售价], [折扣], "
        u"[金额], [备注] FROM [出入库] "
        u"WHERE [销售号] >= ? AND [销售号] < ? AND [类别] = ? ORDER BY [销售号]");
    lines.bindAll(saleNumber, SqlDialect::prefixEnd(saleNumber),
                  StockLedger::categoryOf(MovementKind::Sale));
    while (lines.next()) {
        sale.cart.append({lines.text(0), lines.text(1), lines.text(2), lines.text(3),
                          lines.decimal(4), lines.decimal(5), lines.decimal(6), lines.decimal(7),
                          lines.text(8)});
    }
    return sale;
}

void SaleBook::remove(const QString& saleNumber, const QDateTime& at) {
    if (saleNumber.isEmpty())
        return;
    Transaction transaction(m_database);
    const Decimal before = storedTotal(saleNumber);
    StockLedger(m_database).reverseSaleLines(saleNumber);
    if (m_database.exec(u"DELETE FROM [订单] WHERE [ID号] = ?", saleNumber) > 0)
        recordChange(saleNumber, at, before, std::nullopt);
    transaction.commit();
}

QList<SaleSummary> SaleBook::history(QDate from, QDate to) {
    Statement query = m_database.prepare(u"SELECT [ID号], [日期], [付款] FROM [订单] "
                                         u"WHERE [日期] BETWEEN ? AND ? ORDER BY [ID号] DESC");
    query.bindAll(from, to);
    QList<SaleSummary> sales;
    while (query.next()) {
        sales.append(
            {query.text(0), query.date(1).value_or(QDate()), Payment::fromStored(query.text(2))});
    }
    return sales;
}

Decimal SaleBook::storedTotal(const QString& saleNumber) {
    Statement total = m_database.prepare(u"SELECT coalesce(sum([金额]), 0) FROM [出入库] "
                                         u"WHERE [销售号] >= ? AND [销售号] < ? AND [类别] = ?");
    total.bindAll(saleNumber, SqlDialect::prefixEnd(saleNumber),
                  StockLedger::categoryOf(MovementKind::Sale));
    const Decimal sum = total.next() ? total.decimal(0) : Decimal();
    total.reset();
    return sum;
}

void SaleBook::recordChange(const QString& saleNumber, const QDateTime& at, Decimal before,
                            std::optional<Decimal> after) {
    m_database.exec(
        u"INSERT INTO [销售修改] ([销售号], [日期], [时间], [类别], [原金额], [新金额]) "
        u"VALUES (?, ?, ?, ?, ?, ?)",
        saleNumber, at.date(), at.time().toString(u"HH:mm:ss"_s), after ? Corrected : Deleted,
        before, after);
}
