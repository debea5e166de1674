#pragma once

#include "checkout/Cart.h"
#include "checkout/PaymentMethod.h"

#include <QDateTime>
#include <QList>
#include <QString>

class Database;
class Sale;

// A cart set aside, as the list of held carts shows it.
struct HeldCartSummary {
    qint64 id = 0;
    QDateTime heldAt;
    int lines = 0;
    Decimal total;
};

// A held cart taken back: its lines and what had been typed of its payment.
struct HeldCart {
    Cart cart;
    QString received;
    PaymentMethod payment = PaymentMethod::Cash;
};

// The carts a cashier set aside ([挂单], [挂单明细]): kept in the file, so that a crash or the
// end of the day loses none; they use no sale number and move no stock. Every write is one
// transaction; failures throw DbError, refusals Refusal.
class HeldCartBook {
public:
    explicit HeldCartBook(Database& database)
        : m_database(database) {}

    // Sets the sale's cart and payment aside; returns the held cart's id.
    qint64 hold(const Sale& sale, const QDateTime& at);
    // Every held cart, oldest first, whatever its day.
    QList<HeldCartSummary> list();
    // The held cart, removed from the file; an empty cart when it is gone already.
    HeldCart take(qint64 id);

private:
    Database& m_database;
};
