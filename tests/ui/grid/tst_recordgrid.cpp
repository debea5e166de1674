#include "support/GuiTestMain.h"
#include "ui/grid/RecordGrid.h"

#include <QApplication>
#include <QInputMethodEvent>
#include <QLabel>
#include <QLineEdit>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>
#include <QWheelEvent>

#include <memory>

using namespace Qt::Literals::StringLiterals;

namespace {

constexpr int Rows = 4;
constexpr int CountColumn = 2;
constexpr int RemarkColumn = 3;

// A small stocktaking-like grid: two read-only columns, a count with the row keys and a
// remark that keeps its cursor; the remark does not select rows on click.
GridDesign design(bool rowSelection = true) {
    return {.columns = {{.caption = u"编号\\条码"_s, .headerWidth = 1515},
                        {.caption = u"商品名称\\规格"_s, .headerWidth = 2895},
                        {.caption = u"实际库存"_s,
                         .headerWidth = 915,
                         .alignment = Qt::AlignHCenter,
                         .kind = GridColumn::Kind::TextEntry,
                         .moveKeys = true},
                        {.caption = u"备注"_s,
                         .headerWidth = 1215,
                         .kind = GridColumn::Kind::TextEntry,
                         .selectOnFocus = false,
                         .selectsRow = false}},
            .rows = Rows,
            .rowSelection = rowSelection};
}

QStringList record(int i, const QString& prefix = u"A"_s) {
    return {prefix + QString::number(i), u"中华%1"_s.arg(i), QString::number(10 + i),
            u"备注%1"_s.arg(i)};
}

// Rows of texts; an edit lands in its record, as a screen's typed rows take it.
struct Records : GridModel {
    int count() const override { return int(rows.size()); }
    QStringList texts(int record) const override { return rows.at(record); }
    void edit(int record, int column, const QString& text) override { rows[record][column] = text; }
    QList<QStringList> rows;
};

QColor bandColour(RecordGrid& grid, int row) {
    return grid.findChild<QWidget*>(u"band_%1"_s.arg(row))->palette().color(QPalette::Window);
}

QColor stripe(int row) {
    return row % 2 == 0 ? RecordGrid::EvenColour : RecordGrid::OddColour;
}

} // namespace

class TestRecordGrid : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup();
    void loadFillsRowsAndScrollRange_data();
    void loadFillsRowsAndScrollRange();
    void scrollingRestripes_data();
    void scrollingRestripes();
    void clickSelects_data();
    void clickSelects();
    void rowKeys_data();
    void rowKeys();
    void otherKeysAreTheCell_data();
    void otherKeysAreTheCell();
    void focusSelection_data();
    void focusSelection();
    void typedValueSurvivesScrolling_data();
    void typedValueSurvivesScrolling();
    void shorterLoadAfterScrolling();
    void programChangesAreNoEdits();
    void wheelScrollsOverTheRows_data();
    void wheelScrollsOverTheRows();
    void cutTextShowsWholeAsToolTip_data();
    void cutTextShowsWholeAsToolTip();

private:
    RecordGrid& makeGrid(bool rowSelection = true);
    void load(int count, const QString& prefix = u"A"_s);
    QLineEdit* edit(int row, int column);

    Records m_records;
    std::unique_ptr<RecordGrid> m_grid;
};

void TestRecordGrid::init() {
    m_grid = std::make_unique<RecordGrid>(design(), m_records);
}

void TestRecordGrid::cleanup() {
    m_grid.reset();
}

RecordGrid& TestRecordGrid::makeGrid(bool rowSelection) {
    m_grid = std::make_unique<RecordGrid>(design(rowSelection), m_records);
    m_grid->show();
    m_grid->activateWindow();
    [&] { QVERIFY(QTest::qWaitForWindowActive(m_grid.get())); }();
    return *m_grid;
}

void TestRecordGrid::load(int count, const QString& prefix) {
    m_records.rows.clear();
    for (int i = 0; i < count; ++i)
        m_records.rows.append(record(i, prefix));
    m_grid->load();
}

QLineEdit* TestRecordGrid::edit(int row, int column) {
    return m_grid->findChild<QLineEdit*>(u"cell_%1_%2"_s.arg(row).arg(column));
}

