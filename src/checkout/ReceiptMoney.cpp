#include "checkout/ReceiptMoney.h"

#include "data/Decimal.h"

#include <QRegularExpression>

using namespace Qt::Literals::StringLiterals;

QString ReceiptMoney::moneyOrAsTyped(const QString& text) {
    static const QRegularExpression number(u"^[ \\t]*[+-]?([0-9]+\\.?[0-9]*|\\.[0-9]+)[ \\t]*$"_s);
    return number.match(text).hasMatch() ? Decimal::read(text).moneyText() : text;
}
