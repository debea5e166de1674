#include "data/Decimal.h"
#include "support/GuiTestMain.h"
#include "ui/grid/RecordGrid.h"

#include <QTest>

using namespace Qt::Literals::StringLiterals;

namespace {

constexpr int Records = 30000;

// A stock-in movement as the list holds it: texts and exact numbers, formatted as rows show.
struct Row {
    QString number;
    QString name;
    Decimal quantity;
    Decimal price;
};

QStringList texts(const Row& row) {
    QStringList fields{row.number, row.name, row.quantity.plainText(), row.price.moneyText()};
    // The stock-in list is the widest grid: eleven columns.
    while (fields.size() < 11)
        fields.append(row.name);
    return fields;
}

GridDesign stockDesign() {
    GridDesign design{.rows = 16};
    for (int column = 0; column < 11; ++column)
        design.columns.append({.caption = u"列%1"_s.arg(column), .headerWidth = 855});
    return design;
}

void fill(GridList<Row>& list) {
    for (int record = 0; record < Records; ++record)
        list.rows.append({u"B%1"_s.arg(20170313183319LL + record), u"商品%1"_s.arg(record),
                          Decimal::fromInt(record % 50), Decimal::read(u"12.345")});
}

} // namespace

class BenchGrid : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void load();
    void redraw();
};

void BenchGrid::load() {
    GridList<Row> list(texts);
    fill(list);
    RecordGrid grid(stockDesign(), list);
    grid.show();
    QBENCHMARK {
        grid.load();
    }
    QCOMPARE(grid.cellText(0, 1), u"商品0"_s);
}

void BenchGrid::redraw() {
    GridList<Row> list(texts);
    fill(list);
    RecordGrid grid(stockDesign(), list);
    grid.show();
    grid.load();
    int top = 0;
    QBENCHMARK {
        top = (top + 997) % (Records - grid.rowCount());
        grid.setScrollTop(top);
    }
    QCOMPARE(grid.cellText(0, 1), u"商品%1"_s.arg(top));
}

GUI_TEST_MAIN(BenchGrid)
#include "bench_grid.moc"
