#pragma once

#include <QObject>

// Push and tool buttons in every window of the program behave under the keyboard as on
// Windows: Enter on a focused button presses it (Qt leaves that to dialogs' default buttons),
// and a button focused by anything but the mouse shows its focus mark at once (Qt waits for
// the first Tab).
class KeyboardButtons : public QObject {
    Q_OBJECT
public:
    // Watches the whole application while it exists.
    explicit KeyboardButtons(QObject* parent = nullptr);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};
