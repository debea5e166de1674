#pragma once

#include <QObject>

// Keeps every one-line box of the program to one line: tabs, line breaks and other control
// characters that arrive in it (pasted from a spreadsheet cell, mostly) become one blank.
// It gives each QLineEdit a validator that mends the text before any signal reports it; a box
// with a validator of its own is left alone.
class OneLineInput : public QObject {
    Q_OBJECT
public:
    // Watches the whole application while it exists.
    explicit OneLineInput(QObject* parent = nullptr);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};
