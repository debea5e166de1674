#include "ui/KeyboardButtons.h"

#include "ui/EnterKey.h"

#include <QApplication>
#include <QFocusEvent>
#include <QPushButton>
#include <QToolButton>

KeyboardButtons::KeyboardButtons(QObject* parent)
    : QObject(parent) {
    qApp->installEventFilter(this);
}

bool KeyboardButtons::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress && event->type() != QEvent::FocusIn)
        return false;
    auto* button = qobject_cast<QAbstractButton*>(watched);
    if (!button || !(qobject_cast<QPushButton*>(button) || qobject_cast<QToolButton*>(button)))
        return false;
    if (event->type() == QEvent::FocusIn) {
        if (static_cast<QFocusEvent*>(event)->reason() != Qt::MouseFocusReason)
            button->window()->setAttribute(Qt::WA_KeyboardFocusChange);
        return false;
    }
    if (!isEnterPress(event) || !button->hasFocus() || !button->isEnabled())
        return false;
    button->click();
    return true;
}
