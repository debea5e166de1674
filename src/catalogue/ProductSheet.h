#pragma once

#include "catalogue/Product.h"

#include <QList>
#include <QString>

// Products as an .xlsx sheet that the product import reads back unchanged: a header row of
// field captions, then one row per product with name and specification apart, codes as text
// and prices and stock as exact numbers.
namespace ProductSheet {

// Returns an empty text, or why the file was not written.
QString write(const QString& path, const QList<Product>& products);

} // namespace ProductSheet
