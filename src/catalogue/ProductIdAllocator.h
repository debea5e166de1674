#pragma once

#include "base/StampAllocator.h"

#include <QDateTime>
#include <QString>

class ProductBook;

// Hands out product IDs "yyyymmddhhmmss", never one that a stored product or an earlier call
// holds.
class ProductIdAllocator {
public:
    explicit ProductIdAllocator(ProductBook& book);

    QString allocate(const QDateTime& moment) { return m_stamps.allocate(moment); }

private:
    StampAllocator m_stamps;
};
