#pragma once

#include "checkout/HeldCartBook.h"

#include <QFrame>

class QListWidget;

// The carts set aside, listed over the cart grid when the cashier asks for one back: the
// time each was held, its lines and its total, oldest first. Up and Down choose, Enter or a
// double click takes the cart back, Esc or a click elsewhere closes the list.
class HeldCartList : public QFrame {
    Q_OBJECT

public:
    explicit HeldCartList(QWidget* screen);

    // Shows the list with its first cart selected and the focus in it.
    void open(const QList<HeldCartSummary>& held);

Q_SIGNALS:
    void chosen(qint64 heldId);
    void closed();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void choose();
    void dismiss();

    QListWidget* m_list;
    QList<HeldCartSummary> m_held; // beside the list's rows
};
