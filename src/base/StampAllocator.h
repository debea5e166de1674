#pragma once

#include <QDateTime>
#include <QSet>
#include <QString>

#include <functional>

// Hands out time stamps "yyyymmddhhmmss" for keys that must be unique (product IDs, movement
// numbers). A second taken already, by a stored row or by a stamp handed out before, gives way
// to the next free one, so two keys begun within the same second never meet.
class StampAllocator {
public:
    // Whether a stored row holds the key made of this stamp.
    using Taken = std::function<bool(const QString& stamp)>;

    explicit StampAllocator(Taken taken);

    QString allocate(const QDateTime& moment);

private:
    Taken m_taken;
    QSet<QString> m_handedOut;
};
