#include "shopfile/ShopBackup.h"

#include "data/Database.h"
#include "data/DbError.h"
#include "data/Schema.h"
#include "shopfile/BackupCopies.h"
#include "shopfile/FinishedCopy.h"

using namespace Qt::Literals::StringLiterals;

namespace ShopBackup {

QString saveTo(Database& database, const QString& folder, const QDateTime& now) {
    const QString path = BackupCopies::freshPath(folder, u"数据库备份"_s, now);
    FinishedCopy::write(path, [&database](const QString& partial) {
        database.backupTo(partial, QString::fromUtf16(Schema::DatabasePassword));
    });
    return path;
}

} // namespace ShopBackup
