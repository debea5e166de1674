#pragma once

#include <QKeyEvent>

// The key that ends an entry, runs a search or presses a button: Return, or Enter on the
// keypad, pressed alone (Ctrl+Enter and the like are someone else's).
inline bool isEnterPress(const QEvent* event) {
    if (event->type() != QEvent::KeyPress)
        return false;
    const auto* key = static_cast<const QKeyEvent*>(event);
    return (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) &&
           !(key->modifiers() & ~Qt::KeypadModifier);
}
