#include "catalogue/ProductIdAllocator.h"

#include "catalogue/ProductBook.h"
#include "data/DateText.h"

ProductIdAllocator::ProductIdAllocator(ProductBook& book)
    : m_book(book) {}

QString ProductIdAllocator::allocate(const QDateTime& moment) {
    for (QDateTime second = moment;; second = second.addSecs(1)) {
        const QString id = DateText::timeStamp(second);
        if (!m_handedOut.contains(id) && !m_book.exists(id)) {
            m_handedOut.insert(id);
            return id;
        }
    }
}
