#pragma once

#include <QLineEdit>

// A one-line entry box for keyboard-only forms: Enter is taken (and reported) instead of
// passed on, and the caret lands at the end of the text, nothing selected, on every focus.
class EntryField : public QLineEdit {
    Q_OBJECT
public:
    using QLineEdit::QLineEdit;

Q_SIGNALS:
    void enterPressed();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
};
