#include "checkout/SaleBook.h"

#include "checkout/Sale.h"
#include "data/Database.h"
#include "data/Refusal.h"
#include "data/SqlDialect.h"
#include "data/Transaction.h"
#include "stock/StockLedger.h"

using namespace Qt::Literals::StringLiterals;

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

void SaleBook::save(const Sale& sale) {
    const QString change = sale.changeText();
    if (sale.number.isEmpty())
        throw Refusal(u"没有销售单号"_s);
    if (sale.cart.size() > MaxLines)
        throw Refusal(u"一单最多%1行商品，请分成几单保存。"_s.arg(MaxLines));
    if (sale.received().size() > AmountWidth || change.size() > AmountWidth)
        throw Refusal(u"实收和找零最多%1位，请检查实收金额。"_s.arg(AmountWidth));
    for (const CartLine& line : sale.cart.lines()) {
        const std::pair<Decimal, QStringView> typed[] = {
            {line.quantity, u"数量"}, {line.discount, u"折扣"}, {line.amount, u"金额"}};
        for (const auto& [value, cell] : typed) {
            if (value.overflowed())
                throw Refusal::outOfRange(cell);
        }
    }
    Transaction transaction(m_database);
    const int updated =
        m_database.exec(u"UPDATE [订单] SET [日期] = ?, [实收] = ?, [找零] = ? WHERE [ID号] = ?",
                        sale.date, sale.received(), change, sale.number);
    if (updated == 0) {
        m_database.exec(u"INSERT INTO [订单] ([ID号], [日期], [实收], [找零]) VALUES (?, ?, ?, ?)",
                        sale.number, sale.date, sale.received(), change);
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

Cart SaleBook::load(const QString& saleNumber) {
    Statement lines = m_database.prepare(
        u"SELECT [ID号], [编号], [名称], [单位], [数量], [售价], [折扣], "
        u"[金额], [备注] FROM [出入库] "
        u"WHERE [销售号] >= ? AND [销售号] < ? AND [类别] = ? ORDER BY [销售号]");
    lines.bindAll(saleNumber, SqlDialect::prefixEnd(saleNumber),
                  StockLedger::categoryOf(MovementKind::Sale));
    Cart cart;
    while (lines.next()) {
        cart.append({lines.text(0), lines.text(1), lines.text(2), lines.text(3), lines.decimal(4),
                     lines.decimal(5), lines.decimal(6), lines.decimal(7), lines.text(8)});
    }
    return cart;
}

void SaleBook::remove(const QString& saleNumber) {
    if (saleNumber.isEmpty())
        return;
    Transaction transaction(m_database);
    StockLedger(m_database).reverseSaleLines(saleNumber);
    m_database.exec(u"DELETE FROM [订单] WHERE [ID号] = ?", saleNumber);
    transaction.commit();
}

QList<SaleSummary> SaleBook::history(QDate from, QDate to) {
    Statement query = m_database.prepare(
        u"SELECT [ID号], [日期] FROM [订单] WHERE [日期] BETWEEN ? AND ? ORDER BY [ID号] DESC");
    query.bindAll(from, to);
    QList<SaleSummary> sales;
    while (query.next())
        sales.append({query.text(0), query.date(1).value_or(QDate())});
    return sales;
}
