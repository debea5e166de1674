#include "checkout/CashUpBook.h"

#include "checkout/PaymentMethod.h"
#include "data/Database.h"
#include "data/ReadSnapshot.h"
#include "data/SqlDialect.h"
#include "stock/StockLedger.h"

#include <algorithm>

using namespace Qt::Literals::StringLiterals;

namespace {

// The method's place among the cash-up's rows, which follow the till's order of methods.
qsizetype methodIndex(const QString& stored) {
    return qsizetype(Payment::fromStored(stored));
}

// One stored sale as its lines add up.
struct SaleRow {
    qint64 order = 0; // the row of [订单]
    qsizetype method = 0;
    QString received;
    QString change;
    Decimal total;
};

} // namespace

CashUp CashUpBook::read(QDate from, QDate to) {
    CashUp cashUp;
    cashUp.from = from;
    cashUp.to = to;
    for (const PaymentMethod method : Payment::Methods)
        cashUp.payments.append({Payment::text(method), {}});
    const ReadSnapshot snapshot(m_database);
    readSales(cashUp);
    readStock(cashUp);
    readChanges(cashUp);
    return cashUp;
}

void CashUpBook::readSales(CashUp& cashUp) {
    // Each sale with its lines, those whose line number begins with the sale number, found by
    // that number's index. The sales are the join's outer loop: a sale's lines follow it.
    Statement rows = m_database.prepare(
        u"SELECT o." + SqlDialect::insertOrder() +
        u", o.[付款], o.[实收], o.[找零], l.[数量], l.[售价], l.[金额] "
        u"FROM [订单] o LEFT JOIN [出入库] l" +
        SqlDialect::throughIndex(u"出入库_销售号"_s) +
        u" ON l.[销售号] >= o.[ID号] AND l.[销售号] < " + SqlDialect::prefixEndOf(u"o.[ID号]"_s) +
        u" AND l.[类别] = ? WHERE o.[日期] BETWEEN ? AND ?");
    rows.bindAll(StockLedger::categoryOf(MovementKind::Sale), cashUp.from, cashUp.to);
    std::optional<SaleRow> sale;
    const auto close = [&cashUp](const SaleRow& done) {
        ++cashUp.sales;
        cashUp.total += done.total;
        cashUp.payments[done.method].total += done.total;
        if (done.method != 0)
            return;
        // Nothing typed: the customer gave the total.
        cashUp.cashReceived +=
            done.received.trimmed().isEmpty() ? done.total : Decimal::read(done.received);
        cashUp.changeGiven += Decimal::read(done.change);
    };
    while (rows.next()) {
        if (!sale || sale->order != rows.integer(0)) {
            if (sale)
                close(*sale);
            sale =
                SaleRow{rows.integer(0), methodIndex(rows.text(1)), rows.text(2), rows.text(3), {}};
        }
        const Decimal amount = rows.decimal(6);
        sale->total += amount;
        cashUp.discountGiven +=
            Decimal::roundedProduct({rows.decimal(4), rows.decimal(5)}, 4) - amount;
    }
    if (sale)
        close(*sale);
}

void CashUpBook::readStock(CashUp& cashUp) {
    const QString stockIn = StockLedger::categoryOf(MovementKind::StockIn);
    const QString returns = StockLedger::categoryOf(MovementKind::Return);
    Statement sums =
        m_database.prepare(u"SELECT [类别], sum([金额]) FROM [出入库] "
                           u"WHERE [日期] BETWEEN ? AND ? AND [类别] IN (?, ?) GROUP BY [类别]");
    sums.bindAll(cashUp.from, cashUp.to, stockIn, returns);
    while (sums.next())
        (sums.text(0) == stockIn ? cashUp.stockIn : cashUp.returns) = sums.decimal(1);
}

void CashUpBook::readChanges(CashUp& cashUp) {
    Statement changes = m_database.prepare(
        u"SELECT [销售号], [日期], [时间], [类别], [原金额], [新金额] FROM [销售修改] "
        u"WHERE [日期] BETWEEN ? AND ? ORDER BY [日期], [时间], " +
        SqlDialect::insertOrder());
    changes.bindAll(cashUp.from, cashUp.to);
    const auto amount = [&changes](int column) -> std::optional<Decimal> {
        if (changes.isNull(column))
            return std::nullopt;
        return changes.decimal(column);
    };
    while (changes.next())
        cashUp.changes.append({changes.text(0), changes.date(1).value_or(QDate()), changes.text(2),
                               changes.text(3), amount(4), amount(5)});
}

Decimal CashUp::drawerCash(Decimal openingFloat) const {
    const auto cash =
        std::ranges::find(payments, Payment::text(PaymentMethod::Cash), &PaymentTotal::method);
    return openingFloat + (cash != payments.end() ? cash->total : Decimal());
}
