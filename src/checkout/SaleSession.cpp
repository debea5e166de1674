#include "checkout/SaleSession.h"

SaleSession::SaleSession(Database& database)
    : m_book(database)
    , m_held(database) {}

bool SaleSession::isUnsaved() const {
    return !m_sale.cart.isEmpty() && (!m_stored || m_stored->lines != m_sale.cart.lines());
}

bool SaleSession::isJustSaved() const {
    return m_justSaved && m_stored && m_stored->lines == m_sale.cart.lines();
}

bool SaleSession::save(const QDateTime& at) {
    if (m_sale.cart.isEmpty())
        return false;
    if (m_stored && m_stored->lines == m_sale.cart.lines()) {
        settle();
        m_justSaved = true;
        return false;
    }
    m_book.save(m_sale, at);
    markStored();
    m_justSaved = true;
    return true;
}

void SaleSession::settle() {
    if (!m_stored)
        return;
    Stored paid = *m_stored;
    if (Sale::canBeAmount(m_sale.received())) {
        paid.received = m_sale.receivedText();
        paid.change = m_sale.changeText();
    }
    paid.payment = m_sale.payment;
    if (paid.received == m_stored->received && paid.change == m_stored->change &&
        paid.payment == m_stored->payment)
        return;
    m_book.settle(m_sale.number, paid.received, paid.change, paid.payment);
    *m_stored = paid;
}

void SaleSession::abandon() {
    m_stored.reset();
    m_justSaved = false;
}

void SaleSession::forgetStrayReceived() {
    if (m_stored)
        m_sale.restoreReceived(m_stored->received, m_stored->change);
    else
        m_sale.receive(QString());
}

bool SaleSession::startNext(QDate day) {
    settle();
    const std::optional<QString> number = m_book.nextSaleNumber(day);
    if (!number)
        return false;
    m_sale = Sale();
    m_sale.number = *number;
    m_sale.date = day;
    abandon();
    return true;
}

void SaleSession::show(const SaleSummary& stored) {
    StoredSale loaded = m_book.load(stored.number);
    settle();
    m_sale.number = stored.number;
    if (stored.date.isValid())
        m_sale.date = stored.date;
    m_sale.cart = std::move(loaded.cart);
    m_sale.payment = loaded.payment;
    m_sale.restoreReceived(loaded.received, loaded.change);
    markStored();
    m_justSaved = false;
}

bool SaleSession::removeAndStartNext(const QDateTime& at) {
    m_book.remove(m_sale.number, at);
    abandon();
    return startNext(at.date());
}

bool SaleSession::hold(const QDateTime& at) {
    if (m_stored || m_sale.cart.isEmpty())
        return false;
    m_held.hold(m_sale, at);
    m_sale.cart.clear();
    m_sale.clearPayment();
    return true;
}

void SaleSession::resume(qint64 heldId) {
    HeldCart held = m_held.take(heldId);
    m_sale.cart = std::move(held.cart);
    m_sale.payment = held.payment;
    m_sale.receive(held.received);
}

void SaleSession::markStored() {
    m_stored =
        Stored{m_sale.cart.lines(), m_sale.receivedText(), m_sale.changeText(), m_sale.payment};
}
