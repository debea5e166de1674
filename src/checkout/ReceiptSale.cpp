#include "checkout/ReceiptSale.h"

#include "checkout/Sale.h"
#include "data/DateText.h"

ReceiptSale ReceiptSale::of(const Sale& sale) {
    ReceiptSale receipt;
    receipt.saleNumber = sale.number;
    receipt.saleDate = DateText::format(sale.date);
    for (const CartLine& line : sale.cart.lines()) {
        receipt.lines.append({line.name, line.quantity.plainText(), line.price.moneyText(),
                              line.discount.plainText(), line.amount.moneyText()});
    }
    const Cart::Totals totals = sale.cart.totals();
    receipt.total = totals.total.moneyText();
    receipt.discountGiven = totals.discountGiven.moneyText();
    receipt.received = sale.receivedText();
    receipt.change = sale.changeText();
    receipt.payment = Payment::text(sale.payment);
    return receipt;
}
