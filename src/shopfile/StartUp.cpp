#include "shopfile/StartUp.h"

#include "base/SettingsBook.h"
#include "data/DbError.h"
#include "data/Schema.h"
#include "shopfile/DataFolder.h"
#include "shopfile/TemplateDatabase.h"

#include <QFileInfo>

using namespace Qt::Literals::StringLiterals;

namespace StartUp {

StartUpResult run(const QString& driveDRoot, const QString& driveCRoot) {
    StartUpResult result;
    result.dataFolder = DataFolder::dataFolderIn(DataFolder::chooseRoot(driveDRoot, driveCRoot));
    DataFolder::makePath(result.dataFolder);
    const QString path = DataFolder::databaseFileIn(result.dataFolder);
    // Two programs on one file would hand out the same sale number. The lock names its process,
    // so one left by a killed program is taken over; it keeps no reader off the file itself.
    auto lock = std::make_unique<QLockFile>(path + u".lock"_s);
    if (!lock->tryLock()) {
        result.alreadyRunning = lock->error() == QLockFile::LockFailedError;
        result.error = u"无法锁定数据库文件 "_s + path;
        return result;
    }
    if (!QFileInfo::exists(path)) {
        QString reason;
        if (!TemplateDatabase::writeTo(path, &reason)) {
            result.error = u"无法创建数据库文件 "_s + path + u"：" + reason;
            return result;
        }
    }
    try {
        Database database = Database::open(path, QString::fromUtf16(Schema::DatabasePassword));
        Schema::upgrade(database);
        result.storedPassword = SettingsBook(database).storedPassword();
        result.database.emplace(std::move(database));
        result.lock = std::move(lock);
    } catch (const DbError& error) {
        result.error = u"无法打开数据库文件 "_s + path + u"：" + error.message();
    }
    return result;
}

} // namespace StartUp
