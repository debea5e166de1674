#pragma once

#include <QString>

// 打印方式 and the rest of how receipts reach the receipt printer. ESC/POS bytes go to the
// network address when one is given, otherwise raw to the receipt printer's queue.
struct ReceiptRoute {
    enum class Mode { Driver, EscPos };

    Mode mode = Mode::Driver;
    QString address;     // "host" or "host:port"
    int paperWidth = 80; // millimetres: 58 or 80
    bool openDrawer = false;

    bool operator==(const ReceiptRoute&) const = default;
};
