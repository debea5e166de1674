#pragma once

#include "ui/grid/GridColumn.h"

#include <QList>
#include <QRect>

// Where every part of a grid lies, in twips: header buttons from the canvas's top, row bands
// one pitch apart below them, the frame and scroll bar sized from the canvas, which ends at the
// scroll bar's right edge.
class GridGeometry {
public:
    static constexpr int HeaderHeight = 255;
    static constexpr int HeaderOverlap = 15;
    static constexpr int BandHeight = 315;
    static constexpr int CellHeight = 195;
    static constexpr int CellInset = 60;
    static constexpr int LineGap = 30;
    static constexpr int LineThickness = 15;
    static constexpr int ScrollBarWidth = 255;
    static constexpr int ScrollBarInset = 60;
    static constexpr int FrameExtraHeight = 60;
    static constexpr int ScrollBarExtraHeight = 20;

    // A width of 0 makes the grid just wide enough for its headers and the scroll bar.
    GridGeometry(const QList<GridColumn>& columns, int rows, int width);

    QRect header(int column) const;
    QRect cell(int row, int column) const;
    QRect band(int row) const;
    QRect horizontalLine(int row) const;
    QRect verticalLine(int column) const;
    QRect canvas() const;
    QRect frame() const;
    QRect scrollBar() const;

private:
    int canvasWidth() const;

    QList<QRect> m_headers;
    QList<QRect> m_cellColumns;
    int m_rows;
    int m_width;
};
