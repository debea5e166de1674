#include "shopfile/DailyBackup.h"

#include "data/Database.h"
#include "data/DbError.h"
#include "data/Schema.h"
#include "shopfile/AtomicReplace.h"
#include "shopfile/DataFolder.h"

#include <QDir>
#include <QFile>

using namespace Qt::Literals::StringLiterals;

namespace DailyBackup {

QString folderFor(const QString& driveRoot) {
    return DataFolder::backupFolderIn(driveRoot);
}

void run(Database& database, const QString& backupFolder, QDate today) {
    const QString dayFolder = QDir(backupFolder).filePath(today.toString(u"d日"_s));
    DataFolder::makePath(dayFolder);
    const QString target = DataFolder::databaseFileIn(dayFolder);
    // Written beside the old copy first, so a failed backup never costs the day's last one.
    const QString fresh = target + u".new";
    QFile::remove(fresh);
    try {
        database.backupTo(fresh, QString::fromUtf16(Schema::DatabasePassword));
    } catch (const DbError&) {
        QFile::remove(fresh);
        return;
    }
    // A log left beside the old copy (the shell crashed on it) would be read into the new one.
    QFile::remove(target + u"-wal");
    QFile::remove(target + u"-shm");
    if (!AtomicReplace::replace(fresh, target))
        QFile::remove(fresh);
}

} // namespace DailyBackup
