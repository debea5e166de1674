#pragma once

class Database;

// Whether the sales screen scans barcodes, kept in [设置].[条码] as "1" or "0".
namespace BarcodeMode {

bool load(Database& database);
// One transaction; throws DbError.
void save(Database& database, bool on);

} // namespace BarcodeMode
