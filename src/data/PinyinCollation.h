#pragma once

struct sqlite3;

// The "zh" collation (ICU), so that product names sort the way a Chinese user reads a list.
namespace PinyinCollation {

void install(sqlite3* connection);

} // namespace PinyinCollation
