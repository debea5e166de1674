#include "ui/grid/GridCellEdit.h"

#include <QFocusEvent>

GridCellEdit::GridCellEdit(bool selectOnFocus, QWidget* parent)
    : QLineEdit(parent)
    , m_selectOnFocus(selectOnFocus) {
    setFrame(false);
}

void GridCellEdit::focusInEvent(QFocusEvent* event) {
    QLineEdit::focusInEvent(event);
    if (!m_selectOnFocus) {
        // QLineEdit selects on Tab by itself; a cell that keeps its cursor must not.
        deselect();
        return;
    }
    selectAll();
    m_selectAfterPress = event->reason() == Qt::MouseFocusReason;
}

void GridCellEdit::mousePressEvent(QMouseEvent* event) {
    QLineEdit::mousePressEvent(event);
    if (m_selectAfterPress)
        selectAll();
    m_selectAfterPress = false;
}
