#include "checkout/SaleBook.h"

#include "checkout/Cart.h"
#include "data/Database.h"
#include "data/DateText.h"
#include "data/DbError.h"
#include "data/TextCut.h"
#include "data/Transaction.h"

using namespace Qt::Literals::StringLiterals;

namespace {

// Sale lines are found by a range on their number, so the index on 销售号 serves.
QString prefixEnd(const QString& prefix) {
    QString end = prefix;
    end.back() = QChar(end.back().unicode() + 1);
    return end;
}

} // namespace

std::optional<QString> SaleBook::nextSaleNumber(QDate day) {
    Statement query = m_database.prepare(
        u"SELECT [ID号] FROM [订单] WHERE [日期] BETWEEN ?1 AND ?1 ORDER BY [ID号] DESC LIMIT 1");
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

void SaleBook::save(const QString& saleNumber, QDate date, const Cart& cart,
                    const QString& received, const QString& change) {
    if (saleNumber.isEmpty())
        throw DbError(u"没有销售单号"_s);
    if (cart.size() > MaxLines)
        throw DbError(u"一单最多%1行商品，请分成几单保存。"_s.arg(MaxLines));
    if (received.size() > AmountWidth || change.size() > AmountWidth)
        throw DbError(u"实收和找零最多%1位，请检查实收金额。"_s.arg(AmountWidth));
    Transaction transaction(m_database);
    Statement order = m_database.prepare(u"SELECT 1 FROM [订单] WHERE [ID号] = ?1 LIMIT 1");
    order.bind(1, saleNumber);
    if (order.next()) {
        m_database.exec(
            u"UPDATE [订单] SET [日期] = ?2, [实收] = ?3, [找零] = ?4 WHERE [ID号] = ?1",
            saleNumber, date, received, change);
    } else {
        m_database.exec(
            u"INSERT INTO [订单] ([ID号], [日期], [实收], [找零]) VALUES (?1, ?2, ?3, ?4)",
            saleNumber, date, received, change);
    }
    giveBackStoredLines(saleNumber);
    writeLines(saleNumber, date, cart);
    transaction.commit();
}

void SaleBook::giveBackStoredLines(const QString& saleNumber) {
    const QString end = prefixEnd(saleNumber);
    Statement stored =
        m_database.prepare(u"SELECT [ID号], [数量] FROM [出入库] "
                           u"WHERE [销售号] >= ?1 AND [销售号] < ?2 AND [类别] = '销售'");
    stored.bindAll(saleNumber, end);
    Statement giveBack =
        m_database.prepare(u"UPDATE [商品] SET [库存] = IFNULL([库存], 0) + ?2 WHERE [ID号] = ?1");
    while (stored.next()) {
        giveBack.reset();
        giveBack.bindAll(stored.text(0), stored.decimal(1));
        giveBack.run();
    }
    m_database.exec(
        u"DELETE FROM [出入库] WHERE [销售号] >= ?1 AND [销售号] < ?2 AND [类别] = '销售'",
        saleNumber, end);
}

void SaleBook::writeLines(const QString& saleNumber, QDate date, const Cart& cart) {
    Statement product =
        m_database.prepare(u"SELECT [进价], [厂家], [库存] FROM [商品] WHERE [ID号] = ?1 LIMIT 1");
    Statement takeStock = m_database.prepare(u"UPDATE [商品] SET [库存] = ?2 WHERE [ID号] = ?1");
    Statement insert = m_database.prepare(
        u"INSERT INTO [出入库] ([销售号], [ID号], [名称], [编号], [单位], [进价], [售价], [金额], "
        u"[库存], [厂家], [备注], [日期], [数量], [折扣], [类别]) "
        u"VALUES (?1, ?2, ?3, ?4, ?5, ?6, ?7, ?8, ?9, ?10, ?11, ?12, ?13, ?14, '销售')");
    for (int i = 0; i < cart.size(); ++i) {
        const QStringList field = cart.fields(i);
        const QString& productId = cart.productIds().at(i);
        const Decimal quantity = Decimal::read(field[Cart::Quantity]);
        std::optional<Decimal> cost;
        std::optional<QString> maker;
        std::optional<Decimal> stock;
        product.reset();
        product.bind(1, productId);
        if (product.next()) {
            if (!product.isNull(0))
                cost = product.decimal(0);
            maker = product.text(1);
            stock = product.decimal(2) - quantity;
            takeStock.reset();
            takeStock.bindAll(productId, *stock);
            takeStock.run();
        }
        insert.reset();
        insert.bindAll(lineNumber(saleNumber, i), productId,
                       TextCut::leading(field[Cart::Name], NameWidth), field[Cart::Code],
                       field[Cart::Unit], cost, Decimal::read(field[Cart::Price]),
                       Decimal::read(field[Cart::Amount]), stock, maker, field[Cart::Remark], date,
                       quantity, Decimal::read(field[Cart::Discount]));
        insert.run();
    }
}

Cart SaleBook::load(const QString& saleNumber) {
    Statement lines = m_database.prepare(
        u"SELECT [编号], [名称], [单位], [数量], [售价], [折扣], [金额], [备注], [ID号] "
        u"FROM [出入库] WHERE [销售号] >= ?1 AND [销售号] < ?2 ORDER BY [销售号]");
    lines.bindAll(saleNumber, prefixEnd(saleNumber));
    Cart cart;
    while (lines.next()) {
        cart.append(
            Cart::join({lines.text(0), lines.text(1), lines.text(2), lines.decimal(3).plainText(),
                        lines.decimal(4).moneyText(), lines.decimal(5).plainText(),
                        lines.decimal(6).moneyText(), lines.text(7)}),
            lines.text(8));
    }
    return cart;
}

void SaleBook::remove(const QString& saleNumber) {
    if (saleNumber.isEmpty())
        return;
    Transaction transaction(m_database);
    giveBackStoredLines(saleNumber);
    m_database.exec(u"DELETE FROM [订单] WHERE [ID号] = ?1", saleNumber);
    transaction.commit();
}

QStringList SaleBook::history(QDate from, QDate to) {
    Statement query = m_database.prepare(
        u"SELECT [ID号], [日期] FROM [订单] WHERE [日期] BETWEEN ?1 AND ?2 ORDER BY [ID号] DESC");
    query.bindAll(from, to);
    QStringList entries;
    while (query.next())
        entries.append(query.text(0) + u'[' + query.text(1) + u']');
    return entries;
}

QString SaleBook::saleNumberOf(const QString& entry) {
    return entry.section(u'[', 0, 0);
}
