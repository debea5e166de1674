#pragma once

#include "checkout/CashUp.h"

#include <QList>
#include <QString>

// One labelled figure of the cash-up: a sum of money or a count of sales.
struct CashUpFigure {
    QString label;
    Decimal value;
    bool isMoney = true;

    // "0.00" for money, the whole number for a count.
    QString text() const { return isMoney ? value.moneyText() : value.plainText(); }
};

struct CashUpSection {
    QString heading;
    QList<CashUpFigure> figures;
};

// The cash-up in the order and words that the screen, both receipts and the sheet show it.
namespace CashUpFigures {

// "2017-03-13", or "2017-03-01 至 2017-03-13" for a range of days.
QString rangeText(const CashUp& cashUp);

QList<CashUpSection> sections(const CashUp& cashUp, Decimal openingFloat);

// Heading of the list of changed sales that follows the sections.
inline const QString ChangesHeading = QStringLiteral("改单删单明细");

// A change in two receipt lines, each a left and a right part: the sale number and the kind,
// then when ("03-13 10:15") and the total before and after ("124.20→100.00"; a deleted
// sale's total alone).
struct ChangeLines {
    QString number;
    QString kind;
    QString when;
    QString amounts;
};
ChangeLines linesOf(const SaleChange& change);

} // namespace CashUpFigures
