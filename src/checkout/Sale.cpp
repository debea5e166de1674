#include "checkout/Sale.h"

#include <algorithm>

bool Sale::canBeAmount(QStringView typed) {
    return typed.size() <= AmountWidth && std::none_of(typed.begin(), typed.end(), [](QChar c) {
               return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z');
           });
}

void Sale::receive(const QString& typed) {
    m_received = typed;
    const Decimal change = (Decimal::read(typed) - cart.totals().total).rounded(2);
    m_change = change > Decimal() ? std::optional<Decimal>(change) : std::nullopt;
}

void Sale::restoreReceived(const QString& received, const QString& change) {
    m_received = received;
    m_change = change.isEmpty() ? std::nullopt : std::optional<Decimal>(Decimal::read(change));
}

void Sale::clearPayment() {
    m_received.clear();
    m_change.reset();
    payment = PaymentMethod::Cash;
}

QString Sale::receivedText() const {
    if (m_received.isEmpty() && payment != PaymentMethod::Cash)
        return cart.totals().total.moneyText();
    return m_received;
}

QString Sale::changeText() const {
    return m_change ? m_change->moneyText() : QString();
}
