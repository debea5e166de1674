#include "ui/grid/GridCellEdit.h"

#include <QFocusEvent>

GridCellEdit::GridCellEdit(bool selectOnFocus, QWidget* parent)
    : QLineEdit(parent)
    , m_selectOnFocus(selectOnFocus) {
    setFrame(false);
    connect(this, &QLineEdit::textChanged, this, &GridCellEdit::showWholeWhenCut);
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

void GridCellEdit::showWholeWhenCut(const QString& text) {
    // QLineEdit keeps two pixels clear on either side of its text.
    const bool cut = fontMetrics().horizontalAdvance(text) > contentsRect().width() - 4;
    setToolTip(cut ? text : QString());
}
