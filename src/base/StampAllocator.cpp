#include "base/StampAllocator.h"

#include "data/DateText.h"

StampAllocator::StampAllocator(Taken taken)
    : m_taken(std::move(taken)) {}

QString StampAllocator::allocate(const QDateTime& moment) {
    for (QDateTime second = moment;; second = second.addSecs(1)) {
        const QString stamp = DateText::timeStamp(second);
        if (!m_handedOut.contains(stamp) && !m_taken(stamp)) {
            m_handedOut.insert(stamp);
            return stamp;
        }
    }
}
