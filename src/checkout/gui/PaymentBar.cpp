#include "checkout/gui/PaymentBar.h"

#include <QButtonGroup>
#include <QHBoxLayout>
#include <QKeySequence>
#include <QRadioButton>

using namespace Qt::Literals::StringLiterals;

Qt::Key PaymentBar::keyOf(PaymentMethod method) {
    switch (method) {
    case PaymentMethod::WeChat:
        return Qt::Key_F6;
    case PaymentMethod::Alipay:
        return Qt::Key_F7;
    case PaymentMethod::Card:
        return Qt::Key_F8;
    case PaymentMethod::Other:
        return Qt::Key_F3; // F4 is the receipt's
    case PaymentMethod::Cash:
        break;
    }
    return Qt::Key_F5;
}

PaymentBar::PaymentBar(QWidget* parent)
    : QWidget(parent) {
    setObjectName(u"paymentBar"_s);
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    auto* group = new QButtonGroup(this);
    for (const PaymentMethod method : Payment::Methods) {
        auto* button = new QRadioButton(
            Payment::text(method) + u'(' + QKeySequence(keyOf(method)).toString() + u')', this);
        button->setObjectName(u"pay_"_s + Payment::text(method));
        button->setFocusPolicy(Qt::NoFocus);
        group->addButton(button);
        layout->addWidget(button);
        m_buttons[method] = button;
        connect(button, &QRadioButton::clicked, this, [this, method] { Q_EMIT chosen(method); });
    }
    showMethod(PaymentMethod::Cash);
}

void PaymentBar::showMethod(PaymentMethod method) {
    m_buttons.at(method)->setChecked(true);
}
