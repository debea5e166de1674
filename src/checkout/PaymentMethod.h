#pragma once

#include <QString>

#include <array>

// How a customer paid for a sale.
enum class PaymentMethod { Cash, WeChat, Alipay, Card, Other };

namespace Payment {

inline constexpr std::array<PaymentMethod, 5> Methods = {PaymentMethod::Cash, PaymentMethod::WeChat,
                                                         PaymentMethod::Alipay, PaymentMethod::Card,
                                                         PaymentMethod::Other};

// "现金", "微信", "支付宝", "银行卡", "其他": the stored text and the caption alike.
QString text(PaymentMethod method);
// A sale stored without a method was paid in cash; a text this program never writes reads as
// 其他 rather than passing for cash.
PaymentMethod fromStored(const QString& stored);

} // namespace Payment
