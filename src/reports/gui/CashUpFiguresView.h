#pragma once

#include "checkout/CashUpFigures.h"

#include <QWidget>

// The cash-up's sections as boxes in two columns, each figure's label at the left and its value
// at the right; the sales and payments on the left, the rest on the right. Value labels are
// named after their figure's label.
class CashUpFiguresView : public QWidget {
    Q_OBJECT
public:
    explicit CashUpFiguresView(QWidget* parent = nullptr);

    void show(const QList<CashUpSection>& sections);
};