void TestRecordGrid::loadFillsRowsAndScrollRange_data() {
    QTest::addColumn<int>("count");
    QTest::addColumn<int>("maximum");

    QTest::newRow("no records") << 0 << 0;
    QTest::newRow("fewer than the rows") << 2 << 0;
    QTest::newRow("exactly the rows") << Rows << 0;
    QTest::newRow("one more than the rows") << Rows + 1 << 1;
    QTest::newRow("thousands") << 5000 << 5000 - Rows;
}

void TestRecordGrid::loadFillsRowsAndScrollRange() {
    QFETCH(int, count);
    QFETCH(int, maximum);
    RecordGrid& grid = *m_grid;
    load(9, u"old"_s);
    grid.setScrollTop(3);

    load(count);

    for (int row = 0; row < Rows; ++row) {
        for (int column = 0; column < 4; ++column) {
            const QString expected = row < count ? record(row).at(column) : QString();
            QCOMPARE(grid.cellText(row, column), expected);
        }
    }
    auto* bar = grid.findChild<QScrollBar*>(u"VS1"_s);
    QCOMPARE(bar->isEnabled(), count > Rows);
    QCOMPARE(bar->maximum(), maximum);
    QCOMPARE(bar->value(), 0);
    QCOMPARE(grid.scrollTop(), 0);
    QCOMPARE(grid.findChildren<QLabel*>(QRegularExpression(u"^cell_"_s)).size(), Rows * 2);
    QCOMPARE(grid.findChildren<QLineEdit*>(QRegularExpression(u"^cell_"_s)).size(), Rows * 2);
}

void TestRecordGrid::scrollingRestripes_data() {
    QTest::addColumn<QString>("clicked");

    QTest::newRow("band") << u"band_0"_s;
    QTest::newRow("read-only cell") << u"cell_0_1"_s;
    QTest::newRow("text-entry cell") << u"cell_0_2"_s;
}

void TestRecordGrid::scrollingRestripes() {
    QFETCH(QString, clicked);
    RecordGrid& grid = makeGrid();
    load(10);
    QSignalSpy redrawn(&grid, &RecordGrid::redrawn);

    QTest::mouseClick(grid.findChild<QWidget*>(clicked), Qt::LeftButton);
    QCOMPARE(bandColour(grid, 0), RecordGrid::SelectedColour);
    QCOMPARE(edit(0, CountColumn)->palette().color(QPalette::Base), RecordGrid::SelectedColour);
    QCOMPARE(grid.selectedRow(), 0);

    grid.findChild<QScrollBar*>(u"VS1"_s)->triggerAction(QAbstractSlider::SliderSingleStepAdd);

    QCOMPARE(redrawn.size(), 1);
    QCOMPARE(grid.scrollTop(), 1);
    for (int row = 0; row < Rows; ++row) {
        QCOMPARE(grid.cellText(row, 0), record(row + 1).at(0));
        QCOMPARE(bandColour(grid, row), stripe(row));
        QCOMPARE(edit(row, CountColumn)->palette().color(QPalette::Base), stripe(row));
    }
    QCOMPARE(grid.selectedRow(), -1);
    // What is painted, not only the palette: the band's left edge, where no cell lies.
    const QImage image = grid.grab().toImage();
    const QWidget* band = grid.findChild<QWidget*>(u"band_0"_s);
    const QPoint edge = band->mapTo(&grid, QPoint(1, band->height() / 2));
    QCOMPARE(image.pixelColor(edge * image.devicePixelRatio()), RecordGrid::EvenColour);
}

void TestRecordGrid::clickSelects_data() {
    QTest::addColumn<bool>("rowSelection");
    QTest::addColumn<int>("count");
    QTest::addColumn<int>("top");
    QTest::addColumn<QString>("clicked");
    QTest::addColumn<int>("selected");
    QTest::addColumn<int>("record");

    QTest::newRow("band of a row with a record") << true << 10 << 0 << u"band_2"_s << 2 << 2;
    QTest::newRow("cell of a scrolled row") << true << 10 << 5 << u"cell_1_0"_s << 1 << 6;
    QTest::newRow("band of an empty row") << true << 3 << 0 << u"band_3"_s << -1 << -1;
    QTest::newRow("cell of an empty row") << true << 3 << 0 << u"cell_3_2"_s << -1 << -1;
    QTest::newRow("column that does not react") << true << 10 << 0 << u"cell_1_3"_s << -1 << -1;
    QTest::newRow("grid without row selection") << false << 10 << 0 << u"band_1"_s << -1 << -1;
}

