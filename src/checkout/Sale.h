#pragma once

#include "checkout/Cart.h"

#include <QDate>
#include <QString>

#include <optional>

// The sale on the sales screen: its number and date, its articles and what the customer paid.
class Sale {
public:
    QString number;
    QDate date;
    Cart cart;

    // The amount received as typed; the change is worked out against the total as it stands
    // now and does not follow later changes of the cart.
    void receive(const QString& typed);
    void clearPayment();

    const QString& received() const { return m_received; }
    // received − total, or none unless that is greater than 0.
    std::optional<Decimal> change() const { return m_change; }
    // "0.00", or empty without change.
    QString changeText() const;

private:
    QString m_received;
    std::optional<Decimal> m_change;
};
