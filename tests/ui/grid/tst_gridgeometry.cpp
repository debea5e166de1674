#include "ui/grid/GridGeometry.h"

#include <QTest>

using namespace Qt::Literals::StringLiterals;

namespace {

// The stocktaking list gives header and cell widths only.
QList<GridColumn> stocktakingColumns() {
    QList<GridColumn> columns;
    const QList<std::pair<int, int>> widths = {{1515, 1395}, {2895, 2775}, {1515, 1395}, {555, 435},
                                               {855, 735},   {915, 795},   {1215, 1095}};
    for (const auto& [header, cell] : widths)
        columns.append({.caption = u"列"_s, .headerWidth = header, .cellWidth = cell});
    return columns;
}

// The cart places its quantity column by hand.
QList<GridColumn> cartColumns() {
    return {
        {.caption = u"编号\\条码"_s, .headerWidth = 1515, .cellLeft = 60, .cellWidth = 1395},
        {.caption = u"商品名称\\规格"_s, .headerWidth = 2895, .cellLeft = 1560, .cellWidth = 2775},
        {.caption = u"单位"_s, .headerWidth = 555, .cellLeft = 4440, .cellWidth = 435},
        {.caption = u"数量"_s,
         .headerWidth = 735,
         .headerLeft = 4860,
         .cellLeft = 4980,
         .cellWidth = 555},
        {.caption = u"单价"_s, .headerWidth = 855, .cellLeft = 5640, .cellWidth = 735},
    };
}

} // namespace

class TestGridGeometry : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void headers_data();
    void headers();
    void rowsAndFrame_data();
    void rowsAndFrame();
};

void TestGridGeometry::headers_data() {
    QTest::addColumn<QList<GridColumn>>("columns");
    QTest::addColumn<QList<int>>("headerLefts");
    QTest::addColumn<QList<int>>("cellLefts");

    QTest::newRow("stocktaking: overlapping by 15")
        << stocktakingColumns() << QList<int>{0, 1500, 4380, 5880, 6420, 7260, 8160}
        << QList<int>{60, 1560, 4440, 5940, 6480, 7320, 8220};
    QTest::newRow("cart: a header placed by hand moves the next ones")
        << cartColumns() << QList<int>{0, 1500, 4380, 4860, 5580}
        << QList<int>{60, 1560, 4440, 4980, 5640};
}

void TestGridGeometry::headers() {
    QFETCH(QList<GridColumn>, columns);
    QFETCH(QList<int>, headerLefts);
    QFETCH(QList<int>, cellLefts);
    const GridGeometry geometry(columns, 16, 0);
    for (int column = 0; column < columns.size(); ++column) {
        QCOMPARE(geometry.header(column).left(), headerLefts.at(column));
        QCOMPARE(geometry.header(column).height(), 255);
        QCOMPARE(geometry.cell(0, column).left(), cellLefts.at(column));
        QCOMPARE(geometry.cell(0, column).width(), *columns.at(column).cellWidth);
        QCOMPARE(geometry.verticalLine(column).left(),
                 cellLefts.at(column) + *columns.at(column).cellWidth + 30);
    }
}

void TestGridGeometry::rowsAndFrame_data() {
    QTest::addColumn<int>("rows");
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("expectedWidth");

    QTest::newRow("cart, 18 rows, designed width") << 18 << 14175 << 14175;
    QTest::newRow("records, 20 rows, fitted width") << 20 << 0 << 9555 + 255 + 60;
}

void TestGridGeometry::rowsAndFrame() {
    QFETCH(int, rows);
    QFETCH(int, width);
    QFETCH(int, expectedWidth);
    QList<GridColumn> columns = cartColumns();
    columns.append({.caption = u"折扣"_s, .headerWidth = 615});
    columns.append({.caption = u"金额"_s, .headerWidth = 915});
    columns.append({.caption = u"备注"_s, .headerWidth = 1635});
    const GridGeometry geometry(columns, rows, width);

    QCOMPARE(geometry.band(1).top() - geometry.band(0).top(), 315);
    // Stripes and selection stop at the scroll bar, not in a strip right of it.
    QCOMPARE(geometry.band(0).width(), expectedWidth - 60);
    const QRect last = geometry.band(rows - 1);
    QCOMPARE(geometry.canvas().height(), last.top() + 315);
    QCOMPARE(geometry.cell(rows - 1, 0).top(), last.top() + 60);
    QCOMPARE(geometry.cell(rows - 1, 0).height(), 195);
    QCOMPARE(geometry.horizontalLine(rows - 1).bottom(), last.bottom());
    QCOMPARE(geometry.frame().height(), geometry.canvas().height() + 60);
    QCOMPARE(geometry.frame().width(), expectedWidth);
    QCOMPARE(geometry.scrollBar().height(), geometry.canvas().height() + 20);
    QCOMPARE(geometry.scrollBar().right() + 1, expectedWidth - 60);
}

QTEST_GUILESS_MAIN(TestGridGeometry)
#include "tst_gridgeometry.moc"
