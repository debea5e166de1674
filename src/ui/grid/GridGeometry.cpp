#include "ui/grid/GridGeometry.h"

GridGeometry::GridGeometry(const QList<GridColumn>& columns, int rows, int width)
    : m_rows(rows) {
    int left = 0;
    for (const GridColumn& column : columns) {
        left = column.headerLeft.value_or(left);
        m_headers.append(QRect(left, 0, column.headerWidth, HeaderHeight));
        m_cellColumns.append(QRect(column.cellLeft.value_or(left + CellInset), 0,
                                   column.cellWidth.value_or(column.headerWidth - 2 * CellInset),
                                   CellHeight));
        left += column.headerWidth - HeaderOverlap;
    }
    const int headersRight = m_headers.isEmpty() ? 0 : m_headers.last().right() + 1;
    m_width = width > 0 ? width : headersRight + ScrollBarWidth + ScrollBarInset;
}

QRect GridGeometry::header(int column) const {
    return m_headers.value(column);
}

QRect GridGeometry::cell(int row, int column) const {
    return m_cellColumns.value(column).translated(0,
                                                  band(row).top() + (BandHeight - CellHeight) / 2);
}

QRect GridGeometry::band(int row) const {
    return QRect(0, HeaderHeight + row * BandHeight, canvasWidth(), BandHeight);
}

QRect GridGeometry::horizontalLine(int row) const {
    return QRect(0, band(row).bottom() + 1 - LineThickness, canvasWidth(), LineThickness);
}

QRect GridGeometry::verticalLine(int column) const {
    const QRect cells = m_cellColumns.value(column);
    return QRect(cells.right() + 1 + LineGap, HeaderHeight, LineThickness,
                 canvas().height() - HeaderHeight);
}

int GridGeometry::canvasWidth() const {
    // The rows end under the scroll bar's right edge; right of it shows the frame, as below.
    return m_width - ScrollBarInset;
}

QRect GridGeometry::canvas() const {
    return QRect(0, 0, canvasWidth(), band(m_rows - 1).top() + BandHeight);
}

QRect GridGeometry::frame() const {
    return QRect(0, 0, m_width, canvas().height() + FrameExtraHeight);
}

QRect GridGeometry::scrollBar() const {
    return QRect(m_width - ScrollBarInset - ScrollBarWidth, 0, ScrollBarWidth,
                 canvas().height() + ScrollBarExtraHeight);
}
