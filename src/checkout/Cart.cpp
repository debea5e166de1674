#include "checkout/Cart.h"

#include "catalogue/PickEntry.h"

Decimal Cart::amountOf(Decimal quantity, Decimal price, Decimal discount) {
    return Decimal::roundedProduct({quantity, price, discount}, 2);
}

int Cart::addProduct(const PickEntry& product) {
    for (int index = 0; index < size(); ++index) {
        CartLine& line = m_lines[index];
        if (line.productId == product.productId) {
            line.quantity += Decimal::fromInt(1);
            line.amount = amountOf(line.quantity, line.price, line.discount);
            return index;
        }
    }
    // The line charges the price as shown, in cents.
    const Decimal price = product.price.rounded(2);
    const Decimal one = Decimal::fromInt(1);
    m_lines.append({product.productId, product.code, product.name, product.unit, one, price, one,
                    price, QString()});
    return size() - 1;
}

void Cart::append(const CartLine& line) {
    m_lines.append(line);
}

void Cart::setQuantity(int index, QStringView typed) {
    CartLine& line = m_lines[index];
    line.quantity = Decimal::read(typed);
    line.amount = amountOf(line.quantity, line.price, line.discount);
}

void Cart::setDiscount(int index, QStringView typed) {
    CartLine& line = m_lines[index];
    line.discount = Decimal::read(typed);
    line.amount = amountOf(line.quantity, line.price, line.discount);
}

void Cart::setAmount(int index, QStringView typed) {
    m_lines[index].amount = Decimal::read(typed).rounded(2);
}

void Cart::setRemark(int index, const QString& remark) {
    m_lines[index].remark = remark;
}

void Cart::removeLine(int index) {
    m_lines.removeAt(index);
}

Cart::Totals Cart::totals() const {
    Totals totals;
    for (const CartLine& line : m_lines) {
        totals.total += line.amount;
        totals.discountGiven +=
            Decimal::roundedProduct({line.quantity, line.price}, 4) - line.amount;
    }
    return totals;
}
