#pragma once

#include "checkout/EscPosLines.h"
#include "checkout/ReceiptSale.h"
#include "data/SettingsRow.h"

#include <QByteArray>

// The receipt as ESC/POS bytes for a 58 or 80 mm roll printer in its Chinese mode: the
// content of the page receipt laid out in character columns, then a feed and a partial cut.
class EscPosReceipt {
public:
    EscPosReceipt(const SettingsRow& settings, const ReceiptSale& sale, int paperWidth);

    const QByteArray& bytes() const { return m_out.bytes(); }

    // Opens a cash drawer on pin 2 with a pulse of 50 ms on and 500 ms off.
    static QByteArray drawerPulse();

private:
    struct Columns {
        int second; // where the right half of a two-part line starts
        int quantity;
        int price;
        int discount;
        int amount;
    };

    void pair(const QString& left, const QString& right);
    void articleLine(const QString& name, const QString& quantity, const QString& price,
                     const QString& discount, const QString& amount);

    EscPosLines m_out;
    Columns m_columns;
};
