#pragma once

#include <QString>

// Where raw printer bytes go: a network printer when an address is given, else the print
// queue of that name.
struct RawPrinterTarget {
    QString queue;
    QString address; // "host" or "host:port"

    bool operator==(const RawPrinterTarget&) const = default;
};
