#pragma once

#include "checkout/CartLine.h"

#include <QList>
#include <QStringView>

struct PickEntry;

// The articles of the current sale, one line per product, and their totals.
class Cart {
public:
    struct Totals {
        Decimal total;
        Decimal discountGiven;
    };

    // 数量 × 单价 × 折扣, rounded once to cents.
    static Decimal amountOf(Decimal quantity, Decimal price, Decimal discount);

    int size() const { return int(m_lines.size()); }
    bool isEmpty() const { return m_lines.isEmpty(); }
    const QList<CartLine>& lines() const { return m_lines; }
    const CartLine& line(int index) const { return m_lines.at(index); }

    // Raises the quantity of the product's line by one, or appends a line; returns its index.
    int addProduct(const PickEntry& product);
    void append(const CartLine& line);

    // The cashier's edits. Quantity and discount work the amount out again; a typed amount
    // stands as typed, rounded to cents.
    void setQuantity(int index, QStringView typed);
    void setDiscount(int index, QStringView typed);
    void setAmount(int index, QStringView typed);
    void setRemark(int index, const QString& remark);

    void removeLine(int index);
    void clear() { m_lines.clear(); }

    Totals totals() const;

private:
    QList<CartLine> m_lines;
};
