#include "support/GuiTestMain.h"
#include "ui/grid/RecordGrid.h"

#include <QApplication>
#include <QInputMethodEvent>
#include <QLabel>
#include <QLineEdit>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>

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

void load(RecordGrid& grid, bool lines, int count, const QString& prefix = u"A"_s) {
    if (lines) {
        QStringList texts;
        for (int i = 0; i < count; ++i)
            texts.append(RecordStore::joined(record(i, prefix)));
        grid.load(texts);
        return;
    }
    QList<QStringList> columns(4);
    for (int i = 0; i < count; ++i) {
        for (int column = 0; column < 4; ++column)
            columns[column].append(record(i, prefix).at(column));
    }
    grid.load(columns);
}

void addLayoutColumn() {
    QTest::addColumn<bool>("lines");
}

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
    void shorterLoadAfterScrolling_data();
    void shorterLoadAfterScrolling();
    void programChangesAreNoEdits_data();
    void programChangesAreNoEdits();
    void lineWithFewerFieldsKeepsCells();

private:
    RecordGrid& makeGrid(bool rowSelection = true);
    QLineEdit* edit(int row, int column);

    std::unique_ptr<RecordGrid> m_grid;
};

void TestRecordGrid::init() {
    m_grid = std::make_unique<RecordGrid>(design());
}

void TestRecordGrid::cleanup() {
    m_grid.reset();
}

RecordGrid& TestRecordGrid::makeGrid(bool rowSelection) {
    m_grid = std::make_unique<RecordGrid>(design(rowSelection));
    m_grid->show();
    m_grid->activateWindow();
    [&] { QVERIFY(QTest::qWaitForWindowActive(m_grid.get())); }();
    return *m_grid;
}

QLineEdit* TestRecordGrid::edit(int row, int column) {
    return m_grid->findChild<QLineEdit*>(u"cell_%1_%2"_s.arg(row).arg(column));
}

void TestRecordGrid::loadFillsRowsAndScrollRange_data() {
    addLayoutColumn();
    QTest::addColumn<int>("count");
    QTest::addColumn<int>("maximum");

    for (const bool lines : {false, true}) {
        const char* layout = lines ? "lines" : "columns";
        QTest::addRow("%s: no records", layout) << lines << 0 << 0;
        QTest::addRow("%s: fewer than the rows", layout) << lines << 2 << 0;
        QTest::addRow("%s: exactly the rows", layout) << lines << Rows << 0;
        QTest::addRow("%s: one more than the rows", layout) << lines << Rows + 1 << 1;
        QTest::addRow("%s: thousands", layout) << lines << 5000 << 5000 - Rows;
    }
}

void TestRecordGrid::loadFillsRowsAndScrollRange() {
    QFETCH(bool, lines);
    QFETCH(int, count);
    QFETCH(int, maximum);
    RecordGrid& grid = *m_grid;
    load(grid, true, 9, u"old"_s);
    grid.setScrollTop(3);

    load(grid, lines, count);

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
    QCOMPARE(grid.store().count(), count);
    QCOMPARE(grid.findChildren<QLabel*>(QRegularExpression(u"^cell_"_s)).size(), Rows * 2);
    QCOMPARE(grid.findChildren<QLineEdit*>(QRegularExpression(u"^cell_"_s)).size(), Rows * 2);
}

void TestRecordGrid::scrollingRestripes_data() {
    addLayoutColumn();
    QTest::addColumn<QString>("clicked");

    QTest::newRow("band") << false << u"band_0"_s;
    QTest::newRow("read-only cell") << false << u"cell_0_1"_s;
    QTest::newRow("text-entry cell, lines") << true << u"cell_0_2"_s;
}

void TestRecordGrid::scrollingRestripes() {
    QFETCH(bool, lines);
    QFETCH(QString, clicked);
    RecordGrid& grid = makeGrid();
    load(grid, lines, 10);
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
    load(grid, false, count);
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
    load(grid, true, count);
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
    load(grid, false, 10);
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
    RecordGrid& grid = makeGrid();
    load(grid, false, 10);
    QLineEdit* cell = edit(2, column);

    if (byMouse)
        QTest::mouseClick(cell, Qt::LeftButton, {}, QPoint(2, cell->height() / 2));
    else
        cell->setFocus(Qt::TabFocusReason);

    QVERIFY(cell->hasFocus());
    QCOMPARE(cell->selectedText(), selectsAll ? cell->text() : QString());
}

