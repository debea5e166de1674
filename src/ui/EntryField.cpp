#include "ui/EntryField.h"

#include <QKeyEvent>

void EntryField::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        event->accept();
        Q_EMIT enterPressed();
        return;
    }
    QLineEdit::keyPressEvent(event);
}

void EntryField::focusInEvent(QFocusEvent* event) {
    // The base selects everything on a Tab focus; the caret at the end wins over that.
    QLineEdit::focusInEvent(event);
    deselect();
    end(false);
}
