#pragma once

#include "checkout/HeldCartBook.h"
#include "checkout/Sale.h"
#include "checkout/SaleBook.h"

#include <QDate>
#include <QDateTime>

#include <optional>

class Database;

// The sale on the sales screen and what becomes of it: saved, paid after saving, set aside,
// taken back, replaced by a stored one or deleted. It knows what of the sale is stored, so a
// sale is saved only when there is something new to save, and a payment typed after the
// save reaches the file when the cashier moves on. Failures throw DbError, refusals Refusal;
// either leaves the sale on screen as it was.
class SaleSession {
public:
    explicit SaleSession(Database& database);

    Sale& sale() { return m_sale; }
    const Sale& sale() const { return m_sale; }
    SaleBook& book() { return m_book; }
    HeldCartBook& heldCarts() { return m_held; }

    // A cart with lines that are not stored as they stand: leaving it would lose them.
    bool isUnsaved() const;
    // Saved and unchanged since: a product added now belongs to the next customer.
    bool isJustSaved() const;
    bool isStored() const { return m_stored.has_value(); }

    // Saves a new or changed sale; false when there was nothing to save: an empty cart is no
    // sale, and a stored sale unchanged is stored already (only its payment is settled).
    bool save(const QDateTime& at);
    // Stores the payment of a stored sale as it stands now; a 实收 that cannot be an amount
    // (a stray scan) leaves the stored one.
    void settle();
    // Gives the sale on screen up: nothing more of it is stored.
    void abandon();
    // 实收 held a scanner's code rather than an amount: it goes back to what is stored, or to
    // nothing.
    void forgetStrayReceived();

    // The sale on screen settled, a new one under the day's next number; false, with nothing
    // changed, when the day has no number left.
    bool startNext(QDate day);
    // The sale on screen settled, a stored one in its place.
    void show(const SaleSummary& stored);
    // Deletes the sale on screen and begins the next one.
    bool removeAndStartNext(const QDateTime& at);
    // Sets a cart that was never stored aside, leaving the sale on screen empty; false, with
    // nothing set aside, for an empty cart or a stored sale.
    bool hold(const QDateTime& at);
    // Takes a held cart back into the sale on screen, a new one.
    void resume(qint64 heldId);

private:
    struct Stored {
        QList<CartLine> lines;
        QString received;
        QString change;
        PaymentMethod payment = PaymentMethod::Cash;
    };
    void markStored();

    SaleBook m_book;
    HeldCartBook m_held;
    Sale m_sale;
    std::optional<Stored> m_stored;
    bool m_justSaved = false;
};
