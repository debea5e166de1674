#pragma once

#include "checkout/CashUp.h"
#include "checkout/EscPosLines.h"
#include "data/SettingsRow.h"

#include <QDateTime>

// The cash-up as ESC/POS bytes for the receipt printer: the shop's title, the range and the
// time of printing, each section's figures with their values at the line's end, every
// changed sale, then a feed and a partial cut.
class EscPosCashUp {
public:
    EscPosCashUp(const SettingsRow& settings, const CashUp& cashUp, Decimal openingFloat,
                 const QDateTime& printedAt, int paperWidth);

    const QByteArray& bytes() const { return m_out.bytes(); }

private:
    EscPosLines m_out;
};
