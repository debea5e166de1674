#pragma once

#include "catalogue/Product.h"
#include "catalogue/import/ColumnMapping.h"
#include "catalogue/import/ImportPlan.h"
#include "sheets/SheetRows.h"

#include <QHash>
#include <QList>
#include <QString>

// Decides, row by row, what importing a sheet would do. A row whose code an existing product
// has updates that product or is skipped, as the user chose; a row with a new code (or none)
// adds a product. A row is refused, with the reason, when a new product would have no name,
// a number cell holds no number, a text is longer than its column, or its code stands in
// another row of the sheet too. Nothing is written here.
class ImportPlanner {
public:
    enum class Existing { Update, Skip };

    // The products as they are now; their codes decide between adding and updating.
    explicit ImportPlanner(const QList<Product>& products);

    // Plans the rows after the header (all of them without one).
    ImportPlan plan(const SheetRows& rows, std::optional<qsizetype> headerRow,
                    const ColumnMapping& mapping, Existing existing) const;

private:
    QHash<QString, QList<Product>> m_byCode; // trimmed code; products without one left out
};
