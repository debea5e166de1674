#include "ui/EntryField.h"

#include "ui/EnterKey.h"

void EntryField::keyPressEvent(QKeyEvent* event) {
    if (isEnterPress(event)) {
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
