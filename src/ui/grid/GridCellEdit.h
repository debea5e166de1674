#pragma once

#include <QLineEdit>

// A text-entry cell that can select its whole text whenever it gets the focus, by the
// keyboard or by a click (the click would otherwise just place the cursor).
class GridCellEdit : public QLineEdit {
    Q_OBJECT
public:
    GridCellEdit(bool selectOnFocus, QWidget* parent);

protected:
    void focusInEvent(QFocusEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    bool m_selectOnFocus;
    bool m_selectAfterPress = false;
};
