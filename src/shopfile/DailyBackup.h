#pragma once

#include <QDate>
#include <QString>

class Database;

// The copy of the shop database made each time the program closes: one folder per day of
// the month ("7日"), each holding the state at the last exit of that day.
namespace DailyBackup {

// The backup folder that belongs to a data folder's drive root.
QString folderFor(const QString& driveRoot);

// Copies the open database into backupFolder/<day>日/数据库.dat, replacing that day's copy.
// Failures are ignored: closing the program must never be held up by the backup.
void run(Database& database, const QString& backupFolder, QDate today);

} // namespace DailyBackup
