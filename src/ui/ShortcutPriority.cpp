#include "ui/ShortcutPriority.h"

#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QWidget>

ShortcutPriority::ShortcutPriority(QObject* parent)
    : QObject(parent) {
    qApp->installEventFilter(this);
}

bool ShortcutPriority::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::ShortcutOverride)
        return false;
    const auto* widget = qobject_cast<QWidget*>(watched);
    if (!widget || !reserved(static_cast<QKeyEvent*>(event)->keyCombination(), *widget->window()))
        return false;
    // Unclaimed and kept from the control, the key goes on to the shortcut map.
    event->ignore();
    return true;
}

bool ShortcutPriority::reserved(QKeyCombination key, const QWidget& window) {
    if (key.key() >= Qt::Key_F1 && key.key() <= Qt::Key_F12)
        return true;
    // Plain typing, the bulk of all keys, never matches a menu shortcut.
    if (!(key.keyboardModifiers() & (Qt::ControlModifier | Qt::AltModifier)))
        return false;
    const QKeySequence sequence(key);
    for (const QAction* action : window.findChildren<QAction*>()) {
        if (action->shortcuts().contains(sequence))
            return true;
    }
    return false;
}
