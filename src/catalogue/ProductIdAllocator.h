#pragma once

#include <QDateTime>
#include <QSet>
#include <QString>

class ProductBook;

// Hands out product IDs "yyyymmddhhmmss". A second that is taken already, by a stored product
// or by an ID handed out before, gives way to the next free one, so two products begun within
// the same second never share an ID.
class ProductIdAllocator {
public:
    explicit ProductIdAllocator(ProductBook& book);

    QString allocate(const QDateTime& moment);

private:
    ProductBook& m_book;
    QSet<QString> m_handedOut;
};
