#include "support/GuiTestMain.h"
#include "ui/grid/RecordGrid.h"

#include <QTest>

using namespace Qt::Literals::StringLiterals;

namespace {

constexpr int Records = 30000;

// The stock-in list: the widest grid, eleven columns with a hidden ID list.
GridDesign stockDesign() {
    GridDesign design{.rows = 16};
    for (int column = 0; column < 11; ++column)
        design.columns.append({.caption = u"列%1"_s.arg(column), .headerWidth = 855});
    return design;
}

// The cart: eight columns in the line layout, four of them text entry.
GridDesign cartDesign() {
    GridDesign design{.rows = 18};
    for (int column = 0; column < 8; ++column) {
        design.columns.append({.caption = u"列%1"_s.arg(column),
                               .headerWidth = 855,
                               .kind = column >= 3 && column != 4 ? GridColumn::Kind::TextEntry
                                                                  : GridColumn::Kind::ReadOnly,
                               .moveKeys = column == 3 || column == 5});
    }
    return design;
}

QString field(int record, int column) {
    return u"商品%1-%2"_s.arg(record).arg(column);
}

QList<QStringList> columnsOf(int columnCount) {
    QList<QStringList> columns(columnCount);
    for (int record = 0; record < Records; ++record) {
        for (int column = 0; column < columnCount; ++column)
            columns[column].append(field(record, column));
    }
    return columns;
}

QStringList linesOf(int columnCount) {
    QStringList lines;
    for (int record = 0; record < Records; ++record) {
        QStringList fields;
        for (int column = 0; column < columnCount; ++column)
            fields.append(field(record, column));
        lines.append(RecordStore::joined(fields));
    }
    return lines;
}

QStringList idsOf() {
    QStringList ids;
    for (int record = 0; record < Records; ++record)
        ids.append(QString::number(20170313183319LL + record));
    return ids;
}

} // namespace

class BenchGrid : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void loadColumns();
    void loadLines();
    void buildAndLoadColumns();
    void redrawColumns();
    void redrawLines();
};

void BenchGrid::loadColumns() {
    RecordGrid grid(stockDesign());
    grid.show();
    const QList<QStringList> columns = columnsOf(11);
    const QList<QStringList> hidden{idsOf()};
    QBENCHMARK {
        grid.load(columns, hidden);
    }
    QCOMPARE(grid.store().count(), Records);
}

void BenchGrid::loadLines() {
    RecordGrid grid(cartDesign());
    grid.show();
    const QStringList lines = linesOf(8);
    const QList<QStringList> hidden{idsOf()};
    QBENCHMARK {
        grid.load(lines, hidden);
    }
    QCOMPARE(grid.store().count(), Records);
}

// What a screen pays after its query: every text appended to the lists, then the load. The
// texts come from a pool, since reading them from the database is not the grid's cost.
void BenchGrid::buildAndLoadColumns() {
    RecordGrid grid(stockDesign());
    grid.show();
    QStringList pool;
    for (int text = 0; text < 1000; ++text)
        pool.append(field(text, 0));
    QBENCHMARK {
        QList<QStringList> columns(11);
        QStringList ids;
        for (int record = 0; record < Records; ++record) {
            ids.append(pool.at(record % pool.size()));
            for (int column = 0; column < 11; ++column)
                columns[column].append(pool.at((record + column) % pool.size()));
        }
        grid.load(columns, {ids});
    }
    QCOMPARE(grid.store().count(), Records);
}

void BenchGrid::redrawColumns() {
    RecordGrid grid(stockDesign());
    grid.show();
    grid.load(columnsOf(11), {idsOf()});
    int top = 0;
    QBENCHMARK {
        top = (top + 997) % (Records - grid.rowCount());
        grid.setScrollTop(top);
    }
    QCOMPARE(grid.cellText(0, 0), field(top, 0));
}

void BenchGrid::redrawLines() {
    RecordGrid grid(cartDesign());
    grid.show();
    grid.load(linesOf(8), {idsOf()});
    int top = 0;
    QBENCHMARK {
        top = (top + 997) % (Records - grid.rowCount());
        grid.setScrollTop(top);
    }
    QCOMPARE(grid.cellText(0, 7), field(top, 7));
}

GUI_TEST_MAIN(BenchGrid)
#include "bench_grid.moc"
