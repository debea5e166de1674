#pragma once

#include "ui/grid/GridColumn.h"
#include "ui/grid/GridModel.h"
#include "ui/grid/GridState.h"

#include <QColor>
#include <QHash>
#include <QList>
#include <QPoint>
#include <QWidget>

class GridCellEdit;
class GridCellLabel;
class QPushButton;
class QScrollBar;

// How a screen designs its grid: the data columns, R visible rows, the width in twips
// (0 fits the columns) and whether clicks select rows.
struct GridDesign {
    QList<GridColumn> columns = {};
    int rows = 16;
    int width = 0;
    bool rowSelection = true;
};

// The record grid of every list screen: a frame `Pt1` holding the canvas `Pt2` with the header
// buttons, R rows of cells over their bands, and the scroll bar `VS1`. The rows are a window
// onto the screen's model; scrolling, by the bar or by the wheel over the rows, refills
// them from it and never creates widgets.
class RecordGrid : public QWidget {
    Q_OBJECT
public:
    static inline const QColor FrameColour = QColor(0xE0, 0xE0, 0xE0);
    static inline const QColor CanvasColour = QColor(0xC0, 0xFF, 0xFF);
    static inline const QColor EvenColour = QColor(0xF9, 0xF8, 0xF5);
    static inline const QColor OddColour = QColor(0xFF, 0xFF, 0xFF);
    static inline const QColor SelectedColour = QColor(0x00, 0xFF, 0xFF);
    static inline const QColor LineColour = QColor(0xE0, 0xE0, 0xE0);

    // The model outlives the grid.
    RecordGrid(const GridDesign& design, GridModel& model, QWidget* parent = nullptr);

    // Shows the model's first records afresh, with the loading flag set throughout.
    void load();
    // Blanks every cell, fits the scroll range to the model and shows its records from the
    // given one (as far as the range allows); a highlighted row keeps its highlight.
    void refill(int top = 0);
    // Fills every row from record top + r and paints the stripes again.
    void redraw();
    // Stripes by screen position; removes the highlight and forgets the selected row.
    void paintStripes();
    // Highlights a row that shows a record and returns true; otherwise nothing is selected.
    bool selectRow(int row);
    // Scrolls through the scroll bar, which redraws when its value changes.
    void setScrollTop(int top);
    int scrollTop() const { return m_state.top(); }

    int rowCount() const { return m_state.rows(); }
    int columnCount() const { return int(m_columns.size()); }
    int selectedRow() const { return m_state.selectedRow(); }
    std::optional<int> selectedRecord() const { return m_state.selectedRecord(); }
    std::optional<int> recordAt(int row) const { return m_state.recordAt(row); }

    QString cellText(int row, int column) const;
    // A program change: neither a user edit nor handed to the model.
    void setCellText(int row, int column, const QString& text);
    // Focuses a text-entry cell with its whole text selected.
    void focusCell(int row, int column);
    void setColumnCaption(int column, const QString& caption);

    const GridModel& model() const { return m_model; }
    const GridState& state() const { return m_state; }

Q_SIGNALS:
    // A click selected the row.
    void rowSelected(int row);
    // The user changed a text-entry cell; a shown record already has the edit.
    void cellEdited(int row, int column, const QString& text);
    // A redraw after scrolling (or an explicit redraw) finished.
    void redrawn();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct Cell {
        GridCellLabel* label = nullptr;
        GridCellEdit* edit = nullptr;
    };

    void build(const GridDesign& design);
    void fillRow(int row, int record);
    void blankCells();
    void syncScrollBar();
    void paintRow(int row, const QColor& colour);
    void moveFocus(int row, int column, int step);
    void userEdited(int row, int column, const QString& text);
    const Cell* cell(int row, int column) const;

    QList<GridColumn> m_columns;
    bool m_rowSelection;
    GridModel& m_model;
    GridState m_state;
    QScrollBar* m_scrollBar = nullptr;
    QList<QPushButton*> m_headers;
    QList<QWidget*> m_bands;
    QList<Cell> m_cells;
    QList<QColor> m_rowColours;
    // Row (y) and column (x, -1 for the band) of every widget that takes clicks.
    QHash<const QObject*, QPoint> m_positions;
};
