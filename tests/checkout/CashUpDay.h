#pragma once

#include "checkout/CashUp.h"
#include "data/Database.h"
#include "data/Transaction.h"

#include <QDate>
#include <QString>

#include <optional>

// A hand-made day at the till, 2017-03-13, written straight into the tables, and one sale,
// stock-in and change the day before. On the 13th: a cash sale of two lines with change, a
// WeChat sale, a cash sale with nothing typed as received, a sale paid in a way the till does
// not offer; a stock-in, a return; one sale corrected and one deleted.
namespace CashUpDay {

using namespace Qt::Literals::StringLiterals;

inline const QDate Day(2017, 3, 13);
inline const QDate DayBefore(2017, 3, 12);

struct Line {
    int quantity;
    qint64 priceCents;
    qint64 amountCents;
};

inline Decimal cents(qint64 value) {
    return Decimal::fromUnits(value * 100);
}

inline void addSale(Database& db, const QString& number, QDate date,
                    const std::optional<QString>& payment, const QString& received,
                    const QString& change, std::initializer_list<Line> lines) {
    db.exec(u"INSERT INTO [订单] ([ID号], [日期], [付款], [实收], [找零]) VALUES (?, ?, ?, ?, ?)",
            number, date, payment, received, change);
    int position = 0;
    for (const Line& line : lines)
        db.exec(u"INSERT INTO [出入库] ([销售号], [ID号], [名称], [数量], [售价], [金额], [日期], "
                u"[类别]) VALUES (?, 'P1', '烟', ?, ?, ?, ?, '销售')",
                number + QString::number(position++).rightJustified(3, u'0'),
                Decimal::fromInt(line.quantity), cents(line.priceCents), cents(line.amountCents),
                date);
}

inline void addMovement(Database& db, const QString& number, QDate date, const QString& kind,
                        qint64 amountCents) {
    db.exec(u"INSERT INTO [出入库] ([销售号], [ID号], [名称], [数量], [金额], [日期], [类别]) "
            u"VALUES (?, 'P1', '烟', 10000, ?, ?, ?)",
            number, cents(amountCents), date, kind);
}

inline void addChange(Database& db, const QString& number, QDate date, const QString& time,
                      const QString& kind, qint64 beforeCents, std::optional<qint64> afterCents) {
    db.exec(u"INSERT INTO [销售修改] ([销售号], [日期], [时间], [类别], [原金额], [新金额]) "
            u"VALUES (?, ?, ?, ?, ?, ?)",
            number, date, time, kind, cents(beforeCents),
            afterCents ? std::optional<Decimal>(cents(*afterCents)) : std::nullopt);
}

inline void write(Database& db) {
    Transaction transaction(db);
    // Corrected from 130.00 after it was paid: received and change stay as first typed.
    addSale(db, u"A170313-0001"_s, Day, std::nullopt, u"200"_s, u"70.00"_s,
            {{2, 4500, 9000}, {1, 3800, 3420}});
    addSale(db, u"A170313-0002"_s, Day, u"微信"_s, u"20.00"_s, u""_s, {{1, 2000, 2000}});
    addSale(db, u"A170313-0003"_s, Day, u"现金"_s, u""_s, u""_s, {{1, 1000, 1000}});
    addSale(db, u"A170313-0004"_s, Day, u"支票"_s, u"5"_s, u""_s, {{1, 500, 500}});
    addSale(db, u"A170312-0001"_s, DayBefore, std::nullopt, u"100"_s, u"1.00"_s, {{1, 9900, 9900}});
    addMovement(db, u"B20170313090000"_s, Day, u"入库"_s, 80000);
    addMovement(db, u"C20170313093000"_s, Day, u"出库"_s, 5000);
    addMovement(db, u"B20170312090000"_s, DayBefore, u"入库"_s, 100000);
    // Entered out of order: the list is by time.
    addChange(db, u"A170313-0005"_s, Day, u"11:02:00"_s, u"删除"_s, 3000, std::nullopt);
    addChange(db, u"A170313-0001"_s, Day, u"10:15:02"_s, u"修改"_s, 13000, 12420);
    addChange(db, u"A170312-0001"_s, DayBefore, u"18:00:00"_s, u"修改"_s, 9000, 9900);
    transaction.commit();
}

// The 13th as the cash-up book reads it.
inline CashUp asRead() {
    CashUp day;
    day.from = day.to = Day;
    day.sales = 4;
    day.total = cents(15920);
    day.discountGiven = cents(380);
    day.payments = {{u"现金"_s, cents(13420)},
                    {u"微信"_s, cents(2000)},
                    {u"支付宝"_s, {}},
                    {u"银行卡"_s, {}},
                    {u"其他"_s, cents(500)}};
    day.cashReceived = cents(21000);
    day.changeGiven = cents(7000);
    day.stockIn = cents(80000);
    day.returns = cents(5000);
    day.changes = {{u"A170313-0001"_s, Day, u"10:15:02"_s, u"修改"_s, cents(13000), cents(12420)},
                   {u"A170313-0005"_s, Day, u"11:02:00"_s, u"删除"_s, cents(3000), std::nullopt}};
    return day;
}

} // namespace CashUpDay
