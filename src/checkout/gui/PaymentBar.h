#pragma once

#include "checkout/PaymentMethod.h"

#include <QWidget>

#include <map>

class QRadioButton;

// The row of option buttons by 实收 that says how the customer pays, each with its key.
// The buttons take no focus: a click leaves the cashier where the typing was.
class PaymentBar : public QWidget {
    Q_OBJECT

public:
    static Qt::Key keyOf(PaymentMethod method);

    explicit PaymentBar(QWidget* parent);

    // Shows the method; says nothing of it.
    void showMethod(PaymentMethod method);

Q_SIGNALS:
    void chosen(PaymentMethod method);

private:
    std::map<PaymentMethod, QRadioButton*> m_buttons;
};
