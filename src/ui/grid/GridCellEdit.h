#pragma once

#include <QLineEdit>

// A text-entry cell that can select its whole text whenever it gets the focus, by the
// keyboard or by a click (the click would otherwise just place the cursor). A text wider than
// the cell shows whole as the tool tip; it is not cut with "…", since the cursor must reach
// every character.
class GridCellEdit : public QLineEdit {
    Q_OBJECT
public:
    GridCellEdit(bool selectOnFocus, QWidget* parent);

protected:
    void focusInEvent(QFocusEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    void showWholeWhenCut(const QString& text);

    bool m_selectOnFocus;
    bool m_selectAfterPress = false;
};
