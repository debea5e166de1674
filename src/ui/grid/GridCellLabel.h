#pragma once

#include <QLabel>

// A read-only cell: a text wider than the cell ends in "…" and shows whole as the tool tip.
// text() stays the whole text.
class GridCellLabel : public QLabel {
    Q_OBJECT
public:
    explicit GridCellLabel(QWidget* parent);

    void setCellText(const QString& text);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QString shownText() const;
};
