#include "checkout/Sale.h"

void Sale::receive(const QString& typed) {
    m_received = typed;
    const Decimal change = (Decimal::read(typed) - cart.totals().total).rounded(2);
    m_change = change > Decimal() ? std::optional<Decimal>(change) : std::nullopt;
}

void Sale::clearPayment() {
    m_received.clear();
    m_change.reset();
}

QString Sale::changeText() const {
    return m_change ? m_change->moneyText() : QString();
}
