#pragma once

#include "checkout/Cart.h"
#include "checkout/PaymentMethod.h"
#include "data/ColumnWidth.h"

#include <QDate>
#include <QString>
#include <QStringView>

#include <optional>

// The sale on the sales screen: its number and date, its articles and what the customer paid.
class Sale {
public:
    static constexpr int AmountWidth = ColumnWidth::of(u"订单", u"实收"); // and [找零]

    // Whether a text typed into 实收 may be an amount: a scanner's code is longer than the
    // column holds or has letters in it.
    static bool canBeAmount(QStringView typed);

    QString number;
    QDate date;
    Cart cart;
    PaymentMethod payment = PaymentMethod::Cash;

    // The amount received as typed; the change is worked out against the total as it stands
    // now and does not follow later changes of the cart.
    void receive(const QString& typed);
    // The received amount and the change as a stored sale keeps them.
    void restoreReceived(const QString& received, const QString& change);
    // Nothing received, paid in cash.
    void clearPayment();

    const QString& received() const { return m_received; }
    // The amount received: as typed, or, when nothing was typed for a sale not paid in cash,
    // the total.
    QString receivedText() const;
    // received − total, or none unless that is greater than 0.
    std::optional<Decimal> change() const { return m_change; }
    // "0.00", or empty without change.
    QString changeText() const;

private:
    QString m_received;
    std::optional<Decimal> m_change;
};