void TestRecordGrid::clickSelects() {
    QFETCH(bool, rowSelection);
    QFETCH(int, count);
    QFETCH(int, top);
    QFETCH(QString, clicked);
    QFETCH(int, selected);
    QFETCH(int, record);
    RecordGrid& grid = makeGrid(rowSelection);
    load(count);
    grid.setScrollTop(top);
    QSignalSpy spy(&grid, &RecordGrid::rowSelected);

    QTest::mouseClick(grid.findChild<QWidget*>(clicked), Qt::LeftButton);

    QCOMPARE(grid.selectedRow(), selected);
    QCOMPARE(grid.selectedRecord(), record >= 0 ? std::optional<int>(record) : std::nullopt);
    QCOMPARE(spy.size(), selected >= 0 ? 1 : 0);
    for (int row = 0; row < Rows; ++row) {
        const QColor expected = row == selected ? RecordGrid::SelectedColour : stripe(row);
        QCOMPARE(bandColour(grid, row), expected);
        QCOMPARE(edit(row, RemarkColumn)->palette().color(QPalette::Base), expected);
        // Read-only cells are see-through: the band carries the colour.
        QVERIFY(!grid.findChild<QLabel*>(u"cell_%1_0"_s.arg(row))->autoFillBackground());
    }
}

void TestRecordGrid::rowKeys_data() {
    QTest::addColumn<int>("count");
    QTest::addColumn<int>("top");
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("expectedTop");
    QTest::addColumn<int>("expectedRow");

    const int last = Rows - 1;
    const int end = 10 - Rows;
    QTest::newRow("Down to the next row") << 10 << 0 << 0 << int(Qt::Key_Down) << 0 << 1;
    QTest::newRow("Enter to the next row") << 10 << 2 << 1 << int(Qt::Key_Return) << 2 << 2;
    QTest::newRow("keypad Enter") << 10 << 0 << 1 << int(Qt::Key_Enter) << 0 << 2;
    QTest::newRow("Down on the bottom row scrolls by one")
        << 10 << 0 << last << int(Qt::Key_Down) << 1 << last;
    QTest::newRow("Enter on the bottom row at the end stays")
        << 10 << end << last << int(Qt::Key_Return) << end << last;
    QTest::newRow("Down at the end stays") << 10 << end << last << int(Qt::Key_Down) << end << last;
    QTest::newRow("Down with the bar disabled") << 2 << 0 << last << int(Qt::Key_Down) << 0 << last;
    QTest::newRow("Up to the previous row") << 10 << 3 << 2 << int(Qt::Key_Up) << 3 << 1;
    QTest::newRow("Up on the top row scrolls by one") << 10 << 3 << 0 << int(Qt::Key_Up) << 2 << 0;
    QTest::newRow("Up at the start stays") << 10 << 0 << 0 << int(Qt::Key_Up) << 0 << 0;
}

void TestRecordGrid::rowKeys() {
    QFETCH(int, count);
    QFETCH(int, top);
    QFETCH(int, row);
    QFETCH(int, key);
    QFETCH(int, expectedTop);
    QFETCH(int, expectedRow);
    RecordGrid& grid = makeGrid();
    load(count);
    grid.setScrollTop(top);
    grid.focusCell(row, CountColumn);
    QSignalSpy edits(&grid, &RecordGrid::cellEdited);

    QTest::keyClick(QApplication::focusWidget(), Qt::Key(key));

    QCOMPARE(grid.scrollTop(), expectedTop);
    QLineEdit* focused = edit(expectedRow, CountColumn);
    QCOMPARE(QApplication::focusWidget(), focused);
    const QString shown = expectedTop + expectedRow < count
                              ? record(expectedTop + expectedRow).at(CountColumn)
                              : QString();
    QCOMPARE(focused->text(), shown);
    QCOMPARE(focused->selectedText(), shown);
    QCOMPARE(edits.size(), 0);
}

void TestRecordGrid::otherKeysAreTheCell_data() {
    QTest::addColumn<int>("key");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("cursor");

    QTest::newRow("Down in a column without row keys") << int(Qt::Key_Down) << u"备注1"_s << 3;
    QTest::newRow("Left moves within the text") << int(Qt::Key_Left) << u"备注1"_s << 2;
    QTest::newRow("Escape cancels nothing") << int(Qt::Key_Escape) << u"备注1"_s << 3;
}

