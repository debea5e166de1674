#pragma once

#include <QString>

namespace ReceiptMoney {

// A text that is a plain number prints in the money pattern "0.00"; anything else, an empty
// text included, prints as typed.
QString moneyOrAsTyped(const QString& text);

} // namespace ReceiptMoney
