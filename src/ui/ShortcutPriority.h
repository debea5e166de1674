#pragma once

#include <QObject>

class QKeyCombination;
class QWidget;

// A window's menu shortcuts and the screens' keys F1 to F12 win over whatever control of the
// window has the focus, as menu accelerators do on Windows: on X11 a text box would otherwise
// claim Ctrl+E, Ctrl+U, Ctrl+Z … as its own editing keys before any shortcut sees them.
class ShortcutPriority : public QObject {
    Q_OBJECT
public:
    // Watches the whole application while it exists.
    explicit ShortcutPriority(QObject* parent = nullptr);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    static bool reserved(QKeyCombination key, const QWidget& window);
};