void TestRecordGrid::typedValueSurvivesScrolling_data() {
    addLayoutColumn();
    QTest::addColumn<int>("column");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("expected");

    for (const bool lines : {false, true}) {
        const char* layout = lines ? "lines" : "columns";
        QTest::addRow("%s: count typed over the selection", layout)
            << lines << CountColumn << u"7"_s << u"7"_s;
        QTest::addRow("%s: Chinese remark appended", layout)
            << lines << RemarkColumn << u"好烟"_s << u"备注2好烟"_s;
        QTest::addRow("%s: count cleared", layout)
            << lines << CountColumn << QString() << QString();
    }
}

void TestRecordGrid::typedValueSurvivesScrolling() {
    QFETCH(bool, lines);
    QFETCH(int, column);
    QFETCH(QString, typed);
    QFETCH(QString, expected);
    RecordGrid& grid = makeGrid();
    load(grid, lines, 12);
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
    QCOMPARE(grid.store().fields(2), stored);
    QCOMPARE(grid.store().fields(1), record(1));
    QCOMPARE(grid.store().fields(3), record(3));
}

void TestRecordGrid::shorterLoadAfterScrolling_data() {
    addLayoutColumn();
    QTest::newRow("columns") << false;
    QTest::newRow("lines") << true;
}

void TestRecordGrid::shorterLoadAfterScrolling() {
    QFETCH(bool, lines);
    RecordGrid& grid = makeGrid();
    load(grid, lines, 20, u"old"_s);
    grid.setScrollTop(9);

    load(grid, lines, 2, u"new"_s);

    QCOMPARE(grid.cellText(0, 0), u"new0"_s);
    QCOMPARE(grid.cellText(1, 0), u"new1"_s);
    QVERIFY(grid.cellText(2, 0).isEmpty());
    QVERIFY(!grid.findChild<QScrollBar*>(u"VS1"_s)->isEnabled());

    grid.focusCell(1, CountColumn);
    QTest::keyClicks(edit(1, CountColumn), u"5"_s);
    QCOMPARE(grid.store().text(1, CountColumn), u"5"_s);
    QCOMPARE(grid.store().text(0, CountColumn), record(0).at(CountColumn));

    // An edit in a row that shows no record stays in the cell and never reaches the store.
    grid.focusCell(3, CountColumn);
    QTest::keyClicks(edit(3, CountColumn), u"8"_s);
    QCOMPARE(grid.cellText(3, CountColumn), u"8"_s);
    QCOMPARE(grid.store().count(), 2);
    QCOMPARE(grid.store().fields(1), (QStringList{u"new1"_s, u"中华1"_s, u"5"_s, u"备注1"_s}));
}

void TestRecordGrid::programChangesAreNoEdits_data() {
    addLayoutColumn();
    QTest::newRow("columns") << false;
    QTest::newRow("lines") << true;
}

void TestRecordGrid::programChangesAreNoEdits() {
    QFETCH(bool, lines);
    RecordGrid& grid = makeGrid();
    QSignalSpy edits(&grid, &RecordGrid::cellEdited);
    load(grid, lines, 10);
    grid.setScrollTop(3);
    grid.setCellText(0, CountColumn, u"99"_s);

    QCOMPARE(edits.size(), 0);
    QCOMPARE(grid.store().text(3, CountColumn), record(3).at(CountColumn));

    QVERIFY(grid.writeBackRow(0));
    QCOMPARE(grid.store().text(3, CountColumn), u"99"_s);
    QCOMPARE(grid.store().text(3, 0), record(3).at(0));
    QVERIFY(!grid.writeBackRow(Rows));
}

void TestRecordGrid::lineWithFewerFieldsKeepsCells() {
    RecordGrid& grid = *m_grid;
    QStringList texts;
    for (int i = 0; i < Rows; ++i)
        texts.append(RecordStore::joined(record(i)));
    texts.append(u"B4ァ白沙ァ17"_s);
    grid.load(texts);

    grid.setScrollTop(1);

    const QStringList expected{u"B4"_s, u"白沙"_s, record(Rows - 1).at(2), record(Rows - 1).at(3)};
    for (int column = 0; column < 4; ++column)
        QCOMPARE(grid.cellText(Rows - 1, column), expected.at(column));
    QCOMPARE(grid.cellText(Rows - 2, 2), record(Rows - 1).at(2));
}

GUI_TEST_MAIN(TestRecordGrid)
#include "tst_recordgrid.moc"
