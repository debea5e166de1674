#include "catalogue/ProductIdAllocator.h"

#include "catalogue/ProductBook.h"

ProductIdAllocator::ProductIdAllocator(ProductBook& book)
    : m_stamps([&book](const QString& stamp) { return book.exists(stamp); }) {}
