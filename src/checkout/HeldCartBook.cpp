#include "checkout/HeldCartBook.h"

#include "checkout/Sale.h"
#include "data/Database.h"
#include "data/Transaction.h"

using namespace Qt::Literals::StringLiterals;

namespace {
const QString MomentFormat = u"yyyy-MM-dd HH:mm:ss"_s;
} // namespace

qint64 HeldCartBook::hold(const Sale& sale, const QDateTime& at) {
    // A stray scan in 实收 is no amount to keep.
    const QString received =
        sale.received().size() <= Sale::AmountWidth ? sale.received() : QString();
    Transaction transaction(m_database);
    m_database.exec(u"INSERT INTO [挂单] ([时间], [实收], [付款]) VALUES (?, ?, ?)",
                    at.toString(MomentFormat), received, Payment::text(sale.payment));
    Statement last = m_database.prepare(u"SELECT max([挂单号]) FROM [挂单]");
    const qint64 id = last.next() ? last.integer(0) : 0;
    last.reset();
    for (int position = 0; position < sale.cart.size(); ++position) {
        const CartLine& line = sale.cart.line(position);
        m_database.exec(
            u"INSERT INTO [挂单明细] ([挂单号], [序号], [ID号], [编号], [名称], [单位], "
            u"[数量], [单价], [折扣], [金额], [备注]) "
            u"VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)",
            id, position, line.productId, line.code, line.name, line.unit, line.quantity,
            line.price, line.discount, line.amount, line.remark);
    }
    transaction.commit();
    return id;
}

QList<HeldCartSummary> HeldCartBook::list() {
    Statement query = m_database.prepare(
        u"SELECT [挂单].[挂单号], [时间], count([序号]), coalesce(sum([金额]), 0) FROM [挂单] "
        u"LEFT JOIN [挂单明细] ON [挂单明细].[挂单号] = [挂单].[挂单号] "
        u"GROUP BY [挂单].[挂单号] ORDER BY [挂单].[挂单号]");
    QList<HeldCartSummary> held;
    while (query.next()) {
        held.append({query.integer(0), QDateTime::fromString(query.text(1), MomentFormat),
                     int(query.integer(2)), query.decimal(3)});
    }
    return held;
}

HeldCart HeldCartBook::take(qint64 id) {
    HeldCart held;
    Transaction transaction(m_database);
    {
        Statement head =
            m_database.prepare(u"SELECT [实收], [付款] FROM [挂单] WHERE [挂单号] = ?");
        head.bind(1, id);
        if (head.next()) {
            held.received = head.text(0);
            held.payment = Payment::fromStored(head.text(1));
        }
        Statement lines = m_database.prepare(
            u"SELECT [ID号], [编号], [名称], [单位], [数量], [单价], [折扣], [金额], [备注] "
            u"FROM [挂单明细] WHERE [挂单号] = ? ORDER BY [序号]");
        lines.bind(1, id);
        while (lines.next()) {
            held.cart.append({lines.text(0), lines.text(1), lines.text(2), lines.text(3),
                              lines.decimal(4), lines.decimal(5), lines.decimal(6),
                              lines.decimal(7), lines.text(8)});
        }
    }
    m_database.exec(u"DELETE FROM [挂单明细] WHERE [挂单号] = ?", id);
    m_database.exec(u"DELETE FROM [挂单] WHERE [挂单号] = ?", id);
    transaction.commit();
    return held;
}
