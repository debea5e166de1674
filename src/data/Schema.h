#pragma once

class Database;

namespace Schema {

// The password every shop database is keyed with.
inline constexpr char16_t DatabasePassword[] = u"qm1947";

// The tables every shop database holds.
inline constexpr const char16_t* TableNames[] = {u"商品", u"出入库", u"订单", u"设置", u"盘点明细"};

// The layout of the tables this program reads and writes, kept in the file's user version.
inline constexpr int Version = 5;

// The tables, their column checks and indexes, at Version.
void create(Database& database);

// Brings a file made by an earlier version up to Version, one transaction per step, so an
// interrupted upgrade resumes from the last step that landed. A newer file is left alone.
void upgrade(Database& database);

int versionOf(Database& database);

// The sample products and the settings row of a new shop.
void insertTemplateRows(Database& database);

} // namespace Schema
