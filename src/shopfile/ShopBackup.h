#pragma once

#include <QDateTime>
#include <QString>

class Database;

namespace ShopBackup {

// 立即备份: a consistent copy of the open database, as the exit's backup makes it, written to
// `folder` (a USB stick) under a name with the date and time, never over another file.
// Returns the copy's path; throws DbError with the reason, leaving no part of a copy behind.
QString saveTo(Database& database, const QString& folder, const QDateTime& now);

} // namespace ShopBackup
