#pragma once

#include "stock/ListedStock.h"
#include "stock/StockCount.h"
#include "ui/grid/GridModel.h"

#include <QList>

// The stocktaking list: each listed product with what the user typed beside it, the count as
// typed and the note, so that both survive scrolling and "执行盘点" reads them from here.
class StocktakingList : public GridModel {
public:
    enum Column { Code, Name, Maker, Unit, BookStock, Counted, Remark };

    // A fresh list: nothing counted, no notes.
    void setProducts(const QList<ListedStock>& products);
    const ListedStock& product(int record) const { return m_rows.at(record).product; }
    QList<ListedStock> products() const;
    // The products whose count is not blank, in list order, the count read as a number.
    QList<StockCount> counts() const;

    int count() const override { return int(m_rows.size()); }
    QStringList texts(int record) const override;
    void edit(int record, int column, const QString& text) override;

private:
    struct Row {
        ListedStock product;
        QString counted;
        QString remark;
    };

    QList<Row> m_rows;
};
