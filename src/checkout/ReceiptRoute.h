#pragma once

#include <QString>

// 打印方式 and the rest of how receipts reach the receipt printer. ESC/POS bytes go to the
// network address when one is given, otherwise raw to the receipt printer's queue.
struct ReceiptRoute {
    enum class Mode { Driver, EscPos };
    static constexpr int DefaultPort = 9100;

    Mode mode = Mode::Driver;
    QString address;     // "host" or "host:port"
    int paperWidth = 80; // millimetres: 58 or 80
    bool openDrawer = false;

    // Character columns of Latin text on the roll; a Chinese character takes two.
    int columns() const { return paperWidth == 58 ? 32 : 48; }

    bool operator==(const ReceiptRoute&) const = default;
};
