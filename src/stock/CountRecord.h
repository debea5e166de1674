#pragma once

#include "data/Decimal.h"

#include <QDate>
#include <QString>

// One past count of a product, as the records screen lists it.
struct CountRecord {
    QDate date;
    QString code;
    QString name;
    QString maker;
    QString unit;
    Decimal bookStock;
    Decimal counted;
    Decimal difference;
    QString remark;
};