void TestRecordGrid::otherKeysAreTheCell() {
    QFETCH(int, key);
    QFETCH(QString, text);
    QFETCH(int, cursor);
    RecordGrid& grid = makeGrid();
    load(10);
    QLineEdit* remark = edit(1, RemarkColumn);
    remark->setFocus(Qt::TabFocusReason);
    remark->end(false);

    QTest::keyClick(remark, Qt::Key(key));

    QCOMPARE(QApplication::focusWidget(), remark);
    QCOMPARE(grid.scrollTop(), 0);
    QCOMPARE(remark->text(), text);
    QCOMPARE(remark->cursorPosition(), cursor);
}

void TestRecordGrid::focusSelection_data() {
    QTest::addColumn<int>("column");
    QTest::addColumn<bool>("byMouse");
    QTest::addColumn<bool>("selectsAll");

    QTest::newRow("count cell, clicked") << CountColumn << true << true;
    QTest::newRow("count cell, tabbed") << CountColumn << false << true;
    QTest::newRow("remark cell, clicked") << RemarkColumn << true << false;
    QTest::newRow("remark cell, tabbed") << RemarkColumn << false << false;
}

void TestRecordGrid::focusSelection() {
    QFETCH(int, column);
    QFETCH(bool, byMouse);
    QFETCH(bool, selectsAll);
    makeGrid();
    load(10);
    QLineEdit* cell = edit(2, column);

    if (byMouse)
        QTest::mouseClick(cell, Qt::LeftButton, {}, QPoint(2, cell->height() / 2));
    else
        cell->setFocus(Qt::TabFocusReason);

    QVERIFY(cell->hasFocus());
    QCOMPARE(cell->selectedText(), selectsAll ? cell->text() : QString());
}

void TestRecordGrid::typedValueSurvivesScrolling_data() {
    QTest::addColumn<int>("column");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("expected");

    QTest::newRow("count typed over the selection") << CountColumn << u"7"_s << u"7"_s;
    QTest::newRow("Chinese remark appended") << RemarkColumn << u"好烟"_s << u"备注2好烟"_s;
    QTest::newRow("count cleared") << CountColumn << QString() << QString();
}

void TestRecordGrid::typedValueSurvivesScrolling() {
    QFETCH(int, column);
    QFETCH(QString, typed);
    QFETCH(QString, expected);
    RecordGrid& grid = makeGrid();
    load(12);
    grid.setScrollTop(1);
    QSignalSpy edits(&grid, &RecordGrid::cellEdited);
    QLineEdit* cell = edit(1, column);
    cell->setFocus(Qt::TabFocusReason);
    cell->end(false);

    if (column == CountColumn) {
        cell->selectAll();
        if (typed.isEmpty())
            QTest::keyClick(cell, Qt::Key_Delete);
        else
            QTest::keyClicks(cell, typed);
    } else {
        QInputMethodEvent commit;
        commit.setCommitString(typed);
        QApplication::sendEvent(cell, &commit);
    }

    QCOMPARE(cell->text(), expected);
    QVERIFY(!edits.isEmpty());
    QCOMPARE(edits.last().at(0).toInt(), 1);
    QCOMPARE(edits.last().at(1).toInt(), column);
    QCOMPARE(edits.last().at(2).toString(), expected);

    grid.setScrollTop(8);
    QCOMPARE(grid.cellText(1, column), record(9).at(column));
    grid.setScrollTop(1);
    QCOMPARE(grid.cellText(1, column), expected);

    QStringList stored = record(2);
    stored[column] = expected;
    QCOMPARE(m_records.rows.at(2), stored);
    QCOMPARE(m_records.rows.at(1), record(1));
    QCOMPARE(m_records.rows.at(3), record(3));
}

