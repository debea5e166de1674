#include "ui/grid/GridCellLabel.h"

#include <QPainter>
#include <QStyle>

GridCellLabel::GridCellLabel(QWidget* parent)
    : QLabel(parent) {
    setTextFormat(Qt::PlainText);
}

void GridCellLabel::setCellText(const QString& text) {
    setText(text);
    setToolTip(shownText() == text ? QString() : text);
}

void GridCellLabel::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    style()->drawItemText(&painter, contentsRect(), int(alignment()), palette(), isEnabled(),
                          shownText(), foregroundRole());
}

QString GridCellLabel::shownText() const {
    return fontMetrics().elidedText(text(), Qt::ElideRight, contentsRect().width());
}
