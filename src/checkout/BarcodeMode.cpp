#include "checkout/BarcodeMode.h"

#include "data/Database.h"
#include "data/Decimal.h"
#include "data/Transaction.h"

using namespace Qt::Literals::StringLiterals;

namespace BarcodeMode {

bool load(Database& database) {
    Statement query = database.prepare(u"SELECT [条码] FROM [设置] LIMIT 1");
    return query.next() && Decimal::read(query.text(0)).rounded(0) == Decimal::fromInt(1);
}

void save(Database& database, bool on) {
    Transaction transaction(database);
    database.exec(u"UPDATE [设置] SET [条码] = ?1", on ? u"1"_s : u"0"_s);
    transaction.commit();
}

} // namespace BarcodeMode