void TestRecordGrid::shorterLoadAfterScrolling() {
    RecordGrid& grid = makeGrid();
    load(20, u"old"_s);
    grid.setScrollTop(9);

    load(2, u"new"_s);

    QCOMPARE(grid.cellText(0, 0), u"new0"_s);
    QCOMPARE(grid.cellText(1, 0), u"new1"_s);
    QVERIFY(grid.cellText(2, 0).isEmpty());
    QVERIFY(!grid.findChild<QScrollBar*>(u"VS1"_s)->isEnabled());

    grid.focusCell(1, CountColumn);
    QTest::keyClicks(edit(1, CountColumn), u"5"_s);
    QCOMPARE(m_records.rows.at(1).at(CountColumn), u"5"_s);
    QCOMPARE(m_records.rows.at(0).at(CountColumn), record(0).at(CountColumn));

    // An edit in a row that shows no record stays in the cell and never reaches the model.
    grid.focusCell(3, CountColumn);
    QTest::keyClicks(edit(3, CountColumn), u"8"_s);
    QCOMPARE(grid.cellText(3, CountColumn), u"8"_s);
    QCOMPARE(m_records.rows.size(), 2);
    QCOMPARE(m_records.rows.at(1), (QStringList{u"new1"_s, u"中华1"_s, u"5"_s, u"备注1"_s}));
}

void TestRecordGrid::programChangesAreNoEdits() {
    RecordGrid& grid = makeGrid();
    QSignalSpy edits(&grid, &RecordGrid::cellEdited);
    load(10);
    grid.setScrollTop(3);
    grid.setCellText(0, CountColumn, u"99"_s);

    QCOMPARE(edits.size(), 0);
    QCOMPARE(m_records.rows.at(3).at(CountColumn), record(3).at(CountColumn));
}

void TestRecordGrid::wheelScrollsOverTheRows_data() {
    QTest::addColumn<QString>("under");
    QTest::addColumn<int>("top");
    QTest::addColumn<int>("notches"); // towards the end
    QTest::addColumn<int>("expectedTop");

    const int lines = QApplication::wheelScrollLines();
    QTest::newRow("over a read-only cell") << u"cell_1_0"_s << 0 << 1 << lines;
    QTest::newRow("over a text-entry cell") << u"cell_2_2"_s << 0 << 1 << lines;
    QTest::newRow("over a band") << u"band_3"_s << 0 << 1 << lines;
    QTest::newRow("over a header") << u"Cm2_1"_s << 0 << 1 << lines;
    QTest::newRow("back up") << u"cell_0_3"_s << lines + 1 << -1 << 1;
}

void TestRecordGrid::wheelScrollsOverTheRows() {
    QFETCH(QString, under);
    QFETCH(int, top);
    QFETCH(int, notches);
    QFETCH(int, expectedTop);
    RecordGrid& grid = makeGrid();
    load(20);
    grid.setScrollTop(top);
    QWidget* widget = grid.findChild<QWidget*>(under);
    const QPoint centre = widget->rect().center();

    QWheelEvent wheel(centre, widget->mapToGlobal(centre), QPoint(), QPoint(0, -120 * notches),
                      Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(widget, &wheel);

    QVERIFY(wheel.isAccepted());
    QCOMPARE(grid.scrollTop(), expectedTop);
    QCOMPARE(grid.cellText(0, 0), record(expectedTop).at(0));
}

void TestRecordGrid::cutTextShowsWholeAsToolTip_data() {
    QTest::addColumn<int>("column");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("cut");

    QTest::newRow("a name that fits") << 1 << u"红塔山\\经典"_s << false;
    QTest::newRow("a name too long") << 1 << u"红塔山（经典1956）软盒\\二十支装香烟礼盒"_s << true;
    QTest::newRow("a remark too long to edit in view")
        << RemarkColumn << u"周三送货，找王师傅签收"_s << true;
}

void TestRecordGrid::cutTextShowsWholeAsToolTip() {
    QFETCH(int, column);
    QFETCH(QString, text);
    QFETCH(bool, cut);
    RecordGrid& grid = makeGrid();
    m_records.rows = {record(0)};
    m_records.rows[0][column] = text;
    grid.load();
    QWidget* cell = grid.findChild<QWidget*>(u"cell_0_%1"_s.arg(column));

    QCOMPARE(grid.cellText(0, column), text);
    QCOMPARE(cell->toolTip(), cut ? text : QString());

    // A short text shown in the cell afterwards drops the tool tip of the long one.
    load(1);
    QCOMPARE(cell->toolTip(), QString());
}

GUI_TEST_MAIN(TestRecordGrid)
#include "tst_recordgrid.moc"
