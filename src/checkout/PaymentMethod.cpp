#include "checkout/PaymentMethod.h"

using namespace Qt::Literals::StringLiterals;

QString Payment::text(PaymentMethod method) {
    switch (method) {
    case PaymentMethod::WeChat:
        return u"微信"_s;
    case PaymentMethod::Alipay:
        return u"支付宝"_s;
    case PaymentMethod::Card:
        return u"银行卡"_s;
    case PaymentMethod::Other:
        return u"其他"_s;
    case PaymentMethod::Cash:
        break;
    }
    return u"现金"_s;
}

PaymentMethod Payment::fromStored(const QString& stored) {
    if (stored.isEmpty())
        return PaymentMethod::Cash;
    for (const PaymentMethod method : Methods) {
        if (text(method) == stored)
            return method;
    }
    return PaymentMethod::Other;
}
