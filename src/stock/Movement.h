#pragma once

#include "data/Decimal.h"

#include <QDate>
#include <QString>

#include <optional>

// Which way a movement moves stock; stored in [出入库].[类别].
enum class MovementKind { Sale, StockIn, Return };

// One row of [出入库] as a screen hands it to the stock ledger. Purchase price and maker left
// unset are taken from the product at the time of booking.
struct Movement {
    QString number; // 销售号
    QString productId;
    QString name;
    QString code;
    QString unit;
    std::optional<Decimal> purchasePrice;
    Decimal salePrice;
    Decimal amount;
    std::optional<QString> maker;
    QString remark;
    QDate date;
    Decimal quantity; // always as entered; the kind gives the direction
    std::optional<Decimal> discount;
    MovementKind kind = MovementKind::Sale;
};
