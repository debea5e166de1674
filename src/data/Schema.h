#pragma once

class Database;

namespace Schema {

// The password every shop database is keyed with.
inline constexpr char16_t DatabasePassword[] = u"qm1947";

// The five tables, their column checks and indexes.
void create(Database& database);

// The sample products and the settings row of a new shop.
void insertTemplateRows(Database& database);

} // namespace Schema
