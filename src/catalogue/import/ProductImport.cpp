#include "catalogue/import/ProductImport.h"

#include "catalogue/ProductBook.h"
#include "catalogue/ProductIdAllocator.h"
#include "data/Transaction.h"
#include "stock/StockBook.h"
#include "stock/StockLedger.h"

using namespace Qt::Literals::StringLiterals;

namespace ProductImport {
namespace {

// Stamps are handed out in ascending seconds: each search for a free one starts past the last.
// The seconds are counted on the clock's face, in UTC, so that no time zone is looked up ten
// thousand times.
QDateTime after(const QString& stamp) {
    const QStringView digits = QStringView(stamp).right(14);
    const auto field = [digits](qsizetype at, qsizetype size) {
        return digits.sliced(at, size).toInt();
    };
    return QDateTime(QDate(field(0, 4), field(4, 2), field(6, 2)),
                     QTime(field(8, 2), field(10, 2), field(12, 2)), Qt::UTC)
        .addSecs(1);
}

} // namespace

Result run(Database& database, const ImportPlan& plan, const QDateTime& now) {
    Transaction transaction(database);
    ProductBook products(database);
    ProductIdAllocator ids(products);
    StockBook stockIn(database, MovementKind::StockIn);
    StockLedger ledger(database);
    const QDateTime face(now.date(), now.time(), Qt::UTC);
    QDateTime nextId = face;
    QDateTime nextNumber = face;
    Result result;
    for (const ImportRow& row : plan.rows) {
        if (row.action == ImportAction::Update) {
            // A product removed since the plan was made comes back under its ID.
            const ProductBook::SaveResult saved = products.save(row.productId, row.entry);
            ++(saved == ProductBook::SaveResult::Updated ? result.updated : result.created);
            continue;
        }
        if (row.action != ImportAction::Create)
            continue;
        const QString id = ids.allocate(nextId);
        nextId = after(id);
        ProductEntry entry = row.entry;
        if (entry.code.isEmpty())
            entry.code = u'A' + id;
        products.save(id, entry);
        ++result.created;
        if (row.stock.isZero())
            continue;
        Movement opening;
        opening.number = stockIn.allocateNumber(nextNumber);
        nextNumber = after(opening.number);
        opening.productId = id;
        opening.name = entry.storedName();
        opening.code = entry.code;
        opening.unit = entry.unit;
        opening.purchasePrice = Decimal::read(entry.purchasePrice);
        opening.salePrice = Decimal::read(entry.salePrice);
        opening.amount = Decimal::roundedProduct({row.stock, *opening.purchasePrice}, 2);
        opening.maker = entry.maker;
        opening.remark = OpeningStockRemark;
        opening.date = now.date();
        opening.quantity = row.stock;
        opening.kind = MovementKind::StockIn;
        ledger.book(opening);
    }
    transaction.commit();
    return result;
}

} // namespace ProductImport
