#pragma once

#include <QObject>

class QKeyCombination;
class QWidget;

// The window's menu shortcuts and the screens' keys F1 to F12 win over whatever control of the
// window has the focus, as menu accelerators do on Windows: on X11 a text box would otherwise
// claim Ctrl+E, Ctrl+U, Ctrl+Z … as its own editing keys before any shortcut sees them.
class ShortcutPriority : public QObject {
    Q_OBJECT
public:
    // Watches the whole application for the lifetime of the window.
    explicit ShortcutPriority(QWidget* window);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool reserved(QKeyCombination key) const;

    QWidget* m_window;
};
