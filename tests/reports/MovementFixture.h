#pragma once

#include "data/Database.h"
#include "data/Decimal.h"
#include "data/Transaction.h"

#include <QDate>
#include <QString>

// Rows of [出入库] for the report tests and benchmarks, written straight into the table.
namespace MovementFixture {

struct Row {
    QString id;
    QString code;
    QString name;
    QString category;
    QDate date;
    Decimal quantity;
    Decimal amount;
    QString maker = QStringLiteral("厂");
    QString unit = QStringLiteral("包");
};

class Writer {
public:
    explicit Writer(Database& db)
        : m_insert(db.prepare(u"INSERT INTO [出入库] ([销售号], [ID号], [编号], [名称], [厂家], "
                              u"[单位], [进价], [售价], [数量], [金额], [日期], [类别]) "
                              u"VALUES ('X', ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)")) {}

    void add(const Row& row) {
        m_insert.reset();
        m_insert.bindAll(row.id, row.code, row.name, row.maker, row.unit, Decimal::fromInt(1),
                         Decimal::fromInt(2), row.quantity, row.amount, row.date, row.category);
        m_insert.run();
    }

private:
    Statement m_insert;
};

// count sales of one product, one per row, spread over the days from `first` on.
inline void addSales(Database& db, int count, QDate first, int days) {
    Transaction transaction(db);
    Writer writer(db);
    for (int i = 0; i < count; ++i)
        writer.add({QStringLiteral("P1"), QStringLiteral("001"), QStringLiteral("烟"),
                    QStringLiteral("销售"), first.addDays(i % days), Decimal::fromInt(1),
                    Decimal::fromInt(2)});
    transaction.commit();
}

} // namespace MovementFixture
